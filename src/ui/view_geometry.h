#pragma once
// Where the board and the strip go in a window of any size: the largest
// whole-number scale that fits, centred, or a smooth reduction when even 1x does
// not fit. "Content" is the picture at 1x: the strip on top of the board.

#include <QRect>
#include <QSize>

namespace wd {

class ViewGeometry {
public:
    ViewGeometry() = default;
    ViewGeometry(QSize window, QSize board_pixels, int strip_height);

    QRect target() const { return target_; }    // the content, in window pixels
    QRect strip() const;                        // the strip part of target()
    QRect board() const;                        // the board part of target()
    double scale() const { return scale_; }
    bool whole() const { return whole_; }       // a whole-number scale: crisp copies

    // The window pixels that show these board-image pixels, rounded outwards.
    QRect board_to_window(const QRect& image_rect) const;
    // The board-image pixels that window pixels show, rounded outwards.
    QRect window_to_board(const QRect& window_rect) const;

    // The window size that shows the content at this whole-number scale.
    static QSize size_at(int zoom, QSize board_pixels, int strip_height);
    // The largest whole-number scale whose window fits `available`, at least 1.
    static int largest_zoom(QSize available, QSize board_pixels, int strip_height);

private:
    QSize content_;
    int strip_height_ = 0;
    QRect target_;
    double scale_ = 1.0;
    bool whole_ = true;
};

}  // namespace wd
