#include "app/app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "core/check_digit.h"
#include "core/module_pattern.h"

namespace kt {

namespace {

constexpr char IconBody[] = "690123456789";
constexpr int Side = 128;
constexpr int BarsLeft = 16;  // one pixel per module, centred: (128 - 96) / 2
constexpr int BarsTop = 20;
constexpr int BarsBottom = 100;
constexpr int GuardsBottom = 108;
const QColor Ink(0xE6, 0x00, 0x12);

// The start, centre and end guards reach lower than the digits' bars.
bool isGuardModule(int module)
{
    return module < 3 || (module >= 45 && module < 50) || (module >= 92 && module < 95);
}

}  // namespace

QIcon programIcon()
{
    const Text pattern = buildModulePattern(IconBody, computeCheckDigit(IconBody));
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int module = 0; module < static_cast<int>(pattern.size()); ++module) {
        if (pattern[static_cast<std::size_t>(module)] != '1')
            continue;
        const int bottom = isGuardModule(module) ? GuardsBottom : BarsBottom;
        painter.fillRect(BarsLeft + module, BarsTop, 1, bottom - BarsTop, Ink);
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace kt
