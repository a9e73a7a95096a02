#pragma once

// A front end that watches the window the way the checks need: it counts
// notifications, message boxes and closes, and history entries, which are
// the real changes of the distance text (a caret move of Text6 notifies too,
// but writes no entry).

#include <cstddef>
#include <string>
#include <string_view>

#include "window/model.h"

namespace vestrel::fuzz {

class WatchingFrontEnd : public window::FrontEnd {
public:
    explicit WatchingFrontEnd(const window::WindowModel& form)
        : form_(form), distance_(form.Text(window::Field::Text6)) {}

    void FieldChanged(window::Field field) override {
        ++notifications;
        if (field == window::Field::Text6 && form_.Text(field) != distance_) {
            distance_ = form_.Text(field);
            ++historyEntries;
        }
    }
    void LabelChanged(window::Label) override { ++notifications; }
    void NeedleMoved() override { ++notifications; }
    void ShowMessageBox(std::u32string_view message) override {
        ++notifications;
        ++messageBoxes;
        if (!message.empty()) {
            ++messagesWithText;
        }
    }
    void CloseWindow() override {
        ++notifications;
        ++closes;
    }

    std::size_t notifications = 0;
    std::size_t historyEntries = 0;
    std::size_t messageBoxes = 0;
    std::size_t messagesWithText = 0;
    std::size_t closes = 0;

private:
    const window::WindowModel& form_;
    std::u32string distance_;
};

}  // namespace vestrel::fuzz
