#include "prove.h"

#include "planner.h"
#include "recording/replay.h"

#include "game/board.h"
#include "game/random.h"

namespace wd::bot {

namespace {

// One game of the deep planner from this seed, recorded move by move and
// tick by tick as the live game records them.
struct Game {
    Recording recording;
    bool won = false;
};

Game play_one(const std::string& bytes, const std::string& file, int number, unsigned seed, int max_ticks)
{
    Game game;
    Board board;
    board.trace = [](const std::string&) {};
    board.locate = [](const std::string&) { return std::string(); };  // a clear reads nothing
    // The replay restores the source before it loads the level: so does this.
    board.own_random()->restore(GlibcRandom(seed).state_now());
    Recording& r = game.recording;
    r.mode = Recording::Mode::practice;
    r.random = board.own_random()->state_now();
    if (!board.load_bytes(bytes, file).ok())
        return game;
    board.level_number = number;
    r.add_level(Recording::Begin::start, number, fnv1a(bytes), 0, file);
    Planner planner(proof_moves_per_tick, deep_search);
    const auto ended = [&](Outcome outcome) {
        if (outcome == Outcome::playing)
            return false;
        game.won = outcome == Outcome::level_cleared;
        r.ending = game.won ? Recording::Ending::won : Recording::Ending::caught;
        r.score = board.score;
        return true;
    };
    for (int tick = 0; tick < max_ticks; ++tick) {
        for (int turn = 0; turn < proof_moves_per_tick; ++turn) {
            const Step step = planner.choose(board, proof_moves_per_tick - turn);
            if (step.none())
                continue;
            r.add_move(step.dx, step.dy);
            if (ended(board.step_mouse(step.dx, step.dy).outcome))
                return game;
        }
        r.add_tick();
        if (ended(board.step_cats().outcome))
            return game;
    }
    r.score = board.score;  // left on the clock
    return game;
}

}  // namespace

ProofRun prove(const std::string& bytes, const std::string& file, int number, int seeds,
               const std::function<bool(int tried, int cleared)>& go_on, int max_ticks)
{
    ProofRun run;
    Board probe;
    probe.trace = [](const std::string&) {};
    if (!probe.load_bytes(bytes, file).ok())
        return run;
    for (int seed = 1; seed <= seeds; ++seed) {
        Game game = play_one(bytes, file, number, static_cast<unsigned>(seed), max_ticks);
        ++run.tried;
        if (game.won) {
            ++run.cleared;
            // The shortest win is the one worth watching.
            if (!run.win || game.recording.ticks() < run.win->ticks())
                run.win = std::move(game.recording);
        }
        if (go_on && !go_on(run.tried, run.cleared)) {
            run.cancelled = seed < seeds;
            break;
        }
    }
    return run;
}

std::string difficulty(int cleared, int tried)
{
    if (cleared <= 0 || tried <= 0)
        return "not cleared by the bot";
    // In hundredths, so the bounds are exact: 37 of 50 is hard, 15 of 20 fair.
    const long rate = 100L * cleared / tried;
    if (rate >= 95)
        return "easy";
    if (rate >= 75)
        return "fair";
    if (rate >= 40)
        return "hard";
    return "very hard";
}

Result<void> proof_holds(const Recording& proof, const std::string& level_bytes, const std::string& file)
{
    const auto fails = [&file](Problem::Kind kind, const std::string& why) {
        return Problem{kind, 0, file + ": " + why};
    };
    int levels = 0;
    for (const Recording::Step& step : proof.steps)
        levels += step.kind == Recording::Step::Kind::level;
    if (levels != 1 || proof.steps.front().kind != Recording::Step::Kind::level
        || proof.steps.front().begin != Recording::Begin::start)
        return fails(Problem::Kind::damaged, "the proof does not play this one level from its start");
    if (proof.steps.front().hash != fnv1a(level_bytes))
        return fails(Problem::Kind::refused, "the proof was played on other bytes of the level");
    if (proof.ending != Recording::Ending::won)
        return fails(Problem::Kind::refused, std::string("the proof's game was not won (it ended ")
                                                 + ending_name(proof.ending) + ")");
    // Only this level can be read, by whatever name the proof gives it.
    const ReadLevel read = [&](const std::string&) -> Result<std::string> { return level_bytes; };
    const Result<Replayed> replayed = replay(proof, read, [](const std::string&) {});
    if (!replayed.ok())
        return fails(replayed.problem().kind, replayed.problem().text);
    if (!replayed.value().reproduced())
        return fails(Problem::Kind::refused, "the proof does not clear the level: " + replayed.value().difference);
    return {};
}

Recording proof_for(Recording proof, int number, const std::string& file)
{
    proof.mode = Recording::Mode::practice;
    proof.table.clear();
    for (Recording::Step& step : proof.steps)
        if (step.kind == Recording::Step::Kind::level) {
            step.number = number;
            step.file = file;
        }
    return proof;
}

}  // namespace wd::bot
