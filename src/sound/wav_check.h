#pragma once
// Whether the bytes of an effect file are a WAV the sound server can take as
// it stands: plain PCM, sizes that agree with each other and with the file.
// Plain C++, so any bytes can be tried on it without a sound server.

#include "files/problem.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wd {

// An effect lasts well under a second; anything bigger is not one.
constexpr std::size_t max_effect_bytes = 1024 * 1024;

// How to play a file's sound and where in the file it lies.
struct WavLayout {
    int channels = 0;
    int rate = 0;
    int bits = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    std::size_t data_offset = 0;
    std::size_t data_size = 0;  // whole frames, more than none
};

// `bytes` is the whole file. The layout, or why the sound cannot be played:
// Kind::empty, Kind::refused for a sound this game does not play (too big, not
// plain PCM, an odd channel count, sample size or rate), Kind::damaged for
// anything out of the format. The text says what is wrong, without the name.
Result<WavLayout> check_wav(std::string_view bytes);

}  // namespace wd
