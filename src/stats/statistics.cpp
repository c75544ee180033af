#include "statistics.h"

#include "files/lines.h"

#include <charconv>

namespace wd {

namespace {
constexpr std::string_view heading = "whiskerdash statistics 1";

struct Counter {
    std::string_view key;
    long long Statistics::*field;
};
constexpr Counter counters[] = {
    {"games", &Statistics::games},
    {"levels-cleared", &Statistics::levels_cleared},
    {"cats-caught", &Statistics::cats_caught},
    {"cheese-eaten", &Statistics::cheese_eaten},
    {"played-ms", &Statistics::played_ms},
};

// A count: digits only, never negative.
template <typename T>
bool count(std::string_view& text, T& value)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || value < 0)
        return false;
    text.remove_prefix(std::size_t(end - text.data()));
    return true;
}
}  // namespace

void Statistics::add(const Statistics& more)
{
    for (const Counter& counter : counters)
        this->*counter.field += more.*counter.field;
    for (const auto& [number, level] : more.levels) {
        levels[number].attempts += level.attempts;
        levels[number].clears += level.clears;
    }
}

std::string render_statistics(const Statistics& statistics)
{
    std::string text = std::string(heading) + '\n';
    for (const Counter& counter : counters)
        text += std::string(counter.key) + ' ' + std::to_string(statistics.*counter.field) + '\n';
    for (const auto& [number, level] : statistics.levels)
        text += "level " + std::to_string(number) + ' ' + std::to_string(level.attempts) + ' '
            + std::to_string(level.clears) + '\n';
    return text;
}

Result<Statistics> parse_statistics(std::string_view bytes)
{
    Statistics statistics;
    int line_number = 0;
    for (std::string_view line : lines_of(bytes)) {
        const auto wrong = [&line_number](const std::string& what) {
            return Problem{Problem::Kind::damaged, 0, "line " + std::to_string(line_number) + ": " + what};
        };
        if (++line_number == 1) {
            if (line != heading)
                return wrong("not a statistics file of this version");
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space);
        bool known = false;
        for (const Counter& counter : counters)
            if (key == counter.key) {
                if (!count(rest, statistics.*counter.field) || !rest.empty())
                    return wrong("not a count");
                known = true;
            }
        if (key == "level") {
            int number = 0;
            Statistics::Level level;
            if (!count(rest, number) || !count(rest, level.attempts) || !count(rest, level.clears) || !rest.empty())
                return wrong("not a level's counts");
            statistics.levels[number] = level;
            known = true;
        }
        if (!known)
            return wrong("unknown line");
    }
    if (line_number == 0)
        return Problem{Problem::Kind::empty, 0, "empty"};
    return statistics;
}

}  // namespace wd
