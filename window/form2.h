#pragma once

#include "window/model.h"

namespace vestrel::window {

// The calculator window Form2: every control in its initial state, with the
// handlers connected to their notifications.
WindowModel CreateForm2();

}  // namespace vestrel::window
