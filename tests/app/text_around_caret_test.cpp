#include "core/text.h"
#include "main_window_fixture.h"
#include "preview/caret_line.h"

namespace kt {
namespace {

// Lists where a byte of 0x80 or above ends a line: GBK gives "€" the single byte 0x80, so
// such a byte takes the CR of the line break along, and the caret's line reaches further.
const char* const Lists[] = {
    /* 0*/ "4006381333931\n123456789012\n",
    /* 1*/ "",
    /* 2*/ "\n\n12\n\n",
    /* 3*/ "4006381333931€\n400638133393\n€\n€\n1",
    /* 4*/ "€€€\n€€\n€\n€€€€\n12",
    /* 5*/ "中文\n€中\n1€\n中€中\n\n",
    /* 6*/ "12€\u20283€\n4\u2028€",        // line separators inside a paragraph
    /* 7*/ "€\u00A0\n😀€\n€",               // no-break space; a character GBK lacks
};

// The rules about the caret's line, on the whole list and on the piece around the caret.
struct CaretRules {
    Text line;
    int bytesAfterLastReturn;
    bool operator==(const CaretRules&) const = default;
};

CaretRules rulesOn(std::string_view text, int caret)
{
    return {caretLineText(text, caret), caret - findTextReverse(text, "\r", caret)};
}

TEST_F(MainWindowTest, TextAroundTheCaretGivesTheSameAnswersAsTheWholeList)
{
    QtToolkit& ui = window.toolkit();
    for (std::size_t row = 0; row < std::size(Lists); ++row) {
        codeList().setPlainText(QString::fromUtf8(Lists[row]));
        const Text whole = ui.editText(Control::CodeListEdit);
        const int end = codeList().document()->characterCount() - 1;
        for (int start = 0; start <= end; ++start) {
            // A caret, then a selection made forward so that the caret is not its start.
            for (int position : {start, end}) {
                QTextCursor cursor = codeList().textCursor();
                cursor.setPosition(start);
                cursor.setPosition(position, QTextCursor::KeepAnchor);
                codeList().setTextCursor(cursor);

                const int caret = ui.caretOffset(Control::CodeListEdit);
                const TextAroundCaret around = ui.editTextAroundCaret(Control::CodeListEdit);
                const int offset = caret - around.caret;
                ASSERT_GE(offset, 0) << "row " << row << " at " << start;
                EXPECT_EQ(whole.substr(offset, around.text.size()), around.text)
                    << "row " << row << " at " << start;
                EXPECT_EQ(rulesOn(around.text, around.caret), rulesOn(whole, caret))
                    << "row " << row << " at " << start << " to " << position;
            }
        }
    }
}

TEST_F(MainWindowTest, TextAroundTheCaretIsTheCaretsLineInAPlainList)
{
    QString list;
    for (int i = 0; i < 1000; ++i)
        list += "4006381333931\n";
    codeList().setPlainText(list);
    QTextCursor cursor = codeList().textCursor();
    cursor.setPosition(500 * 14 + 3);
    codeList().setTextCursor(cursor);

    const TextAroundCaret around = window.toolkit().editTextAroundCaret(Control::CodeListEdit);
    EXPECT_EQ(around.text, "\r\n4006381333931");
    EXPECT_EQ(around.caret, 5);
}

}  // namespace
}  // namespace kt
