#include "app/app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "core/check_digit.h"
#include "core/module_pattern.h"

namespace kt {

namespace {

// The same picture as the installed icon: the bars of one code on a white tile.
constexpr char IconBody[] = "400638133393";
constexpr int Side = 128;
constexpr int BarsLeft = 16;  // one unit per module, 96 modules centred on the tile
constexpr int BarsTop = 22;
constexpr int BarsBottom = 98;
constexpr int GuardsBottom = 106;
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
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 14, 14);
    painter.setRenderHint(QPainter::Antialiasing, false);
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
