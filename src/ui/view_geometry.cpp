#include "view_geometry.h"

#include <algorithm>
#include <cmath>

namespace wd {

ViewGeometry::ViewGeometry(QSize window, QSize board_pixels, int strip_height)
    : content_(board_pixels.width(), board_pixels.height() + strip_height)
    , strip_height_(strip_height)
{
    if (content_.isEmpty() || window.isEmpty()) {
        target_ = QRect(QPoint(0, 0), window);
        scale_ = 1.0;
        whole_ = false;
        return;
    }
    const int zoom = std::min(window.width() / content_.width(), window.height() / content_.height());
    if (zoom >= 1) {
        scale_ = zoom;
        whole_ = true;
    } else {
        scale_ = std::min(double(window.width()) / content_.width(), double(window.height()) / content_.height());
        whole_ = false;
    }
    const QSize shown(std::max(1, int(std::lround(content_.width() * scale_))),
                      std::max(1, int(std::lround(content_.height() * scale_))));
    target_ = QRect(QPoint((window.width() - shown.width()) / 2, (window.height() - shown.height()) / 2), shown);
}

QRect ViewGeometry::strip() const
{
    const int height = whole_ ? int(scale_) * strip_height_ : int(std::lround(strip_height_ * scale_));
    return QRect(target_.topLeft(), QSize(target_.width(), height));
}

QRect ViewGeometry::board() const
{
    const QRect top = strip();
    return QRect(top.left(), top.bottom() + 1, target_.width(), target_.height() - top.height());
}

QRect ViewGeometry::board_to_window(const QRect& image_rect) const
{
    const QRect origin = board();
    if (whole_) {
        const int s = int(scale_);
        return QRect(origin.x() + image_rect.x() * s, origin.y() + image_rect.y() * s, image_rect.width() * s,
                     image_rect.height() * s);
    }
    // Smooth reduction blends neighbours: one more pixel on each side.
    const int left = int(std::floor(image_rect.left() * scale_)) - 1;
    const int top = int(std::floor(image_rect.top() * scale_)) - 1;
    const int right = int(std::ceil((image_rect.right() + 1) * scale_)) + 1;
    const int bottom = int(std::ceil((image_rect.bottom() + 1) * scale_)) + 1;
    return QRect(QPoint(origin.x() + left, origin.y() + top), QPoint(origin.x() + right - 1, origin.y() + bottom - 1))
        .intersected(origin);
}

QRect ViewGeometry::window_to_board(const QRect& window_rect) const
{
    const QRect origin = board();
    const QRect r = window_rect.intersected(origin).translated(-origin.topLeft());
    if (r.isEmpty() || scale_ <= 0)
        return {};
    const int left = int(std::floor(r.left() / scale_));
    const int top = int(std::floor(r.top() / scale_));
    const int right = int(std::ceil((r.right() + 1) / scale_));
    const int bottom = int(std::ceil((r.bottom() + 1) / scale_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QSize ViewGeometry::size_at(int zoom, QSize board_pixels, int strip_height)
{
    return QSize(board_pixels.width() * zoom, (board_pixels.height() + strip_height) * zoom);
}

int ViewGeometry::largest_zoom(QSize available, QSize board_pixels, int strip_height)
{
    const QSize one = size_at(1, board_pixels, strip_height);
    if (one.isEmpty())
        return 1;
    return std::max(1, std::min(available.width() / one.width(), available.height() / one.height()));
}

}  // namespace wd
