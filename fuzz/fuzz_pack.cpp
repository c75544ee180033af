// A pack file of arbitrary bytes: whatever is accepted names only the pack's
// own files, holds only levels the game plays, and renders back to a file
// that reads as the same pack.

#include "packs/archive.h"
#include "game/level.h"

#include "require.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wd::Result<wd::packs::PackContents> pack = wd::packs::parse_archive(bytes);
    if (!pack.ok())
        return 0;
    require(!pack.value().levels.empty() && pack.value().levels.size() <= wd::packs::max_levels, "level count");
    for (const wd::packs::ArchiveLevel& level : pack.value().levels) {
        require(level.bytes.size() <= wd::packs::max_level_bytes, "level size");
        require(wd::level_problems(level.bytes).empty(), "a level the game refuses");
    }
    const wd::Result<wd::packs::PackContents> again = wd::packs::parse_archive(wd::packs::render_archive(pack.value()));
    require(again.ok() && again.value() == pack.value(), "rendered pack reads back otherwise");
    return 0;
}
