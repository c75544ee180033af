#pragma once
// The game's sound effects, played through the desktop's sound server. The
// sound module loads after the window's first frame and plays on a thread of
// its own, so neither start-up nor a move, tick or redraw waits for it or for
// the sound server. Without the module, a server, a device or a file the game
// plays on in silence, after one line on standard error.

#include "effects.h"

#include <QObject>
#include <QString>

class QThread;

namespace wd {

class SoundEffects : public QObject {
    Q_OBJECT

public:
    explicit SoundEffects(QObject* parent = nullptr);
    ~SoundEffects() override;

    // Loads the effects from the first of `folders` that has each once
    // allow_loading() is called (the window does after its first frame),
    // unless sound is off by then (then when it is turned on). Loading then
    // waits `delay_ms` more, or until the first effect is asked for, so that
    // the game's first moments stay light.
    void load_when_allowed(const QStringList& folders = {QStringLiteral(".")});
    void allow_loading(int delay_ms = 0);
    // Starts loading at once; what is missing is reported on the sound thread.
    void load(const QStringList& folders);
    bool load_started() const { return thread != nullptr; }
    // True once a sound thread was left busy at its end: the process must then
    // end without its global teardown, which that thread may still be inside.
    static bool thread_left_running();

    // The sound module: in its installed folder, or beside the program in the build folder.
    static QString module_path();

    // Off stops what is playing.
    void set_enabled(bool on);
    bool enabled() const { return on; }

    // A repeat plays over the same effect still playing, so none is lost.
    void play(Effect effect);
    void play(const Events& events);

private:
    static constexpr int quit_wait_ms = 200;
    QThread* thread = nullptr;
    QObject* on_thread = nullptr;  // lives on `thread` and holds the module's player there
    QStringList folders_after_frame;
    bool first_frame_shown = false;
    bool on = true;
};

}  // namespace wd
