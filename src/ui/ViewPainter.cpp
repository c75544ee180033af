#include "ViewPainter.h"

#include "SceneRenderer.h"

#include <QPainter>

namespace wd {

namespace {
// Paused: the board stays visible, dimmed.
const QColor dim(0, 0, 0, 110);

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
            if (!source.isEmpty())
                painter.drawImage(geometry.board_to_window(source), scene, source);
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
