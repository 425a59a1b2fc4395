#include "app/window_place.h"

namespace kt {

QPoint centredWindowPlace(const QRect& screen, QSize outer)
{
    // Integer division truncates toward zero, which is the rounding wanted here.
    return screen.topLeft()
           + QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

}  // namespace kt
