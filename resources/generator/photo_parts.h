#pragma once

// Pieces shared by the files that make up the compass photograph.

#include "raster.h"

#include <QImage>
#include <QPainterPath>
#include <QPointF>

#include <cmath>

namespace photo {

// Everything is painted three times oversize, in final-pixel units through a
// scaled painter, and averaged down at the end.
constexpr int kScale = 3;
constexpr int kWidth = 208;
constexpr int kHeight = 415;

// The compass is bigger than the frame: its centre sits near the right edge
// of the visible 181 columns, and its case runs off the top and the left.
constexpr QPointF kCentre{150.0, 166.0};
constexpr double kCaseRadius = 206.0;    // outside of the brass case
constexpr double kGlassRadius = 181.0;   // where the bezel meets the glass
constexpr double kNeedleHeading = -6.0;  // degrees; a real needle rarely sits exactly on N

struct Vec3 {
    double x, y, z;
};
inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 normalized(const Vec3& v) {
    const double l = std::sqrt(dot(v, v));
    return {v.x / l, v.y / l, v.z / l};
}

// One soft key light, up and to the upper left, as from a window.
inline const Vec3 kLight = normalized({-0.45, -0.62, 0.64});

// Polished, slightly tarnished brass seen from straight above, lit by the
// key light. `normal` is the surface normal (z towards the camera);
// `brushing`, if not zero, is the direction of fine polishing marks, which
// stretch the highlight across them. `tarnish` 0..1 dulls and darkens.
raster::Rgb brass(const Vec3& normal, const Vec3& brushing, double tarnish);

// The printed compass card (rings, degree scale, rose and letters) as a
// multiplier over the paper: white where there is no ink. Full oversized
// frame.
QImage paintCard();

// Outline of the needle in final-pixel units, pivot at kCentre.
QPainterPath needleOutline();
// Paints the steel needle with its red band onto an oversized image.
void paintNeedle(QImage& target);
// Shades the brass cap that holds the needle on its pivot.
void paintPivotCap(QImage& target);

}  // namespace photo
