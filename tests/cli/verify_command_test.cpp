// The program's verified lists against what the window's verify button leaves.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "window_side.h"

namespace kt {
namespace {

TEST(VerifyCommand, WritesTheListTheWindowLeaves)
{
    const struct {
        std::string input;
        std::string window;  // the same list in the window's box
    } cases[] = {
        {"", ""},
        {"\n", "\n"},
        {"123456789012\n\n1234 5678 9012\n   \n4006381333930",
         "123456789012\n\n1234 5678 9012\n   \n4006381333930"},
        {"条码12345678\n12345678901条\n1234　5678　9012\n",
         "条码12345678\n12345678901条\n1234　5678　9012\n"},
        {"123456789012\r\n400638133393\r590123412345", "123456789012\n400638133393\n590123412345"},
    };
    CliRunner cli;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const CliRun run = cli.run({"verify"}, c.input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, windowVerify(c.window));
    }
}

TEST(VerifyCommand, LineEndsOnRequestAndFromAFile)
{
    CliRunner cli;
    writeFile(cli.folder() / "list.txt", "1234 5678 9012\n\n4006381333930\n");
    EXPECT_EQ(cli.run({"verify", "list.txt"}).out, "1234567890128\n\n4006381333931\n");
    EXPECT_EQ(cli.run({"verify", "--crlf", "-"}, "1234 5678 9012\n\n4006381333930\n").out,
              "1234567890128\r\n\r\n4006381333931\r\n");
}

TEST(VerifyCommand, AShortLineWritesNothing)
{
    CliRunner cli;
    const CliRun run = cli.run({"verify"}, "123456789012\n\n1234567890123\n 1234 5678 901\n1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "korvane-tessaly-cli verify: line 4 is shorter than 12 characters\n");
}

}  // namespace
}  // namespace kt
