#include "window/history.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "form_fixture.h"

namespace vestrel::window {
namespace {

using FormTest = fixture::FormTest;

constexpr std::array<Label, 4> kSlots{Label::Label6, Label::Label7, Label::Label8, Label::Label9};

// Each typed distance writes "<Text5>---<Text6>Km---<Text1>°"; with both still
// at their placeholders, entry n reads "...---nKm---...°".
std::u32string Digit(std::size_t n) {
    return std::u32string(1, static_cast<char32_t>(U'0' + n));
}
std::u32string Entry(std::size_t n) {
    return U"...---" + Digit(n) + U"Km---...\u00B0";
}

TEST_F(FormTest, HistoryRingThroughEightEntries) {
    const std::u32string m = U"...";
    const std::array<std::array<std::u32string, 4>, 8> expected{{
        {Entry(1), m, m, m},
        {Entry(1), Entry(2), m, m},
        {Entry(1), Entry(2), Entry(3), m},
        {m, Entry(2), Entry(3), Entry(4)},
        {Entry(5), m, Entry(3), Entry(4)},
        {Entry(5), Entry(6), m, Entry(4)},
        {Entry(5), Entry(6), Entry(7), m},
        {m, Entry(6), Entry(7), Entry(8)},
    }};
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        Paste(Field::Text6, Digit(n));
        for (std::size_t slot = 0; slot < kSlots.size(); ++slot) {
            EXPECT_EQ(form.Caption(kSlots[slot]), expected[n - 1][slot])
                << "entry " << n << ", slot " << slot;
        }
    }
}

TEST_F(FormTest, SlotsAppearWithTheirFirstEntryAndStay) {
    Paste(Field::Text6, U"1");
    EXPECT_TRUE(form.IsVisible(Label::Label5));
    EXPECT_TRUE(form.IsVisible(Label::Label6));
    EXPECT_FALSE(form.IsVisible(Label::Label7));
    Paste(Field::Text6, U"2");
    Paste(Field::Text6, U"3");
    EXPECT_FALSE(form.IsVisible(Label::Label9));
    Paste(Field::Text6, U"4");  // Label6 now holds the marker, and stays visible
    for (const Label slot : kSlots) {
        EXPECT_TRUE(form.IsVisible(slot));
    }
}

TEST_F(FormTest, TypingOverTheDistanceWritesAnEntryPerKeystroke) {
    form.Edit(Field::Text6, U"1", 1);  // the first key replaces the selected text
    Type(Field::Text6, U"2");
    EXPECT_EQ(form.Caption(Label::Label6), U"...---1Km---...\u00B0");
    EXPECT_EQ(form.Caption(Label::Label7), U"...---12Km---...\u00B0");
}

}  // namespace
}  // namespace vestrel::window
