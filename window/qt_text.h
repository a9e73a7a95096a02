#pragma once

// The model counts text in characters (code points); Qt counts UTF-16 units.

#include <QString>

#include <cstddef>
#include <string>

namespace vestrel::window {

inline QString ToQString(const std::u32string& text) {
    return QString::fromStdU32String(text);
}

// Lone surrogates become U+FFFD.
inline std::u32string FromQString(const QString& text) {
    return text.toStdU32String();
}

// The character index of the UTF-16 position `utf16Index` in `text`.
std::size_t CharacterIndex(const QString& text, int utf16Index);

// The UTF-16 position of the character index `characterIndex` in `text`.
int Utf16Index(const std::u32string& text, std::size_t characterIndex);

}  // namespace vestrel::window
