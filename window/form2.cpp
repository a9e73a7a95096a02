#include "window/form2.h"

#include "window/calculate.h"
#include "window/exit.h"
#include "window/history.h"
#include "window/locator_fields.h"
#include "window/needle.h"

namespace vestrel::window {

WindowModel CreateForm2() {
    WindowModel form;
    form.ConnectChange(Field::Text3, OnLocator1Change);
    form.ConnectChange(Field::Text5, OnLocator2Change);
    form.ConnectChange(Field::Text6, OnDistanceChange);
    form.ConnectClick(Button::Command1, OnCalculateClick);
    form.ConnectClick(Button::Command2, OnExitClick);
    form.ConnectClick(Button::Command3, OnNeedleRedrawClick);
    return form;
}

}  // namespace vestrel::window
