// The program's documents against the window's copy of the same list.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "window_side.h"

namespace kt {
namespace {

struct SameDocumentCase {
    const char* name;
    std::string input;   // what the program reads
    std::string window;  // the same list in the window's box, LF between lines
};

const SameDocumentCase sameDocumentCases[] = {
    {"one code", "6901234567892\n", "6901234567892\n"},
    {"an empty line keeps its row", "6901234567892\n\n4006381333931",
     "6901234567892\n\n4006381333931"},
    {"letters and spaces", "ABCDEFGHIJKL\n1234 5678 9012 \n", "ABCDEFGHIJKL\n1234 5678 9012 \n"},
    {"markup", "<&>123456789\n\"'<>&&&&&&&&&\n", "<&>123456789\n\"'<>&&&&&&&&&\n"},
    {"Chinese, cut at the 12th byte", "条码1234567890\n12345678901条\n1234　5678　9012\n",
     "条码1234567890\n12345678901条\n1234　5678　9012\n"},
    {"a character code page 936 lacks", "😀123456789012\n", "😀123456789012\n"},
    {"line breaks only", "\n\n\n", "\n\n\n"},
    {"CR LF, a lone CR, a byte order mark",
     "\xEF\xBB\xBF" "6901234567892\r\n\r\n4006381333931\r5901234123457\r\n",
     "6901234567892\n\n4006381333931\n5901234123457\n"},
    {"a no-break space", "1234\u00A05678 9012\n", "1234 5678 9012\n"},
};

TEST(SvgCommand, WritesTheDocumentTheWindowCopies)
{
    CliRunner cli;
    for (const SameDocumentCase& c : sameDocumentCases) {
        for (const bool stacked : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (stacked ? ", stacked" : ""));
            const std::string expected = windowCopy(c.window, stacked);
            ASSERT_FALSE(expected.empty());
            const CliRun run =
                cli.run(stacked ? std::vector<std::string>{"svg", "--stacked"}
                                : std::vector<std::string>{"svg"},
                        c.input);
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(run.out, expected);
        }
    }
}

// Many output chunks, read from a file and written to one.
TEST(SvgCommand, LongListsFromAFileIntoAFile)
{
    CliRunner cli;
    std::string list;
    for (int i = 0; i < 3000; ++i)
        list += i % 7 == 3 ? "\n" : std::to_string(690123000000LL + i * 7919LL) + "\n";
    writeFile(cli.folder() / "list.txt", list);

    const CliRun run = cli.run({"svg", "list.txt", "-o", "list.svg"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(cli.folder() / "list.svg"), windowCopy(list, false));
}

TEST(SvgCommand, AnEmptyListGivesTheEmptyDocument)
{
    CliRunner cli;
    const CliRun run = cli.run({"svg"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(SvgHead) + std::string(SvgTail));
}

TEST(SvgCommand, AShortLineEndsItWithoutACompleteDocument)
{
    CliRunner cli;
    const std::string shortList = "6901234567892\n\n  1234 5678 901\n6901234567892\n";
    const std::string shortLineMessage =
        "korvane-tessaly-cli svg: line 3 is shorter than 12 characters\n";

    // A short list: nothing is written.
    CliRun run = cli.run({"svg"}, shortList);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, shortLineMessage);

    // A file: the old one stays as it was, and nothing is left beside it.
    writeFile(cli.folder() / "old.svg", "old");
    run = cli.run({"svg", "--stacked", "-o", "old.svg"}, shortList);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, shortLineMessage);
    EXPECT_EQ(readFile(cli.folder() / "old.svg"), "old");
    run = cli.run({"svg", "-o", "new.svg"}, shortList);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(cli.folder() / "new.svg"));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(cli.folder()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"old.svg", "stderr", "stdin", "stdout"}));

    // A list long enough to be partly written already: never a tail.
    std::string longList;
    for (int i = 0; i < 1000; ++i)
        longList += "6901234567892\n";
    run = cli.run({"svg"}, longList + "1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "korvane-tessaly-cli svg: line 1001 is shorter than 12 characters\n");
    EXPECT_FALSE(run.out.ends_with(SvgTail));
}

TEST(SvgCommand, FilesThatCannotBeReadOrWritten)
{
    CliRunner cli;
    CliRun run = cli.run({"svg", "missing.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("korvane-tessaly-cli svg: cannot read 'missing.txt': "))
        << run.err;
    run = cli.run({"svg", "-o", "no/such/folder.svg"}, "6901234567892\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("korvane-tessaly-cli svg: cannot write 'no/such/folder.svg'"))
        << run.err;
}

}  // namespace
}  // namespace kt
