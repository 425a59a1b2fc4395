#include <QClipboard>
#include <QGroupBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

#include "app/window_place.h"
#include "main_window_fixture.h"
#include "modal_closer.h"

namespace kt {
namespace {

constexpr Control numberBoxes[] = {Control::PrefixEdit, Control::StartEdit, Control::EndEdit,
                                   Control::StepEdit};

TEST_F(MainWindowTest, StartsEmptyWithItsFixedTitleSizeAndPlace)
{
    EXPECT_EQ(window.windowTitle(), "Korvane-Tessaly");
    EXPECT_EQ(window.minimumSize(), MainWindow::ClientSize);
    EXPECT_EQ(window.maximumSize(), MainWindow::ClientSize);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.pos(), centredWindowPlace(window.screen()->geometry(), MainWindow::OuterSize));

    for (Control box : numberBoxes)
        EXPECT_EQ(lineEdit(box).text(), "");
    EXPECT_EQ(listText(), "");
    EXPECT_TRUE(lineEdit(Control::PrefixEdit).hasFocus());
    EXPECT_TRUE(button(Control::ZeroPadCheck).isChecked());
    EXPECT_TRUE(button(Control::SyncVerifyCheck).isChecked());
    EXPECT_TRUE(button(Control::InputLimitCheck).isChecked());
    EXPECT_FALSE(button(Control::StackedOutputCheck).isChecked());
}

struct PlaceCase {
    Control control;
    QRect place;  // in the parent's client area
    int pixels;
    bool bold;
};

const PlaceCase placeCases[] = {
    /* 0*/ {Control::SequenceGroup, {24, 25, 448, 326}, 16, true},
    /* 1*/ {Control::PrefixLabel, {9, 24, 102, 40}, 19, true},
    /* 2*/ {Control::StepEdit, {302, 136, 85, 40}, 23, false},
    /* 3*/ {Control::ZeroPadCheck, {240, 223, 88, 22}, 16, false},
    /* 4*/ {Control::CodeListEdit, {500, 30, 212, 697}, 23, false},
    /* 5*/ {Control::InputLimitCheck, {611, 788, 95, 33}, 16, false},
};

TEST_F(MainWindowTest, ControlsSitAtTheirPlacesInTheirFonts)
{
    for (std::size_t row = 0; row < std::size(placeCases); ++row) {
        const PlaceCase& c = placeCases[row];
        const QWidget& widget = *window.control(c.control);
        EXPECT_EQ(widget.geometry(), c.place) << "row " << row;
        EXPECT_EQ(widget.font().pixelSize(), c.pixels) << "row " << row;
        EXPECT_EQ(widget.font().bold(), c.bold) << "row " << row;
    }
    EXPECT_EQ(window.control(Control::PrefixEdit)->parentWidget(),
              window.control(Control::SequenceFieldsGroup));
    EXPECT_EQ(window.previewCanvas()->geometry(), QRect(63, 409, 380, 264));
}

TEST_F(MainWindowTest, NumberBoxesTakeOnlyDigitsAndMinusButLetPasteThrough)
{
    for (Control box : numberBoxes) {
        QTest::keyClicks(&lineEdit(box), "1a ,-2");
        EXPECT_EQ(lineEdit(box).text(), "1-2");
    }
    QTest::keyClicks(&codeList(), "1a ,-2");
    QTest::keyClick(&codeList(), Qt::Key_Return);
    EXPECT_EQ(listText(), "1-2\n");

    QApplication::clipboard()->setText("ab,12");
    QTest::keyClick(&codeList(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(listText(), "1-2\nab,12");
    QTest::keyClick(&lineEdit(Control::PrefixEdit), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&lineEdit(Control::PrefixEdit), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(lineEdit(Control::PrefixEdit).text(), "ab,12");
}

struct SpinCase {
    Control box;
    const char* before;
    bool up;
    const char* after;
};

const SpinCase spinCases[] = {
    /* 0*/ {Control::StartEdit, "5", true, "6"},
    /* 1*/ {Control::EndEdit, "100", true, "0"},
    /* 2*/ {Control::StepEdit, "0", false, "100"},
    /* 3*/ {Control::StartEdit, "", true, "1"},
    /* 4*/ {Control::EndEdit, "-3", false, "100"},
};

TEST_F(MainWindowTest, SpinButtonsBesideTheBoxesStepTheNumber)
{
    for (std::size_t row = 0; row < std::size(spinCases); ++row) {
        const SpinCase& c = spinCases[row];
        QLineEdit& box = lineEdit(c.box);
        box.setText(c.before);
        codeList().setFocus();
        // Right outside the box, the upper half steps up and the lower half down.
        const QPoint place(box.geometry().right() + 1 + 9, box.y() + (c.up ? 10 : 30));
        auto* arrow = qobject_cast<QToolButton*>(box.parentWidget()->childAt(place));
        ASSERT_NE(arrow, nullptr) << "row " << row;
        QTest::mouseClick(arrow, Qt::LeftButton);
        EXPECT_EQ(box.text(), c.after) << "row " << row;
        EXPECT_EQ(box.selectedText(), c.after) << "row " << row;
        EXPECT_TRUE(box.hasFocus()) << "row " << row;
    }
}

TEST(MainWindowKeys, EscClosesTheWindowFromAnyControl)
{
    for (Control focused : {Control::CodeListEdit, Control::PrefixEdit, Control::VerifyButton,
                            Control::InputLimitCheck}) {
        MainWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.codeListEdit().setPlainText("1234567890128");
        int pressesSeen = 0;
        window.codeListEdit().keyPressed = [&pressesSeen](int) { return ++pressesSeen > 0; };
        window.control(focused)->setFocus();

        QTest::keyClick(window.control(focused), Qt::Key_Escape);

        EXPECT_FALSE(window.isVisible()) << static_cast<int>(focused);
        EXPECT_EQ(pressesSeen, 0);
    }
}

TEST_F(MainWindowTest, TabMovesTheFocusOutOfTheCodeListAndBack)
{
    std::vector<int> pressed;
    codeList().keyPressed = [&pressed](int key) {
        pressed.push_back(key);
        return true;
    };
    codeList().setFocus();
    QTest::keyClick(&codeList(), Qt::Key_Tab);
    EXPECT_TRUE(window.control(Control::VerifyButton)->hasFocus());
    QTest::keyClick(window.control(Control::VerifyButton), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(codeList().hasFocus());
    QTest::keyClick(&codeList(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(window.control(Control::StackedOutputCheck)->hasFocus());
    EXPECT_EQ(listText(), "");
    EXPECT_EQ(pressed, std::vector<int>{16});  // Shift itself, never Tab
}

TEST_F(MainWindowTest, VerifyButtonRewritesTheListOrShowsTheShortLine)
{
    codeList().setPlainText("1234 5678 9012\n400638133393");
    click(Control::VerifyButton);
    EXPECT_EQ(listText(), "1234567890128\n4006381333931\n");

    const QString withShortLine = "123456789012\n1234 5678 901\n";
    codeList().setPlainText(withShortLine);
    ModalCloser closer;
    click(Control::VerifyButton);
    EXPECT_EQ(listText(), withShortLine);
    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_EQ(closer.seen[0].text, "有行条码小于12位");
    EXPECT_EQ(closer.seen[0].title, "确认");
    EXPECT_EQ(closer.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(closer.seen[0].owner, nullptr);
    EXPECT_EQ(closer.seen[0].modality, Qt::ApplicationModal);
}

TEST_F(MainWindowTest, AThirteenDigitCodeFitsOnOneLineOfTheList)
{
    codeList().setPlainText("4006381333931\n");
    QApplication::processEvents();
    EXPECT_EQ(codeList().document()->firstBlock().layout()->lineCount(), 1);
}

TEST_F(MainWindowTest, ClearButtonEmptiesTheList)
{
    codeList().setPlainText("1234567890128\n4006381333931\n");
    click(Control::ClearButton);
    EXPECT_EQ(listText(), "");
}

}  // namespace
}  // namespace kt
