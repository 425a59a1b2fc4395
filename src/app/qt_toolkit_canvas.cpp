#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <vector>

#include "app/preview_canvas.h"
#include "app/qt_toolkit.h"
#include "app/system_text.h"

namespace kt {

namespace {

const Text LineBreak = "\r\n";

// Faces of 32 bytes or more do not fit a font request; such a name, like none at all, gets the
// system's default face.
constexpr std::size_t FaceNameLimit = 32;

QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

PreviewCanvas& canvasOf(const QtToolkit& ui)
{
    return *qobject_cast<PreviewCanvas*>(ui.widget(Control::PreviewCanvas));
}

// The bytes that a block contributes to the edit box's text: what the whole text gives, with
// a line separator inside the block read as a line break as well.
Text blockText(const QString& text)
{
    QString plain = text;
    plain.replace(QChar::Nbsp, u' ');
    plain.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return toSystemText(plain);
}

// Whether a byte walk that treats every byte of 0x80 or above as the start of a pair ends on
// a lone lead byte, which would take the CR of the following line break as its second byte.
bool endsInLoneLeadByte(const Text& bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
            ++i;
        else if (i + 1 == bytes.size())
            return true;
        else
            i += 2;
    }
    return false;
}

struct CaretInDocument {
    const QTextDocument* document = nullptr;
    int position = 0;  // the start of the selection
};

CaretInDocument caretInDocument(QWidget* edit)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(edit))
        return {plain->document(), plain->textCursor().selectionStart()};
    return {};
}

}  // namespace

// The rules about the caret's line search back for LF and CR, and forward for CR, stepping
// over a byte of 0x80 or above with the byte after it. Every LF stands right after a CR, so a
// walk never steps over it, and a walk is back in step at the start of every line. Only a
// CR can be swallowed, by a lone lead byte ending the line before it ("€" is the single byte
// 0x80). So the caret's block suffices, grown by every neighbour whose break such a byte
// hides, and led by the line break before it, whose CR the walk back then always sees.
TextAroundCaret QtToolkit::editTextAroundCaret(Control edit)
{
    const CaretInDocument caret = caretInDocument(widget(edit));
    if (!caret.document)
        return {editText(edit), caretOffset(edit)};

    const QTextBlock caretBlock = caret.document->findBlock(caret.position);
    const QString caretBlockText = caretBlock.text();
    const int column = caret.position - caretBlock.position();
    Text before = blockText(caretBlockText.left(column));
    Text after = blockText(caretBlockText.mid(column));

    // The search forward for CR starts right after the caret, so the caret's block is walked
    // from there; every later block from its start.
    bool breakHidden = endsInLoneLeadByte(after);
    for (QTextBlock block = caretBlock.next(); breakHidden && block.isValid();
         block = block.next()) {
        const Text bytes = blockText(block.text());
        after += LineBreak + bytes;
        breakHidden = endsInLoneLeadByte(bytes);
    }

    std::vector<Text> earlier;  // nearest first
    QTextBlock first = caretBlock;
    for (QTextBlock block = caretBlock.previous(); block.isValid(); block = block.previous()) {
        Text bytes = blockText(block.text());
        if (!endsInLoneLeadByte(bytes))
            break;
        earlier.push_back(std::move(bytes));
        first = block;
    }

    Text window;
    if (first.previous().isValid())
        window = LineBreak;
    for (auto bytes = earlier.rbegin(); bytes != earlier.rend(); ++bytes)
        window += *bytes + LineBreak;
    window += before;
    const int caretInWindow = static_cast<int>(window.size());
    window += after;
    return {std::move(window), caretInWindow};
}

void QtToolkit::clearCanvas()
{
    canvasOf(*this).clear();
}

void QtToolkit::setCanvasFillColour(Colour colour)
{
    canvasOf(*this).setFillColour(toQColor(colour));
}

void QtToolkit::fillCanvasRect(int x1, int y1, int x2, int y2)
{
    canvasOf(*this).fillRect(x1, y1, x2, y2);
}

void QtToolkit::setCanvasFont(const Text& face, int points)
{
    PreviewCanvas& canvas = canvasOf(*this);
    const QString name = face.empty() || face.size() >= FaceNameLimit
                             ? QStringLiteral("宋体")
                             : fromSystemText(face);
    const long pixels = std::lround(points * canvas.logicalDpiY() / 72.0);
    canvas.setTextFont(name, static_cast<int>(pixels));
}

void QtToolkit::setCanvasTextColour(Colour colour)
{
    canvasOf(*this).setTextColour(toQColor(colour));
}

void QtToolkit::writeCanvasText(int x, int y, const Text& text)
{
    canvasOf(*this).writeText(x, y, fromSystemText(text));
}

}  // namespace kt
