#include "planner.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <queue>

namespace wd::bot {

namespace {

constexpr int steps4[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
constexpr int reach_of_a_push = 2;  // a push this far from every cat changes nothing for them
constexpr int dig_cost = 4;        // walking into crates moves them: only where no way round is short
constexpr int close_enough = 2;     // near enough to a cat to plan pushes round it, too far for it to pounce

int chebyshev(int ax, int ay, int bx, int by) { return std::max(std::abs(ax - bx), std::abs(ay - by)); }

int nearest_cat(const Model& m, int x, int y)
{
    int d = INT_MAX;
    for (int i = 0; i < m.cat_count; ++i)
        d = std::min(d, chebyshev(x, y, m.cat_x[i], m.cat_y[i]));
    return d;
}

// Whether a cat has more room than a pen: a penned one is left to the steady
// player's long rows of pushes.
bool roams(const Model& m, int cat)
{
    constexpr int pen = 10;
    std::vector<char> seen(static_cast<std::size_t>(max_cells * m.height), 0);
    std::vector<int> queue{m.cat_y[cat] * max_cells + m.cat_x[cat]};
    seen[static_cast<std::size_t>(queue[0])] = 1;
    for (std::size_t head = 0; head < queue.size() && queue.size() <= pen; ++head) {
        const int x = queue[head] % max_cells;
        const int y = queue[head] / max_cells;
        for (int j = 0; j < 8; ++j) {
            const int nx = x + Board::dir_dx[j];
            const int ny = y + Board::dir_dy[j];
            const char c = m.at(nx, ny);
            if (c == 'M')
                return true;
            if (c != '.' || seen[static_cast<std::size_t>(ny * max_cells + nx)])
                continue;
            seen[static_cast<std::size_t>(ny * max_cells + nx)] = 1;
            queue.push_back(ny * max_cells + nx);
        }
    }
    return queue.size() > pen;
}

bool every_cat_penned(const Model& m)
{
    for (int i = 0; i < m.cat_count; ++i)
        if (roams(m, i))
            return false;
    return true;
}

struct Node {
    Model model;
    std::vector<Step> path;
    int cost = 0;
    int pushes = 0;
};

// Walking distances from the mouse, and the step that first reached each
// cell, over cells away from the cats; cheese near a cat is a fence and stays.
struct Walk {
    std::vector<int> dist;
    std::vector<int> from;  // index into steps4 of the last step, -1 at the start
    std::vector<int> order;
};

Walk walk_from_mouse(const Model& m)
{
    const int size = max_cells * m.height;
    Walk w{std::vector<int>(static_cast<std::size_t>(size), INT_MAX), std::vector<int>(static_cast<std::size_t>(size), -1), {}};
    const int start = m.mouse_y * max_cells + m.mouse_x;
    w.dist[static_cast<std::size_t>(start)] = 0;
    w.order.push_back(start);
    for (std::size_t head = 0; head < w.order.size(); ++head) {
        const int x = w.order[head] % max_cells;
        const int y = w.order[head] / max_cells;
        for (int k = 0; k < 4; ++k) {
            const int nx = x + steps4[k][0];
            const int ny = y + steps4[k][1];
            const char c = m.at(nx, ny);
            if (c == 'H' || c == 'B' || c == 'C' || c == 'M')
                continue;
            const int n = ny * max_cells + nx;
            if (w.dist[static_cast<std::size_t>(n)] != INT_MAX)
                continue;
            const int cat = nearest_cat(m, nx, ny);
            if (cat <= 1 || (c == 'K' && cat <= 2))
                continue;
            w.dist[static_cast<std::size_t>(n)] = w.dist[static_cast<std::size_t>(w.order[head])] + 1;
            w.from[static_cast<std::size_t>(n)] = k;
            w.order.push_back(n);
        }
    }
    return w;
}

std::vector<Step> path_to(const Walk& w, int cell)
{
    std::vector<Step> path;
    while (w.from[static_cast<std::size_t>(cell)] >= 0) {
        const int k = w.from[static_cast<std::size_t>(cell)];
        path.push_back({steps4[k][0], steps4[k][1]});
        cell -= steps4[k][1] * max_cells + steps4[k][0];
    }
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace

std::vector<Step> approach_cat(const Board& board)
{
    Model m = Model::of(board);
    if (m.width == 0 || m.cat_count == 0)
        return {};
    // Only roaming cats are gone after; the distances below count only them.
    // With every cat penned, dig towards the pens: a crate field is a pen too.
    // Keeping clear of cats counts them all.
    const Model all = m;
    int roaming = 0;
    for (int i = 0; i < all.cat_count; ++i)
        if (roams(all, i)) {
            m.cat_x[roaming] = all.cat_x[i];
            m.cat_y[roaming] = all.cat_y[i];
            ++roaming;
        }
    if (roaming > 0)
        m.cat_count = roaming;
    else
        m = all;
    // Cheapest ways over the board as it is, where walking into a row of
    // crates that can move costs a few steps more than walking.
    const int size = max_cells * m.height;
    std::vector<int> cost(static_cast<std::size_t>(size), INT_MAX);
    std::vector<int> from(static_cast<std::size_t>(size), -1);
    using Entry = std::pair<int, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    const int start = m.mouse_y * max_cells + m.mouse_x;
    cost[static_cast<std::size_t>(start)] = 0;
    open.push({0, start});
    int chosen = -1;
    int chosen_score = INT_MAX;
    while (!open.empty()) {
        const auto [c, cell] = open.top();
        open.pop();
        if (c != cost[static_cast<std::size_t>(cell)])
            continue;
        const int x = cell % max_cells;
        const int y = cell / max_cells;
        const int score = std::abs(nearest_cat(m, x, y) - close_enough) * 1000 + c;
        if (score < chosen_score) {
            chosen_score = score;
            chosen = cell;
        }
        for (int k = 0; k < 4; ++k) {
            const int nx = x + steps4[k][0];
            const int ny = y + steps4[k][1];
            const char t = m.at(nx, ny);
            int step = 1;
            if (t == 'B') {
                const auto [ex, ey] = m.push_end(x, y, steps4[k][0], steps4[k][1]);
                if (m.at(ex, ey) == 'H')
                    continue;
                step = dig_cost;
            } else if (t == 'H' || t == 'C' || t == 'M') {
                continue;
            }
            const int cat = nearest_cat(all, nx, ny);
            if (cat <= 1 || (t == 'K' && cat <= 2))
                continue;
            const int n = ny * max_cells + nx;
            if (c + step < cost[static_cast<std::size_t>(n)]) {
                cost[static_cast<std::size_t>(n)] = c + step;
                from[static_cast<std::size_t>(n)] = k;
                open.push({c + step, n});
            }
        }
    }
    std::vector<Step> path;
    for (int cell = chosen; cell >= 0 && from[static_cast<std::size_t>(cell)] >= 0;) {
        const int k = from[static_cast<std::size_t>(cell)];
        path.push_back({steps4[k][0], steps4[k][1]});
        cell -= steps4[k][1] * max_cells + steps4[k][0];
    }
    std::reverse(path.begin(), path.end());
    return path;
}

Plan plan_catch(const Board& board, Search search)
{
    Plan best;
    int best_cost = INT_MAX;
    std::vector<Node> nodes;
    nodes.reserve(static_cast<std::size_t>(search.node_budget) + 1);
    nodes.push_back({Model::of(board), {}, 0, 0});
    if (nodes[0].model.width == 0 || nodes[0].model.cat_count == 0)
        return best;
    auto later = [&nodes](int a, int b) { return nodes[static_cast<std::size_t>(a)].cost > nodes[static_cast<std::size_t>(b)].cost; };
    std::priority_queue<int, std::vector<int>, decltype(later)> open(later);
    open.push(0);
    int tried = 0;
    while (!open.empty() && tried < search.node_budget) {
        const int index = open.top();
        open.pop();
        if (nodes[static_cast<std::size_t>(index)].cost >= best_cost)
            break;
        // Walks first: a push that needs the crates as this node left them.
        const Model here = nodes[static_cast<std::size_t>(index)].model;
        const int cost = nodes[static_cast<std::size_t>(index)].cost;
        const int pushes = nodes[static_cast<std::size_t>(index)].pushes;
        const Walk walk = walk_from_mouse(here);
        for (const int cell : walk.order) {
            if (tried >= search.node_budget)
                break;
            const int px = cell % max_cells;
            const int py = cell / max_cells;
            const int total = cost + walk.dist[static_cast<std::size_t>(cell)] + 1;
            if (total >= best_cost)
                break;  // cells come nearest first
            for (const auto& s : steps4) {
                if (here.at(px + s[0], py + s[1]) != 'B')
                    continue;
                const auto [ex, ey] = here.push_end(px, py, s[0], s[1]);
                if (here.at(ex, ey) == 'H' || nearest_cat(here, ex, ey) > reach_of_a_push)
                    continue;
                Model next = here;
                next.place_mouse(px, py);
                const int caught = next.move(s[0], s[1]);
                ++tried;
                std::vector<Step> path = nodes[static_cast<std::size_t>(index)].path;
                const std::vector<Step> there = path_to(walk, cell);
                path.insert(path.end(), there.begin(), there.end());
                path.push_back({s[0], s[1]});
                if (caught > 0) {
                    best_cost = total;
                    best.steps = std::move(path);
                    best.pushes = pushes + 1;
                    break;
                }
                if (pushes + 1 < search.max_pushes && next.cat_count > 0) {
                    nodes.push_back({std::move(next), std::move(path), total, pushes + 1});
                    open.push(static_cast<int>(nodes.size()) - 1);
                }
                if (tried >= search.node_budget)
                    break;
            }
        }
    }
    best.nodes = tried;
    return best;
}

Step Planner::choose(const Board& board, int turns_left)
{
    if (turns_left >= moves_per_tick_ || steps_.empty())
        steps_ = plan_catch(board, search_).steps;  // the cats have moved: plan afresh
    if (!steps_.empty()) {
        const Step step = steps_.front();
        Model after = Model::of(board);
        const int caught = after.move(step.dx, step.dy);
        // The step may not end beside a cat just before the cats move.
        if (caught > 0 || turns_left > 1 || nearest_cat(after, after.mouse_x, after.mouse_y) > 1) {
            steps_.erase(steps_.begin());
            return step;
        }
        steps_.clear();
    }
    // Nothing to catch by a short plan. The steady player pushes only to catch
    // (long rows down a pen, a crate up into a pocket): follow it then; else
    // go closer to a cat, or wait on a trap as it does.
    const Step steady = fallback_.choose(board, turns_left);
    if (!steady.none() && board.cell(board.mouse_x + steady.dx, board.mouse_y + steady.dy) == 'B')
        return steady;
    // With every cat penned, its long rows down a pen are the way in: walk to
    // where they start too, rather than dig.
    if (fallback_.heads_for_catch() && every_cat_penned(Model::of(board)))
        return steady;
    const std::vector<Step> closer = approach_cat(board);
    if (!closer.empty()) {
        Model after = Model::of(board);
        after.move(closer[0].dx, closer[0].dy);
        if (turns_left > 1 || nearest_cat(after, after.mouse_x, after.mouse_y) > 1)
            return closer[0];
    }
    return steady;
}

}  // namespace wd::bot
