#pragma once
// What may be typed into the number boxes: the digits and "-". Control keys, Ctrl
// combinations, paste and drop pass unchanged; input methods are switched off so that
// composed text cannot slip past.

#include <QObject>

class QKeyEvent;
class QWidget;

namespace kt {

class TypingFilter final : public QObject {
public:
    // Filters the keys typed into edit, for as long as edit lives.
    static void install(QWidget& edit);
    // For an edit box that handles its own keys: whether the key press may reach it.
    static bool letsThrough(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace kt
