#pragma once
// The up-down buttons of a number box: a click steps the box's number within 0 to 100,
// shows it all selected and gives the box the focus.

#include <QWidget>

#include "commands/spin_value.h"

class QLineEdit;

namespace kt {

class SpinButtons final : public QWidget {
public:
    // Placed against the right edge of box, outside it, with the box's top and height.
    explicit SpinButtons(QLineEdit& box);

private:
    void step(SpinDirection direction);

    QLineEdit& box_;
};

}  // namespace kt
