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

// A board that keeps its traces instead of printing them, and plays a step
// out as a game would: a cleared level is followed at once by the next, and
// every step that ends the game is counted.
struct QuietBoard : Board {
    std::string traced;
    int game_overs = 0;
    QuietBoard()
    {
        trace = [this](const std::string& text) { traced += text; };
    }
    Outcome mouse_right() { return follow(Board::mouse_right()); }
    Outcome mouse_left() { return follow(Board::mouse_left()); }
    Outcome mouse_up() { return follow(Board::mouse_up()); }
    Outcome mouse_down() { return follow(Board::mouse_down()); }
    Outcome move_mouse(int dx, int dy) { return follow(Board::move_mouse(dx, dy)); }
    Outcome move_cats() { return follow(Board::move_cats()); }
    Outcome follow(Outcome outcome)
    {
        if (outcome == Outcome::caught || (outcome == Outcome::level_cleared && advance_level().kind != Advance::next_level))
            ++game_overs;
        return outcome;
    }
    Result<void> load(std::initializer_list<std::string> rows) { return load_bytes(level_text(rows), "test.lvx"); }
    std::string row(int y) const { return std::string(board[y]); }
};

// The events as one line, only the ones that happened, so a failed
// comparison shows every difference at once: "pushes=1 caught=1".
inline std::string describe(const Events& e)
{
    std::string text;
    auto add = [&](const char* name, int value) {
        if (value)
            text += (text.empty() ? "" : " ") + std::string(name) + "=" + std::to_string(value);
    };
    add("cheese", e.cheese_eaten);
    add("pushes", e.pushes);
    add("escaped", e.cats_escaped);
    add("caught", e.cats_caught);
    add("levels", e.levels_loaded);
    add("won", e.all_cleared);
    add("failed", e.next_level_failed);
    add("mouse_caught", e.mouse_caught);
    return text;
}

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
