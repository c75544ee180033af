#include "replay.h"

#include "scores/hsc_table.h"

namespace wd {

Result<std::string> recorded_level(const Recording::Step& step, Result<std::string> read)
{
    if (!read.ok()) {
        Problem problem = read.problem();
        problem.text = step.file + ": " + problem.text;
        return problem;
    }
    if (fnv1a(read.value()) != step.hash)
        return Problem{Problem::Kind::refused, 0,
                       step.file + ": not the level this game was played on (its bytes changed)"};
    return read;
}

Result<void> play_steps(Board& board, const Recording& recording, const ReadLevel& read, Outcome& outcome)
{
    board.own_random()->restore(recording.random);
    outcome = Outcome::playing;
    int entry_score = 0;
    const auto differs = [](const std::string& how) { return Problem{Problem::Kind::damaged, 0, how}; };
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
            const Result<std::string> file = recorded_level(step, read(step.file));
            if (!file.ok())
                return file.problem();
            if (Result<void> loaded = board.load_bytes(file.value(), step.file); !loaded.ok())
                return loaded;
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
    return {};
}

Result<Replayed> replay(const Recording& recording, const ReadLevel& read, const Board::TraceSink& trace)
{
    Board board;
    board.trace = trace;
    Outcome outcome = Outcome::playing;
    Replayed result;
    if (const Result<void> played = play_steps(board, recording, read, outcome); !played.ok()) {
        if (played.problem().kind != Problem::Kind::damaged)
            return played.problem();
        // Steps the live game would not have taken: played, but not as recorded.
        result.difference = played.problem().text;
        return result;
    }
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
    if (result.ending != recording.ending || result.score != recording.score)
        result.difference = std::string("recorded ") + ending_name(recording.ending) + " with "
            + std::to_string(recording.score) + " points, played again " + ending_name(result.ending) + " with "
            + std::to_string(result.score);
    return result;
}

}  // namespace wd
