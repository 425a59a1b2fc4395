#include "app/edit_box_style.h"

#include <QPalette>
#include <QWidget>

namespace kt {

void paintAsEditBox(QWidget& edit)
{
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    edit.setPalette(palette);
}

}  // namespace kt
