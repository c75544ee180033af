#include "sound_effects.h"
#include "files/tell.h"

#include "sound_backend.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>

namespace wd {

namespace {
std::atomic<bool> left_running{false};

// Lives on the sound thread and owns what the module made there.
struct ThreadSide : QObject {
    SoundBackend* backend = nullptr;
    ~ThreadSide() override { delete backend; }
};
}  // namespace

SoundEffects::SoundEffects(QObject* parent) : QObject(parent) {}

SoundEffects::~SoundEffects()
{
    if (!thread)
        return;
    // The player goes on the sound thread, and with it what it left to be
    // deleted later; then the thread ends. Its teardown never waits on the
    // server, so this takes a few milliseconds.
    QMetaObject::invokeMethod(on_thread, [side = static_cast<ThreadSide*>(on_thread)] {
        delete side->backend;
        side->backend = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::currentThread()->quit();
    }, Qt::QueuedConnection);
    // Should it still be busy (an effect file on a stalled mount), the quit
    // does not wait for it: the thread is left to the process's end, with
    // nothing of it torn down under it.
    if (thread->wait(QDeadlineTimer(quit_wait_ms)))
        delete thread;
    else
        left_running = true;
}

bool SoundEffects::thread_left_running()
{
    return left_running;
}

QString SoundEffects::module_path()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString installed = here.filePath(QStringLiteral(WHISKERDASH_MODULE_FROM_GAME "/" WHISKERDASH_SOUND_MODULE_NAME));
    return QFileInfo::exists(installed) ? installed : here.filePath(QStringLiteral(WHISKERDASH_SOUND_MODULE_NAME));
}

void SoundEffects::load_when_allowed(const QStringList& folders)
{
    folders_after_frame = folders;
}

void SoundEffects::allow_loading(int delay_ms)
{
    first_frame_shown = true;
    const auto load_if_on = [this] {
        if (on)
            load(folders_after_frame);
    };
    if (delay_ms <= 0)
        load_if_on();
    else
        QTimer::singleShot(delay_ms, this, load_if_on);
}

void SoundEffects::load(const QStringList& folders)
{
    if (thread)
        return;
    thread = new QThread;
    thread->setObjectName(QStringLiteral("sound"));
    auto* side = new ThreadSide;
    on_thread = side;
    side->moveToThread(thread);
    connect(thread, &QThread::finished, side, &QObject::deleteLater);
    thread->start();

    QMetaObject::invokeMethod(side, [side, folders, path = module_path()] {
        QLibrary module(path);
        const bool found = QFileInfo(path).isFile();
        const auto make = found && module.load()
            ? reinterpret_cast<MakeSoundBackend>(module.resolve(make_sound_backend_symbol))
            : nullptr;
        if (!make) {
            if (!found)
                tell_stderr(QStringLiteral("%1: sound module not found; playing without sound").arg(path).toStdString());
            else
                tell_stderr(QStringLiteral("%1; playing without sound").arg(module.errorString()).toStdString());
            return;
        }
        // The module stays loaded to the end: its code runs until the thread ends.
        side->backend = make();
        side->backend->load(folders);
    }, Qt::QueuedConnection);
}

void SoundEffects::set_enabled(bool enabled)
{
    on = enabled;
    if (on && first_frame_shown)
        load(folders_after_frame);
    if (!on && thread)
        QMetaObject::invokeMethod(on_thread, [side = static_cast<ThreadSide*>(on_thread)] {
            if (side->backend)
                side->backend->stop_all();
        }, Qt::QueuedConnection);
}

void SoundEffects::play(Effect effect)
{
    // Asked for before its delay ran out: the effect plays once loading is done.
    if (on && !thread && first_frame_shown)
        load(folders_after_frame);
    if (on && thread)
        QMetaObject::invokeMethod(on_thread, [side = static_cast<ThreadSide*>(on_thread), effect] {
            if (side->backend)
                side->backend->play(effect);
        }, Qt::QueuedConnection);
}

void SoundEffects::play(const Events& events)
{
    for (const Effect effect : effects_for(events))
        play(effect);
}

}  // namespace wd
