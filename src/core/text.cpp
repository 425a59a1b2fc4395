#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kt {
namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// A lead byte with nothing after it: every pair walk stops there.
bool isLoneLeadAt(std::string_view t, std::size_t i) {
    return i + 1 == t.size() && isLeadByte(t[i]);
}

// Bytes taken by the character at i under the pair rule.
std::size_t charWidthAt(std::string_view t, std::size_t i) {
    return isLeadByte(t[i]) && i + 1 < t.size() ? 2 : 1;
}

bool matchesAt(std::string_view t, std::size_t i, std::string_view s) {
    return t.compare(i, s.size(), s) == 0;
}

// Texts over 2 GiB cannot occur, but a position must still never wrap.
int toPosition(std::size_t zeroBased) {
    return static_cast<int>(std::min<std::size_t>(zeroBased + 1, INT_MAX));
}

Text normaliseForNumber(std::string_view t) {
    Text out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        const auto lead = static_cast<unsigned char>(t[i]);
        if (lead < 0x80) {
            out += t[i++];
            continue;
        }
        if (i + 1 == t.size()) break;
        const auto trail = static_cast<unsigned char>(t[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            out += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            out += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out += '*';
        } else {
            out.append(t.substr(i, 2));
        }
        i += 2;
    }
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view t, std::size_t i) {
    while (i < t.size() && isDigit(t[i])) ++i;
    return i;
}

// from_chars leaves the value alone when it over- or underflows. Those two
// lie hundreds of decades apart, so the decade of the first significant digit
// tells them apart.
double outOfRangeValue(bool negative, std::string_view intDigits, std::string_view fracDigits,
                       bool negativeExponent, std::string_view expDigits) {
    std::int64_t exponent = 0;
    for (char c : expDigits) exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000);
    if (negativeExponent) exponent = -exponent;
    std::int64_t decade = 0;
    if (auto k = intDigits.find_first_not_of('0'); k != std::string_view::npos)
        decade = static_cast<std::int64_t>(intDigits.size() - k) - 1;
    else if (auto f = fracDigits.find_first_not_of('0'); f != std::string_view::npos)
        decade = -static_cast<std::int64_t>(f) - 1;
    const double magnitude = decade + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace

int textLength(std::string_view t) {
    return static_cast<int>(std::min<std::size_t>(t.size(), INT_MAX));
}

Text leftText(std::string_view t, int n) {
    if (n <= 0) return {};
    return Text(t.substr(0, static_cast<std::size_t>(n)));
}

Text rightText(std::string_view t, int n) {
    if (n <= 0) return {};
    const auto count = std::min(static_cast<std::size_t>(n), t.size());
    return Text(t.substr(t.size() - count));
}

Text midText(std::string_view t, int start, int n) {
    const std::int64_t p = static_cast<std::int64_t>(start) - 1;
    if (p < 0 || p >= static_cast<std::int64_t>(t.size()) || n <= 0) return {};
    return Text(t.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(n)));
}

Text charFromCode(int code) {
    const auto byte = static_cast<unsigned char>(code);
    if (byte == 0) return {};
    return Text(1, static_cast<char>(byte));
}

Text joinTexts(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (auto part : parts) size += part.size();
    Text out;
    out.reserve(size);
    for (auto part : parts) out.append(part);
    return out;
}

int compareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int findText(std::string_view t, std::string_view s, int start) {
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= t.size()) return -1;
    if (s.empty()) return 1;
    for (std::size_t i = from; i + s.size() <= t.size(); i += charWidthAt(t, i)) {
        if (isLoneLeadAt(t, i)) break;
        if (matchesAt(t, i, s)) return toPosition(i);
    }
    return -1;
}

int findTextReverse(std::string_view t, std::string_view s, std::optional<int> start) {
    std::size_t region = t.size();
    if (start) region = *start <= 1 ? 0 : std::min(static_cast<std::size_t>(*start) - 1, t.size());
    if (region == 0) return -1;
    if (s.empty()) return 1;
    int last = -1;
    for (std::size_t i = 0; i + s.size() <= region; i += charWidthAt(t, i)) {
        if (isLoneLeadAt(t, i)) break;
        if (matchesAt(t, i, s)) last = toPosition(i);
    }
    return last;
}

