#pragma once
// A play folder with the shipped sprites and a widget started in it, plus a way
// to answer the modal dialogs of a game over from inside their event loops.

#include "ui/main_widget.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using wd::MainWidget;

namespace wd::testing {

// The player's own settings are never read or written by a test: each test
// program keeps them in a folder of its own, set before Qt first looks.
inline const bool own_settings_folder = [] {
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    return true;
}();

struct PlayFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    PlayFolder()
    {
        for (const char* sprite : {"cat.xpm", "mouse.xpm", "cheese.xpm", "block.xpm", "hardblock.xpm"})
            QFile::copy(QStringLiteral(WHISKERDASH_DATA_DIR "/") + sprite, dir.filePath(sprite));
        QDir::setCurrent(dir.path());
    }
    ~PlayFolder() { QDir::setCurrent(previous); }

    void file(const QString& name, const QByteArray& bytes) const
    {
        QFile out(dir.filePath(name));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }
    void level(const QString& name, const QStringList& rows) const { file(name, rows.join('\n').toLatin1() + "\n"); }
    QByteArray read(const QString& name) const
    {
        QFile in(dir.filePath(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

// Mouse at (1,1), cheese right of it, a cat at the far end of the corridor, and
// a crate that could still trap it.
inline const QStringList corridor = {"HHHHHHHH", "HMK...CH", "H..B...H", "HHHHHHHH"};
// Pushing the crate right traps the one cat: the next level loads.
inline const QStringList trap = {"HHHHHH", "HMBCHH", "HHHHHH"};

// The moments between levels and before a game over pass at once, on the
// next turn of the event loop.
inline const wd::GameSession::Timing quick{400, 0, 0};

enum class Start { playing, ready };

// A widget started in the play folder, its clock running unless `start` says
// it waits on the level's card as a player's game does.
inline std::unique_ptr<MainWidget> start_widget(const QByteArray& level_argument = {}, Start start = Start::playing)
{
    auto widget = std::make_unique<MainWidget>(QFile::decodeName(level_argument));
    // Cats hold still unless a test says otherwise: dx 0, dy 0, accepted.
    auto step = std::make_shared<int>(0);
    widget->game().random = [step] { return (*step)++ % 3 == 2 ? 0 : 0x666666; };
    widget->session().set_timing(quick);
    if (start == Start::playing && widget->session().state() == wd::GameSession::State::ready)
        widget->session().toggle_pause();
    return widget;
}

// Lets a cleared level's or a capture's moment pass, with whatever dialogs it opens.
inline void settle(MainWidget& widget)
{
    using State = wd::GameSession::State;
    for (int i = 0; i < 500; ++i) {
        const State state = widget.session().state();
        if (state != State::cleared && state != State::caught)
            break;
        QTest::qWait(5);
    }
    // The game-over dialogs open once the step has returned: a queued call.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// A command's key as a player's arrives: at the shown, active window, whose
// shortcuts see it before the board does. Moves may go to the board straight.
inline void command_key(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* window = widget.window();
    if (!window->isActiveWindow()) {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window never became active: no shortcut can reach it");
    }
    QTest::keyClick(&widget, key, modifiers);
}

// The pollers of when_shown that are still waiting; a test's cleanup ends them
// so none can answer a later test's dialog.
inline QObject& pollers()
{
    static QObject* owner = new QObject(qApp);
    return *owner;
}
inline void stop_waiting()
{
    qDeleteAll(pollers().children());
}

// What the window shows, painted by its own paint event.
inline QImage frame(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Waits, from inside whatever modal loop is running, for a modal widget of type
// W and hands it to `act`. Gives up after a few seconds so a test cannot hang.
template <typename W>
void when_shown(std::function<void(W*)> act)
{
    auto* timer = new QTimer(&pollers());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, tries = 0]() mutable {
        auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (++tries == 500) {
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace wd::testing
