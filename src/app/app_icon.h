#pragma once

#include <QIcon>

namespace kt {

// The program's icon: an EAN-13 symbol drawn from the system's own module pattern.
QIcon programIcon();

}  // namespace kt
