#pragma once

#include "window/model.h"

namespace vestrel::window {

// Click of Exit (Command2): closes the window at once, which ends the program.
void OnExitClick(WindowModel& form);

}  // namespace vestrel::window
