#include "button.h"

#include "textpath.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 131;
constexpr QPointF kCentre{kSize / 2.0, kSize / 2.0};
const QColor kWhite(255, 255, 255);
const QColor kDeepBlue(16, 42, 104);
const QColor kLightBlue(150, 205, 255);

void paintTile(QPainter& p) {
    // A little light from the top keeps the tile from looking like a flat
    // patch of colour.
    QLinearGradient shade(0, 4, 0, kSize - 4);
    shade.setColorAt(0.0, QColor(38, 78, 160));
    shade.setColorAt(1.0, QColor(12, 32, 86));
    p.setPen(QPen(QColor(8, 22, 60), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(4.5, 4.5, kSize - 9, kSize - 9), 18, 18);
}

void paintNeedle(QPainter& p) {
    // Upper left to lower right, a thin diamond through the pivot.
    const QPointF tail(kCentre.x() - 29, kCentre.y() - 29);
    const QPointF head(kCentre.x() + 29, kCentre.y() + 29);
    const QPointF side(5, -5);
    QPainterPath needle;
    needle.moveTo(tail);
    needle.lineTo(kCentre + side);
    needle.lineTo(head);
    needle.lineTo(kCentre - side);
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kLightBlue);
    p.drawPath(needle);

    p.setBrush(kDeepBlue);
    p.setPen(QPen(kLightBlue, 1.5));
    p.drawEllipse(kCentre, 5.5, 5.5);
}

}  // namespace

QImage drawButton() {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    paintTile(p);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWhite, 5));
    p.drawEllipse(kCentre, 45, 45);

    const QPainterPath north = inkPath("N", requireFont("DejaVu Sans", true), 15);
    p.fillPath(north.translated(kCentre.x() - north.boundingRect().width() / 2, 27), kWhite);

    paintNeedle(p);
    p.end();
    return image;
}
