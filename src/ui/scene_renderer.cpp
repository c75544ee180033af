#include "scene_renderer.h"

#include "../game/board.h"

#include <QPainter>

#include <cstring>

namespace wd {

namespace {
constexpr char sprite_cells[] = {'B', 'C', 'H', 'K', 'M'};
}

const QPixmap* SceneRenderer::sprite_for(char cell) const
{
    switch (cell) {
    case 'B': return &sprites_.block;
    case 'C': return &sprites_.cat;
    case 'H': return &sprites_.hardblock;
    case 'K': return &sprites_.cheese;
    case 'M': return &sprites_.mouse;
    default: return nullptr;
    }
}

void SceneRenderer::set_sprites(const Sprites& sprites)
{
    sprites_ = sprites;
    QImage floor(cell_size, cell_size, QImage::Format_RGB32);
    floor.fill(background());
    tiles_.fill(floor);

    // A sprite larger than a cell overlaps its neighbours, which copies cannot do.
    tiles_usable_ = true;
    drawn_.clear();
    for (char c : sprite_cells) {
        const QPixmap* sprite = sprite_for(c);
        if (sprite->width() > cell_size || sprite->height() > cell_size)
            tiles_usable_ = false;
        QImage tile = floor.copy();
        QPainter painter(&tile);
        painter.drawPixmap(0, 0, *sprite);
        painter.end();
        tiles_[static_cast<unsigned char>(c)] = tile;
    }
}

void SceneRenderer::render_board(const Board& board, QImage& image) const
{
    if (tiles_usable_ && image.format() == QImage::Format_RGB32)
        render_tiles(board, image);
    else
        render_painted(board, image);
}

// Image area beyond the board shows floor.
char SceneRenderer::shown_cell(const Board& board, int x, int y)
{
    return x < board.board_width && y < board.board_height ? board.board[y][x] : '.';
}

void SceneRenderer::copy_tile(QImage& image, int x, int y, char cell) const
{
    const std::size_t tile_row_bytes = cell_size * sizeof(QRgb);
    const qsizetype stride = image.bytesPerLine();
    const uchar* tile = tiles_[static_cast<unsigned char>(cell)].constBits();
    uchar* target = image.bits() + y * cell_size * stride + x * tile_row_bytes;
    for (int line = 0; line < cell_size; ++line)
        std::memcpy(target + line * stride, tile + line * tile_row_bytes, tile_row_bytes);
}

void SceneRenderer::render_tiles(const Board& board, QImage& image) const
{
    const int columns = image.width() / cell_size;
    const int rows = image.height() / cell_size;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            copy_tile(image, x, y, shown_cell(board, x, y));
}

void SceneRenderer::render_painted(const Board& board, QImage& image) const
{
    if (image.isNull())
        return;  // a board left empty by a failed load: no painter on a null image
    QPainter painter(&image);
    painter.fillRect(image.rect(), background());
    for (int y = 0; y < board.board_height; ++y)
        for (int x = 0; x < board.board_width; ++x)
            if (const QPixmap* sprite = sprite_for(board.board[y][x]))
                painter.drawPixmap(cell_size * x, cell_size * y, *sprite);
}

QRegion SceneRenderer::update_board(const Board& board, QImage& image)
{
    const int columns = image.width() / cell_size;
    const int rows = image.height() / cell_size;
    if (!tiles_usable_ || image.format() != QImage::Format_RGB32 || drawn_size_ != image.size()
        || drawn_.size() != std::size_t(columns) * rows) {
        render_board(board, image);
        drawn_.resize(std::size_t(columns) * rows);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                drawn_[std::size_t(y) * columns + x] = shown_cell(board, x, y);
        drawn_size_ = image.size();
        return QRegion(image.rect());
    }

    QRegion changed;
    for (int y = 0; y < rows; ++y) {
        int run_start = -1;  // neighbouring changed cells join one rectangle
        for (int x = 0; x <= columns; ++x) {
            const char c = x < columns ? shown_cell(board, x, y) : '.';
            if (x < columns && drawn_[std::size_t(y) * columns + x] != c) {
                drawn_[std::size_t(y) * columns + x] = c;
                copy_tile(image, x, y, c);
                if (run_start < 0)
                    run_start = x;
            } else if (run_start >= 0) {
                changed += QRect(run_start * cell_size, y * cell_size, (x - run_start) * cell_size, cell_size);
                run_start = -1;
            }
        }
    }
    return changed;
}

}  // namespace wd
