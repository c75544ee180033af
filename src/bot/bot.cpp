#include "bot.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace wd::bot {

namespace {

constexpr int steps[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
constexpr int far = 9;          // cat distances are capped here
constexpr int longest_chain = 16;
constexpr int small_room = 16;  // a cat with no more room than this is shut in

bool mouse_can_stand(char c) { return c != 'H' && c != 'B' && c != 'C'; }
int chebyshev(int ax, int ay, int bx, int by) { return std::max(std::abs(ax - bx), std::abs(ay - by)); }

// Pushes along (dx, dy) again and again; the number of the push that caught a
// cat, or 0 when the row stops, the mouse meets no crate, or `limit` is reached.
int push_chain(Model m, int dx, int dy, int limit)
{
    for (int k = 1; k <= limit; ++k) {
        if (m.at(m.mouse_x + dx, m.mouse_y + dy) != 'B')
            return 0;
        const int before = m.mouse_x + m.mouse_y * max_cells;
        if (m.move(dx, dy) > 0)
            return k;
        if (m.mouse_x + m.mouse_y * max_cells == before)
            return 0;
    }
    return 0;
}

// The mouse placed at (x, y) instead of its own cell, for looking ahead.
Model with_mouse_at(const Model& m, int x, int y)
{
    Model t = m;
    t.place_mouse(x, y);
    return t;
}

// Cheese beside a cat fences it in: eaten, it lets the cat out.
bool fences_a_cat(const Model& m, int x, int y)
{
    for (int i = 0; i < m.cat_count; ++i)
        if (chebyshev(x, y, m.cat_x[i], m.cat_y[i]) <= 2)
            return true;
    return false;
}

}  // namespace

Model::Model()
{
    harmless(*this);
}

void harmless(Board& board)
{
    board.random = [] { return 0; };
    board.trace = [](const std::string&) {};
    board.locate = [](const std::string&) { return std::string(); };  // no such file: nothing is read
}

Model Model::of(const Board& board)
{
    Model m;
    static_cast<Board&>(m) = board;
    harmless(m);
    m.events = {};
    m.width = std::min(board.board_width, max_cells);
    m.height = std::min(board.board_height, grid_rows);
    return m;
}

void Model::place_mouse(int x, int y)
{
    set(mouse_x, mouse_y, '.');
    mouse_x = x;
    mouse_y = y;
    set(x, y, 'M');
}

int Model::move(int dx, int dy)
{
    events = {};
    move_mouse(dx, dy);
    return events.cats_caught;
}

// Every place where a cat would be caught by pushes from one spot, found on
// the board without its cats; redone only when crates or cheese change.
void Player::find_traps(const Model& m)
{
    Model empty = m;
    for (int i = 0; i < m.cat_count; ++i)
        empty.set(m.cat_x[i], m.cat_y[i], '.');
    empty.cat_count = 0;

    traps_.clear();
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            if (empty.at(x, y) != 'B')
                continue;
            for (const auto& s : steps) {
                const int px = x - s[0];
                const int py = y - s[1];
                if (!mouse_can_stand(empty.at(px, py)))
                    continue;
                const auto [ex, ey] = empty.push_end(px, py, s[0], s[1]);
                Trap trap{px, py, s[0], s[1], longest_chain, 0, {}};
                for (int gap = 0; gap < 4; ++gap) {
                    const int tx = ex + gap * s[0];
                    const int ty = ey + gap * s[1];
                    if (empty.at(tx, ty) != '.')
                        break;
                    Model t = with_mouse_at(empty, px, py);
                    t.cat_count = 1;
                    t.cat_x[0] = tx;
                    t.cat_y[0] = ty;
                    t.set(tx, ty, 'C');
                    const int pushes = push_chain(t, s[0], s[1], gap + 4);
                    if (pushes > 0) {
                        if (trap.cells.empty())
                            trap.gap = gap;
                        trap.cells.push_back(ty * max_cells + tx);
                        trap.pushes = std::min(trap.pushes, pushes);
                    }
                }
                if (!trap.cells.empty())
                    traps_.push_back(trap);
            }
        }
    }
    trap_waits_.assign(traps_.size(), 0);
    bait_ = -1;
}

// Cells a cat can still reach, counted up to a little past `small_room`; the
// mouse's cell among them makes the room unbounded.
int Player::cat_room(const Model& m, int cat) const
{
    std::vector<char> seen(static_cast<std::size_t>(max_cells * m.height), 0);
    std::vector<int> queue{m.cat_y[cat] * max_cells + m.cat_x[cat]};
    seen[static_cast<std::size_t>(queue[0])] = 1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        if (static_cast<int>(queue.size()) > small_room)
            return INT_MAX;
        const int x = queue[head] % max_cells;
        const int y = queue[head] / max_cells;
        for (int j = 0; j < 8; ++j) {
            const int nx = x + Board::dir_dx[j];
            const int ny = y + Board::dir_dy[j];
            if (!m.inside(nx, ny) || seen[static_cast<std::size_t>(ny * max_cells + nx)]
                || !cat_may_enter(m.at(nx, ny)))
                continue;
            if (m.at(nx, ny) == 'M')
                return INT_MAX;
            seen[static_cast<std::size_t>(ny * max_cells + nx)] = 1;
            queue.push_back(ny * max_cells + nx);
        }
    }
    return static_cast<int>(queue.size());
}

