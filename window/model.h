#pragma once

// The window's model: a table of named controls holding all of the window's
// state, and the rules by which changes and clicks reach their handlers.
//
// Data flows one way round: a user edit or click enters through Edit() or
// Click(); the handler connected to that notification reads and writes
// controls through this class; every write that changes a control is passed
// to the front end (the Qt widgets, or a test) at once. Setting a field's text
// runs its change handler synchronously, inside SetText(), and only when the
// text really changes, so handlers nest and an upper-casing handler that sets
// its own field ends its re-entry by itself.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "window/controls.h"

namespace vestrel::window {

// A point of the needle in twips of the dial's inner area, origin top-left,
// y growing downwards; the inner area is 2475 x 2475 twips.
struct NeedlePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(NeedlePoint, NeedlePoint) = default;
};

// What the model needs from whatever shows it. All calls come on the
// window's thread, from inside the model's operations.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    // The text or caret of `field` changed.
    virtual void FieldChanged(Field field) = 0;
    // The caption or visibility of `label` changed.
    virtual void LabelChanged(Label label) = 0;
    // The needle's end point changed.
    virtual void NeedleMoved() = 0;
    // Shows a modal message box with one OK button; returns when it is closed.
    virtual void ShowMessageBox(std::u32string_view message) = 0;
    // Closes the window, which ends the program.
    virtual void CloseWindow() = 0;
};

class WindowModel {
public:
    using Handler = void (*)(WindowModel&);

    // All controls in their initial state; no handler connected, no front end.
    WindowModel();

    void ConnectChange(Field field, Handler handler);
    void ConnectClick(Button button, Handler handler);
    // `frontEnd` must outlive the model or be detached with nullptr.
    void AttachFrontEnd(FrontEnd* frontEnd);

    // Text fields. The caret is a character index, 0 to the text's length.
    const std::u32string& Text(Field field) const;
    std::size_t Caret(Field field) const;
    bool IsVisible(Field field) const;
    // Sets the text as the program does: when it differs from the current
    // text, the caret moves to 0 and the change handler runs before this returns.
    void SetText(Field field, std::u32string text);
    // Clamped to the text's length.
    void SetCaret(Field field, std::size_t caret);
    // The user typed, deleted or pasted: the field now holds `text` with the
    // caret at `caret`; the change handler runs when the text changed.
    void Edit(Field field, std::u32string text, std::size_t caret);

    // Labels.
    const std::u32string& Caption(Label label) const;
    bool IsVisible(Label label) const;
    void SetCaption(Label label, std::u32string caption);
    void SetVisible(Label label, bool visible);

    // Buttons. Click() runs the click handler at once, hidden button or not.
    const std::u32string& Caption(Button button) const;
    bool IsVisible(Button button) const;
    void Click(Button button);

    // The needle. Its start point never changes.
    NeedlePoint NeedleStart() const { return needleStart_; }
    NeedlePoint NeedleEnd() const { return needleEnd_; }
    void SetNeedleEnd(NeedlePoint end);

    // Operations the front end carries out.
    void ShowMessageBox(std::u32string_view message);
    void Close();

private:
    struct TextFieldState {
        std::u32string text;
        std::size_t caret = 0;
        bool visible = true;
        Handler onChange = nullptr;
    };
    struct LabelState {
        std::u32string caption;
        bool visible = true;
    };
    struct ButtonState {
        std::u32string caption;
        bool visible = true;
        Handler onClick = nullptr;
    };

    void ReplaceText(Field field, std::u32string text, std::size_t caret);

    std::array<TextFieldState, kFieldCount> fields_;
    std::array<LabelState, kLabelCount> labels_;
    std::array<ButtonState, kButtonCount> buttons_;
    NeedlePoint needleStart_{1210, 1210};
    NeedlePoint needleEnd_{1210, 0};
    FrontEnd* frontEnd_ = nullptr;
};

}  // namespace vestrel::window
