#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

#include "app/control_tag.h"
#include "app/separator_window.h"
#include "app/window_place.h"
#include "main_window_fixture.h"

namespace kt {
namespace {

// Plays the user the next time SeparatorWindow opens over owner. A window that the user left
// open is closed afterwards, so that a failing test does not hang.
void whileSeparatorWindowOpen(QWidget& owner, std::function<void(SeparatorWindow&)> user)
{
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, [poll, user] {
        auto* window = qobject_cast<SeparatorWindow*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->deleteLater();
        poll->stop();
        user(*window);
        QTimer::singleShot(1000, window, &QWidget::close);
    });
    poll->start(10);
}

template <typename Widget>
Widget& controlOf(SeparatorWindow& window, Control control)
{
    auto* widget = qobject_cast<Widget*>(findControl(window, control));
    EXPECT_NE(widget, nullptr);
    return *widget;
}

class SeparatorWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        codeList().setPlainText("4006381333931\n");
    }
};

TEST_F(SeparatorWindowTest, OpensModalWithItsControlsInPlace)
{
    struct Place {
        Control control;
        QRect rect;
    };
    const Place places[] = {
        {Control::SourceTextEdit, {0, 8, 800, 416}},
        {Control::SeparatorLabel, {413, 441, 88, 40}},
        {Control::SeparatorEdit, {505, 438, 112, 44}},
        {Control::ConvertButton, {637, 441, 120, 40}},
    };
    bool opened = false;
    whileSeparatorWindowOpen(window, [&](SeparatorWindow& separatorWindow) {
        opened = true;
        EXPECT_EQ(separatorWindow.parentWidget(), &window);
        EXPECT_TRUE(separatorWindow.isModal());
        EXPECT_EQ(separatorWindow.windowTitle(), QString());
        EXPECT_EQ(separatorWindow.size(), SeparatorWindow::ClientSize);
        EXPECT_EQ(separatorWindow.pos(),
                  centredWindowPlace(QGuiApplication::primaryScreen()->geometry(),
                                     SeparatorWindow::OuterSize));
        EXPECT_FALSE(separatorWindow.windowFlags() & Qt::WindowMinMaxButtonsHint);
        for (const Place& place : places)
            EXPECT_EQ(findControl(separatorWindow, place.control)->geometry(), place.rect);
        EXPECT_EQ(controlOf<QLabel>(separatorWindow, Control::SeparatorLabel).text(), "分隔符");
        EXPECT_EQ(controlOf<QPushButton>(separatorWindow, Control::ConvertButton).text(), "确定");
        separatorWindow.close();
    });

    click(Control::SeparatorButton);

    EXPECT_TRUE(opened);
    EXPECT_EQ(listText(), "4006381333931\n");
}

TEST_F(SeparatorWindowTest, ConversionFillsTheListAndClosesTheWindow)
{
    whileSeparatorWindowOpen(window, [](SeparatorWindow& separatorWindow) {
        auto& source = controlOf<QPlainTextEdit>(separatorWindow, Control::SourceTextEdit);
        auto& separator = controlOf<QLineEdit>(separatorWindow, Control::SeparatorEdit);
        QTest::keyClicks(&source, "12a,3");  // typing: digits and minus only
        EXPECT_EQ(source.toPlainText(), "123");
        source.insertPlainText(",456; 7");  // a paste goes in unchanged
        QTest::keyClicks(&separator, ",");
        QTest::mouseClick(&controlOf<QPushButton>(separatorWindow, Control::ConvertButton),
                          Qt::LeftButton);
    });

    click(Control::SeparatorButton);

    EXPECT_EQ(listText(), "123\n456; 7");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window.findChildren<SeparatorWindow*>().isEmpty());
}

TEST_F(SeparatorWindowTest, EscLeavesTheListAndTheNextOpeningStartsEmpty)
{
    whileSeparatorWindowOpen(window, [](SeparatorWindow& separatorWindow) {
        auto& source = controlOf<QPlainTextEdit>(separatorWindow, Control::SourceTextEdit);
        auto& separator = controlOf<QLineEdit>(separatorWindow, Control::SeparatorEdit);
        source.insertPlainText("1,2");
        QTest::keyClicks(&separator, ",");
        QTest::keyClick(&separator, Qt::Key_Return);  // clicks no button
        EXPECT_TRUE(separatorWindow.isVisible());
        QTest::keyClick(&separator, Qt::Key_Escape);
        EXPECT_FALSE(separatorWindow.isVisible());
    });
    click(Control::SeparatorButton);
    EXPECT_EQ(listText(), "4006381333931\n");

    whileSeparatorWindowOpen(window, [](SeparatorWindow& separatorWindow) {
        EXPECT_TRUE(controlOf<QPlainTextEdit>(separatorWindow, Control::SourceTextEdit)
                        .toPlainText()
                        .isEmpty());
        EXPECT_TRUE(controlOf<QLineEdit>(separatorWindow, Control::SeparatorEdit).text().isEmpty());
        QTest::mouseClick(&controlOf<QPushButton>(separatorWindow, Control::ConvertButton),
                          Qt::LeftButton);
    });
    click(Control::SeparatorButton);
    EXPECT_EQ(listText(), "");
}

}  // namespace
}  // namespace kt
