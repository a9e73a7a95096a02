#include "window/needle.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "window/number_text.h"

namespace vestrel::window {
namespace {

constexpr int kCentre = 1210;  // twips, both axes
constexpr double kLength = 1210.0;

// Pi as the single-precision number nearest 3.1415927 (3.14159274...); the
// angle is rounded to single precision once, after a double product. These
// roundings place the needle's end to the twip (300 degrees gives (162, 604),
// where a wider product would give (162, 605)).
constexpr float kPiSingle = 3.1415927F;

}  // namespace

std::optional<NeedlePoint> NeedleEndForBearing(std::u32string_view bearingText) {
    const double bearing = LeadingNumberValue(bearingText);
    // Screen angle: 0 points east, growing clockwise since y grows downwards.
    const double screenAngle = std::nearbyint(bearing - 90.0);  // halves to even
    if (!(screenAngle >= std::numeric_limits<std::int16_t>::min() &&
          screenAngle <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    const double radiansPerDegree = static_cast<double>(kPiSingle) / 180.0;
    const auto theta = static_cast<float>(radiansPerDegree * screenAngle);
    NeedlePoint end;
    end.x = static_cast<int>(std::floor(std::cos(static_cast<double>(theta)) * kLength)) + kCentre;
    end.y = static_cast<int>(std::floor(std::sin(static_cast<double>(theta)) * kLength)) + kCentre;
    return end;
}

void OnNeedleRedrawClick(WindowModel& form) {
    if (const std::optional<NeedlePoint> end = NeedleEndForBearing(form.Text(Field::Text1))) {
        form.SetNeedleEnd(*end);
    }
}

}  // namespace vestrel::window
