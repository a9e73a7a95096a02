#include "window/history.h"

#include <string>

namespace vestrel::window {
namespace {

constexpr std::u32string_view kEmptySlot = U"...";

bool IsEmpty(const WindowModel& form, Label slot) {
    return form.Caption(slot) == kEmptySlot;
}

std::u32string EntryText(const WindowModel& form) {
    std::u32string entry = form.Text(Field::Text5);
    entry += U"---";
    entry += form.Text(Field::Text6);
    entry += U"Km---";
    entry += form.Text(Field::Text1);
    entry += U"\u00B0";
    return entry;
}

void WriteSlot(WindowModel& form, Label slot, const std::u32string& entry) {
    form.SetCaption(slot, entry);
    form.SetVisible(slot, true);
}

void MarkEmptyUnlessEmpty(WindowModel& form, Label slot) {
    if (!IsEmpty(form, slot)) {
        form.SetCaption(slot, std::u32string(kEmptySlot));
    }
}

}  // namespace

void OnDistanceChange(WindowModel& form) {
    const std::u32string entry = EntryText(form);

    if (!IsEmpty(form, Label::Label8) && IsEmpty(form, Label::Label9)) {
        WriteSlot(form, Label::Label9, entry);
        form.SetCaption(Label::Label6, std::u32string(kEmptySlot));
        return;
    }
    // Each step tests the captions as the step before left them.
    if (!IsEmpty(form, Label::Label7) && IsEmpty(form, Label::Label8)) {
        WriteSlot(form, Label::Label8, entry);
        MarkEmptyUnlessEmpty(form, Label::Label9);
    }
    if (!IsEmpty(form, Label::Label6) && IsEmpty(form, Label::Label7)) {
        WriteSlot(form, Label::Label7, entry);
        MarkEmptyUnlessEmpty(form, Label::Label8);
    }
    if (IsEmpty(form, Label::Label6)) {
        WriteSlot(form, Label::Label6, entry);
        form.SetVisible(Label::Label5, true);
        MarkEmptyUnlessEmpty(form, Label::Label7);
    }
}

}  // namespace vestrel::window
