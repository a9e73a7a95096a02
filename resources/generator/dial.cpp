#include "dial.h"

#include "textpath.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 165;
constexpr int kCentre = 82;  // the needle pivots on this pixel
constexpr int kRadius = 81;  // circle touches columns/rows 1 and 163
constexpr int kTickLength = 5;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kRed = 0xffff0000;

// Midpoint circle: exactly one pixel wide and unsmoothed, so every pixel of
// the ring is the pure blue the needle is painted against.
void plotCircle(QImage& image) {
    int x = kRadius, y = 0, err = 1 - kRadius;
    while (x >= y) {
        const std::array<QPoint, 8> octants{
            {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}}};
        for (const QPoint& p : octants)
            image.setPixel(kCentre + p.x(), kCentre + p.y(), kBlue);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

void plotCardinalTicks(QImage& image) {
    for (int i = 1; i <= kTickLength; ++i) {
        image.setPixel(kCentre, kCentre - kRadius + i, kBlue);  // north
        image.setPixel(kCentre + kRadius - i, kCentre, kBlue);  // east
        image.setPixel(kCentre, kCentre + kRadius - i, kBlue);  // south
        image.setPixel(kCentre - kRadius + i, kCentre, kBlue);  // west
    }
}

// Places a label just inside the circle at `degrees` clockwise from north.
// `edge` is how far from the centre the label's outermost ink may reach; the
// box is snapped to whole pixels so the glyph heights stay exact.
void drawLabel(QPainter& p, const QPainterPath& ink, double degrees, double edge) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double dx = std::sin(a), dy = -std::cos(a);
    const QRectF box = ink.boundingRect();
    const double reach = std::abs(dx) * box.width() / 2 + std::abs(dy) * box.height() / 2;
    const double centre = kCentre + 0.5;  // middle of the pivot pixel
    const double cx = centre + dx * (edge - reach);
    const double cy = centre + dy * (edge - reach);
    p.fillPath(ink.translated(std::round(cx - box.width() / 2), std::round(cy - box.height() / 2)),
               QColor(kBlue));
}

// White to blue and white to red in 128 steps each: every shade the
// smoothed lettering can produce, in exactly 256 entries.
QList<QRgb> palette() {
    QList<QRgb> table;
    for (int i = 0; i < 128; ++i) {
        const int v = 255 - (255 * i + 63) / 127;
        table.append(qRgb(v, v, 255));
    }
    for (int i = 1; i <= 128; ++i) {
        const int v = 255 - (255 * i + 64) / 128;
        table.append(qRgb(255, v, v));
    }
    return table;
}

}  // namespace

QImage drawDial() {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(kWhite);
    plotCircle(image);
    plotCardinalTicks(image);

    const QFont letterFont = requireFont("DejaVu Sans", true);
    const QFont numberFont = requireFont("DejaVu Sans");
    constexpr double kLetterHeight = 9;
    constexpr double kNumberHeight = 8;
    // Letters stand clear of the cardinal ticks; numbers sit closer to the ring.
    constexpr double kLetterEdge = kRadius - kTickLength - 2.5;
    constexpr double kNumberEdge = kRadius - 3.5;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const std::array<const char*, 12> marks{"N", "30",  "60",  "E", "120", "150",
                                            "S", "210", "240", "W", "300", "330"};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const bool cardinal = i % 3 == 0;
        const QPainterPath ink = cardinal ? inkPath(marks[i], letterFont, kLetterHeight)
                                          : inkPath(marks[i], numberFont, kNumberHeight);
        drawLabel(p, ink, 30.0 * double(i), cardinal ? kLetterEdge : kNumberEdge);
    }

    // The legend fills rows 116..123 below the pivot.
    const QPainterPath legend = inkPath("Korvane", requireFont("DejaVu Sans"), 8);
    p.fillPath(legend.translated(std::round((kSize - legend.boundingRect().width()) / 2), 116),
               QColor(kRed));
    p.end();

    return image.convertToFormat(QImage::Format_Indexed8, palette(), Qt::ThresholdDither);
}
