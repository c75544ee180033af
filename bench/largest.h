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

}  // namespace wd::bench
