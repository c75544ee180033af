// The sound module: Qt's sound effect class, one voice per effect, on the
// thread the game gave it.

#include "SoundBackend.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

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

class SoundPlayer : public QObject, public SoundBackend {
public:
    bool load(const QStringList& folders) override
    {
        previous_handler = qInstallMessageHandler(quiet_backend);
        const bool no_output = QMediaDevices::defaultAudioOutput().isNull();
        qInstallMessageHandler(previous_handler);
        if (no_output) {
            warn_once(QStringLiteral("no sound server or sound device; playing without sound"));
            return false;
        }
        QStringList missing;
        for (int i = 0; i < effect_count; ++i) {
            const QString name = QString::fromLatin1(effect_files[i]);
            QFileInfo file;
            for (const QString& folder : folders) {
                file = QFileInfo(QDir(folder).filePath(name));
                if (file.isFile())
                    break;
            }
            if (!file.isFile()) {
                missing << name;
                continue;
            }
            sources[i] = QUrl::fromLocalFile(file.absoluteFilePath());
            voices[i] = make_voice(i);
        }
        if (!missing.isEmpty())
            warn_once(missing.join(QStringLiteral(", ")) + QStringLiteral(": sound effect not found; playing without it"));
        return missing.size() < effect_count;
    }

    void play(Effect which) override
    {
        const int i = static_cast<int>(which);
        QSoundEffect* voice = voices[i];
        if (!voice || voice->status() == QSoundEffect::Error)
            return;
        if (voice->isPlaying()) {
            // Start over rather than queue. A fresh voice does: one stopped
            // in mid-sound stays silent for about 200 ms when played again.
            voice->stop();
            voice->deleteLater();
            voice = voices[i] = make_voice(i);
        }
        voice->play();
    }

    void stop_all() override
    {
        for (QSoundEffect* voice : voices)
            if (voice)
                voice->stop();
    }

private:
    // Qt keeps the decoded sound in its cache, so a voice is cheap to make again.
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

    std::array<QSoundEffect*, effect_count> voices = {};
    std::array<QUrl, effect_count> sources;
    bool warned = false;
};

}  // namespace

}  // namespace wd

extern "C" Q_DECL_EXPORT wd::SoundBackend* whiskerdash_make_sound_backend()
{
    return new wd::SoundPlayer;
}
