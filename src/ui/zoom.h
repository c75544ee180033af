#pragma once
// The board's whole-number zoom: its window takes the size that shows the
// board at that scale, no larger than the screen has room for, and the
// choice is kept for later runs.

#include <QSize>

#include <functional>

class QWidget;

namespace wd {

// Zooms `view`'s window to show a board of `board` pixels at `zoom` (at
// least 1, at most what the screen holds). `showing_anew` is called before
// the window may be shown anew to resize it, which takes the keyboard away
// for a moment; the result says whether it was, and the window has not the
// keyboard back yet.
bool zoom_board(QWidget& view, QSize board, int zoom, const std::function<void()>& showing_anew);

}  // namespace wd
