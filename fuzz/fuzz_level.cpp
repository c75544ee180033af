// A level of arbitrary bytes, then a burst of moves, ticks and trapped-cat
// passes chosen by the input. Input: one byte n, n step bytes, the level.

#include "board_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t steps = std::min<std::size_t>(data[0], size - 1);
    const std::string level(reinterpret_cast<const char*>(data) + 1 + steps, size - 1 - steps);

    wd::Board board;
    wd::testing::Lcg random{static_cast<unsigned>(size)};
    board.random = [&random] { return random(); };
    board.trace = [](const std::string&) {};
    if (!board.load_bytes(level, "fuzz.lvx").ok())
        return 0;
    for (std::size_t i = 0; i < steps; ++i) {
        // A game over or a cleared level plays this level again.
        if (wd::testing::play_step(board, data[1 + i]) != wd::Outcome::playing)
            board.load_bytes(level, "fuzz.lvx");
        const std::string broken = wd::testing::broken_invariant(board);
        if (!broken.empty()) {
            std::fprintf(stderr, "after step %zu: %s\n", i, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
