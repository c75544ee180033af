#include "replay.h"

#include "scores/hsc_table.h"

namespace wd {

std::optional<ReplayResult> play_steps(Board& board, const Recording& recording, const ReadLevel& read,
                                       Outcome& outcome)
{
    ReplayResult result;
    board.own_random()->restore(recording.random);
    outcome = Outcome::playing;
    int entry_score = 0;
    const auto differs = [&result](const std::string& how) {
        result.verdict = ReplayResult::Verdict::differs;
        result.reason = how;
        return result;
    };
    for (const Recording::Step& step : recording.steps) {
        switch (step.kind) {
        case Recording::Step::Kind::level: {
            // Only what the live game allows: the next level once this one is
            // cleared, with the score as it stands; this level again with the
            // score it began with.
            if (step.begin == Recording::Begin::next
                && (outcome != Outcome::level_cleared || step.score != board.score
                    || (step.number >= 0 && step.number != board.level_number + 1)))
                return differs("a level begins that the game had not reached: " + step.file);
            if (step.begin == Recording::Begin::restart
                && (step.file != board.level_source || step.score != entry_score || outcome == Outcome::caught))
                return differs("a level starts over that was not in play: " + step.file);
            const Result<std::string> file = read(step.file);
            if (!file.ok()) {
                result.reason = step.file + ": " + file.problem().text;
                return result;
            }
            if (fnv1a(file.value()) != step.hash) {
                result.reason = step.file + ": not the level this game was played on (its bytes changed)";
                return result;
            }
            if (const Result<void> loaded = board.load_bytes(file.value(), step.file); !loaded.ok()) {
                result.reason = loaded.problem().text;
                return result;
            }
            board.level_number = step.number;
            board.score = step.score;
            entry_score = step.score;
            outcome = Outcome::playing;
            break;
        }
        // A step after the end is one the live game never let through: it changes nothing.
        case Recording::Step::Kind::move:
            if (outcome == Outcome::playing)
                outcome = board.step_mouse(step.dx, step.dy).outcome;
            break;
        case Recording::Step::Kind::tick:
            for (int i = 0; i < step.ticks && outcome == Outcome::playing; ++i)
                outcome = board.step_cats().outcome;
            break;
        }
    }
    return std::nullopt;
}

ReplayResult replay(const Recording& recording, const ReadLevel& read, const Board::TraceSink& trace)
{
    Board board;
    board.trace = trace;
    Outcome outcome = Outcome::playing;
    if (auto stopped = play_steps(board, recording, read, outcome))
        return *stopped;
    ReplayResult result;
    result.score = board.score;
    // A cleared level ends the way the live game found: no next level (won),
    // one it could not play (failed), or a game left on the cleared card.
    if (outcome == Outcome::caught)
        result.ending = Recording::Ending::caught;
    else if (outcome == Outcome::level_cleared)
        result.ending = recording.ending == Recording::Ending::caught ? Recording::Ending::won : recording.ending;
    else
        result.ending = Recording::Ending::left;
    const bool ended = result.ending != Recording::Ending::left;
    if (ended && recording.mode == Recording::Mode::ranked && !recording.table.empty()) {
        hsc::Table(recording.table).rank(result.score, trace);
    }
    result.verdict = result.ending == recording.ending && result.score == recording.score
        ? ReplayResult::Verdict::reproduced
        : ReplayResult::Verdict::differs;
    if (result.verdict == ReplayResult::Verdict::differs)
        result.reason = std::string("recorded ") + ending_name(recording.ending) + " with "
            + std::to_string(recording.score) + " points, played again " + ending_name(result.ending) + " with "
            + std::to_string(result.score);
    return result;
}

}  // namespace wd
