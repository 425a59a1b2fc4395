#include "svg/save_file.h"

#include <gtest/gtest.h>

#include <set>

#include "fake_toolkit.h"
#include "fixture_group.h"
#include "svg/svg_state.h"

namespace kt {
namespace {

// "条形码"
const Text NamePrefix = "\xCC\xF5\xD0\xCE\xC2\xEB";
// "有行条码小于12位"
const Text ShortLineText = "\xD3\xD0\xD0\xD0\xCC\xF5\xC2\xEB\xD0\xA1\xD3\xDA" "12" "\xCE\xBB";

TEST(SaveFile, WritesTheClipboardDocumentUnderAFreshRandomName)
{
    const Text document =
        "<svg><style type=\"text/css\"> .st0{fill:#E60012;} .st1{font-family:'OCR-B 10 BT';}"
        " .st2{font-size:12px;}</style>"
        + fixtureGroup("row1") + "</svg>";
    std::set<Text> names;
    FakeToolkit ui;
    ui.ticks = 4711;  // every click in the same millisecond
    for (int click = 0; click < 5; ++click) {
        ui.texts[Control::CodeListEdit] = "690123456789";
        ui.saveDialogAnswer = "/home/user/file" + std::to_string(click) + ".svg";
        ui.clipboard.clear();

        saveSvgFile(ui);

        ASSERT_EQ(ui.clipboard, std::vector<Text>{document});
        EXPECT_EQ(ui.files[*ui.saveDialogAnswer], document);
        EXPECT_EQ(ui.texts[Control::CodeListEdit], "6901234567892\r\n");  // verified first
        const Text& name = ui.saveDialogNames.back();
        ASSERT_EQ(name.compare(0, NamePrefix.size(), NamePrefix), 0) << name;
        const Text number = name.substr(NamePrefix.size());
        ASSERT_TRUE(!number.empty() && number.size() <= 5
                    && number.find_first_not_of("0123456789") == Text::npos)
            << number;
        EXPECT_TRUE(number == "0" || number[0] != '0') << number;
        EXPECT_LE(std::stoi(number), 32767);
        names.insert(name);
    }
    EXPECT_GT(names.size(), 1u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveFile, WritesNothingWhenThereIsNothingToWriteOrTheUserCancels)
{
    struct Case {
        const char* name;
        Text list;
        std::optional<std::string> answer;
        bool dialog;
        bool copied;
        int shortLineMessages;
    };
    const Case cases[] = {
        {"cancelled", "6901234567892", std::nullopt, true, true, 0},
        {"empty file name", "6901234567892", "", true, true, 0},
        {"empty list", "", "/tmp/a.svg", false, false, 0},
        {"spaces only", "   ", "/tmp/a.svg", false, false, 0},
        // Both the verify and the copy command report the line; no unfinished document.
        {"short line", "6901234567892\r\n123", "/tmp/a.svg", false, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeToolkit ui;
        ui.texts[Control::CodeListEdit] = c.list;
        ui.saveDialogAnswer = c.answer;

        saveSvgFile(ui);

        EXPECT_EQ(ui.saveDialogNames.size(), c.dialog ? 1u : 0u);
        EXPECT_EQ(ui.clipboard.size(), c.copied ? 1u : 0u);
        EXPECT_TRUE(ui.files.empty());
        ASSERT_EQ(ui.messages.size(), static_cast<std::size_t>(c.shortLineMessages));
        for (const RecordedMessage& message : ui.messages)
            EXPECT_EQ(message.text, ShortLineText);
    }
}

TEST(SaveFile, FailedWriteIsReported)
{
    FakeToolkit ui;
    ui.texts[Control::CodeListEdit] = "6901234567892";
    ui.saveDialogAnswer = "/read-only/a.svg";
    ui.writeFailure = Text("Permission denied");

    saveSvgFile(ui);

    // "文件无法保存：", "错误！"
    const RecordedMessage expected = {
        "\xCE\xC4\xBC\xFE\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6\xA3\xBA" "Permission denied",
        "\xB4\xED\xCE\xF3\xA3\xA1", MessageIcon::Error, MessageOwner::MainWindow};
    EXPECT_EQ(ui.messages, std::vector<RecordedMessage>{expected});
    EXPECT_TRUE(ui.files.empty());
}

}  // namespace
}  // namespace kt
