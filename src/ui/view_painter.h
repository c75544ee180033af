#pragma once
// Puts the scene image and the strip on a window of any size, painting only the
// region asked for: a few cells after a move, everything after an expose.

#include "status_strip.h"
#include "view_geometry.h"

#include <QImage>
#include <QRegion>

class QPainter;

namespace wd {

struct ViewContent {
    const QImage* scene = nullptr;    // the board at 1x
    const QPixmap* cheese = nullptr;  // the strip's icon
    QFont font;
    StripState strip;
};

// Paints every pixel of `region`, so the widget can tell Qt it paints opaquely.
void paint_view(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const ViewContent& content);

}  // namespace wd
