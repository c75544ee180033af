#pragma once
// Level files: splitting a file's bytes into board rows and finding what makes a
// file unplayable. Shared by the game's loader and the level checker.

#include "files/problem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wd {

inline constexpr int grid_rows = 81;   // board rows the grid can hold
inline constexpr int grid_cols = 81;   // 80 cells and a terminating zero
inline constexpr int max_cells = 80;
inline constexpr int max_cats = 100;

// One line of a level file as the loader reads it: its bytes with the line feed,
// if it has one. The loader cuts the last byte, so `cells` is one byte shorter.
struct LevelLine {
    std::string_view raw;
    std::string_view cells() const { return raw.substr(0, raw.size() - 1); }
};

struct LevelProblem {
    int line = 0;    // 1-based; 0 for the file as a whole
    int column = 0;  // 1-based; 0 for the line as a whole
    std::string what;
};

std::vector<LevelLine> split_level_lines(std::string_view bytes);

// A 64-bit FNV-1a hash: tells whether a level's bytes are the ones a game was played on.
std::uint64_t fnv1a(std::string_view bytes);

// The first reason why the game must refuse these lines, if any: more than 81
// lines, an empty first row, a line longer than 80 cells, a zero byte, more
// than 100 cats, no mouse, or a mouse right of the drawn board.
std::optional<LevelProblem> hard_limit_problem(const std::vector<LevelLine>& lines);

// "file:3:7: what", "file:3: what" or "file: what": the form editors jump to,
// taken by every level message.
std::string describe(std::string_view file, const LevelProblem& problem);

// Reads a level file whole, or says why it could not. A file larger than any
// valid level is cut at a size that still shows the fault. Only regular files
// (or links to one) are read, and nothing here can block: a FIFO, socket or
// device is refused before it is opened, and a read that takes more than a
// second (a stalled mount) is given up.
// The problem's text is the level's wording ("cannot open: ...", "is a FIFO,
// not a regular file"), without the file's name.
Result<std::string> read_level_file(const std::string& path);
// The same for any data file, reading at most `cap` bytes.
Result<std::string> read_regular_file(const std::string& path, std::size_t cap);
// Several at once, all within the same second.
std::vector<Result<std::string>> read_regular_files(const std::vector<std::string>& paths, std::size_t cap);

// Everything wrong with a level for play, in file order: the faults the game
// refuses, then rows of unequal length, a broken ring of 'H', a level without
// cats, and a mouse or cat outside the ring.
std::vector<LevelProblem> level_problems(std::string_view bytes);

}  // namespace wd
