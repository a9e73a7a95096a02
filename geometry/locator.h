#pragma once

// Maidenhead locators and the great circle between two of them.
//
// A locator names a rectangle of the globe: a field letter pair (20° x 10°),
// a square digit pair (2° x 1°) and a subsquare letter pair (5' x 2.5').
// Three operations, always used in this order: NormalizeLocator checks the
// text, DecodeLocator turns it into the centre of its subsquare, and
// ComputePath gives the bearing and distance from one centre to another.
// Nothing is kept between calls and nothing throws: bad text is reported in
// LocatorCheck, and a path always has a finite result.

#include <string>
#include <string_view>

namespace vestrel::geometry {

// The result of checking one locator text.
struct LocatorCheck {
    std::u32string text;   // upper-cased, "LL" appended to 1-4 characters
    bool padded = false;   // "LL" was appended
    bool tooLong = false;  // longer than six characters
    bool invalid = false;  // any check failed, tooLong included
};

// A point on the globe in degrees; lat positive north, lon positive east.
struct GeoPoint {
    double lat = 0.0;
    double lon = 0.0;
};

// A great-circle path: both values are whole numbers held as doubles.
struct PathResult {
    double bearing = 0.0;   // azimuth at the start, degrees clockwise from north, 0 to 360
    double distance = 0.0;  // kilometres, 0 to 19970
};

// Maps a text to its upper-case form; supplied by the caller so that this
// library needs nothing beyond the standard library.
using UpperCaseMapping = std::u32string (*)(std::u32string_view);

// Upper-cases `text` with `upperCase`, appends "LL" to a text of one to four
// characters, and checks it: longer than six characters is tooLong; an empty
// text or a third character whose code is not that of a digit 0-9 is invalid.
// The letters and the fourth character are not checked (JN6 passes).
LocatorCheck NormalizeLocator(std::u32string_view text, UpperCaseMapping upperCase);

// The centre of the subsquare named by the first six characters of
// `normalized`, each read through CharacterCode; a missing position counts as
// code 0. Any text decodes: letters outside A-R give points beyond the poles
// or around the globe more than once, which ComputePath still accepts.
GeoPoint DecodeLocator(std::u32string_view normalized);

// Bearing and distance from `from` to `to` on a sphere of radius 6356.775 km,
// worked with the approximation 3.141592 of pi. Identical points give a short
// path due west (bearing 270), because of a small nudge of the longitude
// difference that keeps the arithmetic clear of a zero denominator.
// Any input is accepted, NaN and infinities included; the result is always
// finite, with bearing in [0, 360] and distance in [0, 19970].
PathResult ComputePath(GeoPoint from, GeoPoint to);

}  // namespace vestrel::geometry
