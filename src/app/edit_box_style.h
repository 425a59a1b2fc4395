#pragma once

class QWidget;

namespace kt {

// Black on white; the selection shows only while the box has the focus.
void paintAsEditBox(QWidget& edit);

}  // namespace kt
