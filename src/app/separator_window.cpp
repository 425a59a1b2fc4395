#include "app/separator_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/app_icon.h"
#include "app/control_tag.h"
#include "app/edit_box_style.h"
#include "app/typing_filter.h"
#include "app/wrapped_text.h"
#include "commands/separator.h"

namespace kt {

namespace {

// The platform's face at a character height in pixels.
QFont defaultFace(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setWeight(QFont::Normal);
    return font;
}

void place(QWidget& widget, Control control, const QRect& rect, int fontPixels)
{
    tagControl(widget, control);
    widget.setFont(defaultFace(fontPixels));
    widget.setGeometry(rect);
}

}  // namespace

SeparatorWindow::SeparatorWindow(QWidget& owner, Toolkit& ui)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QString());
    setWindowIcon(programIcon());
    setFixedSize(ClientSize);

    // In Tab order.
    auto* source = new QPlainTextEdit(this);
    place(*source, Control::SourceTextEdit, {0, 8, 800, 416}, 21);
    source->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    source->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    source->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    source->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    source->setTabChangesFocus(true);
    paintAsEditBox(*source);
    TypingFilter::install(*source);

    auto* label = new QLabel(QStringLiteral("分隔符"), this);
    place(*label, Control::SeparatorLabel, {413, 441, 88, 40}, 27);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* separator = new QLineEdit(this);
    place(*separator, Control::SeparatorEdit, {505, 438, 112, 44}, 25);
    paintAsEditBox(*separator);

    auto* convert = new QPushButton(QStringLiteral("确定"), this);
    place(*convert, Control::ConvertButton, {637, 441, 120, 40}, 21);
    // Enter clicks no button.
    convert->setAutoDefault(false);
    convert->setDefault(false);
    wrapButtonText(*convert);
    connect(convert, &QPushButton::clicked, this, [&ui] { convertSeparators(ui); });

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

}  // namespace kt
