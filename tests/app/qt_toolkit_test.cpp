#include <QClipboard>

#include "main_window_fixture.h"
#include "modal_closer.h"

namespace kt {
namespace {

// GBK: 条 CC F5, 码 C2 EB.
TEST_F(MainWindowTest, ListTextCrossesWithCrLfBetweenLines)
{
    const Text list = "12\r\n\xCC\xF5\xC2\xEB\r\n\r\n";
    window.toolkit().setEditText(Control::CodeListEdit, list);
    EXPECT_EQ(listText(), "12\n条码\n\n");
    EXPECT_EQ(window.toolkit().editText(Control::CodeListEdit), list);
    EXPECT_FALSE(codeList().document()->isUndoAvailable());

    codeList().clear();
    QApplication::clipboard()->setText("1\n2\r3\r\n4");
    QTest::keyClick(&codeList(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.toolkit().editText(Control::CodeListEdit), "1\r\n2\r\n3\r\n4");
}

TEST_F(MainWindowTest, CaretOffsetCountsCodePageBytesBeforeTheSelection)
{
    QtToolkit& ui = window.toolkit();
    ui.setEditText(Control::CodeListEdit, "\xCC\xF5\xC2\xEB\r\n123");
    QTextCursor cursor = codeList().textCursor();
    cursor.setPosition(4);                                   // after "1" on the second line
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    codeList().setTextCursor(cursor);
    EXPECT_EQ(ui.caretOffset(Control::CodeListEdit), 7);
    cursor.setPosition(6);
    cursor.setPosition(1, QTextCursor::KeepAnchor);          // backwards, into the first line
    codeList().setTextCursor(cursor);
    EXPECT_EQ(ui.caretOffset(Control::CodeListEdit), 2);

    ui.setEditText(Control::PrefixEdit, "\xCC\xF5" "69");
    EXPECT_EQ(ui.caretOffset(Control::PrefixEdit), 4);
    EXPECT_EQ(ui.editText(Control::PrefixEdit), "\xCC\xF5" "69");
}

TEST_F(MainWindowTest, AppendPutsTheCaretAtTheEndWithoutAnUndoStep)
{
    QtToolkit& ui = window.toolkit();
    codeList().setFocus();
    QTest::keyClicks(&codeList(), "1");
    QTest::keyClick(&codeList(), Qt::Key_Home);

    ui.appendEditText(Control::CodeListEdit, "\r\n2\r\n3\r\n");

    EXPECT_EQ(ui.editText(Control::CodeListEdit), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(ui.caretOffset(Control::CodeListEdit), 9);
    EXPECT_FALSE(codeList().document()->isUndoAvailable());
    QTest::keyClicks(&codeList(), "4");
    EXPECT_EQ(ui.editText(Control::CodeListEdit), "1\r\n2\r\n3\r\n4");
}

TEST_F(MainWindowTest, MessageBoxesHaveTheirIconAndOwner)
{
    ModalCloser closer;
    window.toolkit().showMessage("a", "b", MessageIcon::None, MessageOwner::None);
    window.toolkit().showMessage("c", "d", MessageIcon::Error, MessageOwner::MainWindow);

    ASSERT_EQ(closer.seen.size(), 2u);
    EXPECT_EQ(closer.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(closer.seen[0].owner, nullptr);
    EXPECT_EQ(closer.seen[1].text, "c");
    EXPECT_EQ(closer.seen[1].title, "d");
    EXPECT_EQ(closer.seen[1].icon, QMessageBox::Critical);
    EXPECT_EQ(closer.seen[1].owner, &window);
    EXPECT_EQ(closer.seen[1].modality, Qt::ApplicationModal);
    EXPECT_TRUE(window.toolkit().isChecked(Control::InputLimitCheck));
    EXPECT_FALSE(window.toolkit().isChecked(Control::StackedOutputCheck));
}

}  // namespace
}  // namespace kt
