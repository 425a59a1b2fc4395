// What the copy command draws, rendered by a real SVG renderer and read back by a real
// barcode reader.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "fake_toolkit.h"
#include "svg/svg_document.h"

namespace kt {
namespace {

namespace fs = std::filesystem;

bool toolsPresent()
{
    return std::system("command -v rsvg-convert >/dev/null && command -v zbarimg >/dev/null")
           == 0;
}

// A folder of its own for each run, so that runs side by side do not meet.
fs::path scratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "kt-decode-XXXXXX").string();
    return mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
}

// The document carries no namespace, which the renderer needs; a page of our own supplies
// it and a white background, and the document goes in unchanged.
void writePage(const fs::path& file, const Text& document, int rows)
{
    const std::string height = std::to_string(rows * 85 + 20);
    std::ofstream(file, std::ios::binary)
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-20 -10 140 " << height
        << "\"><rect x=\"-20\" y=\"-10\" width=\"140\" height=\"" << height
        << "\" fill=\"white\"/>" << document << "</svg>";
}

int run(const std::string& command)
{
    return std::system(command.c_str());
}

TEST(SvgDecode, EveryCodeScansAsItsBodyAndComputedCheckDigit)
{
    if (!toolsPresent())
        GTEST_SKIP() << "rsvg-convert or zbarimg missing (scripts/setup installs them)";
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] =
        "6901234567892\r\n"
        "4006381333931\r\n"
        "1234567890120\r\n"  // a wrong 13th digit
        "\r\n"
        "950110153000\r\n"   // no 13th digit
        "5901234123457\r\n";
    buildSvgDocument(ui);
    ASSERT_EQ(ui.clipboard.size(), 1u);

    const fs::path folder = scratchFolder();
    ASSERT_FALSE(folder.empty());
    writePage(folder / "page.svg", ui.clipboard[0], 6);
    ASSERT_EQ(run("rsvg-convert -z 4 -o '" + (folder / "page.png").string() + "' '"
                  + (folder / "page.svg").string() + "'"),
              0);
    run("zbarimg --nodbus --raw -q '" + (folder / "page.png").string() + "' > '"
        + (folder / "codes.txt").string() + "' 2>/dev/null");

    std::set<std::string> codes;
    std::ifstream list(folder / "codes.txt");
    for (std::string line; std::getline(list, line);)
        codes.insert(line);
    const std::set<std::string> expected = {"6901234567892", "4006381333931", "1234567890128",
                                            "9501101530003", "5901234123457"};
    EXPECT_EQ(codes, expected);
    fs::remove_all(folder);
}

TEST(SvgDecode, BodiesOfAnyBytesStillGiveADocumentTheRendererAccepts)
{
    if (!toolsPresent())
        GTEST_SKIP() << "rsvg-convert or zbarimg missing (scripts/setup installs them)";
    FakeToolkit ui;
    // Markup, a control byte and a double-byte character cut after the 12th byte.
    ui.texts[Control::CodeListEdit] = "<a&b>\x01\"'1\xCC\xF5\xD0\xCE\r\n";
    buildSvgDocument(ui);
    ASSERT_EQ(ui.clipboard.size(), 1u);

    const fs::path folder = scratchFolder();
    ASSERT_FALSE(folder.empty());
    writePage(folder / "page.svg", ui.clipboard[0], 1);
    EXPECT_EQ(run("rsvg-convert -o '" + (folder / "page.png").string() + "' '"
                  + (folder / "page.svg").string() + "'"),
              0);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kt
