#include "main_window_fixture.h"

namespace kt {
namespace {

TEST_F(MainWindowTest, TheInputLimitDropsKeysAfterTheThirteenthByte)
{
    ASSERT_TRUE(button(Control::InputLimitCheck).isChecked());
    QTest::keyClicks(&codeList(), "40063813339315");
    EXPECT_EQ(listText(), "4006381333931");

    // Dropped whole: no caret movement, no deletion, no selection.
    QTest::keyClick(&codeList(), Qt::Key_Left);
    QTest::keyClick(&codeList(), Qt::Key_Home);
    QTest::keyClick(&codeList(), Qt::Key_Delete);
    QTest::keyClick(&codeList(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(listText(), "4006381333931");
    EXPECT_EQ(codeList().textCursor().position(), 13);
    EXPECT_FALSE(codeList().textCursor().hasSelection());

    QTest::keyClick(&codeList(), Qt::Key_Backspace);
    EXPECT_EQ(listText(), "400638133393");
    QTest::keyClicks(&codeList(), "1");
    QTest::keyClick(&codeList(), Qt::Key_Return);
    QTest::keyClicks(&codeList(), "12");
    EXPECT_EQ(listText(), "4006381333931\n12");
}

TEST_F(MainWindowTest, UncheckingTheInputLimitLiftsItAtTheNextKey)
{
    QTest::keyClicks(&codeList(), "4006381333931");
    click(Control::InputLimitCheck);
    QTest::keyClicks(&codeList(), "5");
    EXPECT_EQ(listText(), "40063813339315");

    click(Control::InputLimitCheck);
    QTest::keyClicks(&codeList(), "6");
    EXPECT_EQ(listText(), "40063813339315");
}

}  // namespace
}  // namespace kt
