// whiskerdash-bot: plays each level many times with the game's own rules, a
// seeded random source for the cats and a steady player, and reports how often
// the level was cleared.

#include "bot.h"
#include "game/board.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    long moves = 0;
    long ticks = 0;
};

void show(const wd::Board& b, long tick)
{
    std::fprintf(stderr, "tick %ld\n", tick);
    for (int y = 0; y < b.board_height; ++y)
        std::fprintf(stderr, "%.*s\n", b.board_width, b.board[y]);
}

Game play(const std::string& bytes, const std::string& name, std::uint64_t seed, int moves_per_tick, long max_ticks,
          bool watch)
{
    wd::Board b;
    Random random(seed);
    b.trace = [](const std::string&) {};
    b.random = [&random] { return random(); };
    if (!b.load_bytes(bytes, name).ok())
        return {};
    b.level_number = 999999;  // clearing asks for a level that does not exist
    wd::bot::Player player(moves_per_tick);
    Game game;
    for (game.ticks = 0; game.ticks < max_ticks; ++game.ticks) {
        for (int turn = 0; turn < moves_per_tick; ++turn) {
            const wd::bot::Step step = player.choose(b, moves_per_tick - turn);
            if (step.none())
                continue;
            const wd::Outcome outcome = b.move_mouse(step.dx, step.dy);
            ++game.moves;
            b.take_events();
            if (outcome == wd::Outcome::caught)
                return game;
            if (outcome == wd::Outcome::level_cleared) {
                game.won = true;
                return game;
            }
        }
        const wd::Outcome ticked = b.move_cats();
        b.take_events();
        if (watch)
            show(b, game.ticks);
        if (ticked == wd::Outcome::caught) {
            ++game.ticks;
            return game;
        }
    }
    return game;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: whiskerdash-bot [--runs N] [--first-seed S] [--moves-per-tick K] [--max-ticks T] [--watch]"
                 " LEVEL.lvx...\n"
                 "Prints one line per level: file, games won, games, mean moves and mean ticks of the won games.\n");
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
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string option = argv[i];
        if (option == "--watch") {
            watch = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
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
        const wd::FileBytes file = wd::read_level_file(argv[i]);
        if (!file.opened) {
            std::fprintf(stderr, "whiskerdash-bot: %s: %s\n", argv[i], file.error.c_str());
            ++faulty;
            continue;
        }
        wd::Board probe;
        probe.trace = [](const std::string&) {};
        if (const wd::LoadResult loaded = probe.load_bytes(file.bytes, argv[i]); !loaded.ok()) {
            std::fprintf(stderr, "whiskerdash-bot: %s\n", loaded.message.c_str());
            ++faulty;
            continue;
        }
        int won = 0;
        long moves = 0;
        long ticks = 0;
        for (int run = 0; run < runs; ++run) {
            const Game game = play(file.bytes, argv[i], first_seed + static_cast<std::uint64_t>(run), moves_per_tick,
                                   max_ticks, watch);
            if (game.won) {
                ++won;
                moves += game.moves;
                ticks += game.ticks;
            }
        }
        std::printf("%s %d %d %.1f %.1f\n", argv[i], won, runs, won ? double(moves) / won : 0.0,
                    won ? double(ticks) / won : 0.0);
        std::fflush(stdout);
    }
    return faulty > 0 ? 1 : 0;
}
