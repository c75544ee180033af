#pragma once
// Whether the bytes of an effect file are a WAV the sound server can take as
// it stands: plain PCM, sizes that agree with each other and with the file.
// Plain C++, so any bytes can be tried on it without a sound server.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wd {

// An effect lasts well under a second; anything bigger is not one.
constexpr std::size_t max_effect_bytes = 1024 * 1024;

struct WavCheck {
    std::string problem;  // empty when the sound can be played
    int channels = 0;
    int rate = 0;
    int bits = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    std::size_t data_offset = 0;
    std::size_t data_size = 0;  // whole frames, more than none
    bool ok() const { return problem.empty(); }
};

// `bytes` is the whole file.
WavCheck check_wav(std::string_view bytes);

}  // namespace wd
