#pragma once

#include <optional>
#include <string_view>

#include "window/model.h"

namespace vestrel::window {

// End point of the needle for the bearing text in `bearingText`, which is
// read as a number of degrees clockwise from north (" 323", "0"; no number
// reads as 0). The needle runs 1210 twips from the dial's centre
// (1210, 1210). Empty when the bearing, less 90 and rounded, lies outside
// -32768 to 32767, a range the calculation never leaves.
std::optional<NeedlePoint> NeedleEndForBearing(std::u32string_view bearingText);

// Click of the hidden Command3: turns the needle to the bearing in Text1;
// leaves it where it is for a bearing out of range.
void OnNeedleRedrawClick(WindowModel& form);

}  // namespace vestrel::window
