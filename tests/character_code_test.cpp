#include "geometry/character_code.h"

#include <gtest/gtest.h>

namespace vestrel::geometry {
namespace {

TEST(CharacterCode, FollowsWindows1252) {
    EXPECT_EQ(CharacterCode(U'A'), 65);
    EXPECT_EQ(CharacterCode(U'0'), 48);
    EXPECT_EQ(CharacterCode(U'\0'), 0);
    EXPECT_EQ(CharacterCode(U'\u00C4'), 196);   // Ä, Latin-1 block
    EXPECT_EQ(CharacterCode(U'\u00FF'), 255);   // ÿ
    EXPECT_EQ(CharacterCode(U'\u20AC'), 0x80);  // euro sign
    EXPECT_EQ(CharacterCode(U'\u0160'), 0x8A);  // Š
    EXPECT_EQ(CharacterCode(U'\u0178'), 0x9F);  // Ÿ
}

TEST(CharacterCode, UnmappedCharactersAreQuestionMarks) {
    EXPECT_EQ(CharacterCode(U'\u0081'), 63);  // C1 control, unassigned byte
    EXPECT_EQ(CharacterCode(U'\u0131'), 63);  // dotless i
    EXPECT_EQ(CharacterCode(U'\u0661'), 63);  // Arabic-Indic digit one
    EXPECT_EQ(CharacterCode(U'\U0001F4E1'), 63);
    EXPECT_EQ(CharacterCode(static_cast<char32_t>(0xFFFFFFFF)), 63);
}

}  // namespace
}  // namespace vestrel::geometry
