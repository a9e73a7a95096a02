#include "photo.h"

#include "photo_parts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace photo {

using raster::Rgb;
using raster::rgb8;
using raster::smoothstep;

Rgb brass(const Vec3& n, const Vec3& brushing, double tarnish) {
    // Polished metal shows mostly what it mirrors: follow the view ray off
    // the surface into a dim room that is brighter overhead and brightest at
    // the window behind the key light.
    const Vec3 mirrored{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
    const double window = std::pow(std::max(0.0, dot(mirrored, kLight)), 5.0);
    const double room = 0.16 + 0.32 * std::max(0.0, mirrored.z) + 1.25 * window;
    Rgb c = rgb8(206, 158, 82) * room;

    // The lamp itself as a tight highlight. Fine polishing marks smear it
    // across their direction, which is what makes a turned ring flash in
    // streaks rather than in a spot.
    const Vec3 half = normalized({kLight.x, kLight.y, kLight.z + 1});
    const double facing = std::max(0.0, dot(n, half));
    double specular = std::pow(facing, 90.0);
    if (dot(brushing, brushing) > 0) {
        const double along = dot(brushing, half);
        specular =
            std::pow(std::sqrt(std::max(0.0, 1 - along * along)), 60.0) * std::pow(facing, 6.0);
    }
    c = c + rgb8(255, 236, 196) * (0.9 * specular);

    // Tarnish is darker, browner and no longer mirror-like.
    const Rgb dull = rgb8(92, 72, 40) * (0.45 + 0.35 * room);
    return raster::mix(c, dull, std::clamp(tarnish, 0.0, 1.0) * 0.8);
}

namespace {

// Where an oversized pixel lies, in final-pixel units.
QPointF at(int x, int y) {
    return {(x + 0.5) / kScale, (y + 0.5) / kScale};
}

double degreesOf(const QPointF& d) {
    const double a = std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
}

// Dark walnut under the compass, a little out of focus since it lies lower
// than the dial the camera focused on.
Rgb table(const QPointF& q) {
    const double warp = raster::fractalNoise(q.x() / 70.0, q.y() / 70.0, 3, 11);
    const double grain = raster::fractalNoise(q.x() / 140.0 + warp, q.y() / 5.5 + 3 * warp, 3, 12);
    const double streak = 0.5 + 0.5 * std::sin(q.y() / 3.1 + 9 * warp + 4 * grain);
    Rgb wood = raster::mix(rgb8(58, 34, 20), rgb8(96, 60, 34), 0.6 * grain + 0.25 * streak);

    // The compass's own soft shadow, thrown away from the window.
    const QPointF d = q - kCentre - QPointF(7, 10);
    const double shadow =
        1 - smoothstep(kCaseRadius - 6, kCaseRadius + 26, std::hypot(d.x(), d.y()));
    const double contact = 1 - smoothstep(kCaseRadius, kCaseRadius + 3.5,
                                          std::hypot(q.x() - kCentre.x(), q.y() - kCentre.y()));
    return wood * (1 - 0.62 * shadow - 0.25 * contact);
}

// The turned brass bezel. Its cross-section, from the glass outward: a steep
// polished lip facing the dial, a narrow groove that holds dirt, then a
// broad rounded rim that rolls over into the side of the case.
Rgb bezel(const QPointF& q, double r) {
    const double t = (r - kGlassRadius) / (kCaseRadius - kGlassRadius);
    const double deg = std::numbers::pi / 180.0;
    double tilt;  // of the surface normal, radians; negative leans towards the centre
    double dirt = 0;
    if (t < 0.14) {
        tilt = -55 * deg;
    } else if (t < 0.21) {
        const double g = (t - 0.14) / 0.07;
        tilt = (40 - 80 * g) * deg;
        dirt = 0.55 * std::sin(g * std::numbers::pi);
    } else {
        const double g = (t - 0.21) / 0.79;
        tilt = (-42 + 122 * std::pow(g, 1.35)) * deg;
    }

    const QPointF u = (q - kCentre) / r;
    const Vec3 normal{std::sin(tilt) * u.x(), std::sin(tilt) * u.y(), std::cos(tilt)};
    const Vec3 brushing{-u.y(), u.x(), 0};

    // Tarnish gathers in patches and at the edges, where polishing cloths
    // did not reach.
    const double patches =
        smoothstep(0.48, 0.72, raster::fractalNoise(q.x() / 28.0, q.y() / 28.0, 4, 21));
    const double edges = smoothstep(0.9, 1.0, t) * 0.5;
    Rgb c = brass(normal, brushing, 0.12 + 0.45 * patches + dirt + edges);

    // Lathe rings: brightness varies with radius only, in fine bands.
    const double rings =
        raster::valueNoise(r * kScale * 0.9, 0.5, 22) * 0.7 +
        raster::valueNoise(r * kScale * 0.23, degreesOf(q - kCentre) * 0.02, 23) * 0.3;
    c = c * (0.88 + 0.24 * rings);
    return c * (0.94 + 0.12 * raster::valueNoise(q.x() * 2.1, q.y() * 2.1, 24));
}

struct Spot {
    QPointF centre;
    double radius;
    double strength;
};

// Foxing: the small rust-brown spots that old paper grows.
std::vector<Spot> foxing() {
    raster::Rng rng(0x5eed'f0c5);
    std::vector<Spot> spots;
    while (spots.size() < 34) {
        const QPointF c(rng.uniform(0, kWidth), rng.uniform(0, kHeight));
        const QPointF d = c - kCentre;
        if (std::hypot(d.x(), d.y()) < kGlassRadius - 4)
            spots.push_back({c, rng.uniform(0.5, 2.6), rng.uniform(0.12, 0.4)});
    }
    return spots;
}

// The card: aged paper with the printing on it, lit through the glass and
// shaded by the bezel wall on the side the light comes from.
Rgb card(const QPointF& q, double r, QRgb ink, const std::vector<Spot>& spots) {
    const double stain = raster::fractalNoise(q.x() / 48.0, q.y() / 48.0, 4, 31);
    Rgb paper =
        raster::mix(rgb8(232, 220, 188), rgb8(200, 172, 122), 0.75 * smoothstep(0.42, 0.78, stain));
    paper = paper * (0.955 + 0.09 * raster::fractalNoise(q.x() * 1.4, q.y() * 1.4, 2, 32));
    for (const Spot& s : spots) {
        const double d = std::hypot(q.x() - s.centre.x(), q.y() - s.centre.y());
        if (d < s.radius * 2)
            paper = raster::mix(paper, rgb8(150, 96, 52),
                                s.strength * (1 - smoothstep(s.radius * 0.4, s.radius * 2, d)));
    }
    paper = raster::mix(paper, rgb8(176, 146, 100), 0.35 * smoothstep(150, kGlassRadius, r));

    // Worn printing: the ink thins out in places.
    const double wear = 0.72 + 0.28 * raster::fractalNoise(q.x() * 0.8, q.y() * 0.8, 3, 33);
    const Rgb inked = raster::mix(Rgb{1, 1, 1}, raster::fromRgb(ink), wear);
    Rgb c = paper * inked;

    // Light: stronger towards the window, cut by the bezel wall near the rim.
    const QPointF towardLight = QPointF(kLight.x, kLight.y) / std::hypot(kLight.x, kLight.y);
    const QPointF lifted = q - kCentre + towardLight * 9.0;
    const double wall =
        smoothstep(kGlassRadius - 3, kGlassRadius + 6, std::hypot(lifted.x(), lifted.y()));
    const double nook = smoothstep(kGlassRadius - 12, kGlassRadius, r);
    const double falloff = 1.05 - 0.00028 * (q.x() + q.y());
    return c * (falloff * (1 - 0.5 * wall) * (1 - 0.28 * nook));
}

void paintBase(QImage& image) {
    const QImage printed = paintCard();
    const std::vector<Spot> spots = foxing();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* inkLine = reinterpret_cast<const QRgb*>(printed.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QPointF q = at(x, y);
            const double r = std::hypot(q.x() - kCentre.x(), q.y() - kCentre.y());
            const Rgb c = r >= kCaseRadius    ? table(q)
                          : r >= kGlassRadius ? bezel(q, r)
                                              : card(q, r, inkLine[x], spots);
            line[x] = raster::toRgb(c);
        }
    }
}

// The needle floats a few millimetres above the card, so its shadow lands
// offset away from the light and softened.
void castNeedleShadow(QImage& image) {
    QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        p.translate(5.0, 7.0);
        p.fillPath(needleOutline(), Qt::black);
    }
    raster::Plane shadow = raster::alphaOf(mask);
    raster::blur(shadow, 2 * kScale);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QPointF q = at(x, y);
            if (std::hypot(q.x() - kCentre.x(), q.y() - kCentre.y()) < kGlassRadius)
                line[x] = raster::toRgb(raster::fromRgb(line[x]) * (1 - 0.45 * shadow.at(x, y)));
        }
    }
}

