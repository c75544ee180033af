#include "hsc_table.h"

#include "files/lines.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

namespace wd::hsc {

namespace {

constexpr std::string_view builtin =
    "WHISKERDASH - THE BRAVEST MICE\n"
    "Name.......................Score\n"
    "Nibbles.....................1500\n"
    "Squeak......................1200\n"
    "Pip..........................900\n"
    "Clover.......................700\n"
    "Biscuit......................500\n"
    "Hazel........................400\n"
    "Tumble.......................300\n"
    "Crumb........................200\n"
    "Whisk........................100\n"
    "Dot...........................50\n";

// The value of a score field, read as "%d" reads a number in the format.
std::optional<int> field_value(std::string_view field)
{
    if (field.empty() || field.size() > max_field)
        return std::nullopt;
    std::size_t digits = field[0] == '-' ? 1 : 0;
    if (digits == field.size())
        return std::nullopt;
    for (std::size_t i = digits; i < field.size(); ++i)
        if (field[i] < '0' || field[i] > '9')
            return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

// Length of the UTF-8 character starting at `s`, or 0 if it is not one.
std::size_t utf8_length(std::string_view s)
{
    const auto lead = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool is_control(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return first < 0x20 || first == 0x7F;
    // U+0080..U+009F, the C1 controls
    return character.size() == 2 && first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

// The longest prefix of a cleaned name that has at most `limit` bytes.
std::string_view cut_whole_characters(std::string_view name, std::size_t limit)
{
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t length = utf8_length(name.substr(end));
        const std::size_t step = length == 0 ? 1 : length;
        if (end + step > limit)
            break;
        end += step;
    }
    return name.substr(0, end);
}

}  // namespace

std::string_view default_table()
{
    return builtin;
}

Result<void> check_format(std::string_view bytes)
{
    const auto damaged = [](std::string text) { return Problem{Problem::Kind::damaged, 0, std::move(text)}; };
    if (bytes.size() > max_text)
        return damaged("longer than 999 bytes");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0 || byte == 0xFF || byte == '\r') {
            char what[64];
            std::snprintf(what, sizeof what, "byte 0x%02X at offset %zu", byte, i);
            return damaged(what);
        }
    }
    if (bytes.empty())
        return damaged("file is empty");
    if (bytes.back() != '\n')
        return damaged("last line has no line feed");
    const std::vector<std::string_view> lines = lines_of(bytes);
    if (lines.size() != 2 + entry_count)
        return damaged("has " + std::to_string(lines.size() < 2 ? 0 : static_cast<int>(lines.size()) - 2)
                       + " entry lines, not 10");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        if (line.size() != lines[2].size())
            return damaged(where + "entry is " + std::to_string(line.size() + 1) + " bytes wide, line 3 is "
                           + std::to_string(lines[2].size() + 1));
        const std::size_t dot = line.find('.');
        if (dot == std::string_view::npos)
            return damaged(where + "no '.' between name and score");
        if (dot > max_field)
            return damaged(where + "name longer than 19 bytes");
        const std::size_t digits = line.find_first_not_of('.', dot);
        if (!field_value(line.substr(digits == std::string_view::npos ? line.size() : digits)))
            return damaged(where + "score is not a decimal number");
    }
    return {};
}

void set_text(char (&text)[text_capacity], std::string_view bytes)
{
    const std::size_t length = bytes.size() < max_text ? bytes.size() : max_text;
    std::memcpy(text, bytes.data(), length);
    text[length] = '\0';
}

std::optional<Slot> rank(const char* text, int score, const TraceSink& trace)
{
    const std::string_view all(text, strnlen(text, text_capacity));
    std::size_t s = all.find('\n');
    if (s != std::string_view::npos)
        s = all.find('\n', s + 1);
    if (s == std::string_view::npos)
        return std::nullopt;
    ++s;

    for (int n = 0; n < entry_count; ++n) {
        const std::size_t dot = all.find('.', s);
        if (dot == std::string_view::npos)
            return std::nullopt;
        const std::size_t digits = all.find_first_not_of('.', dot);
        const std::size_t end = digits == std::string_view::npos ? digits : all.find('\n', digits);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string name(all.substr(s, std::min(dot - s, max_field)));
        const std::string field(all.substr(digits, std::min(end - digits, max_field)));
        const int value = field_value(field).value_or(0);

        char line[128];
        std::snprintf(line, sizeof line, "%d:%s,%s, hsc=%d,scr=%d\n", n, name.c_str(), field.c_str(), value, score);
        trace(line);

        const std::size_t next = end + 1;
        if (score > value)
            return Slot{s, next - s, n};
        s = next;
    }
    return std::nullopt;
}

std::string clean_name(std::string_view typed)
{
    std::string name;
    std::size_t i = 0;
    while (i < typed.size()) {
        const std::size_t length = utf8_length(typed.substr(i));
        const std::string_view character = typed.substr(i, length == 0 ? 1 : length);
        const bool bad = length == 0 || character == "." || is_control(character);
        if (name.size() + (bad ? 1 : character.size()) > max_field)
            break;
        name += bad ? std::string_view("_") : character;
        i += character.size();
    }
    return name;
}

bool insert_entry(char* text, Slot slot, std::string_view name, int score)
{
    const std::size_t length = strnlen(text, text_capacity);
    if (slot.length < 2 || slot.start + slot.length > length || text[slot.start + slot.length - 1] != '\n')
        return false;
    char digits[16];
    const int digit_count = std::snprintf(digits, sizeof digits, "%d", score);
    const std::size_t room = slot.length - 1;  // bytes before the line feed
    if (static_cast<std::size_t>(digit_count) + 1 > room)
        return false;
    const std::string_view kept = cut_whole_characters(name, room - 1 - static_cast<std::size_t>(digit_count));

    std::memmove(text + slot.start + slot.length, text + slot.start, length - slot.length - slot.start);
    std::memset(text + slot.start, '.', room);
    std::memcpy(text + slot.start, kept.data(), kept.size());
    std::memcpy(text + slot.start + room - static_cast<std::size_t>(digit_count), digits,
                static_cast<std::size_t>(digit_count));
    text[slot.start + room] = '\n';
    return true;
}

bool Table::insert(int score, std::string_view name)
{
    const auto slot = rank(score, [](const std::string&) {});
    return slot && insert(*slot, name, score);
}

std::vector<Entry> entries(std::string_view table)
{
    std::vector<Entry> found;
    const std::vector<std::string_view> lines = lines_of(table);
    for (std::size_t line = 2; line < lines.size(); ++line) {
        const std::string_view text = lines[line];
        const std::size_t digits = text.find_last_not_of("0123456789") + 1;
        std::size_t dots = digits;
        while (dots > 0 && text[dots - 1] == '.')
            --dots;
        Entry entry{std::string(text.substr(0, dots))};
        std::from_chars(text.data() + digits, text.data() + text.size(), entry.score);
        found.push_back(std::move(entry));
    }
    return found;
}

std::optional<int> Table::find(std::string_view name, int score) const
{
    const std::vector<Entry> all = entries(bytes());
    for (int i = 0; i < entry_count && std::size_t(i) < all.size(); ++i)
        // The stored name may have been shortened to fit the line.
        if (all[std::size_t(i)].score == score && name.starts_with(all[std::size_t(i)].name))
            return i;
    return std::nullopt;
}

}  // namespace wd::hsc
