#include "level_index.h"

#include "files/lines.h"

namespace wd {

namespace {
// Control bytes never reach a card: they could only be a damaged file.
std::string printable(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)
            out += c;
    return out;
}
}  // namespace

LevelIndex LevelIndex::parse(std::string_view text)
{
    LevelIndex index;
    for (std::string_view line : lines_of(text)) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == 0 || tab == std::string_view::npos)
            continue;
        const std::string_view rest = line.substr(tab + 1);
        const std::size_t second = rest.find('\t');
        LevelInfo info{printable(rest.substr(0, second)),
                       second == std::string_view::npos ? std::string() : printable(rest.substr(second + 1))};
        if (info.name.empty())
            continue;
        index.levels.try_emplace(std::string(line.substr(0, tab)), std::move(info));
    }
    return index;
}

const LevelInfo* LevelIndex::find(const std::string& file) const
{
    const auto it = levels.find(file);
    return it == levels.end() ? nullptr : &it->second;
}

}  // namespace wd
