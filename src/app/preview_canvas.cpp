#include "app/preview_canvas.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace kt {

namespace {

constexpr int CanvasWidth = 380;
constexpr int CanvasHeight = 264;

}  // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent)
    : QWidget(parent), picture_(CanvasWidth, CanvasHeight, QImage::Format_RGB32)
{
    setFixedSize(CanvasWidth, CanvasHeight);
    // The picture covers every pixel, so Qt need not paint a background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();
}

void PreviewCanvas::clear()
{
    picture_.fill(palette().color(QPalette::Window));
    update();
}

void PreviewCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int width = std::max(x2 - x1, 1);
    const int height = std::max(y2 - y1, 1);
    QPainter painter(&picture_);
    painter.fillRect(x1, y1, width, height, fillColour_);
    update();
}

void PreviewCanvas::setTextFont(const QString& face, int pixelHeight)
{
    QFont textFont = font();
    textFont.setFamily(face);
    textFont.setPixelSize(std::max(pixelHeight, 1));
    setFont(textFont);
}

void PreviewCanvas::writeText(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    QPainter painter(&picture_);
    painter.setFont(font());
    painter.setPen(textColour_);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
    update();
}

void PreviewCanvas::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
}

}  // namespace kt
