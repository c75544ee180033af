// Arbitrary bytes as an effect file: the check never reads outside them, and
// what it passes on lies inside the file and is whole frames.

#include "sound/wav_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const wd::Result<wd::WavLayout> checked = wd::check_wav(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!checked.ok())
        return 0;
    const wd::WavLayout& check = checked.value();
    const auto frame = static_cast<std::size_t>(check.channels * check.bits / 8);
    const bool sound = check.data_size > 0 && check.data_offset >= 12 && check.data_offset + check.data_size <= size
        && frame > 0 && check.data_size % frame == 0 && size <= wd::max_effect_bytes;
    if (!sound) {
        std::fprintf(stderr, "broken: a sound outside the file or not whole frames\n");
        std::abort();
    }
    return 0;
}