// Pushes that catch a cat where it stands now: from which cell, which way, and
// after how many pushes.
std::vector<Player::Setup> Player::catches(const Model& m) const
{
    std::vector<Setup> found;
    for (int i = 0; i < m.cat_count; ++i) {
        // A shut-in cat waits for a long row of pushes; a free one does not.
        const bool shut_in = cat_room(m, i) <= small_room;
        const int most_gaps = shut_in ? 12 : 3;
        for (const auto& s : steps) {
            int x = m.cat_x[i] - s[0];
            int y = m.cat_y[i] - s[1];
            int gaps = 0;
            while (m.at(x, y) == '.' && gaps < most_gaps) {
                x -= s[0];
                y -= s[1];
                ++gaps;
            }
            if (m.at(x, y) != 'B')
                continue;
            while (m.at(x, y) == 'B') {
                x -= s[0];
                y -= s[1];
            }
            if (!mouse_can_stand(m.at(x, y)))
                continue;
            const int pushes = push_chain(with_mouse_at(m, x, y), s[0], s[1], gaps + (shut_in ? 14 : 4));
            if (pushes > 0)
                found.push_back({x, y, s[0], s[1], pushes, shut_in});
        }
    }
    return found;
}

// Walking distances to `target` over cells the mouse can stand on and no cat
// can reach before it; the target itself is always allowed.
std::vector<int> Player::distances_from(const Model& m, int target, const std::vector<int>& near) const
{
    std::vector<int> dist(static_cast<std::size_t>(max_cells * m.height), INT_MAX);
    std::vector<int> queue{target};
    dist[static_cast<std::size_t>(target)] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int x = queue[head] % max_cells;
        const int y = queue[head] / max_cells;
        for (const auto& s : steps) {
            const int nx = x + s[0];
            const int ny = y + s[1];
            const int n = ny * max_cells + nx;
            if (!m.inside(nx, ny) || dist[static_cast<std::size_t>(n)] != INT_MAX
                || !mouse_can_stand(m.at(nx, ny)) || near[static_cast<std::size_t>(n)] < 2)
                continue;
            dist[static_cast<std::size_t>(n)] = dist[static_cast<std::size_t>(queue[head])] + 1;
            queue.push_back(n);
        }
    }
    return dist;
}

