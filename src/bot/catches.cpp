#include "catches.h"

#include <algorithm>

namespace wd::bot {

namespace {

constexpr int walled_pocket = 4;  // walls among the other neighbours of a pocket's end

int index(int x, int y) { return y * grid_cols + x; }

}  // namespace

CatchKind classify_catch(const Board& board, int x, int y, int dx, int dy, const std::vector<char>& moved,
                         const std::vector<char>& open)
{
    int walls = 0;
    int opened = 0;
    int closed_by_player = 0;
    for (int j = 0; j < 8; ++j) {
        const int nx = x + Board::dir_dx[j];
        const int ny = y + Board::dir_dy[j];
        if (nx == x - dx && ny == y - dy)
            continue;  // the row that covered the cat, or the mouse
        const char c = board.cell(nx, ny);
        walls += c == 'H';
        const bool inside = nx >= 0 && ny >= 0 && nx < grid_cols && ny < grid_rows;
        if (inside && open[static_cast<std::size_t>(index(nx, ny))]) {
            ++opened;
            closed_by_player += c == 'B' && moved[static_cast<std::size_t>(index(nx, ny))];
        }
    }
    // Cheese, another cat or a crate of the drawing on a cell that was open do not count.
    if (opened > 0 && closed_by_player == opened)
        return CatchKind::pushed_enclosure;
    return walls >= walled_pocket ? CatchKind::bait_pocket : CatchKind::prebuilt_box;
}

void CatchLog::start(const Board& board)
{
    moved_.assign(static_cast<std::size_t>(grid_rows * grid_cols), 0);
    open_.assign(static_cast<std::size_t>(grid_rows * grid_cols), 0);
    for (int y = 0; y < grid_rows; ++y)
        for (int x = 0; x < grid_cols; ++x)
            open_[static_cast<std::size_t>(index(x, y))] = board.cell(x, y) != 'H' && board.cell(x, y) != 'B';
    counts = {};
    kinds.clear();
}

Events CatchLog::move(Board& board, int dx, int dy)
{
    // The far end of the row the move may push: the one cell a push covers.
    const auto [ex, ey] =
        push_end([&board](int x, int y) { return board.cell(x, y); }, board.mouse_x, board.mouse_y, dx, dy);
    board.move_mouse(dx, dy);
    const Events events = board.take_events();
    if (events.pushes == 0)
        return events;
    // The whole row moved one cell: every crate of it now stands where the
    // player put it, and the mouse stands on the cell it left.
    moved_[static_cast<std::size_t>(index(board.mouse_x, board.mouse_y))] = 0;
    for (int x = board.mouse_x + dx, y = board.mouse_y + dy;; x += dx, y += dy) {
        moved_[static_cast<std::size_t>(index(x, y))] = 1;
        if (x == ex && y == ey)
            break;
    }
    if (events.cats_caught > 0) {
        const CatchKind kind = classify_catch(board, ex, ey, dx, dy, moved_, open_);
        ++counts[static_cast<std::size_t>(kind)];
        kinds.push_back(kind);
    }
    return events;
}

}  // namespace wd::bot
