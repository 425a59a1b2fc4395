#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kt {

// Where a window of the given outer size stands centred on a screen: half the difference on
// each axis, rounded toward zero, so a screen lower than the window gives a negative top.
QPoint centredWindowPlace(const QRect& screen, QSize outer);

}  // namespace kt
