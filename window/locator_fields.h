#pragma once

#include "window/model.h"

namespace vestrel::window {

// Change of Locator 1 (Text3): keeps the text upper-case with the caret at its end.
void OnLocator1Change(WindowModel& form);

// Change of Locator 2 (Text5): as Locator 1, and clicks Calculate when the
// text is exactly six characters long.
void OnLocator2Change(WindowModel& form);

}  // namespace vestrel::window
