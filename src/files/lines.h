#pragma once
// Every text file of the game is read a line at a time: one way to cut it.

#include <string_view>
#include <vector>

namespace wd {

enum class LineEnds { dropped, kept };

// The lines of `text`, each with its '\n' when `ends` keeps it. A last line
// without one counts; a text that ends in '\n' has no empty line after it.
std::vector<std::string_view> lines_of(std::string_view text, LineEnds ends = LineEnds::dropped);

}  // namespace wd
