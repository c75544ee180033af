#pragma once
// Draws the board into the scene image and the score into the status strip.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>

#include <array>

namespace wd {

class Board;

inline constexpr int cell_size = 16;
inline constexpr int strip_height = 20;

struct Sprites {
    QPixmap cat, mouse, cheese, block, hardblock;
};

class SceneRenderer {
public:
    // One fixed, plain colour behind the board and the strip.
    static QColor background() { return QColor(0xDD, 0xE6, 0xD5); }

    void set_sprites(const Sprites& sprites);

    // Rebuilds the whole image from the board; cells beyond it are clipped and
    // image area beyond the board shows background.
    void render_board(const Board& board, QImage& image) const;
    void render_strip(int score, const QFont& font, QImage& strip) const;

private:
    const QPixmap* sprite_for(char cell) const;
    void render_tiles(const Board& board, QImage& image) const;
    void render_painted(const Board& board, QImage& image) const;

    Sprites sprites_;
    // Each sprite already laid over the background: drawing a cell is then a
    // plain copy of 16 rows, with the very pixels a painter would produce.
    std::array<QImage, 256> tiles_;
    bool tiles_usable_ = false;
};

}  // namespace wd
