#pragma once
// What the player has done over every game: counts only, so two games that
// share the file each add what they did since they last saved. The file:
//
//     whiskerdash statistics 1
//     games N                   games with a move in them, ranked or practice
//     levels-cleared N
//     cats-caught N
//     cheese-eaten N
//     played-ms N               time in play, by the cats' clock
//     level NUMBER ATTEMPTS CLEARS
//                               a pack level (0 is the first): begun and moved in, cleared

#include "files/problem.h"

#include <map>
#include <string>
#include <string_view>

namespace wd {

struct Statistics {
    struct Level {
        long long attempts = 0;
        long long clears = 0;
        bool operator==(const Level&) const = default;
    };
    long long games = 0;
    long long levels_cleared = 0;
    long long cats_caught = 0;
    long long cheese_eaten = 0;
    long long played_ms = 0;
    std::map<int, Level> levels;

    void add(const Statistics& more);
    bool empty() const { return *this == Statistics{}; }
    bool operator==(const Statistics&) const = default;
};

std::string render_statistics(const Statistics& statistics);
// The counts, or the problem: Kind::empty, or Kind::damaged naming the line that is wrong.
Result<Statistics> parse_statistics(std::string_view bytes);

}  // namespace wd
