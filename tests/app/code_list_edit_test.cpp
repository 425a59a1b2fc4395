#include <QClipboard>
#include <QKeyEvent>

#include "app/virtual_key.h"
#include "main_window_fixture.h"

namespace kt {
namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
};

const KeyCase keyCases[] = {
    /* 0*/ {Qt::Key_Return, Qt::NoModifier, 13},
    /* 1*/ {Qt::Key_Enter, Qt::KeypadModifier, 13},
    /* 2*/ {Qt::Key_Backspace, Qt::NoModifier, 8},
    /* 3*/ {Qt::Key_5, Qt::KeypadModifier, 53},
    /* 4*/ {Qt::Key_A, Qt::ControlModifier, 65},
    /* 5*/ {Qt::Key_Exclam, Qt::ShiftModifier, 49},
    /* 6*/ {Qt::Key_Minus, Qt::NoModifier, 189},
    /* 7*/ {Qt::Key_Minus, Qt::KeypadModifier, 109},
    /* 8*/ {Qt::Key_Delete, Qt::NoModifier, 46},
    /* 9*/ {Qt::Key_F5, Qt::NoModifier, 116},
};

TEST(VirtualKeyCode, TranslatesQtKeys)
{
    for (std::size_t row = 0; row < std::size(keyCases); ++row) {
        const KeyCase& c = keyCases[row];
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(virtualKeyCode(event), c.virtualKey) << "row " << row;
    }
}

TEST_F(MainWindowTest, ARefusedKeyPressIsDroppedWhole)
{
    std::vector<int> asked;
    codeList().keyPressed = [&asked](int key) {
        asked.push_back(key);
        return key == 13 || key == 8;
    };
    codeList().setPlainText("12");
    codeList().moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText("99");

    QTest::keyClick(&codeList(), Qt::Key_3);
    QTest::keyClick(&codeList(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&codeList(), Qt::Key_Left);
    QTest::keyClick(&codeList(), Qt::Key_Backspace);
    QTest::keyClick(&codeList(), Qt::Key_Enter, Qt::KeypadModifier);

    EXPECT_EQ(listText(), "1\n");
    EXPECT_EQ(asked, (std::vector<int>{51, 17, 86, 37, 8, 13}));  // 17: Ctrl itself
}

TEST_F(MainWindowTest, ReleasesAreReportedAfterTheBoxActed)
{
    std::vector<QString> seenOnRelease;
    codeList().keyReleased = [&] { seenOnRelease.push_back(listText()); };
    codeList().leftButtonReleased = [&] {
        seenOnRelease.push_back("caret " + QString::number(codeList().textCursor().position()));
    };
    codeList().setPlainText("4006381333931");

    QTest::mouseClick(codeList().viewport(), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseClick(codeList().viewport(), Qt::RightButton, {}, QPoint(2, 5));
    QTest::keyClick(&codeList(), Qt::Key_7);

    EXPECT_EQ(seenOnRelease, (std::vector<QString>{"caret 0", "74006381333931"}));
}

}  // namespace
}  // namespace kt
