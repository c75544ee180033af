#pragma once
// A player that builds its traps: it searches short runs of walks and pushes
// on copies of the board, with the cats taken where they stand, for a push
// that covers a cat with no free neighbour. It plans afresh every tick, and
// falls back on the steady player's safety and bait when no catch is in reach.

#include "bot.h"

#include <vector>

namespace wd::bot {

struct Search {
    int node_budget = 400;  // pushes tried on copies of the board per plan
    int max_pushes = 3;     // pushes in one plan
};

// Both plan enclosures of three pushes, as every catch on open floor needs;
// the shallow player tries fewer ways, so it more often misses a trap in
// reach and walks about or waits instead.
inline constexpr Search deep_search{400, 3};
inline constexpr Search shallow_search{150, 3};

struct Plan {
    std::vector<Step> steps;  // walks, then the pushes, the last of which catches
    int pushes = 0;
    int nodes = 0;  // pushes tried to find it
    bool found() const { return !steps.empty(); }
};

// The cheapest run of steps, within the search's limits, whose last push
// catches a cat that stays where it is; empty when none was found.
Plan plan_catch(const Board& board, Search search);

// Walking steps to a cell near the nearest cat, where pushes can reach it.
std::vector<Step> approach_cat(const Board& board);

class Planner {
public:
    Planner(int moves_per_tick, Search search) : fallback_(moves_per_tick), moves_per_tick_(moves_per_tick), search_(search) {}

    Step choose(const Board& board, int turns_left);

private:
    Player fallback_;
    int moves_per_tick_;
    Search search_;
    std::vector<Step> steps_;  // what is left of this tick's plan
};

}  // namespace wd::bot
