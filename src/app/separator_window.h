#pragma once
// SeparatorWindow: the modal window in which a list written with another separator is
// pasted and turned into one code per line of CodeListEdit.

#include <QDialog>

#include "app/main_window.h"
#include "app/toolkit.h"

namespace kt {

class SeparatorWindow final : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize OuterSize{810, 529};
    // The window manager draws the same frame around it as around MainWindow.
    static constexpr QSize ClientSize =
        OuterSize - (MainWindow::OuterSize - MainWindow::ClientSize);

    // Built afresh with empty boxes; ConvertButton runs its command on ui.
    SeparatorWindow(QWidget& owner, Toolkit& ui);
};

}  // namespace kt
