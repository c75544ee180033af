#pragma once
// Playing a recording again on the rules alone, as fast as they run.

#include "recording.h"

#include "game/board.h"

#include <functional>
#include <optional>
#include <string>

namespace wd {

// A level file's bytes by the name the recording gives it.
using ReadLevel = std::function<Result<std::string>(const std::string& file)>;

struct ReplayResult {
    enum class Verdict { reproduced, differs, refused };
    Verdict verdict = Verdict::refused;
    Recording::Ending ending = Recording::Ending::left;  // what the replay came to
    int score = 0;
    std::string reason;  // why it was refused or how it differs
};

// Plays every step; the levels' traces and, for a ranked game that ended, the
// ranking's go to `trace` as the live game printed them. Refused when a level
// cannot be read or its bytes are not the recorded ones.
ReplayResult replay(const Recording& recording, const ReadLevel& read, const Board::TraceSink& trace);

// Plays every step onto `board` (its own random source set where the game
// began) and leaves it where the game stood, with the last step's outcome;
// the result when the steps could not all be played.
std::optional<ReplayResult> play_steps(Board& board, const Recording& recording, const ReadLevel& read,
                                       Outcome& outcome);

}  // namespace wd
