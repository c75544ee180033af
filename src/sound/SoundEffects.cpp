#include "SoundEffects.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <array>
#include <cstdio>

namespace wd {

namespace {
QtMessageHandler previous_handler = nullptr;

// The multimedia backend explains a missing sound server in its own words;
// the game says it once, in its own.
void quiet_backend(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const bool backend = text.startsWith(QLatin1String("PulseAudioService"))
        || (context.category && QLatin1String(context.category).startsWith(QLatin1String("qt.multimedia")));
    if (!backend && previous_handler)
        previous_handler(type, context, text);
}
}  // namespace

// The effects themselves, on the sound thread: talking to the sound server
// may take milliseconds, which the game's own thread never waits for.
class SoundPlayer : public QObject {
public:
    void load(const QString& folder)
    {
        previous_handler = qInstallMessageHandler(quiet_backend);
        const bool no_output = QMediaDevices::defaultAudioOutput().isNull();
        qInstallMessageHandler(previous_handler);
        if (no_output) {
            warn_once(QStringLiteral("no sound server or sound device; playing without sound"));
            return;
        }
        QStringList missing;
        for (int i = 0; i < effect_count; ++i) {
            const QString name = QString::fromLatin1(effect_files[i]);
            const QFileInfo file(QDir(folder).filePath(name));
            if (!file.isFile()) {
                missing << name;
                continue;
            }
            sources[i] = QUrl::fromLocalFile(file.absoluteFilePath());
            effects[i] = make_voice(i);
        }
        if (!missing.isEmpty())
            warn_once(missing.join(QStringLiteral(", ")) + QStringLiteral(": sound effect not found; playing without it"));
    }

    void play(Effect which)
    {
        QSoundEffect* effect = effects[static_cast<int>(which)];
        if (!effect || effect->status() == QSoundEffect::Error)
            return;
        if (effect->isPlaying()) {
            // Start over rather than queue. A fresh voice does: one stopped
            // in mid-sound stays silent for about 200 ms when played again.
            effect->stop();
            effect->deleteLater();
            effect = effects[static_cast<int>(which)] = make_voice(static_cast<int>(which));
        }
        effect->play();
    }

    void stop_all()
    {
        for (QSoundEffect* effect : effects)
            if (effect)
                effect->stop();
    }

private:
    // The decoded sound is cached by Qt, so a voice is cheap to make again.
    QSoundEffect* make_voice(int i)
    {
        auto* voice = new QSoundEffect(this);
        const QString name = QString::fromLatin1(effect_files[i]);
        connect(voice, &QSoundEffect::statusChanged, this, [this, voice, name] {
            if (voice->status() == QSoundEffect::Error)
                warn_once(name + QStringLiteral(": cannot play this sound effect; playing without it"));
        });
        voice->setSource(sources[i]);
        return voice;
    }

    void warn_once(const QString& text)
    {
        if (warned)
            return;
        warned = true;
        std::fprintf(stderr, "whiskerdash: %s\n", qPrintable(text));
    }

    std::array<QSoundEffect*, effect_count> effects = {};
    std::array<QUrl, effect_count> sources;
    bool warned = false;
};

SoundEffects::SoundEffects(QObject* parent) : QObject(parent) {}

SoundEffects::~SoundEffects()
{
    if (!thread)
        return;
    thread->quit();
    // A sound server that hangs must not hang the game's exit: then the
    // thread is left to the process's end.
    if (thread->wait(QDeadlineTimer(2000)))
        delete thread;
}

void SoundEffects::load_after_first_frame(QWidget* window, const QString& folder)
{
    folder_after_frame = folder;
    window->installEventFilter(this);
}

bool SoundEffects::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After this paint has reached the screen, not before.
        QTimer::singleShot(0, this, [this] {
            first_frame_shown = true;
            if (on)
                load(folder_after_frame);
        });
    }
    return false;
}

void SoundEffects::load(const QString& folder)
{
    if (player)
        return;
    thread = new QThread;
    thread->setObjectName(QStringLiteral("sound"));
    player = new SoundPlayer;
    player->moveToThread(thread);
    connect(thread, &QThread::finished, player, &QObject::deleteLater);
    thread->start();
    QMetaObject::invokeMethod(player, [p = player, folder] { p->load(folder); }, Qt::QueuedConnection);
}

void SoundEffects::set_enabled(bool enabled)
{
    on = enabled;
    if (on && first_frame_shown)
        load(folder_after_frame);
    if (!on && player)
        QMetaObject::invokeMethod(player, [p = player] { p->stop_all(); }, Qt::QueuedConnection);
}

void SoundEffects::play(Effect effect)
{
    if (on && player)
        QMetaObject::invokeMethod(player, [p = player, effect] { p->play(effect); }, Qt::QueuedConnection);
}

void SoundEffects::play(const Events& events)
{
    for (const Effect effect : effects_for(events))
        play(effect);
}

}  // namespace wd
