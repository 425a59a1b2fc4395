#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

#include "app/preview_canvas.h"
#include "main_window_fixture.h"

namespace kt {
namespace {

class PreviewCanvasTest : public MainWindowTest {
protected:
    PreviewCanvas& canvas() { return static_cast<PreviewCanvas&>(*window.previewCanvas()); }
    QtToolkit& ui() { return window.toolkit(); }

    // What the canvas shows when it repaints, read by a barcode decoder. The decoder wants
    // bigger modules and a light margin all round.
    QString decodeShownCanvas()
    {
        const QImage shown = canvas().grab().toImage().scaled(canvas().size() * 3);
        QImage framed(shown.size() + QSize(80, 80), QImage::Format_RGB32);
        framed.fill(Qt::white);
        QPainter(&framed).drawImage(40, 40, shown);

        QTemporaryDir dir;
        const QString file = dir.filePath("canvas.png");
        EXPECT_TRUE(framed.save(file));
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", file});
        EXPECT_TRUE(zbar.waitForFinished(30000));
        return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
    }
};

TEST_F(PreviewCanvasTest, FillsRectanglesWithOrderedCornersWidenedToOnePixel)
{
    struct Case {
        int x1, y1, x2, y2;
        QRect filled;
    };
    const Case cases[] = {
        /* 0*/ {10, 10, 15, 20, {10, 10, 5, 10}},
        /* 1*/ {15, 20, 10, 10, {10, 10, 5, 10}},
        /* 2*/ {20, 20, 20, 25, {20, 20, 1, 5}},
        /* 3*/ {30, 40, 34, 40, {30, 40, 4, 1}},
        /* 4*/ {50, 50, 50, 50, {50, 50, 1, 1}},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        ui().clearCanvas();
        ui().setCanvasFillColour(Red);
        ui().fillCanvasRect(c.x1, c.y1, c.x2, c.y2);
        const QImage& picture = canvas().picture();
        const QRect around = c.filled.adjusted(-2, -2, 2, 2);
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                const bool red = picture.pixelColor(x, y) == QColor(255, 0, 0);
                EXPECT_EQ(red, c.filled.contains(x, y)) << "row " << row << " at " << x << ',' << y;
            }
        }
    }
}

TEST_F(PreviewCanvasTest, SetsTheFaceAndThePointSizeKeepingTheWeight)
{
    QFont bold = canvas().font();
    bold.setBold(true);
    canvas().setFont(bold);
    const int pixels = static_cast<int>(std::lround(25 * canvas().logicalDpiY() / 72.0));

    struct Case {
        Text face;
        QString family;
    };
    const Case cases[] = {
        /* 0*/ {"OCR-B 10 BT", "OCR-B 10 BT"},
        /* 1*/ {"", "宋体"},
        /* 2*/ {Text(31, 'F'), QString(31, 'F')},
        /* 3*/ {Text(32, 'F'), "宋体"},
        /* 4*/ {"\xBA\xDA\xCC\xE5", "黑体"},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        ui().setCanvasFont(cases[row].face, 25);
        EXPECT_EQ(canvas().font().family(), cases[row].family) << "row " << row;
        EXPECT_EQ(canvas().font().pixelSize(), pixels) << "row " << row;
        EXPECT_TRUE(canvas().font().bold()) << "row " << row;
    }
}

TEST_F(PreviewCanvasTest, WritesTextFromTheTopLeftOfItsCellWithoutABox)
{
    ui().clearCanvas();
    ui().setCanvasFillColour(Black);
    ui().fillCanvasRect(0, 0, 380, 264);
    ui().setCanvasFont("OCR-B 10 BT", 25);
    ui().setCanvasTextColour(White);
    ui().writeCanvasText(100, 100, "8");

    const QFontMetrics metrics(canvas().font());
    const QRect cell(100, 100, metrics.horizontalAdvance('8'), metrics.height());
    QRect ink;
    const QImage& picture = canvas().picture();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            ASSERT_TRUE(colour.red() == colour.green() && colour.green() == colour.blue())
                << "a box behind the text at " << x << ',' << y;
            if (colour.red() > 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(cell.contains(ink)) << ink.x() << ',' << ink.y() << ' ' << ink.width() << 'x'
                                    << ink.height();
}

TEST_F(PreviewCanvasTest, TypingACodeShowsABarcodeThatScansAsIt)
{
    QTest::keyClicks(&codeList(), "4006381333931");
    EXPECT_EQ(decodeShownCanvas(), "4006381333931");
}

TEST_F(PreviewCanvasTest, OnlyReleasesInTheListRedrawIt)
{
    ui().setEditText(Control::CodeListEdit, "4006381333931\r\n123456789012");
    const QImage blank = canvas().picture();
    EXPECT_EQ(decodeShownCanvas(), "");

    codeList().moveCursor(QTextCursor::End);
    const QPoint onSecondLine = codeList().cursorRect().center();
    QTest::mouseClick(codeList().viewport(), Qt::LeftButton, {}, onSecondLine);
    EXPECT_EQ(decodeShownCanvas(), "1234567890128");

    const QImage drawn = canvas().picture();
    click(Control::ClearButton);
    EXPECT_EQ(canvas().picture(), drawn);
    QTest::keyClick(&codeList(), Qt::Key_Shift);
    EXPECT_EQ(canvas().picture(), blank);
}

}  // namespace
}  // namespace kt
