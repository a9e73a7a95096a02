#pragma once

#include "window/model.h"

namespace vestrel::window {

// Click of Calculate (Command1): checks Locator 1 (Text3) and Locator 2
// (Text5), writes their coordinates into the hidden fields, and publishes the
// bearing (Text1) and distance (Text6). Bad input clears both locator fields
// and shows "??????"; a too-long Locator 1 first shows an empty message box.
// Both fields holding the same text show bearing "0". Ends by redrawing the
// needle. Does nothing while Text5 still holds its placeholder "...".
void OnCalculateClick(WindowModel& form);

}  // namespace vestrel::window
