#pragma once
// Proving a level clearable: the deep planner plays it over fixed seeds of
// the game's own random source, and each game is recorded as the game records
// one, so a win is a proof anyone can watch and check again. A player's own
// winning game on the level is a proof of the same shape.

#include "files/problem.h"
#include "recording/recording.h"

#include <functional>
#include <optional>
#include <string>

namespace wd::bot {

// Chosen so a shipped-size level is proved within about ten seconds on one
// core: the slowest shipped level takes about half a second a game, and the
// hardest ones need more than a dozen seeds for a first win. Most games end
// well before the tick limit, by a win or by the cats.
inline constexpr int proof_seeds = 16;
inline constexpr int proof_moves_per_tick = 3;
inline constexpr int proof_max_ticks = 1000;

struct ProofRun {
    int tried = 0;
    int cleared = 0;
    std::optional<Recording> win;  // the shortest winning game, if any
    bool cancelled = false;
};

// Plays `seeds` games (seeds 1, 2, ...) on the level's bytes, loaded as pack
// level `number` from `file`. `go_on`, when set, hears after each game how many
// were tried and cleared; false stops the run there (cancelled). It is called
// on the thread running the proof: a worker's, for a window that must answer.
// Bytes the game cannot load try no game.
ProofRun prove(const std::string& bytes, const std::string& file, int number, int seeds = proof_seeds,
               const std::function<bool(int tried, int cleared)>& go_on = {},
               int max_ticks = proof_max_ticks);

// How hard the bot found the level: "easy", "fair", "hard", "very hard", or
// "not cleared by the bot".
std::string difficulty(int cleared, int tried);

// Whether the recording, played again on these bytes, clears the level as it
// recorded: one level, begun at its start on exactly these bytes (the hash),
// ended won. The problem's text says why not, after the file's name.
Result<void> proof_holds(const Recording& proof, const std::string& level_bytes, const std::string& file);

// The proof as kept beside pack level `number` in `file`: the same game,
// named after where it now lies. Its bytes' hash is left as recorded.
Recording proof_for(Recording proof, int number, const std::string& file);

}  // namespace wd::bot
