#pragma once
// Small helpers shared by the headless suites.

#include "game/board.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace wd::testing {

// The bytes of a level file: every row followed by a line feed.
inline std::string level_text(std::initializer_list<std::string> rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

// A board that keeps its traces instead of printing them.
struct QuietBoard : Board {
    std::string traced;
    int game_overs = 0;
    QuietBoard()
    {
        trace = [this](const std::string& text) { traced += text; };
        game_over = [this] { ++game_overs; };
    }
    LoadResult load(std::initializer_list<std::string> rows) { return load_bytes(level_text(rows), "test.lvx"); }
    std::string row(int y) const { return std::string(board[y]); }
};

// Draws for the cats: each value is a fraction in [0, 1), handed out in order.
struct ScriptedDraws {
    std::vector<double> fractions;
    std::size_t used = 0;
    int operator()()
    {
        const double f = used < fractions.size() ? fractions[used] : 0.0;
        ++used;
        return static_cast<int>(f * 16777216.0);
    }
};

}  // namespace wd::testing
