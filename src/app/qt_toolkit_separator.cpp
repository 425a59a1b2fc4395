#include "app/qt_toolkit.h"

// Lands with the separator window.
namespace kt {

void QtToolkit::openSeparatorWindowModally() {}
void QtToolkit::closeSeparatorWindow() {}

}  // namespace kt
