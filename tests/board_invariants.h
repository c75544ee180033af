#pragma once
// What must hold between any two steps of play, whatever the level.

#include "game/board.h"

#include <string>

namespace wd::testing {

// Empty when the board is sound; otherwise what is wrong.
inline std::string broken_invariant(const Board& b)
{
    auto inside = [](int x, int y) { return x >= 0 && y >= 0 && x < grid_cols && y < grid_rows; };
    if (!inside(b.mouse_x, b.mouse_y))
        return "mouse outside the grid";
    if (b.board[b.mouse_y][b.mouse_x] != 'M')
        return "the mouse's cell does not hold 'M'";
    if (b.cat_count < 0 || b.cat_count > max_cats)
        return "cat count " + std::to_string(b.cat_count);
    if (b.board_height < 0 || b.board_height > grid_rows || b.board_width < 0 || b.board_width > max_cells)
        return "board size out of range";
    for (int i = 0; i < b.cat_count; ++i) {
        const std::string cat = "cat " + std::to_string(i) + " at (" + std::to_string(b.cat_x[i]) + ","
            + std::to_string(b.cat_y[i]) + ")";
        if (!inside(b.cat_x[i], b.cat_y[i]))
            return cat + " is outside the grid";
        if (b.board[b.cat_y[i]][b.cat_x[i]] != 'C')
            return cat + " stands on '" + std::string(1, b.board[b.cat_y[i]][b.cat_x[i]]) + "'";
        for (int j = 0; j < i; ++j)
            if (b.cat_x[j] == b.cat_x[i] && b.cat_y[j] == b.cat_y[i])
                return cat + " shares its cell with cat " + std::to_string(j);
    }
    return {};
}

// A small, fast, seeded source for long runs.
struct Lcg {
    unsigned state;
    int operator()()
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 1) & 0x7FFFFFFF);
    }
};

// One step of play chosen by `choice`: a move in one of four directions, or a tick.
inline Outcome play_step(Board& b, unsigned choice)
{
    switch (choice % 5) {
    case 0: return b.mouse_right();
    case 1: return b.mouse_left();
    case 2: return b.mouse_up();
    case 3: return b.mouse_down();
    default: return b.move_cats();
    }
}

}  // namespace wd::testing
