#include "icon.h"

#include <QHash>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

// Drawn on a 24-unit grid, the size of the Windows icon, and scaled.
constexpr double kGrid = 24.0;
constexpr QPointF kCentre{12.0, 12.0};

QPainterPath needleHalf(QPointF tip) {
    // A slim kite from the pivot to one tip; the two halves share the
    // pivot-side corners so they meet without a seam.
    const QPointF along = tip - kCentre;
    const QPointF across{-along.y() * 0.22, along.x() * 0.22};
    QPainterPath half;
    half.moveTo(tip);
    half.lineTo(kCentre + across);
    half.lineTo(kCentre - across);
    half.closeSubpath();
    return half;
}

}  // namespace

void paintIcon(QPainter& p, double size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    p.setPen(Qt::NoPen);

    // Rim: light blue, a touch darker towards the lower right for some body.
    QRadialGradient rim(QPointF(9.5, 9.0), 14.0);
    rim.setColorAt(0.0, QColor(150, 205, 250));
    rim.setColorAt(1.0, QColor(70, 145, 215));
    p.setBrush(rim);
    p.drawEllipse(kCentre, 11.4, 11.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 80, 140), 0.8));
    p.drawEllipse(kCentre, 11.2, 11.2);

    // Pale face.
    p.setPen(Qt::NoPen);
    QRadialGradient face(QPointF(10.5, 10.0), 10.0);
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(222, 234, 246));
    p.setBrush(face);
    p.drawEllipse(kCentre, 8.6, 8.6);

    // Cardinal dots.
    p.setBrush(QColor(30, 40, 70));
    for (const QPointF& dot :
         {QPointF(12, 5.4), QPointF(18.6, 12), QPointF(12, 18.6), QPointF(5.4, 12)})
        p.drawEllipse(dot, 1.05, 1.05);

    // Needle: red towards the upper left, blue towards the lower right.
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(needleHalf(QPointF(5.6, 5.6)));
    p.setBrush(QColor(30, 70, 200));
    p.drawPath(needleHalf(QPointF(18.4, 18.4)));

    // Pivot.
    p.setBrush(QColor(245, 245, 245));
    p.setPen(QPen(QColor(60, 60, 70), 0.5));
    p.drawEllipse(kCentre, 1.1, 1.1);
    p.restore();
}

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage paletteIcon(const QImage& argb) {
    // Slot 0 is "transparent": palette icons have on/off transparency, so a
    // half-covered edge pixel either keeps its full colour or vanishes.
    // Colours are posterized only as much as needed to fit the other 255
    // slots; the icon has few hues, so this keeps them true where a generic
    // colour cube would not.
    for (int step = 1;; step *= 2) {
        QList<QRgb> table{qRgba(0, 0, 0, 0)};
        QHash<QRgb, int> slot;
        QImage indexed(argb.size(), QImage::Format_Indexed8);
        for (int y = 0; y < argb.height(); ++y) {
            uchar* line = indexed.scanLine(y);
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb c = argb.pixel(x, y);
                if (qAlpha(c) < 128) {
                    line[x] = 0;
                    continue;
                }
                auto snap = [step](int v) { return std::min(255, (v + step / 2) / step * step); };
                const QRgb key = qRgb(snap(qRed(c)), snap(qGreen(c)), snap(qBlue(c)));
                auto it = slot.constFind(key);
                if (it == slot.constEnd()) {
                    it = slot.insert(key, int(table.size()));
                    table.append(key);
                }
                line[x] = uchar(*it);
            }
        }
        if (table.size() <= 256) {
            indexed.setColorTable(table);
            return indexed;
        }
    }
}
