// The program's sequences against what the window's new-sequence button leaves.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "window_side.h"

namespace kt {
namespace {

struct SequenceCase {
    std::string prefix, start, end, step;
    bool zeroPad;
    bool verify;
};

std::vector<std::string> arguments(const SequenceCase& c)
{
    std::vector<std::string> args = {"sequence", "--prefix", c.prefix, "--start=" + c.start,
                                     "--end=" + c.end, "--step=" + c.step};
    if (!c.zeroPad)
        args.push_back("--no-pad");
    if (c.verify)
        args.push_back("--verify");
    return args;
}

TEST(SequenceCommand, WritesTheLinesTheWindowLeaves)
{
    const SequenceCase cases[] = {
        /* 0*/ {"690123", "1", "3", "1", true, false},
        /* 1*/ {"690123", "1", "3", "1", true, true},
        /* 2*/ {"690123", "1", "3", "1", false, false},
        /* 3*/ {"123456", "1", "10", "3", false, false},
        /* 4*/ {"123456", "1.00000005", "1", "2.9", true, true},
        /* 5*/ {"12345", "-3", "-1", "1", true, true},
        /* 6*/ {"69012", "5", "5", "-1", true, false},
        /* 7*/ {"69012", "1", "5", "-1", true, true},
        /* 8*/ {"条码", "8", "12", "1", true, true},
        /* 9*/ {"", "1", "3", "1", true, true},
        /*10*/ {"690123", "1", "3", "", true, false},
    };
    CliRunner cli;
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const SequenceCase& c = cases[row];
        const WindowSequence window =
            windowSequence(c.prefix, c.start, c.end, c.step, c.zeroPad, c.verify);
        ASSERT_FALSE(window.refused);
        const CliRun run = cli.run(arguments(c));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, window.list);
    }
    EXPECT_EQ(cli.run({"sequence", "--prefix", "69012345", "--start", "9", "--end", "10",
                       "--verify"}).out,
              "6901234500097\n6901234500103\n");
}

TEST(SequenceCommand, RefusesWhatTheWindowRefuses)
{
    const struct {
        SequenceCase fields;
        std::string error;
    } cases[] = {
        {{"123456", "10", "1", "1", true, false}, "the start is greater than the end"},
        {{"12345678901", "10", "10", "1", true, false},
         "the prefix and a value together are longer than 12 characters"},
        {{"1234567890", "98", "101", "1", true, false},
         "the prefix and a value together are longer than 12 characters"},
        {{"690123", "1", "3", "abc", true, false}, "the step must not be 0"},
        {{"1", "1", "1000001", "1", true, false}, "a sequence holds at most 1000000 lines"},
        {{"690123", "1", "3", "1", false, true}, "line 1 is shorter than 12 characters"},
        {{"69 0123", "1", "3", "1", true, true}, "line 1 is shorter than 12 characters"},
    };
    CliRunner cli;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const SequenceCase& f = c.fields;
        EXPECT_TRUE(windowSequence(f.prefix, f.start, f.end, f.step, f.zeroPad, f.verify).refused);
        const CliRun run = cli.run(arguments(f));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "korvane-tessaly-cli sequence: " + c.error + "\n");
    }
}

}  // namespace
}  // namespace kt
