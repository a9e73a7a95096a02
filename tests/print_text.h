#pragma once

// Readable, stable names for parameterised cases that hold UTF-32 texts:
// ASCII as it is, anything else as U+XXXX.

#include <ios>
#include <ostream>
#include <string_view>

namespace vestrel::test_output {

inline void WriteText(std::u32string_view text, std::ostream& out) {
    out << '"';
    for (const char32_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out << static_cast<char>(c);
        } else {
            out << "U+" << std::hex << std::uppercase << static_cast<unsigned long>(c) << std::dec;
        }
    }
    out << '"';
}

}  // namespace vestrel::test_output
