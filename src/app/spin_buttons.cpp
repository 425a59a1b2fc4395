#include "app/spin_buttons.h"

#include <QLineEdit>
#include <QToolButton>

#include "app/system_text.h"

namespace kt {

namespace {

constexpr int Width = 18;

}  // namespace

SpinButtons::SpinButtons(QLineEdit& box)
    : QWidget(box.parentWidget())
    , box_(box)
{
    setGeometry(box.x() + box.width(), box.y(), Width, box.height());
    const int upHeight = box.height() / 2;
    const auto addButton = [this](Qt::ArrowType arrow, int top, int height,
                                  SpinDirection direction) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setGeometry(0, top, Width, height);
        connect(button, &QToolButton::clicked, this, [this, direction] { step(direction); });
    };
    addButton(Qt::UpArrow, 0, upHeight, SpinDirection::Up);
    addButton(Qt::DownArrow, upHeight, box.height() - upHeight, SpinDirection::Down);
}

void SpinButtons::step(SpinDirection direction)
{
    box_.setText(QString::number(nextSpinValue(toSystemText(box_.text()), direction)));
    box_.setFocus();
    box_.selectAll();
}

}  // namespace kt
