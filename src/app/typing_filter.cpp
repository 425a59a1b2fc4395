#include "app/typing_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace kt {

void TypingFilter::install(QWidget& edit)
{
    edit.setAttribute(Qt::WA_InputMethodEnabled, false);
    edit.installEventFilter(new TypingFilter(&edit));
}

bool TypingFilter::letsThrough(const QKeyEvent& event)
{
    // Ctrl with Alt is how some layouts type characters (AltGr), so it is filtered like typing.
    if (event.modifiers() & Qt::ControlModifier && !(event.modifiers() & Qt::AltModifier))
        return true;
    const QString typed = event.text();
    return std::all_of(typed.begin(), typed.end(), [](QChar c) {
        return !c.isPrint() || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

bool TypingFilter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    return !letsThrough(*static_cast<QKeyEvent*>(event));
}

}  // namespace kt
