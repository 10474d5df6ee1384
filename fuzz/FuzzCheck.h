#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzz run with `what` when a property does not hold, so that
// libFuzzer keeps the input that broke it.
inline void require(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
