#pragma once
// A player for measuring levels. It sees the board as a person does, looks a
// few pushes ahead with the game's own push and escape rules, and chooses one
// arrow key (or none) per turn. It never reads the random source.

#include "game/board.h"

#include <array>
#include <cstdint>
#include <vector>

namespace wd::bot {

struct Step {
    int dx = 0;
    int dy = 0;
    bool none() const { return dx == 0 && dy == 0; }
};

// Callbacks that make a board safe to play ahead on: no trace, no game over,
// and clearing its last cat reads no file.
void harmless(Board& board);

// A copy of the board to look ahead on. Every move goes through the rules' own
// step, so pushes, eaten cheese and covered cats escaping or caught are
// exactly the game's; clearing the level loads nothing and ends nothing.
struct Model : Board {
    int width = 0;
    int height = 0;

    Model();
    static Model of(const Board& board);
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    char at(int x, int y) const { return inside(x, y) ? board[y][x] : 'H'; }
    void set(int x, int y, char c)
    {
        if (inside(x, y))
            board[y][x] = c;
    }
    // Where a move from (x, y) along (dx, dy) pushes a row of crates to, by the rules.
    Cell push_end(int x, int y, int dx, int dy) const
    {
        return wd::push_end([this](int cx, int cy) { return at(cx, cy); }, x, y, dx, dy);
    }
    // The mouse lifted to (x, y) without walking, for looking ahead.
    void place_mouse(int x, int y);
    // One move of the mouse; returns the number of cats caught by it.
    int move(int dx, int dy);
};

// Where the mouse stands and which way it pushes to catch a cat, and after how
// many pushes in a row.
struct Trap {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    int pushes = 0;
    int gap = 0;  // pushes that only bring the crate up to the first of `cells`
    std::vector<int> cells;  // cells (y * max_cells + x) a cat is caught from
};

class Player {
public:
    explicit Player(int moves_per_tick) : moves_per_tick_(moves_per_tick) {}

    // The step for this turn. `turns_left` counts this turn and the ones
    // before the cats move next: 1 means they move right after it.
    Step choose(const Board& board, int turns_left);
    // Whether the last step chosen pushes towards a catch or walks to where
    // one starts, rather than waiting, eating or keeping away.
    bool heads_for_catch() const { return heads_for_catch_; }

private:
    struct Setup {
        int x, y, dx, dy, pushes;
        bool shut_in;
    };
    void find_traps(const Model& m);
    std::vector<Setup> catches(const Model& m) const;
    int cat_room(const Model& m, int cat) const;
    std::vector<int> distances_from(const Model& m, int target, const std::vector<int>& near) const;

    int moves_per_tick_;
    std::uint64_t crates_hash_ = 0;
    std::vector<Trap> traps_;
    std::vector<int> trap_waits_;  // turns spent waiting at each trap
    int bait_ = -1;
    bool heads_for_catch_ = false;
};

}  // namespace wd::bot
