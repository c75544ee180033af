#pragma once
// Which sound effect each thing on the board calls for. Plain C++, so the
// choice is tested without a sound server.

#include "game/board.h"

#include <array>
#include <vector>

namespace wd {

enum class Effect { cheese, push, escape, cat_caught, level_cleared, game_won, mouse_caught };
constexpr int effect_count = 7;

// The file of each effect, in the play folder beside the sprites.
constexpr std::array<const char*, effect_count> effect_files = {
    "cheese.wav", "push.wav", "escape.wav", "catch.wav", "level.wav", "win.wav", "caught.wav"};

// The effects for what one rule call did, each at most once. A cleared level
// or a won game stands for the catch that caused it.
inline std::vector<Effect> effects_for(const Events& e)
{
    std::vector<Effect> effects;
    if (e.cheese_eaten)
        effects.push_back(Effect::cheese);
    if (e.pushes)
        effects.push_back(Effect::push);
    if (e.cats_escaped)
        effects.push_back(Effect::escape);
    if (e.all_cleared)
        effects.push_back(Effect::game_won);
    else if (e.levels_loaded)
        effects.push_back(Effect::level_cleared);
    else if (e.cats_caught)
        effects.push_back(Effect::cat_caught);
    if (e.mouse_caught)
        effects.push_back(Effect::mouse_caught);
    return effects;
}

}  // namespace wd
