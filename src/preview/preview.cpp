#include "preview/preview.h"

#include "core/check_digit.h"
#include "core/module_pattern.h"
#include "core/text.h"
#include "preview/caret_line.h"

namespace kt {

namespace {

constexpr int BodyLength = 12;
constexpr int ModuleWidth = 3;
constexpr int BarsLeft = 50;        // left edge of module 1
constexpr int BarTop = 30;
constexpr int BarBottom = 180;      // exclusive
constexpr int GuardBarBottom = 195; // exclusive; guard bars reach down between the digits
constexpr int DigitTop = 183;
constexpr int FontPoints = 25;
const Text DigitFace = "OCR-B 10 BT";

struct DigitText {
    int left;
    int start;   // in the body
    int length;
};
constexpr DigitText FirstDigit{23, 1, 1};
constexpr DigitText LeftGroup{63, 2, 6};
constexpr DigitText RightGroup{202, 8, 5};
constexpr int CheckDigitLeft = 303;

// Start, centre and end guards, and the light module after the end guard.
bool isGuardModule(int m)
{
    return m <= 4 || (m >= 47 && m <= 50) || m >= 93;
}

int moduleLeft(int m)
{
    return BarsLeft + ModuleWidth * (m - 1);
}

}  // namespace

void drawPreview(Toolkit& ui)
{
    ui.clearCanvas();

    const TextAroundCaret around = ui.editTextAroundCaret(Control::CodeListEdit);
    const Text line = caretLineText(around.text, around.caret);
    if (textLength(line) < BodyLength)
        return;

    const int entered = digitValue(midText(line, BodyLength + 1, 1));
    const Text body = leftText(line, BodyLength);
    const int check = computeCheckDigit(body);
    const Text pattern = buildModulePattern(body, check);

    // Light modules are painted too, so the bars stand on a white field.
    for (int m = 1; m <= textLength(pattern); ++m) {
        ui.setCanvasFillColour(midText(pattern, m, 1) == "1" ? Black : White);
        ui.fillCanvasRect(moduleLeft(m), BarTop, moduleLeft(m + 1),
                          isGuardModule(m) ? GuardBarBottom : BarBottom);
    }

    ui.setCanvasFont(DigitFace, FontPoints);
    ui.setCanvasTextColour(Black);
    for (const DigitText& digits : {FirstDigit, LeftGroup, RightGroup})
        ui.writeCanvasText(digits.left, DigitTop, midText(body, digits.start, digits.length));
    ui.setCanvasTextColour(entered == check ? Black : Red);
    ui.writeCanvasText(CheckDigitLeft, DigitTop, integerToText(check));
}

}  // namespace kt
