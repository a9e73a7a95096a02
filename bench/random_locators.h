#pragma once

// Subsquare locators drawn at random, the same ones on every run, so that
// timings compare across runs and machines.

#include <cstddef>
#include <string>
#include <vector>

namespace vestrel::bench {

// `count` valid six-character locators: field letters A-R, square digits 0-9,
// subsquare letters A-X, from a generator with a fixed seed.
std::vector<std::u32string> RandomLocators(std::size_t count);

}  // namespace vestrel::bench
