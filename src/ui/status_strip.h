#pragma once
// The strip above the board: cheese and score at the left, as they have always
// been, and the level, the cats left, pause and sound at the right.

#include <QFont>
#include <QPixmap>

class QPainter;

namespace wd {

struct StripState {
    int score = 0;
    int level = 0;   // the level file's number; the player counts from 1
    int cats = 0;
    bool paused = false;
    bool sound_off = false;
    QString file;       // a level named on the command line: its file name instead of the number
    bool won = false;   // every level cleared
    bool ready = false; // waiting on the level's card
    bool practice = false;  // a practice game, never ranked
    QString replay;         // a recorded game on view: its speed
    bool operator==(const StripState&) const = default;
};

// The text at the right that fits in `room` pixels of `font`; empty if none does.
QString strip_status_text(const StripState& state, const QFont& font, int room);

// Paints the strip at 1x in a `width` x 20 area at the painter's origin; the
// painter's transform does any scaling, so text stays sharp at any size.
void paint_strip(QPainter& painter, const StripState& state, const QPixmap& cheese, const QFont& font, int width);

}  // namespace wd
