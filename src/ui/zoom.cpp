#include "zoom.h"

#include "scene_renderer.h"
#include "settings/settings.h"
#include "view_geometry.h"
#include "window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace wd {

bool zoom_board(QWidget& view, QSize board, int zoom, const std::function<void()>& showing_anew)
{
    QWidget* top = view.window();
    if (top->isFullScreen() || top->isMaximized())
        top->showNormal();
    // What the window has around the board (its menu bar) stays as it is.
    const QSize around = top->size() - view.size();
    const QSize available = view.screen() ? view.screen()->availableGeometry().size() - around : QSize();
    if (available.isValid())
        zoom = std::min(zoom, ViewGeometry::largest_zoom(available, board, strip_height));
    zoom = std::max(zoom, 1);
    showing_anew();
    const bool shown_anew = resize_on_screen(*top, ViewGeometry::size_at(zoom, board, strip_height) + around)
        && !top->isActiveWindow();
    settings::set_zoom(zoom);
    return shown_anew;
}

}  // namespace wd
