#pragma once
// A level as the editor draws it: a rectangle of the six cell kinds, written
// out as the game's level file. No Qt, so packs and checks can use it headless.

#include "files/problem.h"
#include "game/board.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wd {

// The rectangle the editor fills: corners in either order, both included.
struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    static CellRect spanning(Cell a, Cell b);
};

// One of level_problems' faults, placed where the editor shows it.
struct CellProblem {
    int x = -1;  // -1: the whole row, or the whole level when y is -1 too
    int y = -1;
    std::string what;
    bool at_cell() const { return x >= 0 && y >= 0; }
};

class LevelDrawing {
public:
    static constexpr int min_size = 3;  // a ring of walls around one cell
    static constexpr int max_width = max_cells;
    static constexpr int max_height = grid_rows;
    static constexpr std::string_view kinds = ".HBKCM";

    // A ring of walls, floor inside, the mouse near the middle; sizes are
    // clamped to the limits.
    static LevelDrawing blank(int width, int height);
    // Any file the game could read whose cells can be drawn: a space reads as
    // floor and is written as '.'. Unequal rows, other bytes and a last line
    // without its line feed are refused with the reason.
    static Result<LevelDrawing> from_bytes(std::string_view bytes);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(Cell c) const { return c.x >= 0 && c.y >= 0 && c.x < width_ && c.y < height_; }
    // Outside the drawing reads as floor.
    char at(Cell c) const;
    // Drops writes outside the drawing and kinds it does not know.
    void set(Cell c, char kind);
    // Clipped to the drawing.
    void fill(const CellRect& rect, char kind);
    // Keeps every cell that still fits, counted from the top left; new cells
    // are floor. Sizes are clamped to the limits.
    void resize(int width, int height);

    // The file's bytes, each row ending in a line feed.
    std::string bytes() const;
    std::vector<CellProblem> problems() const;
    // The cats the dead-end analysis says can never be caught from the
    // starting layout; nothing when the game would refuse to load the level.
    std::optional<std::vector<Cell>> uncatchable_cats() const;
    int count(char kind) const;

    bool operator==(const LevelDrawing&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::string cells_;  // row by row, no line feeds
};

}  // namespace wd
