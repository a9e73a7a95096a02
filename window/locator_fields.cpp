#include "window/locator_fields.h"

#include "window/text_case.h"

namespace vestrel::window {
namespace {

constexpr std::size_t kSubsquareLocatorLength = 6;

// Setting the upper-case text raises a nested change of the same field when
// lower-case letters were typed; that nested run finds nothing to change.
// Each step reads the field afresh, since the nested run may have changed it.
void KeepUpperCaseWithCaretAtEnd(WindowModel& form, Field field) {
    form.SetText(field, UpperCase(form.Text(field)));
    form.SetCaret(field, form.Text(field).size());
}

}  // namespace

void OnLocator1Change(WindowModel& form) {
    KeepUpperCaseWithCaretAtEnd(form, Field::Text3);
}

void OnLocator2Change(WindowModel& form) {
    KeepUpperCaseWithCaretAtEnd(form, Field::Text5);
    if (form.Text(Field::Text5).size() == kSubsquareLocatorLength) {
        form.Click(Button::Command1);
    }
}

}  // namespace vestrel::window
