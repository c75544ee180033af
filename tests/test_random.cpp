// The cats' random source against the C library's own rand(), in a process
// that draws from rand() nothing else: unseeded, so the sequence of seed 1.

#include "game/random.h"

#include <cstdio>
#include <cstdlib>

int main()
{
    wd::GlibcRandom ours;
    wd::GlibcRandom copy_source;
    for (int i = 0; i < 1000; ++i)
        copy_source();
    wd::GlibcRandom copy = copy_source;  // a copy goes on from where its source stands
    int failures = 0;
    for (int i = 0; i < 100000; ++i) {
        const int expected = std::rand();
        const int got = ours();
        if (got != expected && ++failures <= 5)
            std::fprintf(stderr, "draw %d: %d, rand() gave %d\n", i + 1, got, expected);
        if (i >= 1000 && copy() != expected && ++failures <= 5)
            std::fprintf(stderr, "draw %d of a copy differs\n", i + 1);
    }
    // Seeded as srand() would be, the same again.
    std::srand(12345);
    wd::GlibcRandom seeded(12345);
    for (int i = 0; i < 1000; ++i)
        if (seeded() != std::rand() && ++failures <= 5)
            std::fprintf(stderr, "seed 12345, draw %d differs\n", i + 1);
    if (failures)
        std::fprintf(stderr, "%d draws differ\n", failures);
    return failures ? 1 : 0;
}
