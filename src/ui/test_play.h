#pragma once
// Test-play of a level being drawn: a practice game of it alone, in a session
// of its own, so the game in play and the drawing both wait as they were.
// A caught mouse starts the level over; a clear keeps the game as the level's
// proof. Nothing reaches the table, the counts or the kept recordings.
#include "recording/recording.h"
#include "key_map.h"
#include "session/game_session.h"
#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

namespace wd {

class TestPlay : public QObject {
    Q_OBJECT
public:
    // The level's bytes as the player drew them, written where the session
    // can read them again for F5; the loader's problem when they cannot be played.
    static Result<std::unique_ptr<TestPlay>> open(const std::string& bytes, const QString& name, const QString& hint,
                                                  bool wait_for_player, QObject* parent = nullptr);
    GameSession& session() { return shown; }
    const GameSession& session() const { return shown; }
    // The won game, once the level has been cleared.
    const std::optional<Recording>& proof() const { return won; }
    // The moves, P to pause, F5 to start over, Backspace to go back, Escape to
    // leave; false for a key that is none of these.
    bool key(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows);
signals:
    void left();
    // The level was cleared and its moment is over: back to the drawing.
    void cleared();

private:
    explicit TestPlay(QObject* parent);
    std::unique_ptr<QTemporaryDir> folder;
    GameSession shown;
    std::optional<Recording> won;
};

}  // namespace wd
