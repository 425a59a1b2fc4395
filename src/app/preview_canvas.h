#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kt {

// The preview's drawing surface. It draws into a picture of its own and shows that picture
// whenever it repaints, so a window passing over it does not wipe the preview.
class PreviewCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewCanvas(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

    // Fills the whole picture with the face colour.
    void clear();
    void setFillColour(const QColor& colour) { fillColour_ = colour; }
    // Corners in any order; pixels x1..x2-1, y1..y2-1; zero width or height widened to one.
    void fillRect(int x1, int y1, int x2, int y2);
    // Face and character height in pixels for the canvas's own font; weight and slant stay
    // as they were.
    void setTextFont(const QString& face, int pixelHeight);
    void setTextColour(const QColor& colour) { textColour_ = colour; }
    // The top-left of the text's cell lands on (x, y); nothing is painted behind it.
    void writeText(int x, int y, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QColor fillColour_ = Qt::white;
    QColor textColour_ = Qt::black;
};

}  // namespace kt
