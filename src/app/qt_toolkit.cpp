#include "app/qt_toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <chrono>

#include "app/control_tag.h"
#include "app/main_window.h"
#include "app/system_text.h"

namespace kt {

namespace {

// The document of a multi-line box separates its lines by a single line feed; the system
// by CR LF. A lead or trail byte of code page 936 is never a CR or an LF, so bytes will do.
QString toDocumentText(const Text& text)
{
    Text lines;
    lines.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t cr = text.find("\r\n"); cr != Text::npos; cr = text.find("\r\n", from)) {
        lines.append(text, from, cr - from);
        from = cr + 1;  // keeps the LF
    }
    lines.append(text, from);
    return fromSystemText(lines);
}

// The document already turned every CR, LF or CR LF that came in (a paste too) into a line
// break of its own.
Text fromDocumentText(const QString& text)
{
    const Text bytes = toSystemText(text);
    Text lines;
    lines.reserve(bytes.size() + bytes.size() / 8);
    std::size_t from = 0;
    for (std::size_t lf = bytes.find('\n'); lf != Text::npos; lf = bytes.find('\n', from)) {
        lines.append(bytes, from, lf - from);
        lines += "\r\n";
        from = lf + 1;
    }
    lines.append(bytes, from);
    return lines;
}

// The byte count of fromDocumentText(text), without building it for a list of digits.
std::size_t systemTextSize(QStringView text)
{
    std::size_t size = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return fromDocumentText(text.toString()).size();
        size += c == u'\n' ? 2 : 1;
    }
    return size;
}

}  // namespace

QtToolkit::QtToolkit(MainWindow& window)
    : window_(window)
{
}

QtToolkit::~QtToolkit() = default;

QWidget* QtToolkit::widget(Control control) const
{
    if (QWidget* found = window_.control(control))
        return found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &window_ && window->isVisible()) {
            if (QWidget* found = findControl(*window, control))
                return found;
        }
    }
    return nullptr;
}

Text QtToolkit::editText(Control edit)
{
    QWidget* box = widget(edit);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        return fromDocumentText(lines->document()->toPlainText());
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return toSystemText(line->text());
    return Text();
}

void QtToolkit::setEditText(Control edit, const Text& text)
{
    QWidget* box = widget(edit);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        lines->setPlainText(toDocumentText(text));
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(fromSystemText(text));
}

void QtToolkit::appendEditText(Control edit, const Text& text)
{
    QWidget* box = widget(edit);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        QTextDocument& document = *lines->document();
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        // Switching undo off leaves no entry for this insertion, and none before it that
        // would no longer fit the text.
        document.setUndoRedoEnabled(false);
        cursor.insertText(toDocumentText(text));
        document.setUndoRedoEnabled(true);
        lines->setTextCursor(cursor);
        lines->ensureCursorVisible();
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(line->text() + fromSystemText(text));  // setText keeps no undo step
        line->end(false);
    }
}

int QtToolkit::caretOffset(Control edit)
{
    QWidget* box = widget(edit);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        const int start = lines->textCursor().selectionStart();
        const QString text = lines->document()->toPlainText();
        return static_cast<int>(systemTextSize(QStringView(text).left(start)));
    }
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        const int start =
            line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        return static_cast<int>(toSystemText(line->text().left(start)).size());
    }
    return 0;
}

bool QtToolkit::isChecked(Control check)
{
    auto* box = qobject_cast<QCheckBox*>(widget(check));
    return box && box->isChecked();
}

void QtToolkit::showMessage(const Text& text, const Text& title, MessageIcon icon,
                            MessageOwner owner)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    fromSystemText(title), fromSystemText(text), QMessageBox::Ok,
                    owner == MessageOwner::MainWindow ? &window_ : nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::uint32_t QtToolkit::tickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace kt
