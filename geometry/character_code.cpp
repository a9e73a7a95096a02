#include "geometry/character_code.h"

#include <array>

namespace vestrel::geometry {
namespace {

constexpr int kReplacementCode = 63;  // '?'

// Windows-1252 bytes 0x80 to 0x9F and the characters they stand for; the
// remaining bytes of the block (0x81, 0x8D, 0x8F, 0x90, 0x9D) are unassigned.
struct Cp1252Entry {
    char32_t character;
    int code;
};
constexpr std::array<Cp1252Entry, 27> kCp1252HighBlock{{
    {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u0192', 0x83}, {U'\u201E', 0x84}, {U'\u2026', 0x85},
    {U'\u2020', 0x86}, {U'\u2021', 0x87}, {U'\u02C6', 0x88}, {U'\u2030', 0x89}, {U'\u0160', 0x8A},
    {U'\u2039', 0x8B}, {U'\u0152', 0x8C}, {U'\u017D', 0x8E}, {U'\u2018', 0x91}, {U'\u2019', 0x92},
    {U'\u201C', 0x93}, {U'\u201D', 0x94}, {U'\u2022', 0x95}, {U'\u2013', 0x96}, {U'\u2014', 0x97},
    {U'\u02DC', 0x98}, {U'\u2122', 0x99}, {U'\u0161', 0x9A}, {U'\u203A', 0x9B}, {U'\u0153', 0x9C},
    {U'\u017E', 0x9E}, {U'\u0178', 0x9F},
}};

}  // namespace

int CharacterCode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (const Cp1252Entry& entry : kCp1252HighBlock) {
        if (entry.character == c) {
            return entry.code;
        }
    }
    return kReplacementCode;
}

}  // namespace vestrel::geometry
