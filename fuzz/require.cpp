#include "require.h"

#include <cstdio>
#include <cstdlib>

namespace vestrel::fuzz {

void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "vestrel: broken promise: %s\n", promise);
        std::abort();
    }
}

}  // namespace vestrel::fuzz
