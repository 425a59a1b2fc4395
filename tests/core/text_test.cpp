#include "core/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kt {
namespace {

using namespace std::string_literals;

// Bytes of code page 936 used below.
const std::string FullWidthOne = "\xA3\xB1";
const std::string FullWidthTwo = "\xA3\xB2";
const std::string IdeographicSpace = "\xA1\xA1";
const std::string Lead = "\x81";  // a byte that always opens a pair

struct TextRow {
    const char* name;
    Text actual;
    Text expected;
};

void expectRows(const std::vector<TextRow>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
    }
}

TEST(TextPieces, CutPlainBytesAndClampEveryCount) {
    expectRows({
        {"left 2", leftText("ABC", 2), "AB"},
        {"left 0", leftText("ABC", 0), ""},
        {"left negative", leftText("ABC", INT_MIN), ""},
        {"left past the end", leftText("ABC", INT_MAX), "ABC"},
        {"left splits a pair", leftText(FullWidthOne + "X", 1), "\xA3"},
        {"right 2", rightText("ABC", 2), "BC"},
        {"right negative", rightText("ABC", INT_MIN), ""},
        {"right past the end", rightText("ABC", INT_MAX), "ABC"},
        {"right splits a pair", rightText(FullWidthOne, 1), "\xB1"},
        {"mid inside", midText("ABC", 2, 1), "B"},
        {"mid from 0", midText("ABC", 0, 1), ""},
        {"mid from 4", midText("ABC", 4, 1), ""},
        {"mid cut at the end", midText("ABC", 2, 5), "BC"},
        {"mid count 0", midText("ABC", 2, 0), ""},
        {"mid count negative", midText("ABC", 2, -1), ""},
        {"mid start INT_MIN", midText("ABC", INT_MIN, 3), ""},
        {"mid start INT_MAX", midText("ABC", INT_MAX, INT_MAX), ""},
        {"mid count INT_MAX", midText("ABC", 1, INT_MAX), "ABC"},
        {"mid second byte of a pair", midText(FullWidthOne, 2, 1), "\xB1"},
        {"mid of empty", midText("", 1, 1), ""},
    });
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength(FullWidthOne + "A"), 3);
}

TEST(TextPieces, CharFromCodeKeepsTheLowByte) {
    expectRows({
        {"CR", charFromCode(13), "\r"},
        {"LF", charFromCode(10), "\n"},
        {"low byte of 0x141", charFromCode(0x141), "A"},
        {"negative wraps", charFromCode(-1), "\xFF"},
        {"zero low byte", charFromCode(256), ""},
        {"INT_MIN", charFromCode(INT_MIN), ""},
    });
}

TEST(TextPieces, JoinAndCompare) {
    EXPECT_EQ(joinTexts({"A", "", "BC", "\r\n"}), "ABC\r\n");
    EXPECT_EQ(joinTexts({"", ""}), "");

    struct Row {
        const char* a;
        const char* b;
        int sign;
    };
    const std::vector<Row> rows = {
        {"", "", 0},     {"A", "A", 0},     {"A", "B", -1},    {"B", "A", 1},
        {"A", "AB", -1}, {"1", "", 1},      {"\x80", "A", 1},  {"A", "\xFF", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " vs " + row.b);
        const int result = compareText(row.a, row.b);
        EXPECT_EQ((result > 0) - (result < 0), row.sign);
    }
}

