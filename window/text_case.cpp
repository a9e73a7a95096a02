#include "window/text_case.h"

#include <unicode/uchar.h>

namespace vestrel::window {

std::u32string UpperCase(std::u32string_view text) {
    std::u32string upper(text);
    for (char32_t& c : upper) {
        c = static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
    }
    return upper;
}

}  // namespace vestrel::window
