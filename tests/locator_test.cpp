#include "geometry/locator.h"

#include <gtest/gtest.h>

#include "print_text.h"

#include <cmath>
#include <limits>
#include <string>

namespace vestrel::geometry {
namespace {

// The geometry takes its case mapping from the caller; these tests need
// nothing beyond ASCII, so a plain mapping keeps them free of the window layer.
std::u32string AsciiUpperCase(std::u32string_view text) {
    std::u32string upper(text);
    for (char32_t& c : upper) {
        if (c >= U'a' && c <= U'z') {
            c = c - U'a' + U'A';
        }
    }
    return upper;
}

PathResult PathBetween(std::u32string_view from, std::u32string_view to) {
    LocatorCheck check1 = NormalizeLocator(from, AsciiUpperCase);
    LocatorCheck check2 = NormalizeLocator(to, AsciiUpperCase);
    EXPECT_FALSE(check1.invalid);
    EXPECT_FALSE(check2.invalid);
    return ComputePath(DecodeLocator(check1.text), DecodeLocator(check2.text));
}

struct PathCase {
    const char32_t* from;
    const char32_t* to;
    double bearing;
    double distance;
};
void PrintTo(const PathCase& c, std::ostream* out) {
    test_output::WriteText(c.from, *out);
    *out << " to ";
    test_output::WriteText(c.to, *out);
}

class KnownPaths : public testing::TestWithParam<PathCase> {};

TEST_P(KnownPaths, GiveBearingAndDistance) {
    const PathCase& c = GetParam();
    const PathResult path = PathBetween(c.from, c.to);
    EXPECT_EQ(path.bearing, c.bearing);
    EXPECT_EQ(path.distance, c.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Locators, KnownPaths,
    testing::Values(
        // Due north reads 360, not 0: the longitude nudge puts it just west of north.
        PathCase{U"JN61", U"JN62", 360, 111}, PathCase{U"JN61LL", U"IO91WM", 323, 1492},
        PathCase{U"IO91WM", U"JN61LL", 133, 1492},
        // Straight south: the cosine of the bearing falls below the south limit.
        PathCase{U"JO01AA", U"JN01AA", 180, 1109}, PathCase{U"AA00AA", U"RR99XX", 358, 19966},
        PathCase{U"JN61LL", U"JN51LL", 271, 167}, PathCase{U"JN61", U"JN71", 89, 166},
        // Identical points: a short path due west, 0 or 1 km by latitude.
        PathCase{U"JN61LL", U"JN61LL", 270, 0}, PathCase{U"JM78AD", U"JM78AD", 270, 0},
        PathCase{U"JM78AC", U"JM78AC", 270, 1}, PathCase{U"JJ00AA", U"JJ00AA", 270, 1},
        PathCase{U"JN61", U"JN61LL", 270, 0}));

struct NormalizeCase {
    const char32_t* text;
    const char32_t* normalized;
    bool padded;
    bool tooLong;
    bool invalid;
};
void PrintTo(const NormalizeCase& c, std::ostream* out) {
    test_output::WriteText(c.text, *out);
}

class Normalization : public testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalization, UpperCasesPadsAndChecks) {
    const NormalizeCase& c = GetParam();
    const LocatorCheck check = NormalizeLocator(c.text, AsciiUpperCase);
    EXPECT_EQ(check.text, c.normalized);
    EXPECT_EQ(check.padded, c.padded);
    EXPECT_EQ(check.tooLong, c.tooLong);
    EXPECT_EQ(check.invalid, c.invalid);
}

INSTANTIATE_TEST_SUITE_P(Texts, Normalization,
                         testing::Values(NormalizeCase{U"jn61", U"JN61LL", true, false, false},
                                         NormalizeCase{U"JN61LL", U"JN61LL", false, false, false},
                                         NormalizeCase{U"JN61LLX", U"JN61LLX", false, true, true},
                                         NormalizeCase{U"JNX1", U"JNX1LL", true, false, true},
                                         NormalizeCase{U"", U"", false, false, true},
                                         // Only the third character is checked.
                                         NormalizeCase{U"JN6", U"JN6LL", true, false, false},
                                         NormalizeCase{U"J", U"JLL", true, false, true},
                                         NormalizeCase{U"JN.1", U"JN.1LL", true, false, true},
                                         NormalizeCase{U"JN/1", U"JN/1LL", true, false, true},
                                         NormalizeCase{U"JN61L", U"JN61L", false, false, false},
                                         NormalizeCase{U"...", U"...LL", true, false, true},
                                         // A digit beyond ASCII is no square digit.
                                         NormalizeCase{U"JN\u0661\u0661", U"JN\u0661\u0661LL", true,
                                                       false, true}));

TEST(Normalization, UsesTheSuppliedCaseMapping) {
    const auto reverseCase = [](std::u32string_view) { return std::u32string(U"ZZ9"); };
    EXPECT_EQ(NormalizeLocator(U"anything long", reverseCase).text, U"ZZ9LL");
}

struct DecodeCase {
    const char32_t* text;
    double lat;
    double lon;
};
void PrintTo(const DecodeCase& c, std::ostream* out) {
    test_output::WriteText(c.text, *out);
}

class Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, GivesTheSubsquareCentre) {
    const DecodeCase& c = GetParam();
    const GeoPoint point = DecodeLocator(c.text);
    EXPECT_DOUBLE_EQ(point.lat, c.lat);
    EXPECT_DOUBLE_EQ(point.lon, c.lon);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Decoding,
    testing::Values(DecodeCase{U"JN61LL", 41.0 + 11.5 / 24, 12.0 + 11.5 / 12},
                    DecodeCase{U"IO91WM", 51.0 + 12.5 / 24, -0.125},
                    // A missing sixth position counts as code 0: south of its own square.
                    DecodeCase{U"JN61L", 38.3125, 12.0 + 11.5 / 12},
                    DecodeCase{U"JN6LL", 65.3125, 12.0 + 11.5 / 12},
                    DecodeCase{U"JN6LLLL", 68.0 + 11.5 / 24, 12.0 + 11.5 / 12},
                    // Beyond ASCII: Windows-1252 codes (Ä is 196), '?' (63) otherwise.
                    DecodeCase{U"J\u00C461LL", 1221.0 + 11.5 / 24, 12.0 + 11.5 / 12},
                    DecodeCase{U"J\u044F61LL", -109.0 + 11.5 / 24, 12.0 + 11.5 / 12}));

// Points whose path arithmetic divides by an exact zero: the arccosine's
// value pi/2 stands where the arctangent's quotient has none.
TEST(PathAtExactZero, QuarterCircleKeepsItsLength) {
    // The cosine of the central angle comes out as exactly 0 here.
    const PathResult path = ComputePath({45.0, 0.0}, {-45.0, -0.059777812035153206});
    EXPECT_EQ(path.distance, 9985);  // a quarter of the circumference, not 0
    EXPECT_EQ(path.bearing, 180);
}

TEST(PathAtExactZero, DueEastReadsNinetyNotSouth) {
    // The cosine of the bearing comes out as exactly 0 here.
    const PathResult path = ComputePath({40.0, 0.0}, {39.569176531742499, 10.0});
    EXPECT_EQ(path.bearing, 90);
    EXPECT_EQ(path.distance, 853);
}

TEST(PathEdges, EquatorPointsGetTheLatitudeNudge) {
    const PathResult path = ComputePath({0.0, 0.0}, {0.0, 10.0});
    EXPECT_EQ(path.distance, 1109);
    EXPECT_EQ(path.bearing, 90);
}

TEST(PathEdges, AnyInputGivesAFiniteResultInRange) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const GeoPoint odd[] = {{kNaN, 0},       {0, kNaN}, {kInf, 0},  {0, -kInf}, {-kInf, kInf},
                            {1e308, -1e308}, {90, 0},   {-90, 180}, {0, 0}};
    for (const GeoPoint& a : odd) {
        for (const GeoPoint& b : odd) {
            const PathResult path = ComputePath(a, b);
            EXPECT_TRUE(path.bearing >= 0 && path.bearing <= 360) << a.lat << "," << a.lon;
            EXPECT_TRUE(path.distance >= 0 && path.distance <= 19970) << b.lat << "," << b.lon;
        }
    }
}

}  // namespace
}  // namespace vestrel::geometry
