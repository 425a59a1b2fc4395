// A pipeline of the program's commands, drawn by a real SVG renderer and read back by a real
// barcode reader.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli_run.h"

namespace kt {
namespace {

bool toolsPresent()
{
    return std::system("command -v rsvg-convert >/dev/null && command -v zbarimg >/dev/null")
           == 0;
}

// The document carries no namespace, which the renderer needs; a page of our own supplies
// it and a white background, and the document goes in unchanged.
std::string page(const std::string& document, int rows)
{
    const std::string height = std::to_string(rows * 85 + 20);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-20 -10 140 " + height
           + "\"><rect x=\"-20\" y=\"-10\" width=\"140\" height=\"" + height
           + "\" fill=\"white\"/>" + document + "</svg>";
}

std::set<std::string> lines(const std::string& text)
{
    std::set<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        found.insert(line);
    return found;
}

TEST(CliDecode, ASequencePipedIntoSvgScansAsItsCodes)
{
    if (!toolsPresent())
        GTEST_SKIP() << "rsvg-convert or zbarimg missing (scripts/setup installs them)";
    CliRunner cli;
    ASSERT_EQ(cli.shell("\"$KT_CLI\" sequence --prefix 690123 --start 8 --end 13 --step 2 "
                        "| \"$KT_CLI\" svg > document.svg"),
              0);
    writeFile(cli.folder() / "page.svg", page(readFile(cli.folder() / "document.svg"), 3));
    ASSERT_EQ(cli.shell("rsvg-convert -z 4 -o page.png page.svg"), 0);
    cli.shell("zbarimg --nodbus --raw -q page.png > codes.txt 2>/dev/null");

    EXPECT_EQ(lines(readFile(cli.folder() / "codes.txt")),
              (std::set<std::string>{"6901230000089", "6901230000102", "6901230000126"}));
}

}  // namespace
}  // namespace kt
