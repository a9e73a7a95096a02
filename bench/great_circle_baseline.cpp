#include "great_circle_baseline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::bench {
namespace {

// The same sphere as the library, so that both do comparable arithmetic.
constexpr double kEarthRadiusKm = 6356.775;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

BaselinePath BaselineGreatCircle(RadianPoint from, RadianPoint to) {
    const double dLon = to.lon - from.lon;
    const double sinLat1 = std::sin(from.lat);
    const double cosLat1 = std::cos(from.lat);
    const double sinLat2 = std::sin(to.lat);
    const double cosLat2 = std::cos(to.lat);
    const double cosDLon = std::cos(dLon);

    // Rounding can carry the cosine a hair beyond +-1, where acos has no value.
    const double cosCentral =
        std::clamp(sinLat1 * sinLat2 + cosLat1 * cosLat2 * cosDLon, -1.0, 1.0);
    const double bearing =
        std::atan2(std::sin(dLon) * cosLat2, cosLat1 * sinLat2 - sinLat1 * cosLat2 * cosDLon);

    BaselinePath path;
    path.distance = std::acos(cosCentral) * kEarthRadiusKm;
    path.bearing =
        bearing < 0.0 ? bearing * kDegreesPerRadian + 360.0 : bearing * kDegreesPerRadian;
    return path;
}

}  // namespace vestrel::bench
