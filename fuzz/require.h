#pragma once
// A property every accepted input must keep: a broken one stops the run
// where the fuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
