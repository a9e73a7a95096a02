#include "window/calculate.h"

#include <gtest/gtest.h>

#include "form_fixture.h"
#include "window/needle.h"

namespace vestrel::window {
namespace {

using FormTest = fixture::FormTest;

TEST_F(FormTest, PublishesBearingDistanceAndCoordinates) {
    Calculate(U"JN61LL", U"IO91WM");
    EXPECT_EQ(form.Text(Field::Text1), U" 323");
    EXPECT_EQ(form.Text(Field::Text6), U" 1492");
    EXPECT_EQ(form.Text(Field::Text7), U"41.4791666666667");
    EXPECT_EQ(form.Text(Field::Text2), U"-12.9583333333333");
    EXPECT_EQ(form.Text(Field::Text4), U"51.5208333333333");
    EXPECT_EQ(form.Text(Field::Text8), U"0.125");
    EXPECT_EQ(form.Caption(Label::Label6), U"IO91WM--- 1492Km--- 323\u00B0");
    EXPECT_EQ(form.Caption(Label::Label7), U"...");
    EXPECT_EQ(form.NeedleEnd(), (NeedlePoint{481, 243}));
    EXPECT_EQ(frontEnd.messageBoxes, 0);
}

TEST_F(FormTest, SameLocatorTextShowsBearingZeroAfterTheHistoryTookTheComputedOne) {
    Paste(Field::Text6, U"123");
    Calculate(U"JN61LL", U"JN61LL");
    EXPECT_EQ(form.Text(Field::Text6), U" 0");
    EXPECT_EQ(form.Text(Field::Text1), U"0");
    EXPECT_EQ(form.Caption(Label::Label7), U"JN61LL--- 0Km--- 270\u00B0");
    EXPECT_EQ(form.NeedleEnd(), (NeedlePoint{1209, 0}));
}

TEST_F(FormTest, SamePointWrittenDifferentlyKeepsTheComputedBearing) {
    Calculate(U"JN61", U"JN61LL");
    EXPECT_EQ(form.Text(Field::Text6), U" 0");
    EXPECT_EQ(form.Text(Field::Text1), U" 270");
}

TEST_F(FormTest, TooLongLocator1ShowsOneEmptyMessageBoxAndRejects) {
    Calculate(U"JN61LL", U"IO91WM");
    Calculate(U"JN61LLX", U"IO91WM");
    EXPECT_EQ(frontEnd.messageBoxes, 1);
    EXPECT_EQ(frontEnd.lastMessage, U"");
    EXPECT_EQ(form.Text(Field::Text3), U"");
    EXPECT_EQ(form.Text(Field::Text5), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
    EXPECT_EQ(form.Text(Field::Text1), U"0");
    EXPECT_EQ(form.Caption(Label::Label7), U"---??????Km--- 323\u00B0");
    EXPECT_EQ(form.NeedleEnd(), (NeedlePoint{1209, 0}));
}

TEST_F(FormTest, TooLongLocator2RejectsWithoutAMessageBox) {
    Calculate(U"JN61LL", U"JN61LLX");
    EXPECT_EQ(frontEnd.messageBoxes, 0);
    EXPECT_EQ(form.Text(Field::Text3), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
    EXPECT_EQ(form.Text(Field::Text1), U"0");
    EXPECT_EQ(form.Caption(Label::Label6), U"---??????Km---...\u00B0");
}

TEST_F(FormTest, PlaceholderInLocator1IsRejected) {
    Paste(Field::Text5, U"IO91WM");
    EXPECT_EQ(form.Text(Field::Text3), U"");
    EXPECT_EQ(form.Text(Field::Text5), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
    EXPECT_EQ(form.Text(Field::Text1), U"0");
}

TEST_F(FormTest, ThreeCharacterLocatorIsPaddedTwiceOnlyBesideAShortOne) {
    Calculate(U"JN6", U"JN61");
    EXPECT_EQ(form.Text(Field::Text7), U"68.4791666666667");
    EXPECT_EQ(form.Text(Field::Text1), U" 180");
    EXPECT_EQ(form.Text(Field::Text6), U" 2996");

    Calculate(U"JN6", U"JN61LL");
    EXPECT_EQ(form.Text(Field::Text7), U"65.3125");
}

TEST_F(FormTest, PlaceholderInLocator2ChangesNothingNotEvenTheNeedle) {
    Paste(Field::Text3, U"JN61LL");
    const State before = Snapshot();
    form.Click(Button::Command1);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(frontEnd.needleMoves, 0);
}

TEST_F(FormTest, UnchangedDistanceAddsNoEntryButUpdatesBearingAndNeedle) {
    Calculate(U"JN61LL", U"IO91WM");
    Calculate(U"IO91WM", U"JN61LL");  // the way back: the same 1492 km
    EXPECT_EQ(form.Text(Field::Text1), U" 133");
    EXPECT_EQ(form.Caption(Label::Label6), U"IO91WM--- 1492Km--- 323\u00B0");
    EXPECT_EQ(form.Caption(Label::Label7), U"...");
    EXPECT_FALSE(form.IsVisible(Label::Label7));
    EXPECT_EQ(form.NeedleEnd(), NeedleEndForBearing(U" 133"));
}

}  // namespace
}  // namespace vestrel::window
