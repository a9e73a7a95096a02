#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// Small deterministic helpers for the painted images. Everything random comes
// from fixed seeds, so a rerun writes byte-identical files.
namespace raster {

// SplitMix64: tiny and identical everywhere, unlike <random>'s distributions,
// whose exact output is left to each standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();  // in [0, 1)
    double uniform(double lo, double hi);

private:
    std::uint64_t state_;
};

// Smooth lattice noise in [0, 1]; the seed keeps separate textures apart.
double valueNoise(double x, double y, std::uint32_t seed);
// Octaves of valueNoise, each twice as fine and half as strong, in [0, 1].
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

// Linear RGB-ish colour in 0..1 floats, for per-pixel shading arithmetic.
struct Rgb {
    double r = 0, g = 0, b = 0;
    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(double k) const { return {r * k, g * k, b * k}; }
    Rgb operator*(const Rgb& o) const { return {r * o.r, g * o.g, b * o.b}; }
};
Rgb mix(const Rgb& a, const Rgb& b, double t);
Rgb fromRgb(QRgb c);
QRgb toRgb(const Rgb& c);  // clamps to 0..255
inline Rgb rgb8(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

double smoothstep(double edge0, double edge1, double x);

// A single-channel float image for masks, shadows and texture fields.
struct Plane {
    Plane(int w, int h) : width(w), height(h), v(std::size_t(w) * std::size_t(h), 0.0f) {}
    float& at(int x, int y) { return v[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    float at(int x, int y) const { return v[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    int width;
    int height;
    std::vector<float> v;
};

// The alpha channel of a painted image, 0..1.
Plane alphaOf(const QImage& image);
// Three box passes approximate a Gaussian well enough for soft shadows.
void blur(Plane& plane, int boxRadius);

// Averages factor x factor blocks. The photograph is painted oversized and
// shrunk with this, which gives the soft, even edges of a real lens.
QImage downsample(const QImage& image, int factor);

}  // namespace raster
