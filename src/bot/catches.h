#pragma once
// How each cat of a game was caught, told from the board the catch left: in
// an enclosure the player built (every neighbour that was open at the start
// closed by a crate it pushed), in a pocket set in the walls that the cat
// walked into, or in a box that was mostly there already.

#include "game/board.h"

#include <array>
#include <vector>

namespace wd::bot {

enum class CatchKind { pushed_enclosure, bait_pocket, prebuilt_box };
inline constexpr int catch_kinds = 3;

class CatchLog {
public:
    // A new game on this board: no crate has been moved yet.
    void start(const Board& board);
    // One of the mouse's moves, made on the board; returns its events, taken.
    Events move(Board& board, int dx, int dy);

    std::array<int, catch_kinds> counts{};
    std::vector<CatchKind> kinds;  // in the order the cats were caught

private:
    std::vector<char> moved_;  // crates the player moved, by cell
    std::vector<char> open_;   // cells that were neither wall nor crate at the start
};

// The kind of a catch at (x, y) by a push along (dx, dy), from the board
// after it, the crates the player has moved and the cells open at the start.
CatchKind classify_catch(const Board& board, int x, int y, int dx, int dy, const std::vector<char>& moved,
                         const std::vector<char>& open);

}  // namespace wd::bot
