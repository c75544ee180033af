#include "dead_end.h"

#include <vector>

namespace wd {

namespace {

constexpr int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

class Cells {
public:
    explicit Cells(const Board& b)
        : board_(b), width_(b.board_width), height_(b.board_height), frozen_(static_cast<std::size_t>(width_ * height_), 0)
    {
        freeze();
    }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int at(int x, int y) const { return y * width_ + x; }
    // A wall, or a crate that no push can ever move again.
    bool fixed(int x, int y) const
    {
        return !inside(x, y) || board_.cell(x, y) == 'H' || frozen_[static_cast<std::size_t>(at(x, y))];
    }
    int width() const { return width_; }
    int height() const { return height_; }
    char cell(int x, int y) const { return board_.cell(x, y); }

private:
    // A crate walled in on one side of each axis never moves along that axis:
    // the mouse cannot stand behind it, and a row pushed into it stops. Such
    // crates wall in their neighbours in turn, so only those are looked at again.
    void freeze()
    {
        std::vector<int> work;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (board_.cell(x, y) == 'B')
                    work.push_back(at(x, y));
        while (!work.empty()) {
            const int x = work.back() % width_;
            const int y = work.back() / width_;
            work.pop_back();
            if (frozen_[static_cast<std::size_t>(at(x, y))]
                || !((fixed(x - 1, y) || fixed(x + 1, y)) && (fixed(x, y - 1) || fixed(x, y + 1))))
                continue;
            frozen_[static_cast<std::size_t>(at(x, y))] = 1;
            for (const auto& s : steps)
                if (inside(x + s[0], y + s[1]) && board_.cell(x + s[0], y + s[1]) == 'B')
                    work.push_back(at(x + s[0], y + s[1]));
        }
    }

    const Board& board_;
    int width_;
    int height_;
    std::vector<char> frozen_;
};

}  // namespace

bool can_still_clear(const Board& board)
{
    if (board.cat_count == 0)
        return true;
    const Cells cells(board);
    if (!cells.inside(board.mouse_x, board.mouse_y))
        return true;  // not a board this check understands: say nothing
    const std::size_t size = static_cast<std::size_t>(cells.width() * cells.height());

    // Everywhere the mouse might ever get to, pushing whatever is in its way.
    std::vector<char> mouse(size, 0);
    std::vector<int> queue{cells.at(board.mouse_x, board.mouse_y)};
    mouse[static_cast<std::size_t>(queue[0])] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int x = queue[head] % cells.width();
        const int y = queue[head] / cells.width();
        for (const auto& s : steps) {
            const int nx = x + s[0];
            const int ny = y + s[1];
            if (cells.fixed(nx, ny) || mouse[static_cast<std::size_t>(cells.at(nx, ny))])
                continue;
            mouse[static_cast<std::size_t>(cells.at(nx, ny))] = 1;
            queue.push_back(cells.at(nx, ny));
        }
    }

    // Every cell a crate might ever be pushed onto.
    std::vector<char> crate(size, 0);
    queue.clear();
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x)
            if (cells.cell(x, y) == 'B' && !cells.fixed(x, y)) {
                crate[static_cast<std::size_t>(cells.at(x, y))] = 1;
                queue.push_back(cells.at(x, y));
            }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int x = queue[head] % cells.width();
        const int y = queue[head] / cells.width();
        for (const auto& s : steps) {
            const int bx = x - s[0];
            const int by = y - s[1];
            const int nx = x + s[0];
            const int ny = y + s[1];
            if (cells.fixed(bx, by) || !mouse[static_cast<std::size_t>(cells.at(bx, by))] || cells.fixed(nx, ny)
                || crate[static_cast<std::size_t>(cells.at(nx, ny))])
                continue;
            crate[static_cast<std::size_t>(cells.at(nx, ny))] = 1;
            queue.push_back(cells.at(nx, ny));
        }
    }

    // Each cat must be able to stand, some day, where a crate can arrive. A walk
    // stops there, or at a cell an earlier walk took: the same region, so the
    // same answer. No cell is walked twice, however many cats there are.
    std::vector<int> walk(size, -1);  // which walk took each cell
    std::vector<char> met;            // whether that walk met a crate's cell
    const auto walk_from = [&](int start, int id) {
        queue.assign(1, start);
        for (std::size_t head = 0; head < queue.size(); ++head) {
            if (crate[static_cast<std::size_t>(queue[head])])
                return true;
            for (int j = 0; j < 8; ++j) {
                const int nx = queue[head] % cells.width() + Board::dir_dx[j];
                const int ny = queue[head] / cells.width() + Board::dir_dy[j];
                if (cells.fixed(nx, ny))
                    continue;
                int& taken = walk[static_cast<std::size_t>(cells.at(nx, ny))];
                if (taken >= 0 && taken != id)
                    return met[static_cast<std::size_t>(taken)] != 0;
                if (taken < 0) {
                    taken = id;
                    queue.push_back(cells.at(nx, ny));
                }
            }
        }
        return false;
    };
    const auto meets_crate = [&](int x, int y) {
        if (cells.fixed(x, y))
            return false;
        int& taken = walk[static_cast<std::size_t>(cells.at(x, y))];
        if (taken < 0) {
            taken = static_cast<int>(met.size());
            met.push_back(walk_from(cells.at(x, y), taken));
        }
        return met[static_cast<std::size_t>(taken)] != 0;
    };
    for (int i = 0; i < board.cat_count; ++i) {
        const int x = board.cat_x[i];
        const int y = board.cat_y[i];
        if (!cells.inside(x, y))
            continue;
        // A cat under a crate that never moves again still steps out to any free side.
        bool reachable = meets_crate(x, y);
        for (int j = 0; j < 8 && !reachable; ++j)
            reachable = meets_crate(x + Board::dir_dx[j], y + Board::dir_dy[j]);
        if (!reachable)
            return false;
    }
    return true;
}

}  // namespace wd
