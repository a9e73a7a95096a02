#include "random_locators.h"

#include <cstdint>
#include <random>

namespace vestrel::bench {
namespace {

// std::mt19937's output is fixed by the C++ standard; the distributions are
// not, so the draw below is written out to stay the same with every library.
constexpr std::uint32_t kSeed = 20240601;

char32_t Draw(std::mt19937& generator, char32_t first, std::uint32_t choices) {
    return first + static_cast<char32_t>(generator() % choices);
}

}  // namespace

std::vector<std::u32string> RandomLocators(std::size_t count) {
    std::mt19937 generator(kSeed);
    std::vector<std::u32string> locators;
    locators.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::u32string locator;
        locator += Draw(generator, U'A', 18);
        locator += Draw(generator, U'A', 18);
        locator += Draw(generator, U'0', 10);
        locator += Draw(generator, U'0', 10);
        locator += Draw(generator, U'A', 24);
        locator += Draw(generator, U'A', 24);
        locators.push_back(std::move(locator));
    }
    return locators;
}

}  // namespace vestrel::bench
