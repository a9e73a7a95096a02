#include "window/needle.h"

#include <gtest/gtest.h>

#include "print_text.h"

namespace vestrel::window {
namespace {

struct NeedleCase {
    const char32_t* bearingText;
    NeedlePoint end;
};
void PrintTo(const NeedleCase& c, std::ostream* out) {
    test_output::WriteText(c.bearingText, *out);
}

class NeedleEnd : public testing::TestWithParam<NeedleCase> {};

TEST_P(NeedleEnd, PointsAlongTheBearing) {
    const NeedleCase& c = GetParam();
    EXPECT_EQ(NeedleEndForBearing(c.bearingText), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Bearings, NeedleEnd,
    testing::Values(NeedleCase{U"0", {1209, 0}}, NeedleCase{U" 45", {2065, 354}},
                    NeedleCase{U" 90", {2420, 1210}}, NeedleCase{U" 180", {1209, 2419}},
                    NeedleCase{U" 270", {0, 1209}},
                    // The angle's single-precision rounding decides this one: (162, 605)
                    // with an extended-precision or single-precision product.
                    NeedleCase{U" 300", {162, 604}}, NeedleCase{U" 323", {481, 243}},
                    NeedleCase{U" 360", {1210, 0}},
                    // Text that is no number reads as 0: straight up.
                    NeedleCase{U"??????", {1209, 0}}, NeedleCase{U"...", {1209, 0}}));

TEST(NeedleEnd, BearingsBeyondTheAngleRangeLeaveTheNeedle) {
    EXPECT_FALSE(NeedleEndForBearing(U"32858"));
    EXPECT_TRUE(NeedleEndForBearing(U"32857"));
    EXPECT_FALSE(NeedleEndForBearing(U"-32679"));
    EXPECT_FALSE(NeedleEndForBearing(U"1e999"));
}

}  // namespace
}  // namespace vestrel::window
