#pragma once
// An invariant that does not hold names its line and aborts, so the fuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define check(condition)                                                                    \
    ((condition) ? void()                                                                   \
                 : (std::fprintf(stderr, "invariant broken: %s:%d\n", __FILE__, __LINE__), \
                    std::abort()))
