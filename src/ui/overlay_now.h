#pragma once
// What the overlay shows for a session at one moment: the card for its state,
// placed where it hides least, and the effects still running. A plain function
// of what it is given, so a card's text and place are checked without a window.

#include "overlay.h"

#include <QString>

#include <optional>
#include <vector>

namespace wd {

class GameSession;

struct OverlayInputs {
    std::vector<Flash> flashes;  // catches and escapes still being shown
    double scale = 1.0;          // the view's, which sets the card's size
    bool card_faded = false;     // the level's card has stood long enough
    bool watching = false;       // a recorded game: no record news on its cards
    bool caught_kept = false;    // the meeting stays marked while the game-over boxes are open
    // The ranked game left last time, offered on the first card: its level and score.
    struct Offer {
        QString level;
        int score = 0;
    };
    std::optional<Offer> to_continue;
};

Overlay overlay_now(const GameSession& seen, const OverlayInputs& in);

// How long a level's card stands before it fades: long enough to read its
// name and hint at an unhurried pace, and never less than four seconds.
int card_reading_ms(const QString& title, const QString& hint);

// Where a card of this text stands on the session's board: the row that hides
// the least of what the player needs, `keep` and its neighbours above all.
int quietest_top(const GameSession& seen, const Card& card, QPoint keep, double scale);

}  // namespace wd
