#include "window_invariants.h"

#include <optional>
#include <string_view>

#include "require.h"
#include "window/needle.h"
#include "window/text_case.h"

namespace vestrel::fuzz {

using window::Field;
using window::Label;
using window::WindowModel;

namespace {

constexpr std::u32string_view kPlaceholder = U"...";
constexpr std::u32string_view kRejected = U"??????";
constexpr std::u32string_view kSameLocatorBearing = U"0";
constexpr int kDialSize = 2475;  // twips, the dial's inner area on both axes
constexpr unsigned kLongestBearing = 360;
constexpr unsigned kLongestDistance = 19970;
constexpr std::size_t kLongestLocator = 6;
constexpr std::size_t kRingStartsMarking = 3;

constexpr std::array<Field, 4> kUserFields{Field::Text1, Field::Text3, Field::Text5, Field::Text6};
constexpr std::array<Label, 4> kSlots{Label::Label6, Label::Label7, Label::Label8, Label::Label9};

// " 0" to " <highest>": a blank, then decimal digits without a leading zero.
bool IsSignedNumberUpTo(std::u32string_view text, unsigned highest) {
    if (text.size() < 2 || text.size() > 7 || text[0] != U' ') {
        return false;
    }
    const std::u32string_view digits = text.substr(1);
    if (digits.size() > 1 && digits[0] == U'0') {
        return false;
    }
    unsigned value = 0;
    for (const char32_t c : digits) {
        if (c < U'0' || c > U'9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - U'0');
    }
    return value <= highest;
}

void CheckHistory(const WindowModel& form, std::size_t entries) {
    Require(form.IsVisible(Label::Label5) == (entries > 0),
            "the history header appears with the first entry and stays");
    std::size_t markers = 0;
    for (std::size_t slot = 0; slot < kSlots.size(); ++slot) {
        Require(form.IsVisible(kSlots[slot]) == (entries > slot),
                "a history slot appears with its first entry and stays");
        if (form.Caption(kSlots[slot]) == kPlaceholder) {
            ++markers;
        }
    }
    if (entries >= kRingStartsMarking) {
        Require(markers == 1, "from the third entry on, exactly one history slot holds ...");
        Require(form.Caption(kSlots[entries % kSlots.size()]) == kPlaceholder,
                "the slot marked ... is the one the next entry takes");
    }
}

}  // namespace

WindowSnapshot WindowSnapshot::Of(const WindowModel& form) {
    WindowSnapshot s;
    for (std::size_t i = 0; i < window::kFieldCount; ++i) {
        s.texts[i] = form.Text(static_cast<Field>(i));
    }
    for (std::size_t i = 0; i < window::kLabelCount; ++i) {
        s.captions[i] = form.Caption(static_cast<Label>(i));
        s.visible[i] = form.IsVisible(static_cast<Label>(i));
    }
    s.needleEnd = form.NeedleEnd();
    return s;
}

void CheckAlways(const WindowModel& form, const WatchingFrontEnd& watcher) {
    const window::NeedlePoint end = form.NeedleEnd();
    Require(end.x >= 0 && end.x <= kDialSize && end.y >= 0 && end.y <= kDialSize,
            "the needle ends on the dial");
    for (std::size_t i = 0; i < window::kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        Require(form.Caret(field) <= form.Text(field).size(), "a caret lies within its text");
    }
    for (const Field field : kUserFields) {
        Require(form.IsVisible(field), "the user's fields stay visible");
    }
    for (const Field locator : {Field::Text3, Field::Text5}) {
        Require(window::UpperCase(form.Text(locator)) == form.Text(locator),
                "a locator field holds upper-case text");
    }
    CheckHistory(form, watcher.historyEntries);
    Require(watcher.messagesWithText == 0, "the only message box is an empty one");
    Require(watcher.closes == 0, "the window stays open until Exit");
}

void CheckAfterCalculate(const WindowModel& form, const WatchingFrontEnd& watcher,
                         const BeforeClick& before) {
    const std::u32string& locator2Before = before.window.texts[window::Index(Field::Text5)];
    if (locator2Before == kPlaceholder) {
        Require(WindowSnapshot::Of(form) == before.window &&
                    watcher.notifications == before.notifications,
                "Calculate does nothing while Locator 2 holds ...");
        return;
    }
    const std::u32string& bearing = form.Text(Field::Text1);
    const std::u32string& distance = form.Text(Field::Text6);
    Require(IsSignedNumberUpTo(bearing, kLongestBearing) || bearing == kSameLocatorBearing ||
                bearing == kRejected,
            "the bearing reads \" 0\" to \" 360\", \"0\" or \"??????\"");
    Require(IsSignedNumberUpTo(distance, kLongestDistance) || distance == kRejected,
            "the distance reads \" 0\" to \" 19970\" or \"??????\"");
    if (distance == kRejected) {
        Require(form.Text(Field::Text3).empty() && form.Text(Field::Text5).empty(),
                "bad input clears both locator fields");
    }
    if (form.Text(Field::Text3) == form.Text(Field::Text5)) {
        Require(bearing == kSameLocatorBearing, "the same text in both locators reads bearing 0");
    }
    const bool tooLong = before.window.texts[window::Index(Field::Text3)].size() > kLongestLocator;
    Require(watcher.messageBoxes - before.messageBoxes == (tooLong ? 1U : 0U),
            "a message box comes exactly with a too-long Locator 1");
    const std::optional<window::NeedlePoint> needle = window::NeedleEndForBearing(bearing);
    Require(needle.has_value() && *needle == form.NeedleEnd(),
            "the needle points to the published bearing");
}

}  // namespace vestrel::fuzz
