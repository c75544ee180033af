#pragma once
// Playing a recording again on the rules alone, as fast as they run.

#include "recording.h"

#include "game/board.h"

#include <functional>
#include <string>

namespace wd {

// A level file's bytes by the name the recording gives it.
using ReadLevel = std::function<Result<std::string>(const std::string& file)>;

// What a recording played again came to. A game that comes out otherwise
// than recorded is an answer, not a failure: the check tells it apart (exit 1)
// from a recording it cannot play at all (exit 2).
struct Replayed {
    Recording::Ending ending = Recording::Ending::left;
    int score = 0;
    std::string difference;  // how it came out otherwise; empty when as recorded
    bool reproduced() const { return difference.empty(); }
};

// Plays every step; the levels' traces and, for a ranked game that ended, the
// ranking's go to `trace` as the live game printed them. The problem when a
// level cannot be read or loaded, or its bytes are not the recorded ones.
// A recorded level's bytes as read now: the read's problem named with the file,
// or bytes other than those the game was played on refused.
Result<std::string> recorded_level(const Recording::Step& step, Result<std::string> read);

Result<Replayed> replay(const Recording& recording, const ReadLevel& read, const Board::TraceSink& trace);

// Plays every step onto `board` (its own random source set where the game
// began) and leaves it where the game stood, with the last step's outcome.
// The problem when the steps could not all be played: Kind::damaged for a
// step the live game never lets through, the level's own problem otherwise
// (Kind::refused for bytes that are not the recorded ones).
Result<void> play_steps(Board& board, const Recording& recording, const ReadLevel& read, Outcome& outcome);

}  // namespace wd
