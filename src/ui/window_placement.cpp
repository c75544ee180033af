#include "window_placement.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace wd {

namespace {
constexpr int gap = 8;

int clamped(int at, int length, int low, int high)
{
    return std::clamp(at, low, std::max(low, high + 1 - length));
}

// How far the point is from the rectangle, squared: 0 inside it.
long long distance_squared(const QRect& rect, QPoint point)
{
    const long long dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
    const long long dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
    return dx * dx + dy * dy;
}
}  // namespace

QPoint place_beside(QSize box, const QRect& window, const QRect& board, const QRect& screen, QPoint mouse)
{
    const auto x_on_screen = [&](int x) { return clamped(x, box.width(), screen.left(), screen.right()); };
    const auto y_on_screen = [&](int y) { return clamped(y, box.height(), screen.top(), screen.bottom()); };
    const int centre_x = window.center().x() - box.width() / 2;
    const int centre_y = window.center().y() - box.height() / 2;
    const QPoint candidates[] = {
        // Beside the window, its top or middle level with the window's.
        {window.right() + 1 + gap, y_on_screen(window.top())},
        {window.left() - gap - box.width(), y_on_screen(window.top())},
        {x_on_screen(centre_x), window.bottom() + 1 + gap},
        {x_on_screen(centre_x), window.top() - gap - box.height()},
        // Over the window's own edge but clear of the board.
        {board.right() + 1 + gap, y_on_screen(centre_y)},
        {board.left() - gap - box.width(), y_on_screen(centre_y)},
        {x_on_screen(centre_x), board.bottom() + 1 + gap},
        {x_on_screen(centre_x), board.top() - gap - box.height()},
        // At the screen's edges.
        {screen.right() + 1 - box.width(), y_on_screen(centre_y)},
        {screen.left(), y_on_screen(centre_y)},
        {x_on_screen(centre_x), screen.bottom() + 1 - box.height()},
        {x_on_screen(centre_x), screen.top()},
    };
    for (const QPoint& at : candidates) {
        const QRect placed(at, box);
        if (screen.contains(placed) && !placed.intersects(board))
            return at;
    }
    // No room off the board (a full-screen game, a small screen): over its
    // corner farthest from the mouse.
    const int right = board.right() + 1 - box.width();
    const int bottom = board.bottom() + 1 - box.height();
    QPoint best;
    long long best_distance = -1;
    for (const QPoint corner : {board.topLeft(), QPoint(right, board.top()), QPoint(board.left(), bottom),
                                QPoint(right, bottom)}) {
        const QPoint at(x_on_screen(corner.x()), y_on_screen(corner.y()));
        if (const long long d = distance_squared(QRect(at, box), mouse); d > best_distance) {
            best = at;
            best_distance = d;
        }
    }
    return best;
}

QPoint kept_on_screen(const QRect& frame, const QRect& available)
{
    return {clamped(frame.x(), frame.width(), available.left(), available.right()),
            clamped(frame.y(), frame.height(), available.top(), available.bottom())};
}

bool resize_on_screen(QWidget& window, QSize size)
{
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const bool grows = size.width() > window.width() || size.height() > window.height();
    window.resize(size);
    if (!window.isWindow() || !window.isVisible() || !window.screen())
        return false;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // A Wayland client can neither see nor set where its window stands, and
        // the compositor keeps the top-left corner as it grows: shown anew, the
        // window is placed by the compositor, on the output.
        if (grows) {
            window.hide();
            window.show();
        }
        return grows;
    }
    window.move(kept_on_screen(QRect(window.frameGeometry().topLeft(), size + frame),
                               window.screen()->availableGeometry()));
    return false;
}

BoxPlacement::BoxPlacement(QWidget* window, std::function<QRect()> board, std::function<QPoint()> mouse)
    : QObject(window)
    , window(window)
    , board(std::move(board))
    , mouse(std::move(mouse))
{
}

bool BoxPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || placing || !watched->isWidgetType())
        return false;
    auto* box = static_cast<QWidget*>(watched);
    if (!box->isWindow() || box == window || box->windowType() != Qt::Dialog || !box->parentWidget()
        || box->parentWidget()->window() != window || !window->isVisible())
        return false;
    // A message box takes its size as it is shown: it has the event first.
    placing = true;
    QCoreApplication::sendEvent(box, event);
    placing = false;
    // The box's frame is taken to be as thick as the game window's.
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QSize frame = box->size()
        + QSize(inner.left() - outer.left() + outer.right() - inner.right(),
                inner.top() - outer.top() + outer.bottom() - inner.bottom());
    const QRect screen = window->screen() ? window->screen()->availableGeometry() : QRect();
    if (!screen.isEmpty())
        box->move(place_beside(frame, outer, board(), screen, mouse()));
    return true;
}

}  // namespace wd
