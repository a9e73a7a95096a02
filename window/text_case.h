#pragma once

#include <string>
#include <string_view>

namespace vestrel::window {

// Maps every letter of `text` to its capital by Unicode's simple case mapping
// (one code point to one, independent of the user's locale), so the text keeps
// its length in characters. Other code points, invalid ones included, pass unchanged.
std::u32string UpperCase(std::u32string_view text);

}  // namespace vestrel::window
