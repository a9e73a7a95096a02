#include "byte_reader.h"

#include <array>
#include <cstring>

namespace vestrel::fuzz {
namespace {

struct LeadForm {
    std::uint8_t first;     // lowest lead byte of the form
    std::uint8_t payload;   // mask of the lead byte's value bits
    std::size_t followers;  // bytes that follow
};

// From the longest form down, so the first match is the right one.
constexpr std::array<LeadForm, 5> kLeadForms{{
    {0xFC, 0x01, 5},
    {0xF8, 0x03, 4},
    {0xF0, 0x07, 3},
    {0xE0, 0x0F, 2},
    {0xC0, 0x1F, 1},
}};
constexpr std::uint8_t kRawLead = 0xFE;
constexpr std::size_t kRawBytes = 4;
constexpr std::uint8_t kFollowerPayload = 0x3F;
constexpr unsigned kFollowerBits = 6;

}  // namespace

std::uint8_t ByteReader::Byte() {
    return AtEnd() ? std::uint8_t{0} : data_[position_++];
}

double ByteReader::Double() {
    std::array<std::uint8_t, sizeof(double)> bytes{};
    for (std::uint8_t& b : bytes) {
        b = Byte();
    }
    double value = 0.0;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

char32_t ByteReader::CodePoint(std::uint8_t lead) {
    if (lead >= kRawLead) {
        char32_t value = 0;
        for (std::size_t i = 0; i < kRawBytes; ++i) {
            value |= static_cast<char32_t>(Byte()) << (8 * i);
        }
        return value;
    }
    for (const LeadForm& form : kLeadForms) {
        if (lead >= form.first) {
            char32_t value = lead & form.payload;
            for (std::size_t i = 0; i < form.followers; ++i) {
                value = (value << kFollowerBits) | (Byte() & kFollowerPayload);
            }
            return value;
        }
    }
    return lead;
}

std::u32string ByteReader::Text(std::uint8_t terminator, std::size_t maxCodePoints) {
    std::u32string text;
    while (!AtEnd() && text.size() < maxCodePoints) {
        const std::uint8_t lead = Byte();
        if (lead == terminator) {
            break;
        }
        text += CodePoint(lead);
    }
    return text;
}

}  // namespace vestrel::fuzz
