// whiskerdash-bot: plays each level many times with the game's own rules, a
// seeded random source for the cats and one of the players, and reports how
// often the level was cleared and how its cats were caught.

#include "bot.h"
#include "catches.h"
#include "planner.h"
#include "prove.h"
#include "game/board.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A seeded stand-in for libc rand(): the same seed plays the same game.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL) {}
    int operator()()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) & 0x7FFFFFFF);
    }

private:
    std::uint64_t state_;
};

struct Game {
    bool won = false;
    bool caught = false;  // lost because a cat reached the mouse, not to the clock
    long moves = 0;
    long ticks = 0;
    std::array<int, wd::bot::catch_kinds> catches{};
};

// The steady player waits on traps; the planners build them, deep or shallow.
enum class Kind { steady, shallow, deep };

class AnyPlayer {
public:
    AnyPlayer(Kind kind, int moves_per_tick)
        : steady_(moves_per_tick)
        , planner_(moves_per_tick, kind == Kind::deep ? wd::bot::deep_search : wd::bot::shallow_search)
        , kind_(kind)
    {
    }
    wd::bot::Step choose(const wd::Board& b, int turns_left)
    {
        return kind_ == Kind::steady ? steady_.choose(b, turns_left) : planner_.choose(b, turns_left);
    }

private:
    wd::bot::Player steady_;
    wd::bot::Planner planner_;
    Kind kind_;
};

void show(const wd::Board& b, long tick)
{
    std::fprintf(stderr, "tick %ld\n", tick);
    for (int y = 0; y < b.board_height; ++y)
        std::fprintf(stderr, "%.*s\n", b.board_width, b.board[y]);
}

Game play(const std::string& bytes, const std::string& name, std::uint64_t seed, Kind kind, int moves_per_tick,
          long max_ticks, bool watch)
{
    wd::Board b;
    Random random(seed);
    b.trace = [](const std::string&) {};
    b.random = [&random] { return random(); };
    if (!b.load_bytes(bytes, name).ok())
        return {};
    b.level_number = 999999;  // clearing asks for a level that does not exist
    AnyPlayer player(kind, moves_per_tick);
    wd::bot::CatchLog log;
    log.start(b);
    Game game;
    for (game.ticks = 0; game.ticks < max_ticks; ++game.ticks) {
        for (int turn = 0; turn < moves_per_tick; ++turn) {
            const wd::bot::Step step = player.choose(b, moves_per_tick - turn);
            if (step.none())
                continue;
            const wd::Events events = log.move(b, step.dx, step.dy);
            ++game.moves;
            if (events.mouse_caught) {
                game.caught = true;
                return game;
            }
            if (events.cats_caught > 0 && b.cat_count == 0) {
                game.won = true;
                game.catches = log.counts;
                return game;
            }
        }
        const wd::Outcome ticked = b.move_cats();
        b.take_events();
        if (watch)
            show(b, game.ticks);
        if (ticked == wd::Outcome::caught) {
            ++game.ticks;
            game.caught = true;
            return game;
        }
    }
    return game;
}

