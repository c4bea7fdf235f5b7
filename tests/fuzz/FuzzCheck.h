#pragma once

#include <cstdio>
#include <cstdlib>

namespace zd {

// A harness's own finding: printed and turned into a crash, which libFuzzer
// keeps as an artifact and the corpus replay reports as a failed test.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, __FILE__, __LINE__);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace zd
