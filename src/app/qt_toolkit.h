#pragma once
// The toolkit seam on Qt widgets. Its services are spread over a few files by concern:
// qt_toolkit.cpp (edit boxes, check boxes, messages, clock), qt_toolkit_output.cpp
// (clipboard, save dialog, file writes), qt_toolkit_canvas.cpp (preview canvas, text around
// the caret) and qt_toolkit_separator.cpp (SeparatorWindow).

#include <QPointer>

#include "app/toolkit.h"

class QWidget;

namespace kt {

class MainWindow;
class SeparatorWindow;

class QtToolkit final : public Toolkit {
public:
    explicit QtToolkit(MainWindow& window);
    ~QtToolkit() override;

    Text editText(Control edit) override;
    void setEditText(Control edit, const Text& text) override;
    void appendEditText(Control edit, const Text& text) override;
    int caretOffset(Control edit) override;
    TextAroundCaret editTextAroundCaret(Control edit) override;
    bool isChecked(Control check) override;
    void showMessage(const Text& text, const Text& title, MessageIcon icon,
                     MessageOwner owner) override;
    std::optional<std::string> askSaveFileName(const Text& proposedName) override;
    std::optional<Text> writeFile(const std::string& path, const Text& text) override;
    void setClipboardText(const Text& text) override;
    std::uint32_t tickCount() override;
    void openSeparatorWindowModally() override;
    void closeSeparatorWindow() override;
    void clearCanvas() override;
    void setCanvasFillColour(Colour colour) override;
    void fillCanvasRect(int x1, int y1, int x2, int y2) override;
    void setCanvasFont(const Text& face, int points) override;
    void setCanvasTextColour(Colour colour) override;
    void writeCanvasText(int x, int y, const Text& text) override;

    MainWindow& mainWindow() { return window_; }
    // The control's widget in MainWindow or, while it is open, in SeparatorWindow, whose
    // widgets are marked with tagControl (control_tag.h).
    QWidget* widget(Control control) const;

private:
    MainWindow& window_;
    QPointer<SeparatorWindow> separatorWindow_;
};

}  // namespace kt
