#pragma once

// A broken invariant ends the fuzzer's run with the input that broke it.

#include <cstdio>
#include <cstdlib>

#define TOVRA_FUZZ_CHECK(condition)                                                     \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,       \
                         #condition);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
