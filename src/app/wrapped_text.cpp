#include "app/wrapped_text.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace kt {

QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    QString wrapped;
    QString line;
    for (const QChar c : text) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            wrapped += line + u'\n';
            line.clear();
        }
        line += c;
    }
    return wrapped + line;
}

void wrapButtonText(QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    const bool isCheckBox = qobject_cast<QCheckBox*>(&button) != nullptr;
    const QRect room = button.style()->subElementRect(
        isCheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
        &button);
    button.setText(wrapToWidth(button.text(), button.fontMetrics(), room.width()));
}

}  // namespace kt
