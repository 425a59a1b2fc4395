#pragma once
// A shown, active MainWindow and short ways to reach its controls.

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/code_list_edit.h"
#include "app/main_window.h"
#include "app/qt_toolkit.h"

namespace kt {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit& lineEdit(Control control)
    {
        return *static_cast<QLineEdit*>(window.control(control));
    }
    QAbstractButton& button(Control control)
    {
        return *static_cast<QAbstractButton*>(window.control(control));
    }
    CodeListEdit& codeList() { return window.codeListEdit(); }
    QString listText() { return codeList().toPlainText(); }
    void click(Control control) { QTest::mouseClick(&button(control), Qt::LeftButton); }

    MainWindow window;
};

}  // namespace kt
