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
    };
    Fault fault = Fault::none;
    int error = 0;
    mode_t mode = 0;
    bool dangling_link = false;
    std::string bytes;  // at most the cap asked for, when fault is none
};

RegularFile read_regular(const std::string& path, std::size_t cap);

}  // namespace wd
