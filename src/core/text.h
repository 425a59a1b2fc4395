#pragma once

// Texts are byte strings in code page 936. Positions are 1-based byte
// indexes and lengths are byte counts. Searching, splitting, replacing,
// space removal and textToNumber step over a byte >= 0x80 and the byte after
// it as one character; length, left, right and mid cut plain bytes.
// Every operation accepts any bytes and any counts and never fails.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

using Text = std::string;

int textLength(std::string_view t);
Text leftText(std::string_view t, int n);
Text rightText(std::string_view t, int n);
Text midText(std::string_view t, int start, int n);

// The low byte of code; a zero low byte gives the empty text.
Text charFromCode(int code);
Text joinTexts(std::initializer_list<std::string_view> parts);

// Unsigned byte order; only the sign of the result means anything.
int compareText(std::string_view a, std::string_view b);

// 1-based position of the first match at or after start, or -1.
int findText(std::string_view t, std::string_view s, int start = 1);
// 1-based position of the last match that ends before start, or -1.
// An omitted start searches the whole text; start <= 1 finds nothing.
int findTextReverse(std::string_view t, std::string_view s,
                    std::optional<int> start = std::nullopt);

// The longest leading decimal real after full-width forms are folded to
// ASCII; 0 when there is none.
double textToNumber(std::string_view t);
// 0 to 9: the value of a decimal digit, 0 for any other byte. Only the first
// byte counts.
int digitValue(std::string_view c);
// Toward zero through a 64-bit integer, keeping its low 32 bits; NaN,
// infinities and magnitudes of 2^63 or more give 0.
int truncateToInteger(double x);
Text integerToText(int i);

// Drops spaces and ideographic spaces.
Text removeSpaces(std::string_view t);
// A separator at the very end adds no empty piece.
std::vector<Text> splitText(std::string_view t, std::string_view sep);
Text replaceText(std::string_view t, std::string_view s, std::string_view r);

}  // namespace kt
