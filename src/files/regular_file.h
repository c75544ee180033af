#pragma once
// Reading a data file (a level, the level index, a sprite, a sound, the score
// table, the settings) only when it is a regular file or a link to one, without
// ever blocking on a FIFO or a device, and given up after a second: a stalled
// mount refuses the file instead of freezing the game. Plain C++: each caller
// puts the problem's text in a sentence of its own.

#include "problem.h"

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

namespace wd {

// How long any data file may take to read, and how a message says it took longer.
inline constexpr int read_limit_ms = 1000;
inline constexpr const char* no_answer = "no answer within a second";

// "a folder", "a FIFO", "a socket", "a device", "a symbolic link": what a
// file that is not a regular one is.
const char* kind_of(mode_t mode);
// "not a regular file (a FIFO)": the one wording for a file refused for what it is.
std::string not_regular_text(mode_t mode);
// "a FIFO": what the file of a not_regular problem from read_timed() is.
std::string kind_of(const Problem& not_regular);

// Reads at most `cap` bytes on a thread of its own, given up (Kind::too_slow)
// after read_limit_ms. A stalled read's thread is left to finish on its own.
// The problem's text says why: not_regular_text(), no_answer, or the system's reason.
Result<std::string> read_timed(const std::string& path, std::size_t cap);
// Several files at once, a thread a folder reading its files in turn, all within
// the one limit: a folder on a stalled mount costs a second, not a second a
// file, and holds up no other folder's files.
std::vector<Result<std::string>> read_timed(const std::vector<std::string>& paths, std::size_t cap);

}  // namespace wd
