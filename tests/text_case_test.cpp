#include "window/text_case.h"

#include <gtest/gtest.h>

namespace vestrel::window {
namespace {

TEST(UpperCase, MapsLettersOfAnyAlphabetToCapitals) {
    EXPECT_EQ(UpperCase(U"jn61ll"), U"JN61LL");
    EXPECT_EQ(UpperCase(U"\u00E4\u00F6\u00FC\u00E9"), U"\u00C4\u00D6\u00DC\u00C9");  // äöüé
    EXPECT_EQ(UpperCase(U"\u044F\u03C9"), U"\u042F\u03A9");  // Cyrillic ya, Greek omega
    EXPECT_EQ(UpperCase(U"\u0131"), U"I");  // dotless i, whatever the user's locale
    EXPECT_EQ(UpperCase(U"1.-/ \U0001F4E1"), U"1.-/ \U0001F4E1");
}

TEST(UpperCase, KeepsTheLengthInCharacters) {
    EXPECT_EQ(UpperCase(U"\u00DF"), U"\u00DF");  // ß has no one-character capital
    EXPECT_EQ(UpperCase(U"\uFB01"), U"\uFB01");  // the fi ligature neither
}

// The locator fields set their own text to its upper-case form and rely on
// the second pass finding nothing to change; any code point that upper-cased
// to something that upper-cases again would re-enter the handler once more.
TEST(UpperCase, IsIdempotentOverEveryCodePoint) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const std::u32string once = UpperCase(std::u32string(1, c));
        ASSERT_EQ(UpperCase(once), once) << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

TEST(UpperCase, PassesInvalidCodePointsUnchanged) {
    const std::u32string invalid{static_cast<char32_t>(0xD800), static_cast<char32_t>(0x110000)};
    EXPECT_EQ(UpperCase(invalid), invalid);
}

}  // namespace
}  // namespace vestrel::window
