#pragma once
// The five 16-pixel pictures the board is drawn with, read from the data files.

#include <QImage>
#include <QPixmap>

#include <optional>
#include <string>

namespace wd {

struct Sprites {
    QPixmap cat, mouse, cheese, block, hardblock;

    // All five at once, so a stalled mount costs one second, not one each. A
    // sprite that cannot be read or decoded is named on standard error and its
    // cells stay blank.
    static Sprites load();
};

// An XPM file read by the toolkit's own XPM reader, straight from its quoted
// strings: reading by format loaded and asked every image plugin first. None
// when the file is not plain enough to be read that way safely (its header
// must fit its strings); the caller then reads it the toolkit's usual way.
std::optional<QImage> read_plain_xpm(const std::string& bytes);

}  // namespace wd
