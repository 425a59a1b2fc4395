#pragma once
// MainWindow: places every control of the main window and binds their events to commands.

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "app/toolkit.h"


namespace kt {

class CodeListEdit;
class QtToolkit;

class MainWindow final : public QWidget {
public:
    // The window is laid out for an outer size; its client area is that size less a fixed
    // single frame, 3 pixels on each side and a 19-pixel title bar over a 3-pixel edge.
    // The window manager then draws its own frame around the client area.
    static constexpr QSize OuterSize{747, 869};
    static constexpr QSize ClientSize{741, 844};

    MainWindow();
    ~MainWindow() override;

    // The widget of one of this window's controls, or nullptr for a control it does not have.
    QWidget* control(Control control) const;
    CodeListEdit& codeListEdit() const;
    QWidget* previewCanvas() const;
    QtToolkit& toolkit() { return *toolkit_; }

private:
    void addControls();
    void bindEvents();
    void onClick(Control button, std::function<void()> action);

    std::map<Control, QWidget*> controls_;
    std::unique_ptr<QtToolkit> toolkit_;
};

}  // namespace kt
