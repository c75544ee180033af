// The sound module: the effects are uploaded once to the sound server's own
// sample cache and played from there, so a play is one short message to the
// server. Nothing here waits for the server: the PulseAudio client runs on its
// own thread and every request is asynchronous, so a hung server can neither
// hold up the game nor its quit, and a server that goes away is looked for
// again every few seconds until it is back.

#include "sound_backend.h"
#include "files/tell.h"
#include "files/regular_file.h"
#include "wav_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QTimer>

#include <pulse/pulseaudio.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace wd {

namespace {

constexpr int retry_ms = 3000;    // how often a server that is not there is looked for
constexpr int connect_ms = 2000;  // a server that does not answer by then counts as gone

struct Sample {
    std::string bytes;  // the whole file; the sound is at wav.data_offset
    WavLayout wav;
    std::string name;   // in the server's cache, unique to this process
    std::atomic<bool> uploaded{false};
};

class SoundPlayer : public QObject, public SoundBackend {
public:
    SoundPlayer()
    {
        retry.setSingleShot(true);
        retry.setInterval(retry_ms);
        connect(&retry, &QTimer::timeout, this, &SoundPlayer::connect_to_server);
        give_up.setSingleShot(true);
        give_up.setInterval(connect_ms);
        connect(&give_up, &QTimer::timeout, this, [this] { lost(); });
    }

    ~SoundPlayer() override
    {
        if (!loop)
            return;
        // Disconnecting only sends; stopping joins the client's thread, which never waits on the server.
        pa_threaded_mainloop_lock(loop);
        drop_context();
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        pa_threaded_mainloop_free(loop);
    }

    bool load(const QStringList& folders) override
    {
        QStringList missing;
        std::vector<int> found;
        std::vector<std::string> paths;
        for (int i = 0; i < effect_count; ++i) {
            const QString name = QString::fromLatin1(effect_files[i]);
            QFileInfo file;
            for (const QString& folder : folders) {
                file = QFileInfo(QDir(folder).filePath(name));
                if (file.exists())
                    break;
            }
            if (!file.exists()) {
                missing << name;
                continue;
            }
            found.push_back(i);
            paths.push_back(QFile::encodeName(file.filePath()).toStdString());
        }
        if (!missing.isEmpty())
            say(missing.join(QStringLiteral(", ")) + QStringLiteral(": sound effect not found; playing without it"));
        // All at once: effects on a stalled mount hold the sound thread a second, not a second each.
        const std::vector<Result<std::string>> files = read_timed(paths, max_effect_bytes + 1);
        int usable = 0;
        for (std::size_t k = 0; k < found.size(); ++k)
            if (take(found[k], files[k]))
                ++usable;
        if (usable == 0)
            return false;
        loop = pa_threaded_mainloop_new();
        if (!loop || pa_threaded_mainloop_start(loop) < 0) {
            say(QStringLiteral("cannot start the sound server's client; playing without sound"));
            return false;
        }
        connect_to_server();
        return true;
    }

    void play(Effect which) override
    {
        Sample& sample = samples[static_cast<int>(which)];
        if (!loop || !ready || !sample.uploaded)
            return;
        pa_threaded_mainloop_lock(loop);
        if (context && pa_context_get_state(context) == PA_CONTEXT_READY)
            if (pa_operation* op = pa_context_play_sample_with_proplist(
                    context, sample.name.c_str(), nullptr, PA_VOLUME_NORM, nullptr, &SoundPlayer::started, this))
                pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop);
    }

    // The server plays each sound as a stream of its own: off ends the ones still playing.
    void stop_all() override
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        for (const std::uint32_t index : playing)
            if (context && pa_context_get_state(context) == PA_CONTEXT_READY)
                if (pa_operation* op = pa_context_kill_sink_input(context, index, nullptr, nullptr))
                    pa_operation_unref(op);
        playing.clear();
        pa_threaded_mainloop_unlock(loop);
    }