// The proof named after the level's path as given, so the game can check it
// again from anywhere: `whiskerdash --replay DIR/NAME.proof --check`.
bool keep_proof(const wd::Recording& win, const std::string& level, const std::string& folder)
{
    const std::string name = std::filesystem::path(level).stem().string();
    const std::string path = folder + "/" + name + ".proof";
    const std::string text = wd::render(wd::bot::proof_for(win, -1, level));
    std::ofstream out(path, std::ios::binary);
    if (!(out << text) || !(out.flush())) {
        std::fprintf(stderr, "whiskerdash-bot: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: whiskerdash-bot [--player steady|shallow|deep] [--runs N] [--first-seed S] [--moves-per-tick K] [--max-ticks T] [--watch]"
                 " [--until-won] [--prove [--proofs DIR]] LEVEL.lvx...\n"
                 "Prints one line per level: file, games won, games, mean moves and mean ticks of the won games,\n"
                 "the cats caught in won games in enclosures of pushed crates, in bait pockets, and in boxes\n"
                 "that were there from the start, and the games lost because a cat reached the mouse.\n"
                 "With --until-won, a level's games stop at its first win.\n"
                 "With --prove, each level is proved as the editor proves it instead: one line of file, games\n"
                 "cleared, games played, the difficulty word (or unproved) and the CPU seconds it took;\n"
                 "the exit status is 1 when a level is not proved. --proofs keeps each proof in DIR as\n"
                 "NAME.proof, a recording that names the level by the path given.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 100;
    std::uint64_t first_seed = 1;
    int moves_per_tick = 3;
    long max_ticks = 1500;
    bool watch = false;
    bool until_won = false;
    bool proving = false;
    std::string proofs;
    Kind kind = Kind::steady;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string option = argv[i];
        if (option == "--watch" || option == "--until-won") {
            (option == "--watch" ? watch : until_won) = true;
            continue;
        }
        if (option == "--prove") {
            proving = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        if (option == "--proofs") {
            proofs = argv[++i];
            continue;
        }
        if (option == "--player") {
            const std::string name = argv[++i];
            if (name == "steady")
                kind = Kind::steady;
            else if (name == "shallow")
                kind = Kind::shallow;
            else if (name == "deep")
                kind = Kind::deep;
            else
                return usage();
            continue;
        }
        const long value = std::strtol(argv[++i], nullptr, 10);
        if (option == "--runs" && value > 0)
            runs = static_cast<int>(value);
        else if (option == "--first-seed" && value >= 0)
            first_seed = static_cast<std::uint64_t>(value);
        else if (option == "--moves-per-tick" && value > 0)
            moves_per_tick = static_cast<int>(value);
        else if (option == "--max-ticks" && value > 0)
            max_ticks = value;
        else
            return usage();
    }
    if (i >= argc)
        return usage();

    int faulty = 0;
    for (; i < argc; ++i) {
        const wd::Result<std::string> read = wd::read_level_file(argv[i]);
        if (!read.ok()) {
            std::fprintf(stderr, "whiskerdash-bot: %s: %s\n", argv[i], read.problem().text.c_str());
            ++faulty;
            continue;
        }
        const std::string& bytes = read.value();
        wd::Board probe;
        probe.trace = [](const std::string&) {};
        if (const wd::Result<void> loaded = probe.load_bytes(bytes, argv[i]); !loaded.ok()) {
            std::fprintf(stderr, "whiskerdash-bot: %s\n", loaded.problem().text.c_str());
            ++faulty;
            continue;
        }
        if (proving) {
            // As the editor proves a level: its seeds of the game's own random source, on one core.
            const std::clock_t start = std::clock();
            const wd::bot::ProofRun run = wd::bot::prove(bytes, argv[i], 0);
            const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
            std::printf("%s %d %d %s %.2f\n", argv[i], run.cleared, run.tried,
                        run.win ? wd::bot::difficulty(run.cleared, run.tried).c_str() : "unproved", seconds);
            std::fflush(stdout);
            faulty += !run.win;
            if (run.win && !proofs.empty() && !keep_proof(*run.win, argv[i], proofs))
                ++faulty;
            continue;
        }
        int won = 0;
        int played = 0;
        int caught = 0;
        long moves = 0;
        long ticks = 0;
        std::array<long, wd::bot::catch_kinds> catches{};
        for (int run = 0; run < runs && !(until_won && won > 0); ++run) {
            const Game game = play(bytes, argv[i], first_seed + static_cast<std::uint64_t>(run), kind,
                                   moves_per_tick, max_ticks, watch);
            ++played;
            caught += game.caught;
            if (game.won) {
                ++won;
                moves += game.moves;
                ticks += game.ticks;
                for (int k = 0; k < wd::bot::catch_kinds; ++k)
                    catches[static_cast<std::size_t>(k)] += game.catches[static_cast<std::size_t>(k)];
            }
        }
        std::printf("%s %d %d %.1f %.1f %ld %ld %ld %d\n", argv[i], won, played, won ? double(moves) / won : 0.0,
                    won ? double(ticks) / won : 0.0, catches[0], catches[1], catches[2], caught);
        std::fflush(stdout);
    }
    return faulty > 0 ? 1 : 0;
}
