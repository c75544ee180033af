// A score table of arbitrary bytes, ranked and given a new entry with an
// arbitrary name, then saved. Input: 4 bytes of score, one byte n, n bytes of
// name, the table.

#include "scores/hsc_table.h"

#include "require.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    std::uint32_t raw = 0;
    std::memcpy(&raw, data, 4);
    const int score = static_cast<int>(raw & 0x7FFFFFFF);
    const std::size_t name_length = std::min<std::size_t>(data[4], size - 5);
    const std::string_view typed(reinterpret_cast<const char*>(data) + 5, name_length);
    const std::string_view file(reinterpret_cast<const char*>(data) + 5 + name_length, size - 5 - name_length);

    namespace hsc = wd::hsc;
    const bool in_format = hsc::check_format(file).ok();
    char text[hsc::text_capacity];
    hsc::set_text(text, file);
    const std::string before(text);

    const std::string name = hsc::clean_name(typed);
    require(name.size() <= hsc::max_field, "name longer than 19 bytes");
    require(name.find_first_of(".\n\r\xff") == std::string::npos, "name holds a byte the table cannot keep");

    const auto slot = hsc::rank(text, score, [](const std::string& line) { require(!line.empty(), "empty trace"); });
    if (slot) {
        require(slot->start + slot->length <= before.size(), "slot beyond the text");
        const bool inserted = hsc::insert_entry(text, *slot, name, score);
        require(std::strlen(text) == before.size(), "text length changed");
        if (!inserted)
            require(before == text, "a refused entry changed the text");
        if (in_format && inserted)
            require(hsc::check_format(text).ok(), "an entry took the table out of its format");
    }
    // What a save writes: the text's bytes, nothing after them.
    const std::string saved(text, strnlen(text, hsc::text_capacity));
    require(saved.size() <= hsc::max_text, "save longer than 999 bytes");
    return 0;
}
