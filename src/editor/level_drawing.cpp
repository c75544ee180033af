#include "level_drawing.h"

#include "game/dead_end.h"

#include <algorithm>
#include <memory>

namespace wd {

namespace {
// "line 3, column 7: what", the form the editor's problem list uses too.
Problem cannot_draw(int line, int column, const std::string& what)
{
    std::string text;
    if (line > 0)
        text = "line " + std::to_string(line) + (column > 0 ? ", column " + std::to_string(column) : "") + ": ";
    return Problem{Problem::Kind::refused, 0, text + what};
}
}  // namespace

CellRect CellRect::spanning(Cell a, Cell b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

LevelDrawing LevelDrawing::blank(int width, int height)
{
    LevelDrawing drawing;
    drawing.resize(width, height);
    drawing.fill({0, 0, drawing.width_ - 1, drawing.height_ - 1}, 'H');
    drawing.fill({1, 1, drawing.width_ - 2, drawing.height_ - 2}, '.');
    drawing.set({drawing.width_ / 2, drawing.height_ / 2}, 'M');
    return drawing;
}

Result<LevelDrawing> LevelDrawing::from_bytes(std::string_view bytes)
{
    const std::vector<LevelLine> lines = split_level_lines(bytes);
    if (lines.empty())
        return cannot_draw(0, 0, "file is empty");
    if (const auto refused = hard_limit_problem(lines))
        return cannot_draw(refused->line, refused->column, refused->what);
    LevelDrawing drawing;
    drawing.width_ = static_cast<int>(lines[0].cells().size());
    drawing.height_ = static_cast<int>(lines.size());
    if (drawing.width_ < min_size || drawing.height_ < min_size)
        return cannot_draw(0, 0, "smaller than 3 × 3 cells: no room inside a ring of walls");
    for (int y = 0; y < drawing.height_; ++y) {
        const LevelLine& line = lines[static_cast<std::size_t>(y)];
        if (line.raw.back() != '\n')
            return cannot_draw(y + 1, 0, "last line has no line feed: its last cell is lost");
        const std::string_view row = line.cells();
        if (row.size() != static_cast<std::size_t>(drawing.width_))
            return cannot_draw(y + 1, 0, "row is " + std::to_string(row.size()) + " cells long, the first row "
                                             + std::to_string(drawing.width_));
        for (std::size_t x = 0; x < row.size(); ++x) {
            const char c = row[x] == ' ' ? '.' : row[x];
            if (kinds.find(c) == std::string_view::npos)
                return cannot_draw(y + 1, static_cast<int>(x) + 1,
                                   c == '\r' ? std::string("Windows line endings (CR LF)")
                                             : "a cell the editor cannot draw (byte " + std::to_string(int(
                                                   static_cast<unsigned char>(c))) + ")");
            drawing.cells_ += c;
        }
    }
    return drawing;
}

char LevelDrawing::at(Cell c) const
{
    return contains(c) ? cells_[static_cast<std::size_t>(c.y * width_ + c.x)] : '.';
}

void LevelDrawing::set(Cell c, char kind)
{
    if (contains(c) && kinds.find(kind) != std::string_view::npos)
        cells_[static_cast<std::size_t>(c.y * width_ + c.x)] = kind;
}

void LevelDrawing::fill(const CellRect& rect, char kind)
{
    for (int y = std::max(rect.top, 0); y <= std::min(rect.bottom, height_ - 1); ++y)
        for (int x = std::max(rect.left, 0); x <= std::min(rect.right, width_ - 1); ++x)
            set({x, y}, kind);
}

void LevelDrawing::resize(int width, int height)
{
    width = std::clamp(width, min_size, max_width);
    height = std::clamp(height, min_size, max_height);
    // A level closed by its ring stays closed: the inside keeps its place and
    // the ring moves out or in with the edges.
    bool ringed = true;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if ((x == 0 || y == 0 || x == width_ - 1 || y == height_ - 1) && at({x, y}) != 'H')
                ringed = false;
    const int keep = ringed ? 1 : 0;  // the old ring's cells are not carried inside
    std::string cells(static_cast<std::size_t>(width * height), '.');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (ringed && (x == 0 || y == 0 || x == width - 1 || y == height - 1))
                cells[static_cast<std::size_t>(y * width + x)] = 'H';
    for (int y = keep; y < std::min(height, height_) - keep; ++y)
        for (int x = keep; x < std::min(width, width_) - keep; ++x)
            cells[static_cast<std::size_t>(y * width + x)] = at({x, y});
    width_ = width;
    height_ = height;
    cells_ = std::move(cells);
}

std::string LevelDrawing::bytes() const
{
    std::string text;
    text.reserve(static_cast<std::size_t>((width_ + 1) * height_));
    for (int y = 0; y < height_; ++y) {
        text.append(cells_, static_cast<std::size_t>(y * width_), static_cast<std::size_t>(width_));
        text += '\n';
    }
    return text;
}

std::vector<CellProblem> LevelDrawing::problems() const
{
    std::vector<CellProblem> placed;
    for (const LevelProblem& problem : level_problems(bytes())) {
        CellProblem cell{-1, problem.line - 1, problem.what};
        if (problem.line > 0 && problem.column > 0)
            cell.x = problem.column - 1;
        placed.push_back(cell);
    }
    return placed;
}

int LevelDrawing::count(char kind) const
{
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), kind));
}

std::optional<std::vector<Cell>> LevelDrawing::uncatchable_cats() const
{
    // The board is large for a stack; its loader traces to standard output.
    auto board = std::make_unique<Board>();
    board->trace = [](const std::string&) {};
    if (!board->load_bytes(bytes(), "drawing").ok())
        return std::nullopt;
    if (can_still_clear(*board))
        return std::vector<Cell>{};
    // The analysis takes each cat alone (cats block nothing in it), so asking
    // cat by cat names the ones that fail.
    const int cats = board->cat_count;
    const std::vector<int> xs(board->cat_x, board->cat_x + cats);
    const std::vector<int> ys(board->cat_y, board->cat_y + cats);
    std::vector<Cell> stuck;
    board->cat_count = 1;
    for (int i = 0; i < cats; ++i) {
        board->cat_x[0] = xs[static_cast<std::size_t>(i)];
        board->cat_y[0] = ys[static_cast<std::size_t>(i)];
        if (!can_still_clear(*board))
            stuck.push_back({board->cat_x[0], board->cat_y[0]});
    }
    return stuck;
}

}  // namespace wd
