#include "core/module_pattern.h"

#include <array>

namespace kt {
namespace {

// For the first digit: the set (A or B) of each of the six left-half symbols.
constexpr std::array<std::string_view, 10> ParityTable = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

// Left-hand odd-parity symbols: SetC with every module inverted.
constexpr std::array<std::string_view, 10> SetA = {
    "0001101", "0011001", "0010011", "0111101", "0100011",
    "0110001", "0101111", "0111011", "0110111", "0001011"};

// Left-hand even-parity symbols: SetC read backwards.
constexpr std::array<std::string_view, 10> SetB = {
    "0100111", "0110011", "0011011", "0100001", "0011101",
    "0111001", "0000101", "0010001", "0001001", "0010111"};

// Right-hand symbols, also used for the check digit.
constexpr std::array<std::string_view, 10> SetC = {
    "1110010", "1100110", "1101100", "1000010", "1011100",
    "1001110", "1010000", "1000100", "1001000", "1110100"};

constexpr std::size_t PatternLength = 3 +  // start guard
                                      7 * 6 +  // left half
                                      5 +      // centre guard
                                      7 * 6 +  // right half, check digit included
                                      3 +      // end guard
                                      1;       // trailing light module

int digitAt(std::string_view body, int position) {
    return digitValue(midText(body, position, 1));
}

}  // namespace

Text buildModulePattern(std::string_view body, int checkDigit) {
    const std::string_view parity = ParityTable[digitAt(body, 1)];
    Text pattern;
    pattern.reserve(PatternLength);
    pattern += "101";
    for (int k = 1; k <= 6; ++k) {
        const int digit = digitAt(body, k + 1);
        pattern += parity[k - 1] == 'A' ? SetA[digit] : SetB[digit];
    }
    pattern += "01010";
    for (int k = 1; k <= 5; ++k) pattern += SetC[digitAt(body, k + 7)];
    pattern += SetC[(checkDigit % 10 + 10) % 10];
    pattern += "1010";
    return pattern;
}

}  // namespace kt
