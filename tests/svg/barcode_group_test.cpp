#include "svg/barcode_group.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <regex>
#include <set>
#include <vector>

#include "fixture_group.h"

namespace kt {
namespace {

TEST(BarcodeGroup, WorkedExampleInEachLayout)
{
    struct Case {
        std::optional<int> row;
        std::string fixture;
        std::size_t length;
    };
    const Case cases[] = {
        {1, "row1", 2936},
        {std::nullopt, "stacked", 3009},
        {2, "row2", 2979},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        const Text expected = fixtureGroup(c.fixture);
        ASSERT_EQ(expected.size(), c.length);
        EXPECT_EQ(buildBarcodeGroup("690123456789", 0, c.row), expected);
    }
    // Only the first 12 bytes are read, and the 13th digit is always computed.
    EXPECT_EQ(buildBarcodeGroup("6901234567897xyz", 0, 1), fixtureGroup("row1"));
}

TEST(BarcodeGroup, ShiftAndRowMoveEveryVerticalPosition)
{
    EXPECT_EQ(buildBarcodeGroup("690123456789", 0, 3), fixtureGroupAt("170", "243.6427"));
    EXPECT_EQ(buildBarcodeGroup("690123456789", 5, 1), fixtureGroupAt("5", "78.6427"));
    EXPECT_EQ(buildBarcodeGroup("690123456789", 10), fixtureGroupAt("-75", "-1.3573"));
}

std::vector<std::string> allMatches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

TEST(BarcodeGroup, AnyBodyGivesThirtyBarsOfAllowedWidthsAndThirteenDigits)
{
    const std::set<std::string> widths = {"0.94", "1.88", "2.82", "3.76"};
    std::mt19937 random(20240611);
    for (int n = 0; n < 20; ++n) {
        Text body;
        for (int i = 0; i < 12; ++i)
            body += static_cast<char>('0' + random() % 10);
        const int row = static_cast<int>(random() % 1000) + 1;
        SCOPED_TRACE(body + " row " + std::to_string(row));
        const Text group = buildBarcodeGroup(body, 0, row);

        const auto barWidths = allMatches(group, std::regex(R"re(width="([^"]*)")re"));
        ASSERT_EQ(barWidths.size(), 30u);
        for (const std::string& width : barWidths)
            EXPECT_TRUE(widths.count(width)) << width;
        EXPECT_EQ(allMatches(group, std::regex(R"re(height="(69\.45)")re")).size(), 6u);
        const auto barX = allMatches(group, std::regex(R"re( x="([^"]*)")re"));
        EXPECT_EQ(barX.front(), "10.2");
        EXPECT_EQ(barX.back(), "98.56");

        const auto digits = allMatches(group, std::regex(R"re(>(.) </text>)re"));
        ASSERT_EQ(digits.size(), 13u);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(digits[i], body.substr(i, 1));
        for (const std::string& top : allMatches(group, std::regex(R"re( y="([^"]*)")re")))
            EXPECT_EQ(top, std::to_string((row - 1) * 85));
    }
}

TEST(BarcodeGroup, BodyBytesAreWrittenAsWellFormedText)
{
    // One byte goes into each element, so either byte of a double-byte character (here the
    // lead byte of "条" cut off at the 12th byte) could never stand alone.
    const Text body = "<&>\t\x01\r\n\x7F" "12\xD0\xCC";
    const std::vector<std::string> expected = {"&lt;", "&amp;", "&gt;", "\t", "?", "?",
                                               "?",    "\x7F",  "1",    "2",  "?", "?"};
    const Text group = buildBarcodeGroup(body, 0, 1);
    const auto digits = allMatches(group, std::regex(R"re(>([^<]*) </text>)re"));
    ASSERT_EQ(digits.size(), 13u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(digits[i], expected[i]) << "digit " << i + 1;
    // The bars still encode the raw bytes: every non-digit counts 0.
    const auto bars = [](const Text& g) { return g.substr(0, g.find("<text")); };
    EXPECT_EQ(bars(group), bars(buildBarcodeGroup("000000001200", 0, 1)));
}

}  // namespace
}  // namespace kt
