#include "level.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace wd {

namespace {
// A valid level has at most 81 lines of 81 bytes. Any file bigger than this
// prefix breaks a limit inside the prefix already, so nothing more is read.
constexpr std::size_t read_cap = 8 * 1024;
}  // namespace

std::vector<LevelLine> split_level_lines(std::string_view bytes)
{
    std::vector<LevelLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.push_back({bytes.substr(start, end - start)});
        start = end;
    }
    return lines;
}

std::optional<LevelProblem> hard_limit_problem(const std::vector<LevelLine>& lines)
{
    int cats = 0;
    bool mouse = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (line > grid_rows)
            return LevelProblem{line, 0, "more than 81 lines"};
        const std::string_view raw = lines[i].raw;
        if (const auto zero = raw.find('\0'); zero != std::string_view::npos)
            return LevelProblem{line, static_cast<int>(zero) + 1, "zero byte"};
        const std::string_view cells = lines[i].cells();
        if (cells.size() > static_cast<std::size_t>(max_cells))
            return LevelProblem{line, max_cells + 1, "line longer than 80 cells"};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c] == 'M')
                mouse = true;
            else if (cells[c] == 'C' && ++cats > max_cats)
                return LevelProblem{line, static_cast<int>(c) + 1, "more than 100 cats"};
        }
    }
    if (!lines.empty() && !mouse)
        return LevelProblem{0, 0, "no mouse ('M') in the level"};
    return std::nullopt;
}

std::string describe(std::string_view file, const LevelProblem& problem)
{
    std::string text(file);
    if (problem.line > 0) {
        text += ": line " + std::to_string(problem.line);
        if (problem.column > 0)
            text += ", column " + std::to_string(problem.column);
    }
    text += ": ";
    text += problem.what;
    return text;
}

FileBytes read_level_file(const std::string& path)
{
    FileBytes result;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        result.error = std::string("cannot open: ") + std::strerror(errno);
        return result;
    }
    result.bytes.resize(read_cap);
    const std::size_t got = std::fread(result.bytes.data(), 1, read_cap, file.get());
    if (std::ferror(file.get())) {
        result.error = std::string("cannot read: ") + std::strerror(errno);
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(got);
    result.opened = true;
    return result;
}

}  // namespace wd