// The window behind the light, faintly mirrored in the glass over the upper
// left of the card: four panes between glazing bars, slightly askew.
double windowReflection(const QPointF& q) {
    const double a = -0.14;
    const QPointF d = q - QPointF(64, 90);
    const double u = d.x() * std::cos(a) + d.y() * std::sin(a);
    const double v = -d.x() * std::sin(a) + d.y() * std::cos(a);
    auto span = [](double x, double half) {
        return smoothstep(-half - 5, -half + 3, x) * (1 - smoothstep(half - 3, half + 5, x));
    };
    const double bars = smoothstep(1.2, 3.2, std::abs(u)) * smoothstep(1.2, 3.2, std::abs(v));
    return span(u, 44) * span(v, 58) * bars * (1.1 - 0.006 * (u + v + 100));
}

// Reflections in the cover glass: a broad soft sheen and the window, a
// bright rim where the glass curves into the bezel, and a few dust specks.
void paintGlass(QImage& image) {
    raster::Rng rng(0xd057);
    std::vector<Spot> dust;
    for (int i = 0; i < 14; ++i)
        dust.push_back({QPointF(rng.uniform(0, 181), rng.uniform(0, kHeight)),
                        rng.uniform(0.35, 0.8), rng.uniform(0.25, 0.6)});

    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QPointF q = at(x, y);
            const QPointF d = q - kCentre;
            const double r = std::hypot(d.x(), d.y());
            if (r >= kGlassRadius)
                continue;
            const double across = (-d.x() - d.y()) / std::numbers::sqrt2;  // towards the window
            double glow = 0.16 * std::exp(-std::pow((across - 118) / 30.0, 2)) + 0.025 +
                          0.11 * windowReflection(q);
            const double bend = degreesOf(d) - 312.0;
            glow += 0.6 * std::exp(-std::pow((r - (kGlassRadius - 4.5)) / 1.4, 2)) *
                    std::exp(-bend * bend / 500.0);
            for (const Spot& s : dust) {
                const double ds = std::hypot(q.x() - s.centre.x(), q.y() - s.centre.y());
                if (ds < s.radius * 2)
                    glow += s.strength * (1 - smoothstep(s.radius * 0.3, s.radius * 2, ds));
            }
            const Rgb c = raster::fromRgb(line[x]);
            const double g = std::min(glow, 1.0);
            line[x] = raster::toRgb(
                {1 - (1 - c.r) * (1 - g), 1 - (1 - c.g) * (1 - g), 1 - (1 - c.b) * (1 - g)});
        }
    }
}

