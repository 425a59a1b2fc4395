#include "app/qt_toolkit.h"

// Lands with the live preview.
namespace kt {

TextAroundCaret QtToolkit::editTextAroundCaret(Control edit)
{
    return {editText(edit), caretOffset(edit)};
}

void QtToolkit::clearCanvas() {}
void QtToolkit::setCanvasFillColour(Colour) {}
void QtToolkit::fillCanvasRect(int, int, int, int) {}
void QtToolkit::setCanvasFont(const Text&, int) {}
void QtToolkit::setCanvasTextColour(Colour) {}
void QtToolkit::writeCanvasText(int, int, const Text&) {}

}  // namespace kt
