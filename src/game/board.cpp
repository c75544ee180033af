#include "board.h"
#include "random.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace wd {

Board::Board()
    : random(GlibcRandom())
    , trace([](const std::string& text) { std::fputs(text.c_str(), stdout); })
    , locate([](const std::string& name) { return name; })
{
}

char Board::cell(int x, int y) const
{
    if (x < 0 || y < 0 || x >= grid_cols || y >= grid_rows)
        return 'H';
    return board[y][x];
}

void Board::setscene(int x, int y, char c)
{
    if (x < 0 || y < 0 || x >= grid_cols || y >= grid_rows)
        return;
    board[y][x] = c;
}

std::string Board::level_file_name(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "level%03d.lvx", number);
    return name;
}

Result<void> Board::load_next_level()
{
    return load_numbered_level(level_number + 1);
}

AdvanceResult Board::advance_level()
{
    AdvanceResult result{Advance::next_level, load_next_level()};
    if (result.load.ok()) {
        ++events.levels_loaded;
    } else if (result.load.problem().kind == Problem::Kind::missing) {
        // Only a next level that is not there at all means every level is
        // cleared; one that is there but cannot be played is the file's fault.
        result.kind = Advance::all_cleared;
        events.all_cleared = true;
    } else {
        result.kind = Advance::next_level_failed;
        events.next_level_failed = true;
    }
    return result;
}

Result<void> Board::load_numbered_level(int number)
{
    level_number = number;
    return load_level(locate(level_file_name(number)));
}

Result<void> Board::load_level(const std::string& path)
{
    const Result<std::string> file = read_level_file(path);
    if (!file.ok()) {
        apply_lines({});
        // The read's kind stays: a missing file is told apart from the rest.
        return Problem{file.problem().kind, file.problem().error, describe(path, {0, 0, file.problem().text})};
    }
    return load_bytes(file.value(), path);
}

Result<void> Board::load_bytes(std::string_view bytes, const std::string& name)
{
    const std::vector<LevelLine> lines = split_level_lines(bytes);
    if (const auto problem = hard_limit_problem(lines))
        return Problem{Problem::Kind::refused, 0, describe(name, *problem)};
    apply_lines(lines);
    if (lines.empty())
        return Problem{Problem::Kind::empty, 0, describe(name, {0, 0, "file is empty"})};
    level_source = name;
    level_hash = fnv1a(bytes);
    return {};
}

// Lays the lines over the grid as a line-by-line read would: each row gets its
// bytes, the cut byte and the read's terminating zero become zero bytes, and
// whatever lies beyond keeps what earlier levels left there.
void Board::apply_lines(const std::vector<LevelLine>& lines)
{
    board_height = 0;
    cat_count = 0;
    for (const LevelLine& line : lines) {
        const int y = board_height;
        const std::size_t stored = line.raw.size();  // 1..81 after the limit check

        char header[32];
        std::snprintf(header, sizeof header, "reading line %d\n", y);
        trace(header);
        trace("  " + std::string(line.raw) + "\n");

        std::memcpy(board[y], line.raw.data(), stored);
        if (stored < static_cast<std::size_t>(grid_cols))
            board[y][stored] = '\0';
        else if (y + 1 < grid_rows)
            board[y + 1][0] = '\0';  // a full row's terminator spills into the next
        board[y][stored - 1] = '\0';

        const int length = static_cast<int>(stored) - 1;
        for (int x = 0; x < length; ++x) {
            if (board[y][x] == 'M') {
                mouse_x = x;
                mouse_y = y;
            } else if (board[y][x] == 'C') {
                cat_x[cat_count] = x;
                cat_y[cat_count] = y;
                ++cat_count;
            }
        }
        ++board_height;
    }
    board_width = static_cast<int>(strnlen(board[0], grid_cols));
}