// What the camera adds: lens falloff towards the corners of the visible
// frame, a slightly lifted and warm tone, and sensor grain.
QImage develop(const QImage& oversized) {
    const QImage small = raster::downsample(oversized, kScale);
    QImage out(small.size(), QImage::Format_RGB888);
    raster::Rng rng(0x9a1d);
    const QPointF frameCentre(181 / 2.0, kHeight / 2.0);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const double d =
                std::hypot(x + 0.5 - frameCentre.x(), y + 0.5 - frameCentre.y()) / 250.0;
            const double vignette = 1 - 0.42 * std::pow(d, 2.4);
            Rgb c = raster::fromRgb(small.pixel(x, y)) * vignette;
            c = Rgb{0.02 + 0.98 * c.r * 1.02, 0.018 + 0.98 * c.g, 0.015 + 0.98 * c.b * 0.96};
            const double grain = (rng.uniform() + rng.uniform() - 1.0) * 0.03;
            c = c + Rgb{grain, grain, grain} +
                Rgb{rng.uniform(-0.006, 0.006), 0, rng.uniform(-0.006, 0.006)};
            out.setPixel(x, y, raster::toRgb(c));
        }
    }
    return out;
}

}  // namespace

}  // namespace photo

QImage drawPhoto() {
    using namespace photo;
    QImage image(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    paintBase(image);
    castNeedleShadow(image);
    paintNeedle(image);
    paintPivotCap(image);
    paintGlass(image);
    return develop(image);
}
