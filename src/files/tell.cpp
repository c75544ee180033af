#include "tell.h"

#include <cstdio>
#include <string>

namespace wd {

void tell_stderr(std::string_view sentence)
{
    // One write a line, so lines from two threads never interleave.
    const std::string line = "whiskerdash: " + std::string(sentence) + '\n';
    std::fputs(line.c_str(), stderr);
}

}  // namespace wd
