#pragma once
// The end of a game in the window: the name for a beaten entry, then the
// table box and the player's choice, answered with the session's commands
// once the step that ended the game has returned. Watch plays an entry's
// game in the window, and the box comes back once it is left.

#include "session/game_session.h"

#include <QObject>
#include <QPixmap>
#include <QRect>

#include <functional>
#include <optional>

namespace wd {

class MainWidget;
class RecordingStore;

class GameOverFlow : public QObject {
public:
    GameOverFlow(MainWidget& window, GameSession& play, RecordingStore& recordings, QPixmap winner);

    // The game-over handler: runs the boxes for a game that has ended.
    void mousedead(const GameSession::GameOver& over);
    // A recording watched from the table box was left: the box opens again.
    void watching_left();
    // The meeting stays marked while the boxes are open.
    bool meeting_kept() const { return caught_shown; }
    // The name the name box is filled with.
    QString name_to_offer() const;

private:
    void show_table_box(const GameSession::GameOver& over);
    QRect meeting_on_screen() const;  // what the boxes keep clear of

    MainWidget& window;
    GameSession& play;
    RecordingStore& recordings;
    QPixmap winner;  // beside a game won
    std::optional<GameSession::GameOver> back_to_table;  // watching from the table box
    bool caught_shown = false;
};

}  // namespace wd
