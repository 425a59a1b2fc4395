#include "app/code_list_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "app/typing_filter.h"
#include "app/virtual_key.h"

namespace kt {

namespace {

bool isWindowKey(const QKeyEvent& event)
{
    const int key = event.key();
    return key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace

CodeListEdit::CodeListEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool CodeListEdit::ask(const QKeyEvent& event) const
{
    return !keyPressed || keyPressed(virtualKeyCode(event));
}

bool CodeListEdit::answerFor(const QKeyEvent& event)
{
    const bool askedAlready = answer_ && answer_->key == event.key()
                              && answer_->timestamp == event.timestamp();
    const bool accepted = askedAlready ? answer_->accepted : ask(event);
    answer_.reset();
    return accepted;
}

bool CodeListEdit::event(QEvent* event)
{
    // A refused key must not fire a shortcut either, and the shortcut stage comes first.
    if (event->type() == QEvent::ShortcutOverride) {
        auto& keyEvent = *static_cast<QKeyEvent*>(event);
        if (!isWindowKey(keyEvent)) {
            answer_ = Answer{keyEvent.key(), keyEvent.timestamp(), ask(keyEvent)};
            if (!answer_->accepted) {
                event->accept();
                return true;
            }
        }
    }
    return QPlainTextEdit::event(event);
}

void CodeListEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isWindowKey(*event) && (!answerFor(*event) || !TypingFilter::letsThrough(*event))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodeListEdit::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && keyReleased)
        keyReleased();
}

void CodeListEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && leftButtonReleased)
        leftButtonReleased();
}

}  // namespace kt
