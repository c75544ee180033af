#include "view_painter.h"

#include "scene_renderer.h"

#include <QPainter>

#include <cstring>

namespace wd {

namespace {
// Paused: the board stays visible, dimmed.
const QColor dim(0, 0, 0, 110);

// Copies `source` of the 1x image to `at`, each pixel a zoom x zoom square.
// Qt's own scaled drawing samples every target pixel; widening each row once
// and copying it zoom times is a plain copy, a band of rows at a time.
void draw_enlarged(QPainter& painter, QPoint at, const QImage& image, const QRect& source, int zoom)
{
    // A band small enough to stay in the cache between its two passes.
    constexpr std::size_t band_bytes = 192 * 1024;
    const int band_rows = std::max<int>(1, int(band_bytes / (std::size_t(source.width()) * zoom * zoom * sizeof(QRgb))));
    thread_local QImage band;
    const QSize band_size(source.width() * zoom, band_rows * zoom);
    if (band.width() < band_size.width() || band.height() < band_size.height() || band.format() != image.format())
        band = QImage(band_size.expandedTo(band.size()), image.format());

    const std::size_t row_bytes = std::size_t(band_size.width()) * sizeof(QRgb);
    for (int top = source.top(); top <= source.bottom(); top += band_rows) {
        const int rows = std::min(band_rows, source.bottom() + 1 - top);
        for (int r = 0; r < rows; ++r) {
            const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(top + r)) + source.left();
            auto* wide = reinterpret_cast<QRgb*>(band.scanLine(r * zoom));
            for (int x = 0; x < source.width(); ++x)
                for (int i = 0; i < zoom; ++i)
                    *wide++ = from[x];
            for (int copy = 1; copy < zoom; ++copy)
                std::memcpy(band.scanLine(r * zoom + copy), band.constScanLine(r * zoom), row_bytes);
        }
        painter.drawImage(QPoint(at.x(), at.y() + (top - source.top()) * zoom), band,
                          QRect(0, 0, band_size.width(), rows * zoom));
    }
}

void paint_board(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const QImage& scene,
                 bool paused)
{
    const QRect board = geometry.board();
    const QRegion wanted = region.intersected(board);
    if (wanted.isEmpty())
        return;
    if (geometry.whole()) {
        // Nearest-neighbour copies of whole image pixels keep the sprites crisp.
        for (const QRect& rect : wanted) {
            const QRect source = geometry.window_to_board(rect).intersected(scene.rect());
            if (source.isEmpty())
                continue;
            const int zoom = int(geometry.scale());
            if (zoom == 1 || scene.format() != QImage::Format_RGB32)
                painter.drawImage(geometry.board_to_window(source), scene, source);
            else
                draw_enlarged(painter, geometry.board_to_window(source).topLeft(), scene, source, zoom);
        }
    } else {
        // Smaller than 1x: a smooth reduction of the whole image, clipped.
        painter.save();
        painter.setClipRegion(wanted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(board), scene, QRectF(scene.rect()));
        painter.restore();
    }
    if (paused) {
        for (const QRect& rect : wanted)
            painter.fillRect(rect, dim);
    }
}
}  // namespace

void paint_view(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const ViewContent& content)
{
    for (const QRect& rect : region.subtracted(geometry.target()))
        painter.fillRect(rect, SceneRenderer::background());

    if (content.scene)
        paint_board(painter, region, geometry, *content.scene, content.strip.paused);

    const QRect strip = geometry.strip();
    if (region.intersects(strip)) {
        painter.save();
        painter.setClipRegion(region.intersected(strip));
        painter.translate(strip.topLeft());
        painter.scale(geometry.scale(), geometry.scale());
        if (!geometry.whole())
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const int width = content.scene ? content.scene->width() : strip.width();
        paint_strip(painter, content.strip, content.cheese ? *content.cheese : QPixmap(), content.font, width);
        painter.restore();
    }
}

}  // namespace wd
