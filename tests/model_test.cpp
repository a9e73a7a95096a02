#include "window/model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_fixture.h"

namespace vestrel::window {
namespace {

TEST(WindowModel, StartsInItsInitialState) {
    const WindowModel form;
    EXPECT_EQ(form.Text(Field::Text5), U"...");
    EXPECT_EQ(form.Text(Field::Text7), U"Text7");
    EXPECT_FALSE(form.IsVisible(Field::Text7));
    EXPECT_TRUE(form.IsVisible(Field::Text1));
    EXPECT_EQ(form.Caption(Label::Label3), U"Km");
    EXPECT_EQ(form.Caption(Label::Label5), U"Last bearing");
    EXPECT_FALSE(form.IsVisible(Label::Label5));
    EXPECT_FALSE(form.IsVisible(Label::Label9));
    EXPECT_EQ(form.Caption(Button::Command1), U"Calculate");
    EXPECT_FALSE(form.IsVisible(Button::Command3));
    EXPECT_EQ(form.NeedleStart(), (NeedlePoint{1210, 1210}));
    EXPECT_EQ(form.NeedleEnd(), (NeedlePoint{1210, 0}));
    EXPECT_EQ(ControlName(Field::Text5), "Text5");
    EXPECT_EQ(ControlName(Label::Label9), "Label9");
    EXPECT_EQ(ControlName(Button::Command3), "Command3");
}

// Records the order in which handlers run, to show that they nest.
std::vector<std::string> trace;

void RecordText6(WindowModel&) {
    trace.emplace_back("Text6");
}

void SetText6FromText3(WindowModel& form) {
    trace.emplace_back("Text3 begins");
    form.SetText(Field::Text6, form.Text(Field::Text3));
    trace.emplace_back("Text3 ends");
}

class ChangeNotification : public testing::Test {
protected:
    ChangeNotification() {
        trace.clear();
        form.ConnectChange(Field::Text6, RecordText6);
        form.ConnectChange(Field::Text3, SetText6FromText3);
    }
    WindowModel form;
};

TEST_F(ChangeNotification, RunsOnlyWhenTheTextReallyChanges) {
    form.SetText(Field::Text6, U"12");
    form.SetText(Field::Text6, U"12");
    EXPECT_EQ(trace, std::vector<std::string>{"Text6"});
}

TEST_F(ChangeNotification, RunsInsideTheSetterSoHandlersNest) {
    form.Edit(Field::Text3, U"A", 1);
    EXPECT_EQ(trace, (std::vector<std::string>{"Text3 begins", "Text6", "Text3 ends"}));
}

TEST_F(ChangeNotification, UserEditKeepsTheCaretAndProgramSetResetsIt) {
    form.Edit(Field::Text3, U"ABCD", 2);
    EXPECT_EQ(form.Caret(Field::Text3), 2U);
    form.SetText(Field::Text3, U"XY");
    EXPECT_EQ(form.Caret(Field::Text3), 0U);
    form.SetCaret(Field::Text3, 99);
    EXPECT_EQ(form.Caret(Field::Text3), 2U);
}

using FormTest = fixture::FormTest;

TEST_F(FormTest, ExitClosesTheWindowWhateverTheFields) {
    Paste(Field::Text3, U"JN61LLX");
    form.Click(Button::Command2);
    EXPECT_EQ(frontEnd.closes, 1);
    EXPECT_EQ(frontEnd.messageBoxes, 0);
}

TEST_F(FormTest, FrontEndHearsOfEveryChange) {
    Calculate(U"JN61LL", U"IO91WM");
    EXPECT_EQ(frontEnd.fieldChanges[Index(Field::Text1)], 1);
    EXPECT_EQ(frontEnd.fieldChanges[Index(Field::Text7)], 1);
    EXPECT_EQ(frontEnd.needleMoves, 1);
}

}  // namespace
}  // namespace vestrel::window
