#include "lines.h"

namespace wd {

std::vector<std::string_view> lines_of(std::string_view text, LineEnds ends)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::size_t next = std::min(end + 1, text.size());
        lines.push_back(text.substr(0, ends == LineEnds::kept ? next : end));
        text.remove_prefix(next);
    }
    return lines;
}

}  // namespace wd