Outcome Board::move_mouse(int dx, int dy)
{
    const int x = mouse_x;
    const int y = mouse_y;
    const Cell end = push_end([this](int cx, int cy) { return cell(cx, cy); }, x, y, dx, dy);
    const int ex = end.x;
    const int ey = end.y;

    if (cell(ex, ey) != 'H') {
        if (ex != x + dx || ey != y + dy) {  // a row of crates moves
            setscene(ex, ey, 'B');
            ++events.pushes;
        }
        setscene(x, y, '.');
        mouse_x += dx;
        mouse_y += dy;
    }

    const char here = cell(mouse_x, mouse_y);
    if (here == 'K') {
        score += 10;
        ++events.cheese_eaten;
    }
    const bool met = here == 'C';
    if (met)
        events.mouse_caught = true;
    setscene(mouse_x, mouse_y, 'M');
    const Outcome after = recalcscene();
    return met ? Outcome::caught : after;
}

Outcome Board::recalcscene()
{
    for (int i = 0; i < cat_count; ++i) {
        const int cx = cat_x[i];
        const int cy = cat_y[i];
        if (cell(cx, cy) != 'B')
            continue;
        for (int j = 0; j < 8; ++j) {
            const int nx = cx + dir_dx[j];
            const int ny = cy + dir_dy[j];
            if (cell(nx, ny) == '.') {
                cat_x[i] = nx;
                cat_y[i] = ny;
                setscene(nx, ny, 'C');
                break;
            }
        }
        if (cell(cat_x[i], cat_y[i]) != 'B') {
            ++events.cats_escaped;
            events.escaped_to.push_back({cat_x[i], cat_y[i]});
            continue;
        }
        delcat(i);  // the cat moving up into this entry is not looked at again
        ++events.cats_caught;
        events.caught_at.push_back({cx, cy});
        if (cat_count == 0)
            return Outcome::level_cleared;
    }
    return Outcome::playing;
}

void Board::delcat(int i)
{
    if (i < 0 || i >= cat_count)
        return;
    for (int k = i; k + 1 < cat_count; ++k) {
        cat_x[k] = cat_x[k + 1];
        cat_y[k] = cat_y[k + 1];
    }
    --cat_count;
}

double Board::draw_fraction()
{
    return static_cast<double>(random() & 0xFFFFFF) / 16777216.0;
}

bool Board::in_rectangle(int x, int y) const
{
    return x >= 0 && y >= 0 && x < board_width && y < board_height;
}

Outcome Board::move_cats()
{
    // Enough for any fair source: each attempt keeps the cat in place with a
    // chance of at least 1/18. A broken source cannot hang the game.
    constexpr int max_attempts = 100000;
    const double root2 = std::sqrt(2.0);
    double v = 1.1;
    bool met = false;
    for (int k = 0; k < cat_count; ++k) {
        const int cx = cat_x[k];
        const int cy = cat_y[k];
        if (!in_rectangle(cx, cy))
            continue;  // only a malformed level puts a cat here; it stays put
        setscene(cx, cy, '.');

        // The distance to the mouse is the same for every attempt of this cat.
        const double DX = mouse_x - cx;
        const double DY = mouse_y - cy;
        const double d = std::sqrt(DX * DX + DY * DY);
        if (d < 4.0)
            v = 0.7;  // and so for every later cat of this tick

        int dx = 0;
        int dy = 0;
        for (int attempt = 0;; ++attempt) {
            if (attempt == max_attempts) {
                dx = dy = 0;
                break;
            }
            dx = static_cast<int>(3 * draw_fraction()) - 1;
            dy = static_cast<int>(3 * draw_fraction()) - 1;
            const double d2 = std::sqrt((DX - dx) * (DX - dx) + (DY - dy) * (DY - dy));
            double p = ((d - d2) / root2 + v) * 0.5 / v;
            const int tx = cx + dx;
            const int ty = cy + dy;
            if (!in_rectangle(tx, ty)) {
                p = -1;
            } else {
                if (!cat_may_enter(cell(tx, ty)))
                    p = -1;
            }
            if (p >= draw_fraction())
                break;
        }

        setscene(cx, cy, '.');
        cat_x[k] = cx + dx;
        cat_y[k] = cy + dy;
        if (cell(cat_x[k], cat_y[k]) == 'M') {
            events.mouse_caught = true;
            met = true;
        }
        setscene(cat_x[k], cat_y[k], 'C');
    }
    return met ? Outcome::caught : Outcome::playing;
}

}  // namespace wd
