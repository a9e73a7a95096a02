#pragma once

// What must hold of the window after every user action, and after every
// click of Calculate, by the promises of window/*.h.

#include <array>
#include <cstddef>
#include <string>

#include "watching_front_end.h"
#include "window/model.h"

namespace vestrel::fuzz {

// Everything the window shows.
struct WindowSnapshot {
    std::array<std::u32string, window::kFieldCount> texts;
    std::array<std::u32string, window::kLabelCount> captions;
    std::array<bool, window::kLabelCount> visible{};
    window::NeedlePoint needleEnd;
    bool operator==(const WindowSnapshot&) const = default;

    static WindowSnapshot Of(const window::WindowModel& form);
};

// The window and its watcher just before a click of Calculate.
struct BeforeClick {
    WindowSnapshot window;
    std::size_t notifications = 0;
    std::size_t messageBoxes = 0;
};

// The needle stays on the dial, carets within their texts, both locators
// upper-case, the user's fields visible, the history ring in order, no
// message box with text, and the window open.
void CheckAlways(const window::WindowModel& form, const WatchingFrontEnd& watcher);

// A click while Locator 2 holds its placeholder changes nothing; any other
// publishes a bearing and a distance (or the rejection mark), shows a
// message box exactly for a too-long Locator 1, and turns the needle to the
// bearing it published.
void CheckAfterCalculate(const window::WindowModel& form, const WatchingFrontEnd& watcher,
                         const BeforeClick& before);

}  // namespace vestrel::fuzz