private:
    // Takes the effect only if it is a regular file holding a sound the server can play.
    bool take(int i, const Result<std::string>& file)
    {
        const QString name = QString::fromLatin1(effect_files[i]);
        QString problem;
        if (!file.ok())
            problem = (file.problem().kind == Problem::Kind::not_regular ? QString() : QStringLiteral("cannot read: "))
                + QString::fromLocal8Bit(file.problem().text.c_str());
        Sample& sample = samples[i];
        if (problem.isEmpty()) {
            if (const Result<WavLayout> wav = check_wav(file.value()); wav.ok())
                sample.wav = wav.value();
            else
                problem = QString::fromStdString(wav.problem().text);
        }
        if (!problem.isEmpty()) {
            say(name + QStringLiteral(": ") + problem + QStringLiteral("; playing without this sound effect"));
            return false;
        }
        sample.bytes = file.value();
        sample.name = "whiskerdash-" + std::to_string(::getpid()) + "-" + std::to_string(i);
        return true;
    }

    // On the sound thread: a fresh client for a server that may be back.
    void connect_to_server()
    {
        pa_threaded_mainloop_lock(loop);
        drop_context();
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "whiskerdash");
        pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.whiskerdash.Whiskerdash");
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
        context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "whiskerdash", props);
        pa_proplist_free(props);
        bool started = false;
        if (context) {
            pa_context_set_state_callback(context, &SoundPlayer::context_changed, this);
            started = pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
        }
        pa_threaded_mainloop_unlock(loop);
        if (started)
            give_up.start();
        else
            lost();
    }

    // With the client's lock held.
    void drop_context()
    {
        ready = false;
        playing.clear();
        for (Sample& sample : samples)
            sample.uploaded = false;
        // Uploads cut short must not count as done.
        for (Upload& upload : uploads)
            if (upload.stream) {
                pa_stream_set_state_callback(upload.stream, nullptr, nullptr);
                pa_stream_unref(upload.stream);
                upload.stream = nullptr;
            }
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            for (const Sample& sample : samples)
                if (!sample.name.empty())
                    if (pa_operation* op = pa_context_remove_sample(context, sample.name.c_str(), nullptr, nullptr))
                        pa_operation_unref(op);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    // On the sound thread: plays on silently, says so once, looks again later.
    void lost()
    {
        give_up.stop();
        if (was_ready)
            say(QStringLiteral("the sound server went away; playing without sound until it is back"));
        else
            say(QStringLiteral("no sound server or sound device; playing without sound"));
        pa_threaded_mainloop_lock(loop);
        drop_context();
        pa_threaded_mainloop_unlock(loop);
        retry.start();
    }

    // On the client's thread, with its lock held.
    static void context_changed(pa_context* context, void* self_pointer)
    {
        auto* self = static_cast<SoundPlayer*>(self_pointer);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            for (int i = 0; i < effect_count; ++i)
                self->upload(context, i);
            if (pa_operation* op = pa_context_get_server_info(context, &SoundPlayer::server_info, self))
                pa_operation_unref(op);
            QMetaObject::invokeMethod(self, [self] {
                self->give_up.stop();
                self->was_ready = true;
            }, Qt::QueuedConnection);
            self->ready = true;
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self->ready = false;
            QMetaObject::invokeMethod(self, [self] { self->lost(); }, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }

    // A server without a sink has nothing to play on; sounds play once one appears.
    static void server_info(pa_context*, const pa_server_info* info, void* self_pointer)
    {
        auto* self = static_cast<SoundPlayer*>(self_pointer);
        if (!info || !info->default_sink_name || !*info->default_sink_name)
            QMetaObject::invokeMethod(self, [self] {
                self->say(QStringLiteral("no sound server or sound device; playing without sound"));
            }, Qt::QueuedConnection);
    }

    // On the client's thread, with its lock held: the server's stream for one play.
    static void started(pa_context*, std::uint32_t index, void* self_pointer)
    {
        auto& playing = static_cast<SoundPlayer*>(self_pointer)->playing;
        if (index == PA_INVALID_INDEX)
            return;
        // Only the last few can still be playing; ending one that has finished does nothing.
        if (playing.size() >= 8)
            playing.erase(playing.begin());
        playing.push_back(index);
    }

    struct Upload {
        SoundPlayer* self = nullptr;
        int index = 0;
        pa_stream* stream = nullptr;  // while the upload runs
    };

    void upload(pa_context* on, int i)
    {
        Sample& sample = samples[i];
        if (sample.bytes.empty())
            return;
        pa_sample_spec layout{};
        layout.format = sample.wav.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        layout.rate = static_cast<std::uint32_t>(sample.wav.rate);
        layout.channels = static_cast<std::uint8_t>(sample.wav.channels);
        pa_stream* stream = pa_stream_new(on, sample.name.c_str(), &layout, nullptr);
        if (!stream)
            return;
        uploads[i] = {this, i, stream};
        pa_stream_set_state_callback(stream, &SoundPlayer::upload_changed, &uploads[i]);
        if (pa_stream_connect_upload(stream, sample.wav.data_size) < 0) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
            uploads[i].stream = nullptr;
        }
    }

    // On the client's thread, with its lock held: the stream lives until it ends.
    static void upload_changed(pa_stream* stream, void* upload_pointer)
    {
        auto* upload = static_cast<Upload*>(upload_pointer);
        Sample& sample = upload->self->samples[upload->index];
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            pa_stream_write(stream, sample.bytes.data() + sample.wav.data_offset, sample.wav.data_size, nullptr,
                            0, PA_SEEK_RELATIVE);
            pa_stream_finish_upload(stream);
            break;
        case PA_STREAM_TERMINATED:
            sample.uploaded = true;  // a finished upload ends its stream
            [[fallthrough]];
        case PA_STREAM_FAILED:
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
            upload->stream = nullptr;
            break;
        default:
            break;
        }
    }

    // Each thing said once a run.
    void say(const QString& text)
    {
        if (said.contains(text))
            return;
        said << text;
        tell_stderr(text.toStdString());
    }

    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;  // under the client's lock
    std::atomic<bool> ready{false};
    bool was_ready = false;
    std::array<Sample, effect_count> samples;
    std::array<Upload, effect_count> uploads{};
    std::vector<std::uint32_t> playing;  // under the client's lock
    QTimer retry;
    QTimer give_up;
    QStringList said;
};

}  // namespace

}  // namespace wd

extern "C" Q_DECL_EXPORT wd::SoundBackend* whiskerdash_make_sound_backend()
{
    return new wd::SoundPlayer;
}
