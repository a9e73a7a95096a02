#include "geometry/locator.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "geometry/character_code.h"

namespace vestrel::geometry {
namespace {

// The path arithmetic uses this approximation of pi throughout, so that the
// published bearings and distances come out to the kilometre.
constexpr double kPi = 3.141592;
constexpr double kRadiansPerDegree = kPi / 180.0;
constexpr double kEarthRadiusKm = 6356.775;

constexpr double kLongitudeSignThreshold = 0.0001;  // degrees
constexpr double kLongitudeNudge = 0.0001;          // radians
constexpr double kEquatorLatitudeNudge = 0.00001;   // degrees
constexpr double kSouthLimit = -0.9999999;          // cosine of a bearing taken as due south

constexpr std::size_t kDecodedLength = 6;
constexpr int kCodeZero = 48;  // '0'
constexpr int kCodeNine = 57;  // '9'

// -1, 0 or +1; NaN counts as 0 so that it never picks a branch.
double Sgn(double v) {
    if (v > 0.0) {
        return 1.0;
    }
    if (v < 0.0) {
        return -1.0;
    }
    return 0.0;
}

// Arccosine built from the arctangent: atan(sqrt(1 - v^2) / v), moved into
// [0, pi] for negative v. Empty where the square root would take a negative
// number (|v| > 1, or v NaN). At v = 0 the quotient has no value; the
// arccosine's own value there, pi/2, is returned.
std::optional<double> ArcCosine(double v) {
    if (v == 0.0) {
        return kPi / 2.0;
    }
    const double radicand = 1.0 - v * v;
    if (!(radicand >= 0.0)) {
        return std::nullopt;
    }
    return std::atan(std::sqrt(radicand) / v) + (1.0 - Sgn(v)) * kPi / 2.0;
}

// East longitude in radians, in [0, 2 pi) for every decoded centre, from a
// west-positive longitude in degrees.
double EastLongitudeRadians(double westLongitude) {
    const double turn = (Sgn(westLongitude - kLongitudeSignThreshold) + 1.0) * 180.0;
    return (turn - westLongitude) * kRadiansPerDegree;
}

int CodeAt(std::u32string_view text, std::size_t position) {
    return position < text.size() ? CharacterCode(text[position]) : 0;
}

}  // namespace

LocatorCheck NormalizeLocator(std::u32string_view text, UpperCaseMapping upperCase) {
    LocatorCheck check;
    check.text = upperCase(text);
    if (!check.text.empty() && check.text.size() <= 4) {
        check.text += U"LL";
        check.padded = true;
    }
    if (check.text.size() > kDecodedLength) {
        check.tooLong = true;
        check.invalid = true;
    }
    if (check.text.size() < 3) {
        check.invalid = true;
    } else {
        const int squareDigit = CharacterCode(check.text[2]);
        if (squareDigit < kCodeZero || squareDigit > kCodeNine) {
            check.invalid = true;
        }
    }
    return check;
}

GeoPoint DecodeLocator(std::u32string_view normalized) {
    double code[kDecodedLength];
    for (std::size_t i = 0; i < kDecodedLength; ++i) {
        code[i] = CodeAt(normalized, i);
    }
    GeoPoint point;
    point.lon = (code[0] - 65.0) * 20.0 - 180.0 + (code[2] - 48.0) * 2.0 + (code[4] - 64.5) / 12.0;
    point.lat = (code[1] - 65.0) * 10.0 - 90.0 + (code[3] - 48.0) + (code[5] - 64.5) / 24.0;
    return point;
}

PathResult ComputePath(GeoPoint from, GeoPoint to) {
    const double westLon1 = -from.lon;
    const double westLon2 = -to.lon;
    double lat1 = from.lat;
    if (from.lat == 0.0 && to.lat == 0.0) {
        lat1 += kEquatorLatitudeNudge;
    }

    const double lambda1 = EastLongitudeRadians(westLon1);
    const double lambda2 = EastLongitudeRadians(westLon2);
    const double phi1 = lat1 * kRadiansPerDegree;
    const double phi2 = to.lat * kRadiansPerDegree;

    double dLambda = lambda1 - lambda2 + kLongitudeNudge;
    dLambda += (1.0 - Sgn(dLambda)) * kPi;

    // Each sine and cosine once: the library calls are the bulk of the work.
    const double sinPhi1 = std::sin(phi1);
    const double sinPhi2 = std::sin(phi2);
    const double cosPhi1 = std::cos(phi1);

    // Spherical law of cosines for the central angle s12 / R.
    const double cosCentral = sinPhi1 * sinPhi2 + cosPhi1 * std::cos(phi2) * std::cos(dLambda);
    const double central = ArcCosine(cosCentral).value_or(0.0);

    // Cosine of the initial azimuth; infinite or NaN when sin(central) is 0.
    const double cosAzimuth = (sinPhi2 - cosCentral * sinPhi1) / std::sin(central) / cosPhi1;
    double azimuth = 0.0;
    if (cosAzimuth < kSouthLimit) {
        azimuth = kPi;
    } else {
        // A cosine above 1 (rounding, or an infinite quotient at a zero-length
        // path) takes the arccosine's limit 0; a NaN quotient has no direction
        // and takes the same.
        azimuth = ArcCosine(cosAzimuth).value_or(0.0);
    }
    // Westward paths (dLambda below pi) turn negative, then move up by a full turn;
    // an azimuth of exactly 0 (antipodal, or dLambda exactly pi) becomes due south.
    azimuth *= Sgn(dLambda - kPi) * Sgn(kPi - central);
    azimuth += (1.0 - Sgn(azimuth)) * kPi;

    PathResult path;
    path.bearing = std::floor(azimuth / kRadiansPerDegree + 0.5);
    path.distance = std::floor(central * kEarthRadiusKm + 0.5);
    return path;
}

}  // namespace vestrel::geometry
