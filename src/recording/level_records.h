#pragma once
// Each level's records: the most cheese taken on a clear and the fewest ticks
// to clear it, kept by the hash of the level's bytes so that a level changed
// since starts afresh. The index is a small text beside the recordings:
//
//     whiskerdash records 1
//     HASH cheese N ticks N     a level's records (-1: none yet)

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace wd {

struct LevelRecord {
    int cheese = -1;  // the most cheese taken on a clear
    int ticks = -1;   // the fewest ticks to a clear
    bool operator==(const LevelRecord&) const = default;
};
using LevelRecords = std::map<std::uint64_t, LevelRecord>;

// Which records a clear with `cheese` and `ticks` beats: a first clear sets both.
struct RecordNews {
    bool cheese = false;
    bool ticks = false;
    LevelRecord before;  // what was held
    LevelRecord clear;   // what the clear did
    bool any() const { return cheese || ticks; }
};
RecordNews beats(const LevelRecord& held, int cheese, int ticks);
// `held` with the records `news` says were beaten by `cheese` and `ticks`.
LevelRecord with(LevelRecord held, const RecordNews& news, int cheese, int ticks);

std::string render_records(const LevelRecords& records);
// Damaged lines are skipped: they lose only their level's records.
LevelRecords parse_records(std::string_view bytes);

// The file holding the recording behind a record.
std::string record_file(std::uint64_t hash, bool cheese);

}  // namespace wd
