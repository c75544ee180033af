#pragma once
// The pack's names and hints for its levels, kept beside the levels in
// "levels.txt" so the level files themselves keep their format: one line a
// level, FILE, a tab, NAME, a tab, HINT; '#' starts a comment line.

#include <map>
#include <string>
#include <string_view>

namespace wd {

struct LevelInfo {
    std::string name;
    std::string hint;
};

class LevelIndex {
public:
    // Lines that are not FILE<TAB>NAME[<TAB>HINT] are skipped; the first line
    // for a file wins.
    static LevelIndex parse(std::string_view text);

    // Nothing when the pack says nothing about this file name.
    const LevelInfo* find(const std::string& file) const;
    std::size_t size() const { return levels.size(); }

private:
    std::map<std::string, LevelInfo, std::less<>> levels;
};

}  // namespace wd
