#pragma once

// Where each control of Form2 sits, in twips (1/1440 inch, 15 to a pixel at
// 96 dpi) from the top-left of the client area, and the keyboard's tab order.

#include <array>
#include <string_view>

namespace vestrel::window {

struct ControlPlacement {
    std::string_view name;  // the control's name, also its widget's objectName
    int left;
    int top;
    int width;
    int height;
};

// Every control with a widget, in tab-index order; hidden ones included.
extern const std::array<ControlPlacement, 22> kControlPlacements;

// The window's client area.
inline constexpr int kClientWidthTwips = 10215;
inline constexpr int kClientHeightTwips = 6255;
inline constexpr int kTwipsPerPixel = 15;
// Border of both picture boxes, on each side.
inline constexpr int kPictureBorderTwips = 30;

// Nearest whole pixel at 96 dpi, halves up; positions are all non-negative.
constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace vestrel::window
