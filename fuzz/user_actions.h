#pragma once

// What a user does to a text field, sent to the window as the edits a text
// box would send: one per key, with the caret where the key leaves it.

#include <cstddef>
#include <string>
#include <string_view>

#include "window/model.h"

namespace vestrel::fuzz {

// A click into the field: the caret moves, clamped to the text.
void PlaceCaret(window::WindowModel& form, window::Field field, std::size_t caret);

// Places the caret, then types `keys` one by one at wherever the caret is;
// a change handler may move it between keys.
void TypeAt(window::WindowModel& form, window::Field field, std::size_t caret,
            std::u32string_view keys);

// Replaces the characters between `from` and `to` (either order, clamped)
// with `text` in one edit, the caret after the pasted text.
void PasteOver(window::WindowModel& form, window::Field field, std::size_t from, std::size_t to,
               std::u32string_view text);

// Places the caret, then presses Delete (`forward`) or Backspace `count`
// times; a key with nothing to delete changes nothing.
void PressDeleteKeys(window::WindowModel& form, window::Field field, std::size_t caret,
                     bool forward, std::size_t count);

// Selects the whole text and types `keys`: the first key replaces the selection.
void SelectAllAndType(window::WindowModel& form, window::Field field, std::u32string_view keys);

}  // namespace vestrel::fuzz
