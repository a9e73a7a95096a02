#pragma once

// A Form2 driven as a user would drive it, with a front end that records
// what the window would have shown.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "window/form2.h"

namespace vestrel::window::fixture {

class RecordingFrontEnd : public FrontEnd {
public:
    void FieldChanged(Field field) override { ++fieldChanges[Index(field)]; }
    void LabelChanged(Label) override {}
    void NeedleMoved() override { ++needleMoves; }
    void ShowMessageBox(std::u32string_view message) override {
        ++messageBoxes;
        lastMessage = message;
    }
    void CloseWindow() override { ++closes; }

    std::array<int, kFieldCount> fieldChanges{};
    int needleMoves = 0;
    int messageBoxes = 0;
    std::u32string lastMessage = U"(none)";
    int closes = 0;
};

class FormTest : public ::testing::Test {
protected:
    FormTest() : form(CreateForm2()) { form.AttachFrontEnd(&frontEnd); }

    // Types `keys` one character at a time at the caret, as a user would.
    void Type(Field field, std::u32string_view keys) {
        for (const char32_t key : keys) {
            std::u32string text = form.Text(field);
            const std::size_t caret = form.Caret(field);
            text.insert(caret, 1, key);
            form.Edit(field, std::move(text), caret + 1);
        }
    }

    // Selects the whole text and types `keys` over it.
    void Retype(Field field, std::u32string_view keys) {
        form.Edit(field, U"", 0);
        Type(field, keys);
    }

    // Replaces the whole text at once, as a paste over a selection does.
    void Paste(Field field, std::u32string text) {
        const std::size_t caret = text.size();
        form.Edit(field, std::move(text), caret);
    }

    // Enters both locators as a user would: a new Locator 2 of six characters
    // calculates by itself, otherwise the user clicks Calculate.
    void Calculate(std::u32string locator1, std::u32string locator2) {
        const bool calculatesByItself = locator2.size() == 6 && locator2 != form.Text(Field::Text5);
        Paste(Field::Text3, std::move(locator1));
        Paste(Field::Text5, std::move(locator2));
        if (!calculatesByItself) {
            form.Click(Button::Command1);
        }
    }

    // Everything the window shows, for comparing whole states.
    struct State {
        std::array<std::u32string, kFieldCount> texts;
        std::array<std::u32string, kLabelCount> captions;
        std::array<bool, kLabelCount> visible;
        NeedlePoint needleEnd;
        bool operator==(const State&) const = default;
    };
    State Snapshot() const {
        State state;
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            state.texts[i] = form.Text(static_cast<Field>(i));
        }
        for (std::size_t i = 0; i < kLabelCount; ++i) {
            state.captions[i] = form.Caption(static_cast<Label>(i));
            state.visible[i] = form.IsVisible(static_cast<Label>(i));
        }
        state.needleEnd = form.NeedleEnd();
        return state;
    }

    RecordingFrontEnd frontEnd;
    WindowModel form;
};

}  // namespace vestrel::window::fixture
