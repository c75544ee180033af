#pragma once
// Reading a data file (a level, a sprite, the score table) only when it is a
// regular file or a link to one, without ever blocking on a FIFO or a device.
// Plain C++: each caller words its own messages.

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace wd {

struct RegularFile {
    enum class Fault {
        none,
        missing,      // nothing answers to the name (`dangling_link` tells a link left behind)
        not_regular,  // a folder, FIFO, socket or device: `mode` says which
        cannot_open,  // `error` says why
        cannot_read,  // `error` says why
        too_slow,     // no answer within the time given (a stalled mount)
    };
    Fault fault = Fault::none;
    int error = 0;
    mode_t mode = 0;
    bool dangling_link = false;
    std::string bytes;  // at most the cap asked for, when fault is none
};

RegularFile read_regular(const std::string& path, std::size_t cap);

// "a folder", "a FIFO", "a socket", "a device", "a symbolic link": what a
// file that is not a regular one is, in the words of the table and settings.
const char* kind_of(mode_t mode);

// read_regular() on a thread of its own, given up after `timeout_ms`: a read
// that stalls (a slow or hung mount) must not freeze the game. The thread is
// left to finish on its own.
RegularFile read_regular_within(const std::string& path, std::size_t cap, int timeout_ms);

}  // namespace wd
