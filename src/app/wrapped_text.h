#pragma once

#include <QString>

class QAbstractButton;
class QFontMetrics;

namespace kt {

// text broken onto as many lines as it needs to fit width, filling each line greedily
// (Chinese text may break between any two characters).
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width);

// A button's or check box's text wrapped to the room its style leaves for the label.
void wrapButtonText(QAbstractButton& button);

}  // namespace kt
