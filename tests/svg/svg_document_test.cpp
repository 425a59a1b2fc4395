#include "svg/svg_document.h"

#include <gtest/gtest.h>

#include "fake_toolkit.h"
#include "fixture_group.h"
#include "svg/svg_state.h"

namespace kt {
namespace {

const Text Head =
    "<svg><style type=\"text/css\"> .st0{fill:#E60012;} .st1{font-family:'OCR-B 10 BT';}"
    " .st2{font-size:12px;}</style>";
const Text Tail = "</svg>";
// "有行条码小于12位", "确认"
const RecordedMessage ShortLineMessage = {
    "\xD3\xD0\xD0\xD0\xCC\xF5\xC2\xEB\xD0\xA1\xD3\xDA" "12" "\xCE\xBB", "\xC8\xB7\xC8\xCF",
    MessageIcon::None, MessageOwner::None};

TEST(SvgDocument, CopyCommandOutcomes)
{
    const Text row1 = fixtureGroup("row1");
    const Text stacked = fixtureGroup("stacked");
    struct Case {
        const char* name;
        Text list;
        bool stacked;
        Text document;
        bool copied;  // the document went to the clipboard
        bool emptyList;
        int messages;
    };
    const Case cases[] = {
        {"single line", "6901234567892", false, Head + row1 + Tail, true, false, 0},
        {"12 characters as 13", "690123456789\r\n", false, Head + row1 + Tail, true, false, 0},
        {"spaces inside", "6901 2345 6789 2\r\n", false, Head + row1 + Tail, true, false, 0},
        {"empty line leaves a row", "6901234567892\r\n\r\n6901234567897", false,
         Head + row1 + fixtureGroupAt("170", "243.6427") + Tail, true, false, 0},
        {"stacked", "6901234567892\r\n\r\n6901234567897", true, Head + stacked + stacked + Tail,
         true, false, 0},
        {"nothing", "", false, Head, false, true, 0},
        {"spaces only", "  \xA1\xA1 ", false, Head, false, true, 0},
        {"line breaks only", "\r\n\r\n", false, Head + Tail, true, false, 0},
        {"short second line", "6901234567892\r\n12345678901\r\n6901234567892", false,
         Head + row1, false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeToolkit ui;
        ui.texts[Control::CodeListEdit] = c.list;
        ui.checks[Control::StackedOutputCheck] = c.stacked;
        SvgDocument = "an older document";
        EmptyListFlag = !c.emptyList;

        buildSvgDocument(ui);

        EXPECT_EQ(SvgDocument, c.document);
        EXPECT_EQ(EmptyListFlag, c.emptyList);
        if (c.copied)
            EXPECT_EQ(ui.clipboard, std::vector<Text>{c.document});
        else
            EXPECT_TRUE(ui.clipboard.empty());
        EXPECT_EQ(ui.messages, std::vector<RecordedMessage>(c.messages, ShortLineMessage));
        EXPECT_EQ(ui.texts[Control::CodeListEdit], c.list);
    }
    EXPECT_EQ(Head.size(), 111u);
    EXPECT_EQ((Head + row1 + Tail).size(), 3053u);
}

TEST(SvgDocument, CodeLimitCountsCodesNotLines)
{
    const Text code = "6901234567892\r\n";
    EXPECT_EQ(buildSvgText(code + "\r\n\r\n" + code, false, 2).outcome, SvgOutcome::Complete);
    const SvgBuild over = buildSvgText(code + code + code, false, 2);
    EXPECT_EQ(over.outcome, SvgOutcome::TooManyCodes);
    EXPECT_EQ(over.document, Head);
}

TEST(SvgDocument, ListOverTheLimitIsRefusedBeforeAnythingIsBuilt)
{
    FakeToolkit ui;
    Text list;
    for (int i = 0; i <= MaxDocumentCodes; ++i)
        list += "6901234567892\r\n";
    ui.texts[Control::CodeListEdit] = list;

    buildSvgDocument(ui);

    // "条码过多：一个文档最多200000个条码", "错误！"
    const RecordedMessage tooMany = {
        "\xCC\xF5\xC2\xEB\xB9\xFD\xB6\xE0\xA3\xBA\xD2\xBB\xB8\xF6\xCE\xC4\xB5\xB5\xD7\xEE\xB6\xE0"
        "200000"
        "\xB8\xF6\xCC\xF5\xC2\xEB",
        "\xB4\xED\xCE\xF3\xA3\xA1", MessageIcon::Error, MessageOwner::MainWindow};
    EXPECT_EQ(ui.messages, std::vector<RecordedMessage>{tooMany});
    EXPECT_TRUE(ui.clipboard.empty());
    EXPECT_EQ(SvgDocument, Head);
    EXPECT_FALSE(EmptyListFlag);
}

}  // namespace
}  // namespace kt
