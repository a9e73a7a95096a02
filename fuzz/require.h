#pragma once

// A broken promise found by a fuzz target: says which one, then aborts, so
// that libFuzzer keeps the input that led there.

namespace vestrel::fuzz {

void Require(bool holds, const char* promise);

}  // namespace vestrel::fuzz
