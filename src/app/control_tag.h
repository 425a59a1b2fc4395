#pragma once
// Marks a window's widgets with the Control they stand for, so that the toolkit finds the
// controls of any open window, SeparatorWindow's included, by the same name.

#include "app/toolkit.h"

class QWidget;

namespace kt {

void tagControl(QWidget& widget, Control control);
// The widget inside window tagged as control, or nullptr.
QWidget* findControl(const QWidget& window, Control control);

}  // namespace kt
