#include "level.h"

#include "files/lines.h"
#include "files/regular_file.h"

#include <cerrno>
#include <cstring>

namespace wd {

namespace {
// A valid level has at most 81 lines of 81 bytes. Any file bigger than this
// prefix breaks a limit inside the prefix already, so nothing more is read.
constexpr std::size_t read_cap = 8 * 1024;

// The checker prints this on standard output, whose lines never change: a
// folder stays "a directory" here.
std::string not_regular(const Problem& problem)
{
    const std::string kind = kind_of(problem);
    return "is " + (kind == "a folder" ? std::string("a directory") : kind) + ", not a regular file";
}

std::string failed(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}
}  // namespace

std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::vector<LevelLine> split_level_lines(std::string_view bytes)
{
    std::vector<LevelLine> lines;
    for (const std::string_view line : lines_of(bytes, LineEnds::kept))
        lines.push_back({line});
    return lines;
}

std::optional<LevelProblem> hard_limit_problem(const std::vector<LevelLine>& lines)
{
    int cats = 0;
    int mouse_line = 0;  // of the last 'M', the one the game plays
    std::size_t mouse_column = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (line > grid_rows)
            return LevelProblem{line, 0, "more than 81 lines"};
        const std::string_view raw = lines[i].raw;
        if (const auto zero = raw.find('\0'); zero != std::string_view::npos)
            return LevelProblem{line, static_cast<int>(zero) + 1, "zero byte"};
        const std::string_view cells = lines[i].cells();
        // The first row sets the board's width: without cells there is no board to draw.
        if (i == 0 && cells.empty())
            return LevelProblem{line, 1, "first row is empty: the board would have no width"};
        if (cells.size() > static_cast<std::size_t>(max_cells))
            return LevelProblem{line, max_cells + 1, "line longer than 80 cells"};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c] == 'M') {
                mouse_line = line;
                mouse_column = c;
            } else if (cells[c] == 'C' && ++cats > max_cats) {
                return LevelProblem{line, static_cast<int>(c) + 1, "more than 100 cats"};
            }
        }
    }
    if (lines.empty())
        return std::nullopt;
    if (mouse_line == 0)
        return LevelProblem{0, 0, "no mouse ('M') in the level"};
    // Rows may be longer than the first, but only the first row's width is drawn.
    if (const std::size_t width = lines[0].cells().size(); mouse_column >= width)
        return LevelProblem{mouse_line, static_cast<int>(mouse_column) + 1,
                            "mouse outside the drawn board, which is " + std::to_string(width)
                                + " cells wide (the first row's length)"};
    return std::nullopt;
}

std::string describe(std::string_view file, const LevelProblem& problem)
{
    std::string text(file);
    if (problem.line > 0) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely on ":" + std::string.
        text += ':';
        text += std::to_string(problem.line);
        if (problem.column > 0) {
            text += ':';
            text += std::to_string(problem.column);
        }
    }
    text += ": ";
    text += problem.what;
    return text;
}

namespace {
// The read's problem in the words every level message has used.
Result<std::string> in_level_words(Result<std::string> file)
{
    if (file.ok())
        return file;
    Problem problem = file.problem();
    switch (problem.kind) {
    case Problem::Kind::not_regular: problem.text = not_regular(problem); break;
    case Problem::Kind::cannot_read: problem.text = failed("cannot read", problem.error); break;
    case Problem::Kind::too_slow: problem.text = std::string("cannot read: ") + no_answer; break;
    default: problem.text = failed("cannot open", problem.error); break;
    }
    return problem;
}
}  // namespace

Result<std::string> read_level_file(const std::string& path)
{
    return in_level_words(read_timed(path, read_cap));
}

Result<std::string> read_regular_file(const std::string& path, std::size_t cap)
{
    return in_level_words(read_timed(path, cap));
}

std::vector<Result<std::string>> read_regular_files(const std::vector<std::string>& paths, std::size_t cap)
{
    std::vector<Result<std::string>> files;
    for (Result<std::string>& file : read_timed(paths, cap))
        files.push_back(in_level_words(std::move(file)));
    return files;
}

}  // namespace wd
