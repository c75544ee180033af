#pragma once
// Draws the board into the scene image, one 16-pixel cell at a time.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>

#include <QRegion>

#include "sprites.h"

#include <array>
#include <vector>

namespace wd {

class Board;

inline constexpr int cell_size = 16;
inline constexpr int strip_height = 20;

class SceneRenderer {
public:
    // One fixed, plain colour behind the board and the strip.
    static QColor background() { return QColor(0xDD, 0xE6, 0xD5); }

    void set_sprites(const Sprites& sprites);

    // Rebuilds the whole image from the board; cells beyond it are clipped and
    // image area beyond the board shows background.
    void render_board(const Board& board, QImage& image) const;

    // Brings the image up to date with the board, drawing only the cells that
    // changed since the last call, and returns them in image pixels. A new
    // image size or new sprites redraw and return everything.
    QRegion update_board(const Board& board, QImage& image);

private:
    const QPixmap* sprite_for(char cell) const;
    static char shown_cell(const Board& board, int x, int y);
    void copy_tile(QImage& image, int x, int y, char cell) const;
    void render_tiles(const Board& board, QImage& image) const;
    void render_painted(const Board& board, QImage& image) const;

    Sprites sprites_;
    // Each sprite already laid over the background: drawing a cell is then a
    // plain copy of 16 rows, with the very pixels a painter would produce.
    std::array<QImage, 256> tiles_;
    bool tiles_usable_ = false;

    // The cells as update_board last drew them, row by row over the image.
    std::vector<char> drawn_;
    QSize drawn_size_;
};

}  // namespace wd
