// The command line itself: help, version and usage errors.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"

namespace kt {
namespace {

TEST(CommandLine, HelpAndVersion)
{
    CliRunner cli;
    const struct {
        std::vector<std::string> arguments;
        std::string usage;
    } cases[] = {
        {{"--help"}, "Usage: korvane-tessaly-cli [options] COMMAND"},
        {{"svg", "--help"}, "Usage: korvane-tessaly-cli svg [options] [FILE]"},
        {{"verify", "-h"}, "Usage: korvane-tessaly-cli verify [options] [FILE]"},
        {{"sequence", "--help"}, "Usage: korvane-tessaly-cli sequence [options]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        const CliRun run = cli.run(c.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with(c.usage)) << run.out;
    }
    const CliRun run = cli.run({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "korvane-tessaly-cli " KT_VERSION "\n");
}

TEST(CommandLine, UsageErrorsEndWithStatus2AndAOneLineHint)
{
    CliRunner cli;
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{}, "korvane-tessaly-cli: a command is missing (see 'korvane-tessaly-cli --help')"},
        {{"draw"},
         "korvane-tessaly-cli: unknown command 'draw' (see 'korvane-tessaly-cli --help')"},
        {{"--stacked", "svg"}, "korvane-tessaly-cli: Unknown option 'stacked'"},
        {{"svg", "--bogus"},
         "korvane-tessaly-cli svg: Unknown option 'bogus' (see 'korvane-tessaly-cli svg --help')"},
        {{"svg", "a.txt", "b.txt"}, "korvane-tessaly-cli svg: unexpected argument 'b.txt'"},
        {{"svg", "-o"}, "korvane-tessaly-cli svg: Missing value after '-o'"},
        {{"verify", "--stacked"}, "korvane-tessaly-cli verify: Unknown option 'stacked'"},
        {{"sequence", "--prefix", "1", "--start", "1"},
         "korvane-tessaly-cli sequence: --end is missing"},
        {{"sequence", "--prefix", "1", "--start", "1", "--end", "2", "list.txt"},
         "korvane-tessaly-cli sequence: unexpected argument 'list.txt'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        // Standard input is not read: the program stops before it would.
        const CliRun run = cli.run(c.arguments, "6901234567892\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with(c.error)) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
}  // namespace kt
