#include "window/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace vestrel::window {
namespace {

constexpr int kPlainSignificantDigits = 15;

std::u32string Widen(const char* first, const char* last) {
    return std::u32string(first, last);
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Length of the run of digits starting at `i`.
std::size_t DigitsFrom(std::u32string_view text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n])) {
        ++n;
    }
    return n;
}

}  // namespace

std::u32string SignedNumberText(double value) {
    // Worked on the double itself: no conversion to an integer type can overflow.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            std::fabs(value), std::chars_format::fixed, 0);
    std::u32string text(1, value < 0.0 ? U'-' : U' ');
    if (error == std::errc{}) {
        text += Widen(buffer.data(), end);
    }
    return text;
}

std::u32string PlainNumberText(double value) {
    if (value == 0.0) {
        value = 0.0;  // -0 is not negative and is written without a sign
    }
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, kPlainSignificantDigits);
    if (error != std::errc{}) {
        return {};
    }
    return Widen(buffer.data(), end);
}

double LeadingNumberValue(std::u32string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == U' ') {
        ++start;
    }
    // Find the longest prefix of the form [+-]digits[.digits][(e|E)[+-]digits].
    std::size_t i = start;
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
        ++i;
    }
    const std::size_t integerDigits = DigitsFrom(text, i);
    i += integerDigits;
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == U'.') {
        fractionDigits = DigitsFrom(text, i + 1);
        if (fractionDigits > 0 || integerDigits > 0) {
            i += 1 + fractionDigits;
        }
    }
    if (integerDigits == 0 && fractionDigits == 0) {
        return 0.0;
    }
    bool exponentNegative = false;
    if (i < text.size() && (text[i] == U'e' || text[i] == U'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == U'+' || text[j] == U'-')) {
            exponentNegative = text[j] == U'-';
            ++j;
        }
        const std::size_t exponentDigits = DigitsFrom(text, j);
        if (exponentDigits > 0) {
            i = j + exponentDigits;
        } else {
            exponentNegative = false;
        }
    }
    // Every character of the prefix is ASCII, so narrowing it is exact.
    std::string number;
    number.reserve(i - start);
    for (std::size_t k = start; k < i; ++k) {
        number += static_cast<char>(text[k]);
    }
    const bool negative = number.front() == '-';
    const char* first = number.data();
    if (*first == '+') {
        ++first;  // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond a double's range: too small reads as 0, too large as infinity.
        const double limit = exponentNegative ? 0.0 : HUGE_VAL;
        value = negative ? -limit : limit;
    }
    return value;
}

}  // namespace vestrel::window
