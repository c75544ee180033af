#include "level_records.h"

#include "files/lines.h"

#include <charconv>
#include <cstdio>

namespace wd {

namespace {
constexpr std::string_view heading = "whiskerdash records 1\n";

template <typename T>
bool number(std::string_view& text, T& value, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(std::size_t(end - text.data()));
    return true;
}

bool word(std::string_view& text, std::string_view expected)
{
    if (!text.starts_with(expected))
        return false;
    text.remove_prefix(expected.size());
    return true;
}
}  // namespace

RecordNews beats(const LevelRecord& held, int cheese, int ticks)
{
    RecordNews news;
    news.before = held;
    news.clear = {cheese, ticks};
    news.cheese = held.cheese < 0 || cheese > held.cheese;
    news.ticks = held.ticks < 0 || ticks < held.ticks;
    return news;
}

LevelRecord with(LevelRecord held, const RecordNews& news, int cheese, int ticks)
{
    if (news.cheese)
        held.cheese = cheese;
    if (news.ticks)
        held.ticks = ticks;
    return held;
}

std::string render_records(const LevelRecords& records)
{
    std::string text(heading);
    for (const auto& [hash, record] : records) {
        char line[96];
        std::snprintf(line, sizeof line, "%016llx cheese %d ticks %d\n", static_cast<unsigned long long>(hash),
                      record.cheese, record.ticks);
        text += line;
    }
    return text;
}

LevelRecords parse_records(std::string_view bytes)
{
    LevelRecords records;
    if (!bytes.starts_with(heading))
        return records;
    bytes.remove_prefix(heading.size());
    for (std::string_view line : lines_of(bytes)) {
        std::uint64_t hash = 0;
        LevelRecord record;
        if (line.size() > 16 && line[16] == ' ' && number(line, hash, 16) && word(line, " cheese ")
            && number(line, record.cheese) && word(line, " ticks ") && number(line, record.ticks) && line.empty()
            && record.cheese >= -1 && record.ticks >= -1)
            records[hash] = record;
    }
    return records;
}

std::string record_file(std::uint64_t hash, bool cheese)
{
    char name[64];
    std::snprintf(name, sizeof name, "record-%016llx-%s.wdr", static_cast<unsigned long long>(hash),
                  cheese ? "cheese" : "ticks");
    return name;
}

}  // namespace wd
