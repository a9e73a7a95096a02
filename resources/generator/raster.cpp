#include "raster.h"

#include <algorithm>
#include <cmath>

namespace raster {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return double(next() >> 11) * 0x1.0p-53;
}

double Rng::uniform(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

namespace {

// Integer hash of a lattice point, mapped to [0, 1].
double lattice(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint64_t h = std::uint64_t(x) * 0x8DA6B343ull ^ std::uint64_t(y) * 0xD8163841ull ^
                      std::uint64_t(seed) * 0xCB1AB31Full;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return double(h >> 11) * 0x1.0p-53;
}

double fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = std::int64_t(fx);
    const auto iy = std::int64_t(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double top = lattice(ix, iy, seed) * (1 - tx) + lattice(ix + 1, iy, seed) * tx;
    const double bottom = lattice(ix, iy + 1, seed) * (1 - tx) + lattice(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + std::uint32_t(i) * 101u);
        total += weight;
        x *= 2.03;  // not exactly 2, so octave lattices do not line up
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return a * (1 - t) + b * t;
}

Rgb fromRgb(QRgb c) {
    return rgb8(qRed(c), qGreen(c), qBlue(c));
}

QRgb toRgb(const Rgb& c) {
    auto channel = [](double v) { return std::clamp(int(std::lround(v * 255.0)), 0, 255); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Plane alphaOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Plane p(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            p.at(x, y) = float(qAlpha(line[x]) / 255.0);
    }
    return p;
}

namespace {

// One running-sum box pass along rows (or columns when transposed), edges
// clamped so that borders do not darken.
void boxPass(Plane& p, int r, bool alongRows) {
    const int n = alongRows ? p.width : p.height;
    const int lines = alongRows ? p.height : p.width;
    std::vector<float> src(std::size_t(n), 0.0f);
    for (int line = 0; line < lines; ++line) {
        auto cell = [&](int i) -> float& { return alongRows ? p.at(i, line) : p.at(line, i); };
        for (int i = 0; i < n; ++i)
            src[std::size_t(i)] = cell(i);
        auto sample = [&](int i) { return src[std::size_t(std::clamp(i, 0, n - 1))]; };
        double sum = 0;
        for (int i = -r; i <= r; ++i)
            sum += sample(i);
        for (int i = 0; i < n; ++i) {
            cell(i) = float(sum / (2 * r + 1));
            sum += sample(i + r + 1) - sample(i - r);
        }
    }
}

}  // namespace

void blur(Plane& plane, int boxRadius) {
    if (boxRadius <= 0)
        return;
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(plane, boxRadius, true);
        boxPass(plane, boxRadius, false);
    }
}

QImage downsample(const QImage& image, int factor) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.width() / factor, src.height() / factor, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb c = line[x * factor + sx];
                    a += qAlpha(c);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            auto avg = [area](int sum) { return (sum + area / 2) / area; };
            dst[x] = qRgba(avg(r), avg(g), avg(b), avg(a));
        }
    }
    return out;
}

}  // namespace raster
