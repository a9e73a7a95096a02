#pragma once

// How numbers are written into the window's fields and read back from them.
// Always "." as the decimal separator, whatever the user's locale.

#include <string>
#include <string_view>

namespace vestrel::window {

// Signed number text of a whole number: a blank for zero and positive values,
// "-" for negative ones, then the decimal digits (1492 -> " 1492", 0 -> " 0").
// `value` must be finite and integral; the bearing and the distance always are.
std::u32string SignedNumberText(double value);

// Plain number text: the shortest decimal form with at most 15 significant
// digits, "-" only for negative values (41.4791666666667, -12.9583333333333, 0.125).
// `value` must be finite.
std::u32string PlainNumberText(double value);

// The value of the number at the start of `text`: leading blanks are skipped,
// then the longest leading part that reads as a decimal number is taken
// (sign, digits, fraction, exponent), so " 323" gives 323 and "12abc" 12.
// 0 when no number starts the text; may be infinite for a huge exponent.
double LeadingNumberValue(std::u32string_view text);

}  // namespace vestrel::window
