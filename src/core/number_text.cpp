#include "core/number_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kt {
namespace {

// log10(2) held as a double; the pre-rounding estimates a single's decade
// from its binary exponent with it.
constexpr double L = 0.30102999566398120;

// Each entry is the double nearest to its power of ten; singles never need
// more than 10^38.
constexpr std::array<double, 39> PowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19,
    1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28, 1e29,
    1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36, 1e37, 1e38};

Text stripTrailingZeros(Text digits) {
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// p significant digits, fixed or exponent form. The rounding to p digits
// works on the 17-digit decimal string, not on the exact binary value.
Text generalForm(double v, int p) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
    if (v == 0) return "0";

    // "d.dddddddddddddddde+XX": 17 correctly rounded significant digits.
    char buf[32];
    const auto printed = std::to_chars(buf, buf + sizeof buf, std::fabs(v),
                                       std::chars_format::scientific, 16);
    Text digits(1, buf[0]);
    digits.append(buf + 2, 16);
    int exponent = 0;
    std::from_chars(buf + 20, printed.ptr, exponent);
    if (buf[19] == '-') exponent = -exponent;

    if (digits[p] >= '5') {
        int k = p - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    digits.resize(p);

    Text out = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= p) {
        out += digits[0];
        if (const Text fraction = stripTrailingZeros(digits.substr(1)); !fraction.empty())
            out.append(".").append(fraction);
        const Text magnitude = integerToText(std::abs(exponent));
        out += exponent < 0 ? "e-" : "e+";
        out.append(magnitude.size() < 3 ? 3 - magnitude.size() : 0, '0').append(magnitude);
    } else if (exponent >= 0) {
        out.append(digits, 0, exponent + 1);
        if (const Text fraction = stripTrailingZeros(digits.substr(exponent + 1)); !fraction.empty())
            out.append(".").append(fraction);
    } else {
        out.append("0.").append(-exponent - 1, '0').append(stripTrailingZeros(digits));
    }
    return out;
}

// |x| rounded to six significant digits, ties away from zero, with x's sign.
// The intermediates are long double on purpose: the ties come out as they do
// only with a 64-bit significand, rounded to double where noted.
double preRoundSingle(float x) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    const int e = static_cast<std::int8_t>(static_cast<std::uint8_t>(((bits >> 23) & 0xFF) - 127));
    int n = static_cast<int>(static_cast<long double>(e) * static_cast<long double>(L));

    double powerOfTen = PowersOfTen[std::abs(n)];
    const long double magnitude = std::fabs(static_cast<long double>(x));
    long double m = n > 0 ? magnitude / powerOfTen : magnitude * powerOfTen;
    if (m >= 10) {
        powerOfTen = static_cast<double>(static_cast<long double>(powerOfTen) * 10);
        ++n;
        m *= 10000;
    } else if (m < 1) {
        powerOfTen = static_cast<double>(static_cast<long double>(powerOfTen) * 10);
        --n;
        m *= 1000000;
    } else {
        m *= 100000;
    }

    const double scaled = static_cast<double>(m);
    double sixDigits = std::floor(scaled);
    if (scaled - sixDigits >= 0.5) sixDigits += 1;

    const long double signedPower = x < 0 ? -static_cast<long double>(powerOfTen) : powerOfTen;
    const long double r = n > 0 ? sixDigits * (signedPower * static_cast<long double>(0.00001))
                                : sixDigits / (signedPower * 100000);
    return static_cast<double>(r);
}

}  // namespace

Text singleToText(float x) {
    // The decade estimate assumes a normal exponent; other values print as
    // they are.
    if (!std::isnormal(x)) return generalForm(x, 6);
    return generalForm(preRoundSingle(x), 6);
}

Text doubleToText(double v) { return generalForm(v, 13); }

}  // namespace kt
