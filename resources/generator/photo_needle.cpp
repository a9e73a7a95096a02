#include "photo_parts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace photo {

namespace {

constexpr double kArm = 128.0;      // pivot to tip
constexpr double kHalfWidth = 7.4;  // at the pivot
constexpr double kBossRadius = 10.5;
constexpr double kBulge = 1.25;  // sides swell a little before tapering to the tips
constexpr double kCapRadius = 7.0;

// Needle-local frame: pivot at the origin, north tip up (negative y).
QTransform toFrame() {
    QTransform t;
    t.translate(kCentre.x(), kCentre.y());
    t.rotate(kNeedleHeading);
    return t;
}

// Both arms, without the boss, in the needle frame.
QPainterPath body() {
    QPainterPath b;
    b.moveTo(0, -kArm);
    b.quadTo(kHalfWidth * kBulge, -kArm * 0.45, kHalfWidth, 0);
    b.quadTo(kHalfWidth * kBulge, kArm * 0.45, 0, kArm);
    b.quadTo(-kHalfWidth * kBulge, kArm * 0.45, -kHalfWidth, 0);
    b.quadTo(-kHalfWidth * kBulge, -kArm * 0.45, 0, -kArm);
    b.closeSubpath();
    return b;
}

QPainterPath facet(double side, double tipY) {
    QPainterPath f;
    f.moveTo(0, tipY);
    f.quadTo(side * kHalfWidth * kBulge, tipY * 0.45, side * kHalfWidth, 0);
    f.lineTo(0, 0);
    f.closeSubpath();
    return f;
}

// The needle is ground to a low ridge along its length, so the half facing
// the light is bright and the other half dark, each graded along its length
// as it reflects different parts of the room.
void paintFacet(QPainter& p, double side, double tipY, const QColor& nearPivot,
                const QColor& nearTip) {
    QLinearGradient g(0, 0, 0, tipY);
    g.setColorAt(0.0, nearPivot);
    g.setColorAt(1.0, nearTip);
    p.fillPath(facet(side, tipY), g);
}

}  // namespace

QPainterPath needleOutline() {
    QPainterPath outline = body();
    outline.addEllipse(QPointF(0, 0), kBossRadius, kBossRadius);
    return toFrame().map(outline.simplified());
}

void paintNeedle(QImage& target) {
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    p.setTransform(toFrame(), true);

    // Blued steel: cool greys, lit facet on the west side of both arms.
    paintFacet(p, -1, -kArm, QColor(150, 158, 170), QColor(205, 212, 222));
    paintFacet(p, +1, -kArm, QColor(58, 62, 72), QColor(88, 94, 106));
    paintFacet(p, -1, kArm, QColor(140, 148, 160), QColor(96, 102, 114));
    paintFacet(p, +1, kArm, QColor(46, 50, 58), QColor(70, 75, 86));

    // Round boss at the pivot, turned on a lathe like the cap above it.
    QLinearGradient boss(-kBossRadius, -kBossRadius, kBossRadius, kBossRadius);
    boss.setColorAt(0.0, QColor(190, 196, 206));
    boss.setColorAt(1.0, QColor(52, 56, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(boss);
    p.drawEllipse(QPointF(0, 0), kBossRadius, kBossRadius);

    // The red band across the north arm, lacquered on, shaded like the steel.
    p.save();
    QPainterPath north;
    north.addRect(QRectF(-2 * kHalfWidth, -66, 4 * kHalfWidth, 22));
    p.setClipPath(north);
    paintFacet(p, -1, -kArm, QColor(176, 44, 34), QColor(200, 64, 50));
    paintFacet(p, +1, -kArm, QColor(96, 20, 16), QColor(116, 28, 22));
    p.restore();

    // Grinding marks run the length of the needle, through the band too.
    p.save();
    p.setClipPath(body());
    raster::Rng rng(0x57ee1);
    for (int i = 0; i < 70; ++i) {
        const double x = rng.uniform(-kHalfWidth * kBulge, kHalfWidth * kBulge);
        const bool light = rng.uniform() < 0.5;
        p.setPen(QPen(light ? QColor(255, 255, 255, int(rng.uniform(12, 40)))
                            : QColor(0, 0, 0, int(rng.uniform(12, 40))),
                      rng.uniform(0.12, 0.3)));
        const double from = rng.uniform(-kArm, 0), to = rng.uniform(0, kArm);
        p.drawLine(QPointF(x, from), QPointF(x * 0.9, to));
    }
    p.restore();

    // A thin glint along the ridge where the two facets meet.
    QLinearGradient ridge(0, -kArm, 0, kArm);
    ridge.setColorAt(0.0, QColor(255, 255, 255, 40));
    ridge.setColorAt(0.35, QColor(255, 255, 255, 150));
    ridge.setColorAt(0.5, QColor(255, 255, 255, 0));
    ridge.setColorAt(0.7, QColor(255, 255, 255, 70));
    ridge.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(QPen(QBrush(ridge), 0.5));
    p.drawLine(QPointF(0, -kArm + 2), QPointF(0, kArm - 2));

    // A dark rim keeps the needle crisp against the card; the edge facing
    // the light catches the window instead.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 32, 38, 160), 0.35));
    p.drawPath(body());
    QPainterPath litEdge;
    litEdge.moveTo(0, -kArm);
    litEdge.quadTo(-kHalfWidth * kBulge, -kArm * 0.45, -kHalfWidth, 0);
    litEdge.quadTo(-kHalfWidth * kBulge, kArm * 0.45, 0, kArm);
    p.setPen(QPen(QColor(235, 240, 248, 110), 0.35));
    p.drawPath(litEdge);
}

void paintPivotCap(QImage& target) {
    // The cap stands proud of the needle and shades it a little.
    {
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        const QPointF shadowAt = kCentre + QPointF(1.4, 2.0);
        QRadialGradient shade(shadowAt, kCapRadius + 2.5);
        shade.setColorAt(0.7, QColor(0, 0, 0, 120));
        shade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawEllipse(shadowAt, kCapRadius + 2.5, kCapRadius + 2.5);
    }

    // A polished dome: every pixel gets the brass colour for its normal.
    const double r = kCapRadius;
    const int x0 = int((kCentre.x() - r - 1) * kScale), x1 = int((kCentre.x() + r + 1) * kScale);
    const int y0 = int((kCentre.y() - r - 1) * kScale), y1 = int((kCentre.y() + r + 1) * kScale);
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const double dx = ((x + 0.5) / kScale - kCentre.x()) / r;
            const double dy = ((y + 0.5) / kScale - kCentre.y()) / r;
            const double d2 = dx * dx + dy * dy;
            if (d2 >= 1.0)
                continue;
            // A low dome with a rolled edge: steep only near the rim.
            const double tilt = std::pow(d2, 1.5) * 0.9 + 0.35 * d2;
            const double d = std::sqrt(d2);
            const Vec3 n = d > 0 ? normalized({dx / d * tilt, dy / d * tilt, 1.0}) : Vec3{0, 0, 1};
            const double rim = raster::smoothstep(0.82, 1.0, d);
            const raster::Rgb c = brass(n, {0, 0, 0}, 0.15 + 0.5 * rim);
            line[x] = raster::toRgb(c);
        }
    }
}

}  // namespace photo
