#include "app/control_tag.h"

#include <QVariant>
#include <QWidget>

namespace kt {

namespace {

constexpr char TagProperty[] = "ktControl";

}  // namespace

void tagControl(QWidget& widget, Control control)
{
    widget.setProperty(TagProperty, static_cast<int>(control));
}

QWidget* findControl(const QWidget& window, Control control)
{
    const QVariant wanted(static_cast<int>(control));
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->property(TagProperty) == wanted)
            return child;
    }
    return nullptr;
}

}  // namespace kt
