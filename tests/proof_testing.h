#pragma once
// A level a player clears in a few steps, and that player's recorded win.

#include "recording/recording.h"
#include "testing.h"

namespace wd::testing {

// A cat behind a crate, `gap` cells of floor and a cheese away from the mouse.
inline std::string trap(int gap)
{
    const std::string walls(static_cast<std::size_t>(gap) + 6, 'H');
    return level_text({walls, "HM" + std::string(static_cast<std::size_t>(gap), '.') + "KBCH", walls});
}

// The player's win on trap(gap), as the game records a test-play: walk right
// until the crate covers the cat.
inline Recording won(int gap, Recording::Ending ending = Recording::Ending::won, int score = 10)
{
    Recording r;
    r.mode = Recording::Mode::practice;
    r.random = GlibcRandom(1).state_now();
    r.add_level(Recording::Begin::start, -1, fnv1a(trap(gap)), 0, "test-play.lvx");
    for (int i = 0; i < gap + 2; ++i)
        r.add_move(1, 0);
    r.ending = ending;
    r.score = score;
    return r;
}

}  // namespace wd::testing