double textToNumber(std::string_view t) {
    const Text normalised = normaliseForNumber(t);
    const std::string_view n = normalised;

    std::size_t i = n.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) return 0.0;
    bool negative = false;
    if (n[i] == '+' || n[i] == '-') negative = n[i++] == '-';

    const std::size_t intEnd = skipDigits(n, i);
    const std::string_view intDigits = n.substr(i, intEnd - i);
    std::string_view fracDigits;
    i = intEnd;
    if (i < n.size() && n[i] == '.') {
        const std::size_t fracEnd = skipDigits(n, i + 1);
        fracDigits = n.substr(i + 1, fracEnd - i - 1);
        i = fracEnd;
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    bool negativeExponent = false;
    std::string_view expDigits;
    if (i < n.size() && std::string_view("eEdD").find(n[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool minus = false;
        if (j < n.size() && (n[j] == '+' || n[j] == '-')) minus = n[j++] == '-';
        const std::size_t expEnd = skipDigits(n, j);
        if (expEnd > j) {
            negativeExponent = minus;
            expDigits = n.substr(j, expEnd - j);
        }
    }

    // from_chars reads only the plain form "-ddd.ddde-dd", never a locale.
    Text canonical;
    if (negative) canonical += '-';
    if (intDigits.empty()) canonical += '0';
    canonical.append(intDigits);
    if (!fracDigits.empty()) canonical.append(".").append(fracDigits);
    if (!expDigits.empty()) canonical.append(negativeExponent ? "e-" : "e").append(expDigits);

    double value = 0.0;
    const auto parsed = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (parsed.ec == std::errc::result_out_of_range)
        return outOfRangeValue(negative, intDigits, fracDigits, negativeExponent, expDigits);
    return value;
}

int digitValue(std::string_view c) {
    // The number of one byte is its value for a decimal digit and 0 for every other byte
    // (a sign, a point or a space alone has no digits; a lead byte alone normalises away),
    // so this is textToNumber of that byte without its cost on every digit of every code.
    return !c.empty() && isDigit(c[0]) ? c[0] - '0' : 0;
}

int truncateToInteger(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 0x1p63) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

Text integerToText(int i) {
    char buf[16];
    return Text(buf, std::to_chars(buf, buf + sizeof buf, i).ptr);
}

Text removeSpaces(std::string_view t) {
    Text out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        if (!isLeadByte(t[i])) {
            if (t[i] != ' ') out += t[i];
            ++i;
            continue;
        }
        if (i + 1 == t.size()) break;
        const bool ideographicSpace = static_cast<unsigned char>(t[i]) == 0xA1 &&
                                      static_cast<unsigned char>(t[i + 1]) == 0xA1;
        if (!ideographicSpace) out.append(t.substr(i, 2));
        i += 2;
    }
    return out;
}

std::vector<Text> splitText(std::string_view t, std::string_view sep) {
    if (t.empty()) return {};
    if (sep.empty()) return {Text(t)};
    std::vector<Text> pieces;
    std::size_t pieceStart = 0;
    std::size_t i = 0;
    while (i + sep.size() <= t.size() && !isLoneLeadAt(t, i)) {
        if (matchesAt(t, i, sep)) {
            pieces.emplace_back(t.substr(pieceStart, i - pieceStart));
            i += sep.size();
            pieceStart = i;
        } else {
            i += charWidthAt(t, i);
        }
    }
    if (pieceStart < t.size()) pieces.emplace_back(t.substr(pieceStart));
    return pieces;
}

Text replaceText(std::string_view t, std::string_view s, std::string_view r) {
    if (t.empty() || s.empty()) return Text(t);
    Text out;
    out.reserve(t.size());
    std::size_t i = 0;
    while (i + s.size() <= t.size()) {
        if (isLoneLeadAt(t, i)) return out;
        if (matchesAt(t, i, s)) {
            out.append(r);
            i += s.size();
        } else {
            const std::size_t width = charWidthAt(t, i);
            out.append(t.substr(i, width));
            i += width;
        }
    }
    out.append(t.substr(i));
    return out;
}

}  // namespace kt
