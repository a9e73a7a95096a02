#pragma once

// The single-byte value of a character, as the locator arithmetic uses it.

namespace vestrel::geometry {

// Returns the Windows-1252 (Western European ANSI) code of `c`, 0 to 255:
// ASCII and Latin-1 characters keep their value, the 27 printable characters of
// the 0x80-0x9F block (euro sign, curly quotes, Š, Œ, Ÿ ...) take their byte,
// and every other character, the C1 controls U+0080-U+009F included, is 63 ('?'),
// the code page's replacement character.
int CharacterCode(char32_t c);

}  // namespace vestrel::geometry
