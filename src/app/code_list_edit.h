#pragma once
// CodeListEdit: the multi-line box that holds the code list. It reports its key presses
// (which a handler may refuse), key releases and left-button releases to the bindings of
// MainWindow. Esc and Tab belong to the window and are never reported.

#include <QPlainTextEdit>

#include <functional>
#include <optional>

namespace kt {

class CodeListEdit final : public QPlainTextEdit {
public:
    explicit CodeListEdit(QWidget* parent);

    // Asked before the box sees a key, with its virtual-key code; false drops the key whole.
    std::function<bool(int virtualKey)> keyPressed;
    // After the box has acted.
    std::function<void()> keyReleased;
    std::function<void()> leftButtonReleased;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool ask(const QKeyEvent& event) const;
    bool answerFor(const QKeyEvent& event);

    // The answer given at the shortcut stage, kept for the key press that follows it, so
    // that one press asks once.
    struct Answer {
        int key;
        quint64 timestamp;
        bool accepted;
    };
    std::optional<Answer> answer_;
};

}  // namespace kt
