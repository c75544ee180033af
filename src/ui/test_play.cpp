#include "test_play.h"

#include "files/replace.h"

#include <QFile>

namespace wd {

TestPlay::TestPlay(QObject* parent) : QObject(parent), folder(std::make_unique<QTemporaryDir>()), shown(QString())
{
    shown.board().trace = [](const std::string&) {};  // the trace is the game's, not the drawing's
    connect(&shown, &GameSession::gameOver, this, [this](const GameSession::GameOver& over) {
        if (over.ending == GameSession::Ending::all_cleared) {
            won = shown.level_recording();
            emit cleared();
        } else {
            shown.play_again();  // caught: the level from its start, as often as the player likes
        }
    }, Qt::QueuedConnection);
}

Result<std::unique_ptr<TestPlay>> TestPlay::open(const std::string& bytes, const QString& name, const QString& hint,
                                                 bool wait_for_player, QObject* parent)
{
    std::unique_ptr<TestPlay> trial(new TestPlay(parent));
    if (!trial->folder->isValid())
        return Problem{Problem::Kind::cannot_write, 0, trial->folder->errorString().toStdString()};
    const QString path = trial->folder->filePath(QStringLiteral("test-play.lvx"));
    if (Result<void> written = replace_file(path, bytes, Links::refuse); !written.ok()) {
        Problem problem = written.problem();
        problem.text = QFile::encodeName(path).toStdString() + ": " + problem.text;
        return problem;
    }
    trial->shown.set_wait_for_player(wait_for_player);
    if (Result<void> started = trial->shown.start_trial(path, name, hint); !started.ok())
        return started.problem();
    return trial;
}

bool TestPlay::key(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows)
{
    switch (key) {
    case Qt::Key_Escape: emit left(); return true;
    case Qt::Key_P:
    case Qt::Key_Pause: shown.toggle_pause(); return true;
    case Qt::Key_F5: shown.restart_level(); return true;
    case Qt::Key_Backspace: shown.rewind(); return true;
    default: break;
    }
    switch (move_for(key, modifiers, arrows)) {
    case Action::move_right: shown.move(1, 0); return true;
    case Action::move_left: shown.move(-1, 0); return true;
    case Action::move_up: shown.move(0, -1); return true;
    case Action::move_down: shown.move(0, 1); return true;
    default: return false;
    }
}

}  // namespace wd
