#pragma once
// The five 16-pixel pictures the board is drawn with, read from the data files.

#include <QPixmap>

namespace wd {

struct Sprites {
    QPixmap cat, mouse, cheese, block, hardblock;

    // All five at once, so a stalled mount costs one second, not one each. A
    // sprite that cannot be read or decoded is named on standard error and its
    // cells stay blank.
    static Sprites load();
};

}  // namespace wd
