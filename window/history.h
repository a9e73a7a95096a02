#pragma once

#include "window/model.h"

namespace vestrel::window {

// Change of the distance (Text6): writes one entry, "<Locator 2>---<distance>
// Km---<bearing>°", into the four-slot ring Label6 -> Label7 -> Label8 ->
// Label9 -> Label6. From the third entry on, the slot that the next entry will
// take holds the marker "..."; slots and the "Last bearing" header Label5
// become visible with their first entry and stay so.
void OnDistanceChange(WindowModel& form);

}  // namespace vestrel::window
