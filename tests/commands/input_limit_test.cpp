#include <gtest/gtest.h>

#include "commands/input_limit.h"
#include "fake_toolkit.h"

namespace kt {
namespace {

constexpr int Enter = 13;
constexpr int Backspace = 8;
constexpr int Digit1 = '1';
constexpr int LeftArrow = 37;
constexpr int Home = 36;
constexpr int Delete = 46;
constexpr int Minus = 189;
constexpr int LetterA = 'A';  // as in Ctrl+A

struct KeyCase {
    const char* name;
    Text list;
    int caret;
    bool limited;
    int key;
    bool accepted;
};

const Text FullCode = "4006381333931";

const KeyCase KeyCases[] = {
    {"12th byte typed", "400638133393", 12, true, Digit1, true},
    {"14th byte refused", FullCode, 13, true, Digit1, false},
    {"Backspace after the 13th byte", FullCode, 13, true, Backspace, true},
    {"Enter after the 13th byte", FullCode, 13, true, Enter, true},
    {"arrow after the 13th byte", FullCode, 13, true, LeftArrow, false},
    {"Home after the 13th byte", FullCode, 13, true, Home, false},
    {"Delete after the 13th byte", FullCode, 13, true, Delete, false},
    {"minus after the 13th byte", FullCode, 13, true, Minus, false},
    {"Ctrl+A after the 13th byte", FullCode, 13, true, LetterA, false},
    {"limit off", FullCode, 13, false, Digit1, true},
    {"end of a full second line", "123\r\n" + FullCode, 18, true, Digit1, false},
    {"12 bytes before the caret on a second line", "123\r\n" + FullCode, 17, true, Digit1, true},
    {"middle of a long line", FullCode + "999", 5, true, Digit1, true},
    {"empty list", "", 0, true, Digit1, true},
    // A byte of 0x80 or above takes the CR after it along, so the rule sees no line break
    // and counts the line above as well.
    {"CR hidden behind a lead byte", "\x80\r\n40063813339", 14, true, Digit1, false},
    {"CR after a whole double-byte character", "\xD6\xD0\r\n40063813339", 15, true, Digit1, true},
};

TEST(AcceptCodeListKey, LimitsTheCaretsLineToThirteenBytes)
{
    for (const KeyCase& c : KeyCases) {
        FakeToolkit ui;
        ui.texts[Control::CodeListEdit] = c.list;
        ui.carets[Control::CodeListEdit] = c.caret;
        ui.checks[Control::InputLimitCheck] = c.limited;
        EXPECT_EQ(acceptCodeListKey(ui, c.key), c.accepted) << c.name;
    }
}

}  // namespace
}  // namespace kt
