#pragma once
// The largest boards the format allows, for measuring.

#include <string>

namespace wd::bench {

// 81 rows of 80 cells with every kind of cell: the mouse in the middle (or
// walled in at a corner, where the cats can only crowd round it) and exactly
// `cats` cats spread over the rest.
inline std::string largest_level(int cats, bool walled_in_mouse = false)
{
    std::string text;
    int placed = 0;
    for (int y = 0; y < 81; ++y) {
        for (int x = 0; x < 80; ++x) {
            char c = '.';
            if (walled_in_mouse ? x == 2 && y == 2 : x == 40 && y == 40)
                c = 'M';
            else if (y == 0 || y == 80 || x == 0 || x == 79 || (walled_in_mouse && x < 4 && y < 4))
                c = 'H';
            else if ((x * 7 + y * 13) % 11 == 0 && (x % 8 != 4 || y % 8 != 4))
                c = 'B';
            else if ((x * 5 + y * 3) % 17 == 0 && (x % 8 != 4 || y % 8 != 4))
                c = 'K';
            else if (x % 8 == 4 && y % 8 == 4 && placed < cats) {  // an even 10 x 10 grid
                c = 'C';
                ++placed;
            }
            text += c;
        }
        text += '\n';
    }
    return text;
}

// The worst largest board for a dead-end check that sweeps until no crate
// freezes: 36 rows of crates, each walled on one side, joined end to end so
// that a crate is stuck only once the next one along is, right to left every
// other row; below them, 100 cats in open rows with the mouse and a loose crate.
inline std::string dead_end_level()
{
    // Eight rows that repeat: their first five and last five cells, the middle
    // cells all like the fifth.
    static const char* const ends[8][2] = {
        {"H.BBB", "BBBHH"}, {"H.BHH", "HH..H"}, {"HHBBB", "BB..H"}, {"H..HH", "HBH.H"},
        {"H..BB", "BBH.H"}, {"H.HBH", "H.H.H"}, {"H.HBB", "BBB.H"}, {"H.H.H", "HHB.H"},
    };
    std::string text = std::string(80, 'H') + "\nH." + std::string(76, 'H') + ".H\n";
    for (int y = 2; y < 73; ++y) {
        const auto& row = ends[(y - 2) % 8];
        text += row[0] + std::string(70, row[0][4]) + row[1] + '\n';
    }
    text += std::string(80, 'H') + '\n';
    int placed = 0;
    for (int y = 74; y < 80; ++y) {
        text += 'H';
        for (int x = 1; x < 79; ++x) {
            char c = '.';
            if (y == 74 && x == 40)
                c = 'M';
            else if (y == 74 && x == 60)
                c = 'B';
            else if (y > 74 && (x + y) % 2 == 0 && placed < 100) {
                c = 'C';
                ++placed;
            }
            text += c;
        }
        text += "H\n";
    }
    return text + std::string(80, 'H') + '\n';
}

}  // namespace wd::bench
