// Any sequence of what a user can do to the window: type, paste, delete or
// retype in any visible field, move the caret, click Calculate; then Exit.
// After every action the checks of window_invariants.h run.
//
// Input: actions one after another, at most kMaxActions. Each starts with a
// byte whose value modulo 6 picks the action; a field byte picks Text1,
// Text3, Text5 or Text6 (modulo 4); caret and selection bytes are character
// positions, 255 meaning the end of the text; texts end with a zero byte and
// hold at most kMaxKeys code points (see byte_reader.h for the encoding).
//   0 type        field, caret, text
//   1 paste       field, selection start, selection end, text
//   2 delete      field, caret, keys (bit 0: Delete, else Backspace;
//                 the other bits modulo 8, plus 1: how many presses)
//   3 retype      field, text (select all, then type)
//   4 Calculate
//   5 caret       field, caret

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "byte_reader.h"
#include "require.h"
#include "user_actions.h"
#include "watching_front_end.h"
#include "window/form2.h"
#include "window_invariants.h"

namespace vestrel::fuzz {
namespace {

using window::Button;
using window::Field;
using window::WindowModel;

// Enough to go round the history ring many times; few enough, with the key
// limit, that no field grows beyond a few thousand characters.
constexpr std::size_t kMaxActions = 64;
constexpr std::size_t kMaxKeys = 64;
constexpr std::uint8_t kTextEnd = 0x00;
constexpr std::uint8_t kPositionAtEnd = 0xFF;
constexpr std::size_t kDeletePressesModulo = 8;

enum class Action { Type, Paste, Delete, Retype, Calculate, Caret, Count };

constexpr std::array<Field, 4> kUserFields{Field::Text1, Field::Text3, Field::Text5, Field::Text6};

Field ReadField(ByteReader& reader) {
    return kUserFields[reader.Byte() % kUserFields.size()];
}

std::size_t ReadPosition(ByteReader& reader) {
    const std::uint8_t b = reader.Byte();
    return b == kPositionAtEnd ? std::numeric_limits<std::size_t>::max() : b;
}

void Perform(Action action, ByteReader& reader, WindowModel& form, WatchingFrontEnd& watcher) {
    if (action == Action::Calculate) {
        const BeforeClick before{WindowSnapshot::Of(form), watcher.notifications,
                                 watcher.messageBoxes};
        form.Click(Button::Command1);
        CheckAfterCalculate(form, watcher, before);
        return;
    }
    const Field field = ReadField(reader);
    const std::size_t messageBoxes = watcher.messageBoxes;
    switch (action) {
        case Action::Type: {
            const std::size_t caret = ReadPosition(reader);
            TypeAt(form, field, caret, reader.Text(kTextEnd, kMaxKeys));
            break;
        }
        case Action::Paste: {
            const std::size_t from = ReadPosition(reader);
            const std::size_t to = ReadPosition(reader);
            PasteOver(form, field, from, to, reader.Text(kTextEnd, kMaxKeys));
            break;
        }
        case Action::Delete: {
            const std::size_t caret = ReadPosition(reader);
            const std::uint8_t keys = reader.Byte();
            const bool forward = (keys & 1U) != 0;
            const std::size_t presses = (keys >> 1U) % kDeletePressesModulo + 1;
            PressDeleteKeys(form, field, caret, forward, presses);
            break;
        }
        case Action::Retype:
            SelectAllAndType(form, field, reader.Text(kTextEnd, kMaxKeys));
            break;
        default:
            PlaceCaret(form, field, ReadPosition(reader));
            break;
    }
    // Only Calculate shows a message box, and only Locator 2 clicks it by itself.
    if (field != Field::Text5) {
        Require(watcher.messageBoxes == messageBoxes,
                "an edit of a field other than Locator 2 shows no message box");
    }
}

}  // namespace
}  // namespace vestrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fuzz = vestrel::fuzz;
    fuzz::ByteReader reader(data, size);
    vestrel::window::WindowModel form = vestrel::window::CreateForm2();
    fuzz::WatchingFrontEnd watcher(form);
    form.AttachFrontEnd(&watcher);
    fuzz::CheckAlways(form, watcher);
    for (std::size_t n = 0; n < fuzz::kMaxActions && !reader.AtEnd(); ++n) {
        const auto action =
            static_cast<fuzz::Action>(reader.Byte() % static_cast<int>(fuzz::Action::Count));
        fuzz::Perform(action, reader, form, watcher);
        fuzz::CheckAlways(form, watcher);
    }
    form.Click(vestrel::window::Button::Command2);
    fuzz::Require(watcher.closes == 1, "Exit closes the window once");
    form.AttachFrontEnd(nullptr);
    return 0;
}
