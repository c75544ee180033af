#pragma once
// What is drawn over the board without changing it: the level's card, the
// bursts where cats were caught, the rings where they escaped, and the cell
// where the mouse was caught.

#include "view_geometry.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRegion>
#include <QList>
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
    bool faded = false;  // drawn faintly, so the board under it can be read
    bool operator==(const Card&) const = default;
    bool empty() const { return title.isEmpty(); }
    // Everything it says, a line each; empty for no card.
    QString text() const { return empty() ? QString() : (QStringList(title) + lines).join(QLatin1Char('\n')); }
};

struct Overlay {
    Card card;
    std::vector<Flash> flashes;
    bool show_meeting = false;
    QPoint meeting;
    bool operator==(const Overlay&) const = default;
};

// The card's text broken into lines at its width, at one scale. Words are
// never cut: a word wider than the card, or text taller than the board, takes
// a smaller font instead.
struct CardLayout {
    QRect rect;  // the card, in window pixels
    QFont title_font;
    QFont line_font;
    QStringList title_lines;
    QStringList lines;
    QList<QRect> text_rects;  // one a line, title lines first, in window pixels
    double scale = 1.0;
};
CardLayout card_layout(const ViewGeometry& geometry, const Card& card);

// The card's size in board pixels at 1x, on a board of this size, as shown at `scale`.
QSize card_size(const QSize& board, const Card& card, double scale = 1.0);
// The card's rectangle in window pixels: centred on the board, at the view's scale.
QRect card_rect(const ViewGeometry& geometry, const Card& card);
// The window pixels one marked cell's drawing covers, a little beyond the cell.
QRect marked_cell_rect(const ViewGeometry& geometry, QPoint cell);
// Everything the overlay covers, so a change repaints just that.
QRegion overlay_region(const ViewGeometry& geometry, const Overlay& overlay);
// What a change of overlay repaints: all that either covers, so a card or a
// burst that goes leaves nothing of itself behind. Empty when nothing changed.
QRegion overlay_change(const ViewGeometry& geometry, const Overlay& before, const Overlay& after);

// Paints the overlay within `region`, over the board already painted there.
void paint_overlay(QPainter& painter, const QRegion& region, const ViewGeometry& geometry, const Overlay& overlay);

}  // namespace wd
