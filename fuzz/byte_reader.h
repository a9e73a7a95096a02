#pragma once

// Reads a fuzz input as a stream of bytes, numbers and texts. Nothing fails:
// once the input is used up every byte reads as 0, so any input means
// something and every mutation changes what it means.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vestrel::fuzz {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return position_ >= size_; }
    std::uint8_t Byte();
    // Eight bytes as they lie in memory, so every bit pattern, NaNs and
    // infinities included, can be reached.
    double Double();
    // Code points up to the byte `terminator` (consumed) or the end of the
    // input, at most `maxCodePoints` of them. Each code point is read leniently,
    // so that every 32-bit value can be written:
    //   00-7F and 80-BF   the byte's value
    //   C0-DF, E0-EF, F0-F7, F8-FB, FC-FD
    //                     UTF-8's lead bytes, and the historical five- and
    //                     six-byte forms, each followed by 1 to 5 bytes whose
    //                     low six bits are taken, whatever their high bits;
    //                     overlong forms and surrogates are kept as they read
    //   FE, FF            the next four bytes, little-endian, as they are
    std::u32string Text(std::uint8_t terminator, std::size_t maxCodePoints);

private:
    char32_t CodePoint(std::uint8_t lead);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace vestrel::fuzz
