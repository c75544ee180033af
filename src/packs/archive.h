#pragma once
// A pack of levels as plain text: its index (levels.txt, whose first line
// names the pack), its level files and their proofs, each file carried with its
// length so any bytes come through unchanged. Plain C++ on bytes, so hostile
// files can be tried on it anywhere. The format is described in
// docs/pack-format.md.

#include "files/problem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wd::packs {

inline constexpr std::string_view archive_first_line = "whiskerdash pack 1";
inline constexpr std::string_view archive_extension = ".wdpack";
inline constexpr std::string_view index_file = "levels.txt";

// What a pack may hold. A level is at most 81 lines of 80 cells and their line
// feeds; level files are numbered with three digits.
inline constexpr std::size_t max_levels = 1000;
inline constexpr std::size_t max_level_bytes = 81 * 81;
inline constexpr std::size_t max_proof_bytes = 1 << 20;
inline constexpr std::size_t max_index_bytes = 1 << 18;
inline constexpr std::size_t max_name_bytes = 100;
inline constexpr std::size_t max_archive_bytes = 32 << 20;

// "level007.lvx" and "level007.proof".
std::string level_file(int number);
std::string proof_file(int number);

struct IndexEntry {
    std::string name;
    std::string hint;
};

// The pack's levels.txt: "# pack<TAB>NAME", then one line a level,
// levelNNN.lvx<TAB>NAME<TAB>HINT, numbered from 000. Tabs and line breaks in
// the texts become spaces, so every line parses back.
std::string render_index(std::string_view pack_name, const std::vector<IndexEntry>& levels);
// The name on the index's first line, or nothing when it has none.
std::optional<std::string> pack_name(std::string_view index);
// The name as the index keeps it: control bytes gone, cut to max_name_bytes
// on a character's edge, spaces at either end trimmed.
std::string clean_name(std::string_view name);

struct ArchiveLevel {
    std::string bytes;
    std::optional<std::string> proof;  // the proof file's bytes, when the level has one
    bool operator==(const ArchiveLevel&) const = default;
};

struct PackContents {
    std::string index;
    std::vector<ArchiveLevel> levels;  // level i is level_file(i)
    bool operator==(const PackContents&) const = default;
};

std::string render_archive(const PackContents& pack);

// The pack, or why these bytes are not one to import: another format
// (Kind::refused), or a damaged or hostile entry, named with what is wrong
// (Kind::damaged for the form, Kind::refused for sizes and names): a name
// other than levels.txt, levelNNN.lvx or levelNNN.proof, one given twice, a
// size past the limits, a level the game refuses, a gap in the numbering, a
// proof without its level, no index. Proofs are
// carried as they are: whether one replays is for the importer to ask.
Result<PackContents> parse_archive(std::string_view bytes);

}  // namespace wd::packs
