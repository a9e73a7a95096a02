#include "photo_parts.h"
#include "textpath.h"

#include <QPainter>

#include <array>
#include <numbers>

namespace photo {

namespace {

// Old printer's ink: not black but a deep, slightly warm brown.
const QColor kInk(46, 36, 30);

QPointF polar(double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return kCentre + QPointF(std::sin(a) * radius, -std::cos(a) * radius);
}

// Draws `ink` centred on the point at `radius` and `degrees`, turned so that
// its top faces outward, the way card makers set type around a dial.
void placeRadially(QPainter& p, const QPainterPath& ink, double radius, double degrees) {
    const QRectF box = ink.boundingRect();
    p.save();
    p.translate(polar(radius, degrees));
    p.rotate(degrees);
    p.translate(-box.center());
    p.drawPath(ink);
    p.restore();
}

void paintScale(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (const auto& [radius, width] : std::array<std::pair<double, double>, 4>{
             {{173.0, 0.9}, {170.5, 0.35}, {157.0, 0.6}, {143.5, 0.8}}}) {
        p.setPen(QPen(kInk, width));
        p.drawEllipse(kCentre, radius, radius);
    }

    // Degree ticks: every degree, longer every five, longest every ten.
    for (int d = 0; d < 360; ++d) {
        const double inner = d % 10 == 0 ? 157.0 : d % 5 == 0 ? 162.5 : 166.5;
        p.setPen(QPen(kInk, d % 10 == 0 ? 0.75 : 0.45, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(170.5, d), polar(inner, d));
    }

    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const QFont serif = requireFont("DejaVu Serif");
    for (int d = 0; d < 360; d += 10)
        placeRadially(p, inkPath(QString::number(d), serif, 7.2), 150.2, d);
}

// One point of the rose: a long kite split down its axis, one half inked and
// the other left as paper, so the star reads as if lit from one side.
void paintPoint(QPainter& p, double degrees, double tip, double base, double spread) {
    const QPointF t = polar(tip, degrees);
    QPainterPath left, right;
    left.moveTo(kCentre);
    left.lineTo(t);
    left.lineTo(polar(base, degrees - spread));
    left.closeSubpath();
    right.moveTo(kCentre);
    right.lineTo(t);
    right.lineTo(polar(base, degrees + spread));
    right.closeSubpath();

    p.setPen(QPen(kInk, 0.55, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPath(left);
    p.setBrush(Qt::white);
    p.drawPath(right);
}

void paintRose(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 0.5));
    p.drawEllipse(kCentre, 112.0, 112.0);
    p.drawEllipse(kCentre, 109.0, 109.0);

    for (int i = 0; i < 16; ++i)
        if (i % 2 == 1)
            paintPoint(p, 22.5 * i, 74, 15, 11.25);
    for (int i = 1; i < 8; i += 2)
        paintPoint(p, 45.0 * i, 98, 20, 22.5);
    for (int i = 0; i < 4; ++i)
        paintPoint(p, 90.0 * i, 124, 24, 45);

    p.setPen(QPen(kInk, 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(kCentre, 13.0, 13.0);

    const QFont bold = requireFont("DejaVu Serif", true);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const std::array<const char*, 8> names{"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool cardinal = i % 2 == 0;
        placeRadially(p, inkPath(names[i], bold, cardinal ? 13.0 : 10.0), cardinal ? 133.0 : 126.0,
                      45.0 * double(i));
    }
}

}  // namespace

QImage paintCard() {
    QImage card(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    paintRose(p);
    paintScale(p);
    p.end();
    return card;
}

}  // namespace photo