Step Player::choose(const Board& board, int turns_left)
{
    heads_for_catch_ = false;
    const Model m = Model::of(board);
    if (m.width == 0 || m.height == 0)
        return {};

    std::uint64_t hash = 1469598103934665603ULL;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const char c = m.at(x, y);
            hash = (hash ^ static_cast<unsigned char>(c == 'B' || c == 'K' || c == 'H' ? c : '.'))
                * 1099511628211ULL;
        }
    if (hash != crates_hash_) {
        crates_hash_ = hash;
        find_traps(m);
    }

    // How close the nearest cat is; a shut-in one only matters next to its cell.
    std::vector<char> free_cat(static_cast<std::size_t>(m.cat_count));
    int free_cats = 0;
    for (int i = 0; i < m.cat_count; ++i)
        free_cats += free_cat[static_cast<std::size_t>(i)] = cat_room(m, i) > small_room;
    std::vector<int> near(static_cast<std::size_t>(max_cells * m.height), far);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            int& d = near[static_cast<std::size_t>(y * max_cells + x)];
            for (int i = 0; i < m.cat_count; ++i) {
                const int gap = chebyshev(x, y, m.cat_x[i], m.cat_y[i]);
                if (free_cat[static_cast<std::size_t>(i)] || gap <= 1)
                    d = std::min(d, gap);
            }
        }
    const int here = m.mouse_y * max_cells + m.mouse_x;

    // Pushes from here that catch a cat: started when at most the last two of
    // them come after the cats' next move (the crate has shut the cat in by
    // then), or whenever the cat is shut in anyway.
    const std::vector<Setup> setups = catches(m);
    for (const Setup& s : setups)
        if (s.x == m.mouse_x && s.y == m.mouse_y && (s.pushes <= turns_left + 2 || s.shut_in)) {
            heads_for_catch_ = true;
            return {s.dx, s.dy};
        }

    // The walking distances from the mouse, to choose among places to go.
    const std::vector<int> from_mouse = distances_from(m, here, near);
    auto walk = [&](int x, int y) { return from_mouse[static_cast<std::size_t>(y * max_cells + x)]; };
    // Cheese next to a cat is reached in one step from a cell that is not.
    auto walk_up_to = [&](int x, int y) {
        int d = walk(x, y);
        for (const auto& s : steps)
            if (m.inside(x + s[0], y + s[1]) && walk(x + s[0], y + s[1]) != INT_MAX)
                d = std::min(d, walk(x + s[0], y + s[1]) + 1);
        return d;
    };

    int target = -1;
    int best = INT_MAX;
    for (const Setup& s : setups) {
        const int d = walk(s.x, s.y);
        const int reach = s.shut_in ? INT_MAX - 1 : 2 * moves_per_tick_ + 2;
        if (d <= reach && d < best) {
            best = d;
            target = s.y * max_cells + s.x;
        }
    }
    heads_for_catch_ = target >= 0;
    if (target < 0) {  // cheese nobody guards
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x)
                if (m.at(x, y) == 'K' && near[static_cast<std::size_t>(y * max_cells + x)] >= 3 && walk(x, y) < best
                    && !fences_a_cat(m, x, y)) {
                    best = walk(x, y);
                    target = y * max_cells + x;
                }
    }
    if (target < 0 && (traps_.empty() || free_cats == 0)) {  // nothing to wait for: open what cheese fences off
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x)
                if (m.at(x, y) == 'K' && walk_up_to(x, y) < best) {
                    best = walk_up_to(x, y);
                    target = y * max_cells + x;
                }
    }
    if (target < 0 && !traps_.empty()) {  // wait where a cat coming at the mouse walks into a trap
        int best_score = INT_MAX;
        int chosen = -1;
        std::vector<int> score(traps_.size(), INT_MAX);
        for (std::size_t k = 0; k < traps_.size(); ++k) {
            const Trap& t = traps_[k];
            if (walk(t.x, t.y) == INT_MAX)
                continue;
            int cat_gap = far * 2;
            for (const int cell : t.cells)
                for (int i = 0; i < m.cat_count; ++i)
                    if (free_cat[static_cast<std::size_t>(i)])
                        cat_gap = std::min(cat_gap,
                                           chebyshev(cell % max_cells, cell / max_cells, m.cat_x[i], m.cat_y[i]));
            score[k] = 4 * cat_gap + walk(t.x, t.y) + trap_waits_[k] / 8;
            if (score[k] < best_score) {
                best_score = score[k];
                chosen = static_cast<int>(k);
            }
        }
        if (bait_ >= 0 && best_score != INT_MAX && score[static_cast<std::size_t>(bait_)] <= best_score + 6)
            chosen = bait_;
        if (chosen >= 0) {
            bait_ = chosen;
            const Trap& t = traps_[static_cast<std::size_t>(chosen)];
            target = t.y * max_cells + t.x;
            if (target == here) {
                ++trap_waits_[static_cast<std::size_t>(chosen)];
                // A crate that stands back from its trap is moved up first.
                const auto [ex, ey] = m.push_end(t.x, t.y, t.dx, t.dy);
                if (t.gap > 0 && m.at(ex, ey) == '.' && near[static_cast<std::size_t>(ey * max_cells + ex)] >= 2)
                    return {t.dx, t.dy};
            }
        }
    }

    std::vector<int> to_target;
    if (target == here)
        to_target = from_mouse;  // waiting: the walk there is the walk back
    else if (target >= 0)
        to_target = distances_from(m, target, near);

    Step chosen;
    int chosen_score = INT_MIN;
    for (int option = 0; option < 5; ++option) {
        const int dx = option < 4 ? steps[option][0] : 0;
        const int dy = option < 4 ? steps[option][1] : 0;
        const int nx = m.mouse_x + dx;
        const int ny = m.mouse_y + dy;
        if (option < 4 && !mouse_can_stand(m.at(nx, ny)))
            continue;  // walls, cats, and pushes that catch nothing
        const int cell = ny * max_cells + nx;
        const int cat = near[static_cast<std::size_t>(cell)];
        int score = 0;
        if (cat <= 1 && !(cell == target && turns_left > 1))  // a fence is eaten between two ticks
            score -= turns_left == 1 ? 100000 : 400;
        else if (cat == 2 && turns_left == 1)
            score -= 5;
        if (target >= 0) {
            const int d = to_target[static_cast<std::size_t>(cell)];
            score -= d == INT_MAX ? 3000 : 10 * d;
        } else {
            score += 10 * std::min(cat, 6);
        }
        int room = 0;  // neighbours to run to
        for (const auto& s : steps) {
            const int n = (ny + s[1]) * max_cells + nx + s[0];
            room += mouse_can_stand(m.at(nx + s[0], ny + s[1])) && near[static_cast<std::size_t>(n)] >= 2;
        }
        score += 3 * std::min(room, 2);
        if (score > chosen_score) {
            chosen_score = score;
            chosen = {dx, dy};
        }
    }
    return chosen;
}

}  // namespace wd::bot
