#include "core/module_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/check_digit.h"

namespace kt {
namespace {

std::string repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

TEST(ModulePattern, KnownPatterns) {
    struct Row {
        const char* name;
        std::string body;
        int checkDigit;
        std::string expected;
    };
    const std::string allZero = "101" + repeat("0001101", 6) + "01010" + repeat("1110010", 6) + "1010";
    const std::vector<Row> rows = {
        {"real code", "400638133393", 1,
         "1010001101010011101011110111101000100101100110101010000101000010100001011101001000010110011"
         "01010"},
        {"ascending", "123456789012", 8,
         "1010010011011110100111010110001000010100100010101010010001110100111001011001101101100100100"
         "01010"},
        {"all zero", "000000000000", 0, allZero},
        {"leading letter takes the parity of 0", "A00000000000", 0, allZero},
        {"letter elsewhere is the symbol of 0", "00000X000000", 0, allZero},
        {"missing positions count 0", "", 0, allZero},
        {"check digit is taken modulo 10", "000000000000", 10, allZero},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(buildModulePattern(row.body, row.checkDigit), row.expected);
    }
    EXPECT_EQ(buildModulePattern("400638133393", -9), buildModulePattern("400638133393", 1));
}

// An independent reader of the pattern: symbols are recognised by their bar
// and space widths, the left-half set by its parity, and the first digit by
// the sequence of sets.
std::string decode(const std::string& pattern) {
    static const std::array<std::string, 10> widths = {"3211", "2221", "2122", "1411", "1132",
                                                       "1231", "1114", "1312", "1213", "3112"};
    static const std::array<std::string, 10> sets = {"OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE",
                                                     "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO"};
    const auto digitOf = [](std::string symbol) -> char {
        std::string runs;
        for (std::size_t i = 0; i < symbol.size();) {
            const std::size_t end = symbol.find_first_not_of(symbol[i], i);
            const std::size_t stop = end == std::string::npos ? symbol.size() : end;
            runs += static_cast<char>('0' + (stop - i));
            i = stop;
        }
        const auto it = std::find(widths.begin(), widths.end(), runs);
        return it == widths.end() ? '?' : static_cast<char>('0' + (it - widths.begin()));
    };
    if (pattern.size() != 96 || pattern.substr(0, 3) != "101" || pattern.substr(45, 5) != "01010" ||
        pattern.substr(92) != "1010")
        return "bad frame";
    std::string digits;
    std::string parities;
    for (int k = 0; k < 6; ++k) {
        const std::string symbol = pattern.substr(3 + 7 * k, 7);
        const bool odd = std::count(symbol.begin(), symbol.end(), '1') % 2 == 1;
        parities += odd ? 'O' : 'E';
        digits += digitOf(odd ? symbol : std::string(symbol.rbegin(), symbol.rend()));
    }
    for (int k = 0; k < 6; ++k) digits += digitOf(pattern.substr(50 + 7 * k, 7));
    const auto first = std::find(sets.begin(), sets.end(), parities);
    return (first == sets.end() ? '?' : static_cast<char>('0' + (first - sets.begin()))) + digits;
}

TEST(ModulePattern, DecodesBackForEveryDigitInEveryPlace) {
    // Every first digit, and every digit in every other position.
    std::vector<std::string> bodies;
    for (int first = 0; first <= 9; ++first) {
        std::string body(1, static_cast<char>('0' + first));
        for (int k = 1; k < 12; ++k) body += static_cast<char>('0' + (first + k) % 10);
        bodies.push_back(body);
    }
    for (const auto& body : bodies) {
        SCOPED_TRACE(body);
        const int check = computeCheckDigit(body);
        EXPECT_EQ(decode(buildModulePattern(body, check)), body + static_cast<char>('0' + check));
    }
}

}  // namespace
}  // namespace kt
