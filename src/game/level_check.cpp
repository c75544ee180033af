#include "level.h"

#include <cstdio>

namespace wd {

namespace {

std::string shown(char c)
{
    if (c >= 0x20 && c < 0x7F)
        return std::string("'") + c + "'";
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", static_cast<unsigned char>(c));
    return text;
}

// The checks for a level that the game would load.
void check_shape(const std::vector<LevelLine>& lines, std::vector<LevelProblem>& problems)
{
    const int height = static_cast<int>(lines.size());
    const std::size_t width = lines[0].cells().size();
    int cats = 0;
    int mice = 0;
    for (int y = 0; y < height; ++y) {
        const std::string_view row = lines[y].cells();
        const int line = y + 1;
        if (row.size() != width)
            problems.push_back({line, 0, "row is " + std::to_string(row.size()) + " cells long, the first row "
                                             + std::to_string(width)});
        if (lines[y].raw.back() != '\n')
            problems.push_back({line, static_cast<int>(row.size()) + 1, "last line has no line feed: its last cell is lost"});
        for (std::size_t x = 0; x < row.size(); ++x) {
            const char c = row[x];
            const int column = static_cast<int>(x) + 1;
            const bool on_ring = y == 0 || y == height - 1 || x == 0 || x + 1 == row.size();
            const bool actor = c == 'M' || c == 'C';
            cats += c == 'C';
            if (c == 'M' && ++mice == 2)
                problems.push_back({line, column, "a second mouse: the game plays the last one"});
            if (actor && (on_ring || x + 1 >= width))
                problems.push_back({line, column, std::string(c == 'M' ? "mouse" : "cat") + " outside the ring"});
            else if (on_ring && c != 'H')
                problems.push_back({line, column, "ring of 'H' broken by " + shown(c)});
        }
    }
    if (cats == 0)
        problems.push_back({0, 0, "no cats: the level can never be cleared"});
}

}  // namespace

std::vector<LevelProblem> level_problems(std::string_view bytes)
{
    const std::vector<LevelLine> lines = split_level_lines(bytes);
    if (lines.empty())
        return {{0, 0, "file is empty"}};
    if (auto refused = hard_limit_problem(lines))
        return {*refused};
    std::vector<LevelProblem> problems;
    check_shape(lines, problems);
    return problems;
}

}  // namespace wd
