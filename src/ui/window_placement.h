#pragma once
// Where the game's boxes open and where its window may stand: a box never
// hides the board when the screen has room beside it, and a window that
// grows stays on its screen.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace wd {

// The top-left corner, in screen pixels, for a box of `box` (its frame) opening
// over `window` (the game window's frame): beside the window, or anywhere on
// `screen` clear of `board`; when the screen has no such place, over the
// corner of the board farthest from `mouse`.
QPoint place_beside(QSize box, const QRect& window, const QRect& board, const QRect& screen, QPoint mouse);

// `frame` moved as little as it takes to lie within `available` (its
// top-left corner kept on it when it is larger).
QPoint kept_on_screen(const QRect& frame, const QRect& available);

// Gives `window` this size (its inside, without the frame) and keeps it on its
// screen's available geometry. True when that took showing the window anew,
// which takes the keyboard away from it for a moment.
bool resize_on_screen(QWidget& window, QSize size);

// Places every dialog that opens over `window` by place_beside, with the board
// and the mouse where the two functions say (screen pixels).
class BoxPlacement : public QObject {
public:
    BoxPlacement(QWidget* window, std::function<QRect()> board, std::function<QPoint()> mouse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    std::function<QRect()> board;
    std::function<QPoint()> mouse;
    bool placing = false;
};

}  // namespace wd
