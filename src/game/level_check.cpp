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
            const bool known = actor || c == 'H' || c == 'B' || c == 'K' || c == '.' || c == ' ';
            cats += c == 'C';
            if (c == 'M' && ++mice == 2)
                problems.push_back({line, column, "a second mouse: the game plays the last one"});
            if (actor && (on_ring || x + 1 >= width))
                problems.push_back({line, column, std::string(c == 'M' ? "mouse" : "cat") + " outside the ring"});
            else if (on_ring && c != 'H')
                problems.push_back({line, column, "ring of 'H' broken by " + shown(c)});
            else if (!known)
                problems.push_back({line, column, "unknown cell " + shown(c) + ": the game plays it as floor"});
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
    bool crlf = false;
    for (const LevelLine& line : lines)
        crlf = crlf || line.cells().ends_with('\r');
    if (!crlf) {
        check_shape(lines, problems);
        return problems;
    }
    // Said once for the file; the rest is checked as if the fix were made, so
    // the carriage returns do not hide the other problems behind a broken ring.
    problems.push_back({0, 0,
                        "Windows line endings (CR LF): the game takes each CR for a cell; "
                        "save the file with plain line feeds (for example with dos2unix)"});
    std::string plain(bytes);
    for (std::size_t at = plain.find("\r\n"); at != std::string::npos; at = plain.find("\r\n", at))
        plain.erase(at, 1);
    check_shape(split_level_lines(plain), problems);
    return problems;
}

}  // namespace wd
