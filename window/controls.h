#pragma once

// The names of the window's controls. Every part of the program, the Qt
// widgets' object names included, refers to a control by these names.

#include <cstddef>
#include <string_view>

namespace vestrel::window {

// Text fields: Text3 Locator 1, Text5 Locator 2, Text6 distance (km), Text1
// bearing (degrees); hidden: Text7/Text2 latitude and west-positive longitude
// of locator 1, Text4/Text8 those of locator 2.
enum class Field { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8 };

// Labels: Label1-Label4 caption the visible fields; Label5 heads the result
// history and Label6-Label9 are its four slots.
enum class Label { Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9 };

// Buttons: Command1 Calculate, Command2 Exit, Command3 (hidden) redraws the needle.
enum class Button { Command1, Command2, Command3 };

inline constexpr std::size_t kFieldCount = 8;
inline constexpr std::size_t kLabelCount = 9;
inline constexpr std::size_t kButtonCount = 3;

// The picture boxes and the window hold no state of their own (the needle
// drawn on the dial lives in the model), but they are named widgets all the same.
inline constexpr std::string_view kDialName = "picCanvase";
inline constexpr std::string_view kPhotographName = "Picture1";
inline constexpr std::string_view kWindowName = "Form2";

constexpr std::size_t Index(Field f) {
    return static_cast<std::size_t>(f);
}
constexpr std::size_t Index(Label l) {
    return static_cast<std::size_t>(l);
}
constexpr std::size_t Index(Button b) {
    return static_cast<std::size_t>(b);
}

std::string_view ControlName(Field field);
std::string_view ControlName(Label label);
std::string_view ControlName(Button button);

}  // namespace vestrel::window
