#include "window/model.h"

#include <algorithm>
#include <utility>

namespace vestrel::window {
namespace {

struct FieldRow {
    std::string_view name;
    std::u32string_view text;
    bool visible;
};
struct LabelRow {
    std::string_view name;
    std::u32string_view caption;
    bool visible;
};
using ButtonRow = LabelRow;

// The controls and their initial state, in the order of their enums.
constexpr std::array<FieldRow, kFieldCount> kFieldTable{{
    {"Text1", U"...", true},     // bearing
    {"Text2", U"Text2", false},  // west-positive longitude of locator 1
    {"Text3", U"...", true},     // Locator 1
    {"Text4", U"Text4", false},  // latitude of locator 2
    {"Text5", U"...", true},     // Locator 2
    {"Text6", U"...", true},     // distance
    {"Text7", U"Text7", false},  // latitude of locator 1
    {"Text8", U"Text8", false},  // west-positive longitude of locator 2
}};
constexpr std::array<LabelRow, kLabelCount> kLabelTable{{
    {"Label1", U"Locator 1", true},
    {"Label2", U"Locator 2", true},
    {"Label3", U"Km", true},
    {"Label4", U"Bearing", true},
    {"Label5", U"Last bearing", false},
    {"Label6", U"...", false},
    {"Label7", U"...", false},
    {"Label8", U"...", false},
    {"Label9", U"...", false},
}};
constexpr std::array<ButtonRow, kButtonCount> kButtonTable{{
    {"Command1", U"Calculate", true},
    {"Command2", U"Exit", true},
    {"Command3", U"Command3", false},
}};

// Stores `value` in `target`; false, and nothing stored, when they are equal.
template <typename T>
bool Replace(T& target, T value) {
    if (target == value) {
        return false;
    }
    target = std::move(value);
    return true;
}

}  // namespace

std::string_view ControlName(Field field) {
    return kFieldTable[Index(field)].name;
}
std::string_view ControlName(Label label) {
    return kLabelTable[Index(label)].name;
}
std::string_view ControlName(Button button) {
    return kButtonTable[Index(button)].name;
}

WindowModel::WindowModel() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields_[i].text = kFieldTable[i].text;
        fields_[i].visible = kFieldTable[i].visible;
    }
    for (std::size_t i = 0; i < kLabelCount; ++i) {
        labels_[i].caption = kLabelTable[i].caption;
        labels_[i].visible = kLabelTable[i].visible;
    }
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        buttons_[i].caption = kButtonTable[i].caption;
        buttons_[i].visible = kButtonTable[i].visible;
    }
}

void WindowModel::ConnectChange(Field field, Handler handler) {
    fields_[Index(field)].onChange = handler;
}

void WindowModel::ConnectClick(Button button, Handler handler) {
    buttons_[Index(button)].onClick = handler;
}

void WindowModel::AttachFrontEnd(FrontEnd* frontEnd) {
    frontEnd_ = frontEnd;
}

const std::u32string& WindowModel::Text(Field field) const {
    return fields_[Index(field)].text;
}

std::size_t WindowModel::Caret(Field field) const {
    return fields_[Index(field)].caret;
}

bool WindowModel::IsVisible(Field field) const {
    return fields_[Index(field)].visible;
}

void WindowModel::SetText(Field field, std::u32string text) {
    ReplaceText(field, std::move(text), 0);
}

void WindowModel::Edit(Field field, std::u32string text, std::size_t caret) {
    if (text == fields_[Index(field)].text) {
        SetCaret(field, caret);
        return;
    }
    ReplaceText(field, std::move(text), caret);
}

void WindowModel::ReplaceText(Field field, std::u32string text, std::size_t caret) {
    TextFieldState& state = fields_[Index(field)];
    if (text == state.text) {
        return;
    }
    state.text = std::move(text);
    state.caret = std::min(caret, state.text.size());
    if (frontEnd_ != nullptr) {
        frontEnd_->FieldChanged(field);
    }
    if (state.onChange != nullptr) {
        state.onChange(*this);
    }
}

void WindowModel::SetCaret(Field field, std::size_t caret) {
    TextFieldState& state = fields_[Index(field)];
    if (Replace(state.caret, std::min(caret, state.text.size())) && frontEnd_ != nullptr) {
        frontEnd_->FieldChanged(field);
    }
}

const std::u32string& WindowModel::Caption(Label label) const {
    return labels_[Index(label)].caption;
}

bool WindowModel::IsVisible(Label label) const {
    return labels_[Index(label)].visible;
}

void WindowModel::SetCaption(Label label, std::u32string caption) {
    if (Replace(labels_[Index(label)].caption, std::move(caption)) && frontEnd_ != nullptr) {
        frontEnd_->LabelChanged(label);
    }
}

void WindowModel::SetVisible(Label label, bool visible) {
    if (Replace(labels_[Index(label)].visible, visible) && frontEnd_ != nullptr) {
        frontEnd_->LabelChanged(label);
    }
}

const std::u32string& WindowModel::Caption(Button button) const {
    return buttons_[Index(button)].caption;
}

bool WindowModel::IsVisible(Button button) const {
    return buttons_[Index(button)].visible;
}

void WindowModel::Click(Button button) {
    if (const Handler handler = buttons_[Index(button)].onClick; handler != nullptr) {
        handler(*this);
    }
}

void WindowModel::SetNeedleEnd(NeedlePoint end) {
    if (Replace(needleEnd_, end) && frontEnd_ != nullptr) {
        frontEnd_->NeedleMoved();
    }
}

void WindowModel::ShowMessageBox(std::u32string_view message) {
    if (frontEnd_ != nullptr) {
        frontEnd_->ShowMessageBox(message);
    }
}

void WindowModel::Close() {
    if (frontEnd_ != nullptr) {
        frontEnd_->CloseWindow();
    }
}

}  // namespace vestrel::window
