#include "window/qt_text.h"

#include <algorithm>

namespace vestrel::window {

std::size_t CharacterIndex(const QString& text, int utf16Index) {
    std::size_t characters = 0;
    const int end = std::clamp(utf16Index, 0, static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i) {
        // The second half of a surrogate pair belongs to the character before it.
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) {
            ++characters;
        }
    }
    return characters;
}

int Utf16Index(const std::u32string& text, std::size_t characterIndex) {
    const std::size_t end = std::min(characterIndex, text.size());
    int units = 0;
    for (std::size_t i = 0; i < end; ++i) {
        units += text[i] > 0xFFFF ? 2 : 1;
    }
    return units;
}

}  // namespace vestrel::window
