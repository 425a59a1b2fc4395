#include "cli/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace kt::cli {
namespace {

std::vector<std::string> readLines(std::string input)
{
    std::FILE* file = input.empty() ? std::fopen("/dev/null", "rb")
                                    : fmemopen(input.data(), input.size(), "rb");
    std::vector<std::string> lines;
    LineReader reader(file);
    while (const auto line = reader.next())
        lines.emplace_back(*line);
    EXPECT_FALSE(reader.failed());
    std::fclose(file);
    return lines;
}

TEST(LineReader, BreaksLinesAsTheWindowsListDoes)
{
    using Lines = std::vector<std::string>;
    const struct {
        std::string input;
        Lines lines;
    } cases[] = {
        /* 0*/ {"", {}},
        /* 1*/ {"a", {"a"}},
        /* 2*/ {"a\n", {"a"}},
        /* 3*/ {"a\n\nb", {"a", "", "b"}},
        /* 4*/ {"a\r\nb\r\n", {"a", "b"}},
        /* 5*/ {"a\rb\r\r\nc\r", {"a", "b", "", "c"}},
        /* 6*/ {"\n\r\n\r", {"", "", ""}},
        /* 7*/ {"\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b", {"a", "\xEF\xBB\xBF" "b"}},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        EXPECT_EQ(readLines(cases[row].input), cases[row].lines);
    }
}

TEST(LineReader, LinesAcrossTheEdgesOfItsChunks)
{
    const std::size_t chunk = LineReader::ChunkSize;
    // A CR LF split between two chunks, then a line longer than two chunks.
    const std::string first(chunk - 1, 'x');
    const std::string longLine(2 * chunk + 5, 'y');
    const auto lines = readLines(first + "\r\n" + longLine + "\nz");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "z");
}

}  // namespace
}  // namespace kt::cli
