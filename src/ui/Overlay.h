#pragma once
// What is drawn over the board without changing it: the level's card, the
// bursts where cats were caught, the rings where they escaped, and the cell
// where the mouse was caught.

#include "ViewGeometry.h"

#include <QColor>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace wd {

struct Flash {
    enum class Kind { catch_burst, escape_ring };
    Kind kind = Kind::catch_burst;
    QPoint cell;
    int age_ms = 0;
    bool operator==(const Flash&) const = default;
};

inline constexpr int flash_ms = 500;
inline constexpr int flash_frame_ms = 100;

struct Card {
    QString title;
    QStringList lines;  // smaller, under the title, wrapped to the card's width
    int top = -1;  // where it stands, in board pixels at 1x; centred when -1
    bool operator==(const Card&) const = default;
    bool empty() const { return title.isEmpty(); }
};

struct Overlay {
    Card card;
    std::vector<Flash> flashes;
    bool show_meeting = false;
    QPoint meeting;
    bool operator==(const Overlay&) const = default;
};

// The card's size in board pixels at 1x, on a board of this size.
QSize card_size(const QSize& board, const Card& card);
// The card's rectangle in window pixels: centred on the board, at the view's scale.
QRect card_rect(const ViewGeometry& geometry, const Card& card);
// The window pixels one marked cell's drawing covers, a little beyond the cell.
QRect marked_cell_rect(const ViewGeometry& geometry, QPoint cell);
// Everything the overlay covers, so a change repaints just that.
QRegion overlay_region(const ViewGeometry& geometry, const Overlay& overlay);

// Paints the overlay within `region`, over the board already painted there.
void paint_overlay(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const Overlay& overlay);

}  // namespace wd
