#pragma once
// A whole game as a small text, enough to play it again exactly: the rules
// draw only from their own random source, so a game is the levels' bytes,
// that source's state where the game began, and the moves and ticks that
// reached the rules, in order. Plain C++, so a recording checks anywhere.
//
//     whiskerdash recording 1         the format
//     rules 1                         the rules it was played under
//     mode ranked                     or practice
//     random FRONT REAR W0 ... W30    the random source where the game began
//     level HOW NUMBER HASH SCORE NAME
//                                     a level begun: how (start, next after a clear,
//                                     restart), its pack number (-1 for a file named
//                                     on the command line), the FNV-1a hash of its
//                                     bytes, the score it began with, its file
//     R, L, U, D                      a move that reached the rules
//     t N                             N ticks of the cats in a row
//     end ENDING SCORE                caught, won, failed, or left (not finished)
//     table TEXT                      each line of the table the game was ranked against

#include "files/problem.h"

#include "game/random.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wd {

struct Recording {
    static constexpr int format = 1;

    enum class Mode { ranked, practice };
    enum class Ending { left, caught, won, failed };

    // How a level began: checked on replay, so a recording cannot skip a level.
    enum class Begin { start, next, restart };

    struct Step {
        enum class Kind { level, move, tick };
        Kind kind = Kind::tick;
        Begin begin = Begin::start;
        int dx = 0;  // a move's way
        int dy = 0;
        int ticks = 1;  // a run of ticks
        // A level begun:
        int number = -1;
        std::uint64_t hash = 0;
        int score = 0;
        std::string file;
        bool operator==(const Step&) const = default;
    };

    Mode mode = Mode::ranked;
    GlibcRandom::State random;
    std::vector<Step> steps;
    Ending ending = Ending::left;
    int score = 0;
    std::string table;  // with its line feeds; empty when the game was not ranked

    void add_level(Begin begin, int number, std::uint64_t hash, int score, const std::string& file);
    void add_move(int dx, int dy);
    void add_tick();
    // The pack level the game was at last, or -1.
    const Step* last_level() const;
    int ticks() const;
    bool operator==(const Recording&) const = default;
};

std::string render(const Recording& recording);

// The recording, or why these bytes are not one this game can play: another
// format or rules version named, or too long (Kind::refused), or damage, the
// line and what is wrong (Kind::damaged).
Result<Recording> parse_recording(std::string_view bytes);

const char* ending_name(Recording::Ending ending);

}  // namespace wd
