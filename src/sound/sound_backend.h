#pragma once
// What the game asks of the sound module. The module links Qt Multimedia and
// the sound server's libraries; the game loads it only once its first frame
// is up, so neither start-up nor a muted run pays for them.

#include "effects.h"

#include <QString>
#include <QStringList>

namespace wd {

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Takes each effect from the first of `folders` that has it. Reports what
    // is missing in one line on standard error; returns whether any can play.
    virtual bool load(const QStringList& folders) = 0;
    // A repeat plays over the same effect still playing, so none is lost.
    virtual void play(Effect effect) = 0;
    virtual void stop_all() = 0;  // ends what is still playing
};

// The module's one entry point, called on the thread the effects play on.
using MakeSoundBackend = SoundBackend* (*)();
constexpr const char* make_sound_backend_symbol = "whiskerdash_make_sound_backend";

}  // namespace wd
