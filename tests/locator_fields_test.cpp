#include "window/locator_fields.h"

#include <gtest/gtest.h>

#include "form_fixture.h"

namespace vestrel::window {
namespace {

using FormTest = fixture::FormTest;

TEST_F(FormTest, TypedLettersBecomeCapitalsWithTheCaretAtTheEnd) {
    Retype(Field::Text3, U"jn61");
    EXPECT_EQ(form.Text(Field::Text3), U"JN61");
    EXPECT_EQ(form.Caret(Field::Text3), 4U);

    // Typing into the middle still leaves the caret at the end.
    form.SetCaret(Field::Text3, 2);
    Type(Field::Text3, U"x");
    EXPECT_EQ(form.Text(Field::Text3), U"JNX61");
    EXPECT_EQ(form.Caret(Field::Text3), 5U);
}

TEST_F(FormTest, SixthCharacterOfLocator2Calculates) {
    Retype(Field::Text3, U"JN61LL");
    Retype(Field::Text5, U"io91wm");
    EXPECT_EQ(form.Text(Field::Text5), U"IO91WM");
    EXPECT_EQ(form.Caret(Field::Text5), 6U);
    EXPECT_EQ(form.Text(Field::Text1), U" 323");
    EXPECT_EQ(form.Caption(Label::Label6), U"IO91WM--- 1492Km--- 323\u00B0");
    EXPECT_EQ(form.Caption(Label::Label7), U"...");
}

// A lower-case sixth character changes the text twice: the nested change
// calculates, then the outer one calculates again. For two identical
// locators the bearing field visibly passes through the computed bearing
// and back to "0" on each run, while the history gains a single entry.
TEST_F(FormTest, LowerCaseSixthCharacterCalculatesTwiceWithOneEntry) {
    Retype(Field::Text3, U"JN61LL");
    Retype(Field::Text5, U"JN61L");
    const int before = frontEnd.fieldChanges[Index(Field::Text1)];
    Type(Field::Text5, U"l");
    EXPECT_EQ(frontEnd.fieldChanges[Index(Field::Text1)] - before, 4);  // 270, 0, 270, 0
    EXPECT_EQ(form.Text(Field::Text1), U"0");
    EXPECT_EQ(form.Caption(Label::Label6), U"JN61LL--- 0Km--- 270\u00B0");
    EXPECT_FALSE(form.IsVisible(Label::Label7));
}

TEST_F(FormTest, UpperCaseSixthCharacterCalculatesOnce) {
    Retype(Field::Text3, U"JN61LL");
    Retype(Field::Text5, U"JN61L");
    const int before = frontEnd.fieldChanges[Index(Field::Text1)];
    Type(Field::Text5, U"L");
    EXPECT_EQ(frontEnd.fieldChanges[Index(Field::Text1)] - before, 2);  // 270, 0
}

TEST_F(FormTest, RejectionInTheNestedRunStopsTheOuterRun) {
    Retype(Field::Text3, U"JN61LLX");
    Retype(Field::Text5, U"io91w");
    Type(Field::Text5, U"m");
    EXPECT_EQ(frontEnd.messageBoxes, 1);
    EXPECT_EQ(form.Text(Field::Text5), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
}

TEST_F(FormTest, TypingAfterThePlaceholderIsRejectedAtSixCharacters) {
    Retype(Field::Text3, U"JN61LL");
    form.SetCaret(Field::Text5, 3);  // clicked after the placeholder, not selecting it
    Type(Field::Text5, U"jn6");
    EXPECT_EQ(form.Text(Field::Text5), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
}

TEST_F(FormTest, SixCharactersInLocator1DoNotCalculate) {
    Retype(Field::Text5, U"JN61");
    Retype(Field::Text3, U"IO91WM");
    EXPECT_EQ(form.Text(Field::Text6), U"...");
}

TEST_F(FormTest, OnlyExactlySixCharactersCalculate) {
    Retype(Field::Text3, U"JN61LL");
    Paste(Field::Text5, U"io91wmx");
    EXPECT_EQ(form.Text(Field::Text6), U"...");
    // Deleting the last character leaves six: that calculates.
    form.Edit(Field::Text5, U"IO91WM", 6);
    EXPECT_EQ(form.Text(Field::Text6), U" 1492");
}

TEST_F(FormTest, CharactersCountAsCodePointsInAnyAlphabet) {
    Retype(Field::Text3, U"JN61LL");
    Retype(Field::Text5, U"\u044F\u044F\U0001F4E1\u044F\u044F");
    EXPECT_EQ(form.Text(Field::Text5), U"\u042F\u042F\U0001F4E1\u042F\u042F");
    EXPECT_EQ(form.Caret(Field::Text5), 5U);
    Type(Field::Text5, U"\u00E4");  // the sixth character: calculates, and is rejected
    EXPECT_EQ(form.Text(Field::Text5), U"");
    EXPECT_EQ(form.Text(Field::Text6), U"??????");
}

}  // namespace
}  // namespace vestrel::window
