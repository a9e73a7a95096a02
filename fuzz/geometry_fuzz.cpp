// Any text, and any pair of points, through the locator arithmetic. Checks
// what geometry/locator.h promises for every input: the check's verdicts, a
// decoding that reads only six characters, and a path whose bearing and
// distance are whole numbers within their ranges, NaN and infinities in.
//
// Input: a first byte; odd: four doubles follow (latitude and longitude of
// the start, then of the end; eight bytes each, as in memory); even: two
// locator texts follow, each ended by a line feed byte (see byte_reader.h for
// how bytes become code points).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "byte_reader.h"
#include "geometry/character_code.h"
#include "geometry/locator.h"
#include "require.h"
#include "window/text_case.h"

namespace vestrel::fuzz {
namespace {

using geometry::GeoPoint;

constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::size_t kDecodedLength = 6;
constexpr std::size_t kLongestPadded = 4;
constexpr int kHighestCode = 255;
constexpr double kLongestPathKm = 19970.0;
constexpr double kFullTurnDegrees = 360.0;

bool IsWhole(double v) {
    return std::isfinite(v) && std::floor(v) == v;
}

void CheckPath(GeoPoint from, GeoPoint to) {
    const geometry::PathResult path = geometry::ComputePath(from, to);
    Require(IsWhole(path.bearing), "the bearing is a finite whole number");
    Require(path.bearing >= 0.0 && path.bearing <= kFullTurnDegrees, "the bearing is 0 to 360");
    Require(IsWhole(path.distance), "the distance is a finite whole number");
    Require(path.distance >= 0.0 && path.distance <= kLongestPathKm, "the distance is 0 to 19970");
}

bool IsDigitCode(char32_t c) {
    const int code = geometry::CharacterCode(c);
    return code >= '0' && code <= '9';
}

geometry::LocatorCheck CheckNormalize(const std::u32string& text) {
    const geometry::LocatorCheck check = geometry::NormalizeLocator(text, window::UpperCase);
    const std::size_t n = text.size();
    const std::u32string upper = window::UpperCase(text);
    Require(upper.size() == n, "upper-casing keeps the length");
    Require(check.padded == (n >= 1 && n <= kLongestPadded), "LL is added to 1-4 characters");
    Require(check.text == (check.padded ? upper + U"LL" : upper), "the text is upper-cased");
    Require(check.tooLong == (n > kDecodedLength), "tooLong is more than six characters");
    const bool thirdIsDigit = check.text.size() >= 3 && IsDigitCode(check.text[2]);
    Require(check.invalid == (check.tooLong || !thirdIsDigit),
            "invalid is tooLong, empty, or a third character that is no digit");
    return check;
}

GeoPoint CheckDecode(const std::u32string& normalized) {
    for (const char32_t c : normalized) {
        const int code = geometry::CharacterCode(c);
        Require(code >= 0 && code <= kHighestCode, "a character code is one byte");
    }
    const GeoPoint point = geometry::DecodeLocator(normalized);
    Require(std::isfinite(point.lat) && std::isfinite(point.lon), "a decoded centre is finite");
    const GeoPoint firstSix = geometry::DecodeLocator(normalized.substr(0, kDecodedLength));
    Require(point.lat == firstSix.lat && point.lon == firstSix.lon,
            "decoding reads the first six characters only");
    return point;
}

void FuzzLocators(ByteReader& reader) {
    constexpr std::size_t kAnyLength = std::numeric_limits<std::size_t>::max();
    const std::u32string text1 = reader.Text(kLineFeed, kAnyLength);
    const std::u32string text2 = reader.Text(kLineFeed, kAnyLength);
    const GeoPoint from = CheckDecode(CheckNormalize(text1).text);
    const GeoPoint to = CheckDecode(CheckNormalize(text2).text);
    CheckPath(from, to);
}

void FuzzPoints(ByteReader& reader) {
    GeoPoint from;
    from.lat = reader.Double();
    from.lon = reader.Double();
    GeoPoint to;
    to.lat = reader.Double();
    to.lon = reader.Double();
    CheckPath(from, to);
}

}  // namespace
}  // namespace vestrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vestrel::fuzz::ByteReader reader(data, size);
    if ((reader.Byte() & 1U) != 0) {
        vestrel::fuzz::FuzzPoints(reader);
    } else {
        vestrel::fuzz::FuzzLocators(reader);
    }
    return 0;
}
