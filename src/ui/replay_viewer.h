#pragma once
// Watching a recorded game in the game's window: a session of its own, driven
// by the recording at the pace it was played, slower or faster, paused or a
// tick at a time. Nothing it does reaches the table, the settings or the
// recordings: its session keeps none of them.

#include "recording/recording.h"
#include "session/game_session.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace wd {

class ReplayViewer : public QObject {
    Q_OBJECT

public:
    // The recording's levels are checked first: the problem when one cannot
    // be read (the read's kind) or is not the level the game was played on
    // (Kind::refused).
    // A level named without a folder is found by `locate` (the pack the game
    // was played in).
    static Result<std::unique_ptr<ReplayViewer>> open(const Recording& recording,
                                                      const std::function<QString(const QString&)>& locate,
                                                      QObject* parent = nullptr);

    GameSession& session() { return shown; }
    const GameSession& session() const { return shown; }
    bool paused() const { return !pace.isActive(); }
    bool finished() const { return next == steps.size(); }
    // ¼×, ½×, 1×, 2×, 4×, 8×.
    QString speed_text() const;

    void toggle_pause();
    void faster();
    void slower();
    // Paused: plays on to just after the next tick.
    void step_tick();

signals:
    // After every step the board shows, as the session's own signal says too.
    void changed();

private:
    ReplayViewer(const Recording& recording, std::vector<std::string> levels, QObject* parent);
    void play_next();
    bool play_one();  // true when a tick was played
    int delay_ms() const;

    Recording recorded;
    std::vector<Recording::Step> steps;  // ticks one by one
    std::vector<std::string> level_bytes;  // one per level step, in order
    std::size_t next = 0;
    std::size_t next_level = 0;
    int speed = 2;  // an index into the speeds
    GameSession shown;
    QTimer pace;
};

}  // namespace wd
