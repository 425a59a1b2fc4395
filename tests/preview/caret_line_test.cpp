#include <gtest/gtest.h>

#include "preview/caret_line.h"

namespace kt {
namespace {

struct CaretLineCase {
    const char* name;
    Text text;
    int caret;
    Text line;
};

const Text TwoCodes = "4006381333931\r\n123456789012";

const CaretLineCase CaretLineCases[] = {
    {"empty list", "", 0, ""},
    {"start of the first line", TwoCodes, 0, "4006381333931"},
    {"end of the first line", TwoCodes, 13, "4006381333931"},
    {"start of a later line", TwoCodes, 15, "123456789012"},
    {"very end of the list", TwoCodes, 27, "123456789012"},
    {"very end after a final line break", "4006381333931\r\n", 15, ""},
    {"empty line between codes", "4006381333931\r\n\r\n123456789012", 15, ""},
    {"spaces and tabs kept", "x\r\n 12\t3 \r\ny", 5, " 12\t3 "},
    {"lone LF before the caret starts a line", "AB\nCD\r\nEF", 4, "CD"},
    {"lone LF after the caret does not end it", "AB\nCD\r\nEF", 1, "AB\nCD"},
    {"lone CR after the caret ends the line", "AB\rCD", 1, "AB"},
    {"lone CR before the caret does not start it", "AB\rCD", 4, "AB\rCD"},
    // A byte of 0x80 or above takes the next byte with it, so this CR ends no line.
    {"lead byte swallows the CR", "\x80\r\nAB", 0, "\x80\r\nAB"},
    {"the LF after a swallowed CR still starts a line", "\x80\r\nAB", 3, "AB"},
    {"double-byte characters kept whole", "\xD6\xD0\r\n\xD6\xD0" "12", 4, "\xD6\xD0" "12"},  // 中
    // Carets the edit box never reports must not overflow the position sums.
    {"caret at the integer maximum", TwoCodes, 2147483647, "123456789012"},
    {"caret at the integer minimum", TwoCodes, -2147483647 - 1, ""},
};

TEST(CaretLineText, CutsTheCaretsLine)
{
    for (const CaretLineCase& c : CaretLineCases)
        EXPECT_EQ(caretLineText(c.text, c.caret), c.line) << c.name;
}

}  // namespace
}  // namespace kt