TEST(TextSearch, FindTextForward) {
    struct Row {
        const char* name;
        std::string t;
        std::string s;
        int start;
        int expected;
    };
    const std::vector<Row> rows = {
        {"CR from 2", "AB\r\nCD", "\r", 2, 3},
        {"CR from 3", "AB\r\nCD", "\r", 3, 3},
        {"CR from 4", "AB\r\nCD", "\r", 4, -1},
        {"start below 1 searches all", "ABC", "C", INT_MIN, 3},
        {"start past the end", "ABC", "A", 4, -1},
        {"start INT_MAX", "ABC", "A", INT_MAX, -1},
        {"first of several", "A,B,C", ",", 1, 2},
        {"longer than the text", "AB", "ABC", 1, -1},
        {"empty s in a region", "ABC", "", 3, 1},
        {"empty s past the end", "ABC", "", 4, -1},
        {"empty s in empty text", "", "", 1, -1},
        {"CR after a lead byte is part of the pair", Lead + "\r", "\r", 1, -1},
        {"CR after the pair", Lead + "\r\r", "\r", 1, 3},
        {"no match across a pair boundary", FullWidthOne + "\xB1", "\xB1\xB1", 1, -1},
        {"walk starts where start points, even mid-pair", Lead + "\rX", "\r", 2, 2},
        {"lone lead byte ends the walk", "A" + Lead, Lead, 1, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(findText(row.t, row.s, row.start), row.expected);
    }
    EXPECT_EQ(findText("AB\r\nCD", "\r"), 3);
}

TEST(TextSearch, FindTextReverseEndsBeforeStart) {
    struct Row {
        const char* name;
        std::string t;
        std::string s;
        std::optional<int> start;
        int expected;
    };
    const std::vector<Row> rows = {
        {"LF before 5", "AB\r\nCD", "\n", 5, 4},
        {"LF covering start", "AB\r\nCD", "\n", 4, -1},
        {"omitted start takes the last match", "A,B,C", ",", std::nullopt, 4},
        {"match must end before start", "A,B,C", ",", 4, 2},
        {"start 1 finds nothing", "A,B,C", "A", 1, -1},
        {"start INT_MIN finds nothing", "A,B,C", "A", INT_MIN, -1},
        {"start INT_MAX is the whole text", "A,B,C", ",", INT_MAX, 4},
        {"empty s, omitted start", "ABC", "", std::nullopt, 1},
        {"empty s, start 1", "ABC", "", 1, -1},
        {"empty s in empty text", "", "", std::nullopt, -1},
        {"LF after a lead byte is part of the pair", Lead + "\n", "\n", std::nullopt, -1},
        {"LF after the pair", Lead + "\n\n", "\n", std::nullopt, 3},
        {"lone lead byte ends the walk", "A" + Lead, Lead, std::nullopt, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(findTextReverse(row.t, row.s, row.start), row.expected);
    }
}

TEST(TextSearch, SplitText) {
    struct Row {
        const char* name;
        std::string t;
        std::string sep;
        std::vector<Text> expected;
    };
    const std::vector<Row> rows = {
        {"trailing separator adds no piece", "A\r\nB\r\n", "\r\n", {"A", "B"}},
        {"touching separators", "A\r\n\r\nB", "\r\n", {"A", "", "B"}},
        {"separator alone", "\r\n", "\r\n", {""}},
        {"leading separator", "\r\nA", "\r\n", {"", "A"}},
        {"lone LF is no separator", "A\nB", "\r\n", {"A\nB"}},
        {"empty text", "", "\r\n", {}},
        {"no separator in the text", "A", "\r\n", {"A"}},
        {"empty separator", "A\r\nB", "", {"A\r\nB"}},
        {"CR after a lead byte is part of the pair", "A" + Lead + "\r\nB", "\r\n", {"A" + Lead + "\r\nB"}},
        {"lone lead byte stays in the last piece", "A\r\n" + Lead, "\r\n", {"A", Lead}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitText(row.t, row.sep), row.expected);
    }
}

TEST(TextSearch, ReplaceText) {
    expectRows({
        {"commas to line breaks", replaceText("A,B,,C", ",", "\r\n"), "A\r\nB\r\n\r\nC"},
        {"nothing to replace", replaceText("ABC", ",", "x"), "ABC"},
        {"empty text", replaceText("", ",", "x"), ""},
        {"empty search text", replaceText("ABC", "", "x"), "ABC"},
        {"exact case, empty replacement", replaceText("aAa", "A", ""), "aa"},
        {"left to right, no overlap", replaceText("AAA", "AA", "B"), "BA"},
        {"comma after a lead byte is part of the pair", replaceText(Lead + ",,", ",", ";"), Lead + ",;"},
        {"lone lead byte reached as a candidate is dropped", replaceText("A," + Lead, ",", ";"), "A;"},
        {"lone lead byte in the short tail stays", replaceText("A" + Lead, "AB", "-"), "A" + Lead},
    });
}

TEST(TextSpaces, RemoveSpacesWalksByPairs) {
    expectRows({
        {"spaces go, tab stays", removeSpaces("1 2\t3"), "12\t3"},
        {"ideographic space goes", removeSpaces("1" + IdeographicSpace + "2"), "12"},
        {"line breaks stay", removeSpaces(" \r\n "), "\r\n"},
        {"space after a lead byte is part of the pair", removeSpaces(Lead + " A"), Lead + " A"},
        {"lone lead byte is dropped", removeSpaces("A" + Lead), "A"},
        {"ideographic space then lone lead", removeSpaces(IdeographicSpace + "\xA1"), ""},
    });
}

TEST(TextNumbers, TextToNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        std::string t;
        double expected;
    };
    const std::vector<Row> rows = {
        {"integer", "12", 12},
        {"leading zeros", "007", 7},
        {"leading white space", "\t\n\v\f\r 7", 7},
        {"decimal", "1.5", 1.5},
        {"nearest double", "0.1", 0.1},
        {"minus", "-3", -3},
        {"plus", "+5", 5},
        {"no integer digits", ".5", 0.5},
        {"no fraction digits", "5.", 5},
        {"e exponent", "1e3", 1000},
        {"d exponent", "1d3", 1000},
        {"signed exponents", "1D-2", 0.01},
        {"exponent without digits is ignored", "1e+", 1},
        {"trailing garbage", "12abc", 12},
        {"no number", "abc", 0},
        {"empty", "", 0},
        {"sign alone", "-", 0},
        {"point alone", ".", 0},
        {"comma ends the number", "1,000", 1},
        {"hex is not read", "0x10", 0},
        {"full-width digits", FullWidthOne + FullWidthTwo, 12},
        {"full-width sign and point", "\xA3\xAD" + FullWidthOne + "\xA3\xAE" + "5", -1.5},
        {"ideographic space skipped", IdeographicSpace + "7", 7},
        {"other pairs stop the number", "7\xB0\xA1" "1", 7},
        {"lone lead byte dropped", "7" + Lead, 7},
        {"overflow", "1.7976931348623159e308", inf},
        {"negative overflow", "-1e400", -inf},
        {"underflow to the smallest subnormal", "4e-324", 4.9406564584124654e-324},
        {"underflow to zero", "2e-324", 0},
        {"huge exponent of zero", "0e99999999999999999999", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(textToNumber(row.t), row.expected);
    }
}

TEST(TextNumbers, DigitValueIsAlwaysZeroToNine) {
    struct Row {
        std::string c;
        int expected;
    };
    const std::vector<Row> rows = {
        {"0", 0}, {"7", 7}, {"9", 9},      {"A", 0},       {".", 0},
        {"-", 0}, {"", 0},  {"\xA3", 0},   {"\xFF", 0},    {"98", 9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.c);
        EXPECT_EQ(digitValue(row.c), row.expected);
    }
}

TEST(TextNumbers, DigitValueIsTheNumberOfItsByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string c(1, static_cast<char>(byte));
        SCOPED_TRACE(byte);
        EXPECT_EQ(digitValue(c), truncateToInteger(textToNumber(c)));
    }
}

TEST(TextNumbers, TruncateToIntegerKeepsLow32Bits) {
    struct Row {
        const char* name;
        double x;
        int expected;
    };
    const std::vector<Row> rows = {
        {"toward zero", 2.9, 2},
        {"negative toward zero", -2.9, -2},
        {"just below 2", 1.9999, 1},
        {"minus one half", -0.5, 0},
        {"2^32 + 1 wraps", 4294967297.0, 1},
        {"2^31 wraps", 2147483648.0, INT_MIN},
        {"2^32 - 1 wraps", 4294967295.0, -1},
        {"-2^31 - 1 wraps", -2147483649.0, INT_MAX},
        {"largest below 2^63", 0x1p63 - 1024, -1024},
        {"2^63", 0x1p63, 0},
        {"-2^63", -0x1p63, 0},
        {"infinity", std::numeric_limits<double>::infinity(), 0},
        {"minus infinity", -std::numeric_limits<double>::infinity(), 0},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(truncateToInteger(row.x), row.expected);
    }
}

TEST(TextNumbers, IntegerToText) {
    expectRows({
        {"negative", integerToText(-5), "-5"},
        {"zero", integerToText(0), "0"},
        {"INT_MAX", integerToText(INT_MAX), "2147483647"},
        {"INT_MIN", integerToText(INT_MIN), "-2147483648"},
    });
}

}  // namespace
}  // namespace kt
