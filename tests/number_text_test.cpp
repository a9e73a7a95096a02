#include "window/number_text.h"

#include <gtest/gtest.h>

#include "print_text.h"

#include <cmath>

namespace vestrel::window {
namespace {

TEST(NumberText, SignedTextLeadsWithBlankOrMinus) {
    EXPECT_EQ(SignedNumberText(1492), U" 1492");
    EXPECT_EQ(SignedNumberText(0), U" 0");
    EXPECT_EQ(SignedNumberText(-0.0), U" 0");
    EXPECT_EQ(SignedNumberText(360), U" 360");
    EXPECT_EQ(SignedNumberText(-7), U"-7");
    EXPECT_EQ(SignedNumberText(1e20), U" 100000000000000000000");
}

TEST(NumberText, PlainTextIsShortestUpToFifteenDigits) {
    EXPECT_EQ(PlainNumberText(41.0 + 11.5 / 24), U"41.4791666666667");
    EXPECT_EQ(PlainNumberText(-(12.0 + 11.5 / 12)), U"-12.9583333333333");
    EXPECT_EQ(PlainNumberText(0.125), U"0.125");
    EXPECT_EQ(PlainNumberText(65.3125), U"65.3125");
    EXPECT_EQ(PlainNumberText(-1480), U"-1480");
    EXPECT_EQ(PlainNumberText(-0.0), U"0");
}

struct ValueCase {
    const char32_t* text;
    double value;
};
void PrintTo(const ValueCase& c, std::ostream* out) {
    test_output::WriteText(c.text, *out);
}

class LeadingNumber : public testing::TestWithParam<ValueCase> {};

TEST_P(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
    EXPECT_EQ(LeadingNumberValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(ValueCase{U" 323", 323}, ValueCase{U"0", 0}, ValueCase{U"??????", 0},
                    ValueCase{U"", 0}, ValueCase{U"   ", 0}, ValueCase{U"12abc", 12},
                    ValueCase{U"-4.5e2x", -450}, ValueCase{U"+7", 7}, ValueCase{U".5", 0.5},
                    ValueCase{U"3.", 3}, ValueCase{U".", 0}, ValueCase{U"-", 0},
                    ValueCase{U"1e", 1}, ValueCase{U"2e+", 2}, ValueCase{U"1e-400", 0},
                    ValueCase{U"1e999", HUGE_VAL}, ValueCase{U"-1e999", -HUGE_VAL},
                    ValueCase{U"\u0661\u0662", 0}));

}  // namespace
}  // namespace vestrel::window
