#include "user_actions.h"

#include <algorithm>
#include <utility>

namespace vestrel::fuzz {

using window::Field;
using window::WindowModel;

void PlaceCaret(WindowModel& form, Field field, std::size_t caret) {
    const std::size_t clamped = std::min(caret, form.Text(field).size());
    form.Edit(field, form.Text(field), clamped);
}

namespace {

void TypeHere(WindowModel& form, Field field, std::u32string_view keys) {
    for (const char32_t key : keys) {
        std::u32string text = form.Text(field);
        const std::size_t caret = form.Caret(field);
        text.insert(caret, 1, key);
        form.Edit(field, std::move(text), caret + 1);
    }
}

}  // namespace

void TypeAt(WindowModel& form, Field field, std::size_t caret, std::u32string_view keys) {
    PlaceCaret(form, field, caret);
    TypeHere(form, field, keys);
}

void PasteOver(WindowModel& form, Field field, std::size_t from, std::size_t to,
               std::u32string_view text) {
    std::u32string content = form.Text(field);
    const std::size_t first = std::min({from, to, content.size()});
    const std::size_t last = std::min(std::max(from, to), content.size());
    content.replace(first, last - first, text);
    form.Edit(field, std::move(content), first + text.size());
}

void PressDeleteKeys(WindowModel& form, Field field, std::size_t caret, bool forward,
                     std::size_t count) {
    PlaceCaret(form, field, caret);
    for (std::size_t i = 0; i < count; ++i) {
        std::u32string text = form.Text(field);
        const std::size_t at = form.Caret(field);
        if (forward && at < text.size()) {
            text.erase(at, 1);
            form.Edit(field, std::move(text), at);
        } else if (!forward && at > 0) {
            text.erase(at - 1, 1);
            form.Edit(field, std::move(text), at - 1);
        }
    }
}

void SelectAllAndType(WindowModel& form, Field field, std::u32string_view keys) {
    if (keys.empty()) {
        return;
    }
    form.Edit(field, std::u32string(keys.substr(0, 1)), 1);
    TypeHere(form, field, keys.substr(1));
}

}  // namespace vestrel::fuzz
