#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "fake_toolkit.h"
#include "preview/preview.h"

namespace kt {
namespace {

std::vector<std::string> drawn(const Text& list, int caret)
{
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = list;
    ui.carets[Control::CodeListEdit] = caret;
    drawPreview(ui);
    return ui.canvas;
}

TEST(DrawPreview, DrawsTheModulesThenTheDigits)
{
    // Body 400638133393 with check digit 1.
    const std::string pattern =
        "1010001101010011101011110111101000100101100110101010000101000010100001011101001000010"
        "11001101010";
    const std::set<int> longBars = {1, 2, 3, 4, 47, 48, 49, 50, 93, 94, 95, 96};

    const std::vector<std::string> calls = drawn("4006381333931", 13);

    ASSERT_EQ(calls.size(), 1 + 2 * 96 + 7u);
    EXPECT_EQ(calls.front(), "clear");
    for (int m = 1; m <= 96; ++m) {
        const bool dark = pattern[m - 1] == '1';
        const int left = 50 + 3 * (m - 1);
        const int bottom = longBars.count(m) ? 195 : 180;
        std::ostringstream rect;
        rect << "fillRect " << left << " 30 " << left + 3 << ' ' << bottom;
        EXPECT_EQ(calls[2 * m - 1], dark ? "fillColour 000000" : "fillColour FFFFFF") << m;
        EXPECT_EQ(calls[2 * m], rect.str()) << m;
    }
    const std::vector<std::string> texts(calls.end() - 7, calls.end());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "font OCR-B 10 BT/25",
                         "textColour 000000",
                         "text 23 183 4",
                         "text 63 183 006381",
                         "text 202 183 33393",
                         "textColour 000000",
                         "text 303 183 1",
                     }));
}

TEST(DrawPreview, ColoursTheCheckDigitByTheTypedOne)
{
    struct Case {
        Text list;
        int caret;
        std::string colour;
        std::string checkDigit;
    };
    const Case cases[] = {
        {"4006381333931", 13, "textColour 000000", "text 303 183 1"},
        {"4006381333932", 13, "textColour 0000FF", "text 303 183 1"},
        {"400638133393", 12, "textColour 0000FF", "text 303 183 1"},  // missing counts as 0
        {"000000000000", 0, "textColour 000000", "text 303 183 0"},
        {"123\r\n4006381333931999", 5, "textColour 000000", "text 303 183 1"},  // rest ignored
    };
    for (const Case& c : cases) {
        const std::vector<std::string> calls = drawn(c.list, c.caret);
        ASSERT_GE(calls.size(), 2u) << c.list;
        EXPECT_EQ(calls[calls.size() - 2], c.colour) << c.list;
        EXPECT_EQ(calls.back(), c.checkDigit) << c.list;
    }
}

TEST(DrawPreview, LettersShowAsTheyAreAndCountAsZero)
{
    const std::vector<std::string> letters = drawn("A000000B0000", 0);
    const std::vector<std::string> zeros = drawn("000000000000", 0);
    ASSERT_EQ(letters.size(), zeros.size());
    EXPECT_TRUE(std::equal(zeros.begin(), zeros.end() - 7, letters.begin()));
    EXPECT_EQ(letters[letters.size() - 5], "text 23 183 A");
    EXPECT_EQ(letters[letters.size() - 3], "text 202 183 B0000");
    EXPECT_EQ(letters.back(), "text 303 183 0");
}

TEST(DrawPreview, OnlyClearsForAShortLine)
{
    const std::pair<Text, int> cases[] = {
        {"", 0},
        {"40063813339", 11},
        {"4006381333931\r\n\r\n4006381333931", 15},
    };
    for (const auto& [list, caret] : cases)
        EXPECT_EQ(drawn(list, caret), std::vector<std::string>{"clear"}) << list;
}

}  // namespace
}  // namespace kt
