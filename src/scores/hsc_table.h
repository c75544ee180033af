#pragma once
// The high-score table as bytes: two header lines, then ten entry lines of equal
// width, best first, each a name, a run of '.', the score and a line feed.
// Everything here works on the text alone, without files or widgets.

#include "files/problem.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wd::hsc {

inline constexpr std::size_t text_capacity = 1000;  // 999 bytes and a zero
inline constexpr std::size_t max_text = text_capacity - 1;
inline constexpr std::size_t name_capacity = 20;    // 19 bytes and a zero
inline constexpr std::size_t max_field = name_capacity - 1;
inline constexpr int entry_count = 10;

// The table played with when hsc.dat is missing or cannot be trusted.
std::string_view default_table();

// Whether these bytes are a table in the format, or what keeps them from being
// one (Kind::damaged, the text without the file's name: "file is empty",
// "line 5: no '.' between name and score").
Result<void> check_format(std::string_view bytes);

// Copies bytes into a zero-terminated table buffer, cut to what it holds.
void set_text(char (&text)[text_capacity], std::string_view bytes);

// The entry line a score beats: where it starts and its length with the line feed.
struct Slot {
    std::size_t start = 0;
    std::size_t length = 0;
    int index = 0;  // 0 for the best entry: the new entry's place is index + 1
};

// Ranks a score against the table, best entry first; `trace` gets one line per
// entry examined. A score equal to an entry's does not beat it.
using TraceSink = std::function<void(const std::string&)>;
std::optional<Slot> rank(const char* text, int score, const TraceSink& trace);

// A typed name made safe to store: at most 19 bytes of whole UTF-8 characters,
// with '.', line feeds, control characters and bytes that are not UTF-8 turned
// into '_'.
std::string clean_name(std::string_view typed);

// Writes a new entry at `slot`: the entries from there down move one line, the
// old tenth is dropped and the text keeps its length. The name is shortened to
// leave room for one '.' and the score. Returns false, leaving the text as it
// was, when the score's digits alone do not fit the line.
bool insert_entry(char* text, Slot slot, std::string_view name, int score);

// The entries of a table's text, best first: each line's name (what comes
// before its last run of dots) and score.
struct Entry {
    std::string name;
    int score = 0;
};
std::vector<Entry> entries(std::string_view table);

// The table as a value: its bytes, cut to what the format holds, ranked and
// written by the functions above. A copy is a table of its own.
class Table {
public:
    Table() = default;
    explicit Table(std::string_view bytes) { set_text(text, bytes); }

    std::string_view bytes() const { return {text, std::char_traits<char>::length(text)}; }
    const char* c_str() const { return text; }
    std::optional<Slot> rank(int score, const TraceSink& trace) const { return hsc::rank(text, score, trace); }
    // Ranks and writes in one go; false when the score does not make the table or does not fit it.
    bool insert(int score, std::string_view name);
    bool insert(Slot slot, std::string_view name, int score) { return insert_entry(text, slot, name, score); }
    // The entry line (0 the best) holding `score` under `name` or the start of
    // it the line had room for.
    std::optional<int> find(std::string_view name, int score) const;
    bool operator==(const Table& other) const { return bytes() == other.bytes(); }

private:
    char text[text_capacity] = {};
};

}  // namespace wd::hsc
