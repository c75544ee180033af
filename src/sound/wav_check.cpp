#include "wav_check.h"

namespace wd {

namespace {

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint32_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

Problem damaged(std::string text)
{
    return {Problem::Kind::damaged, 0, std::move(text)};
}

Problem refused(std::string text)
{
    return {Problem::Kind::refused, 0, std::move(text)};
}

}  // namespace

Result<WavLayout> check_wav(std::string_view bytes)
{
    if (bytes.empty())
        return Problem{Problem::Kind::empty, 0, "empty file"};
    if (bytes.size() > max_effect_bytes)
        return refused("larger than " + std::to_string(max_effect_bytes / 1024) + " KiB");
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return damaged("not a WAV file");
    // The RIFF size counts what follows its own field; a few bytes of padding
    // after it are tolerated, a promise of more than the file holds is not.
    const std::uint64_t riff_end = std::uint64_t{le32(bytes, 4)} + 8;
    if (riff_end > bytes.size())
        return damaged("truncated: the header promises " + std::to_string(riff_end) + " bytes, the file has "
                       + std::to_string(bytes.size()));
    if (riff_end < 12)
        return damaged("RIFF size " + std::to_string(le32(bytes, 4)) + " too small");

    WavLayout layout;
    bool have_format = false;
    std::uint64_t at = 12;
    while (at + 8 <= riff_end) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = le32(bytes, at + 4);
        const std::uint64_t body = at + 8;
        if (body + size > riff_end)
            return damaged("chunk '" + std::string(id) + "' of " + std::to_string(size) + " bytes runs past the end");
        if (id == "fmt ") {
            if (size < 16)
                return damaged("format chunk of " + std::to_string(size) + " bytes");
            const auto format = le16(bytes, body);
            layout.channels = static_cast<int>(le16(bytes, body + 2));
            layout.rate = static_cast<int>(le32(bytes, body + 4) & 0x7FFFFFFF);
            const auto byte_rate = le32(bytes, body + 8);
            const auto block = le16(bytes, body + 12);
            layout.bits = static_cast<int>(le16(bytes, body + 14));
            if (format != 1)
                return refused("not plain PCM (format " + std::to_string(format) + ")");
            if (layout.channels < 1 || layout.channels > 2)
                return refused(std::to_string(layout.channels) + " channels");
            if (layout.bits != 8 && layout.bits != 16)
                return refused(std::to_string(layout.bits) + " bits a sample");
            if (layout.rate < 8000 || layout.rate > 96000)
                return refused("sample rate " + std::to_string(layout.rate));
            const auto frame = static_cast<std::uint32_t>(layout.channels * layout.bits / 8);
            if (block != frame || byte_rate != frame * static_cast<std::uint32_t>(layout.rate))
                return damaged("frame size or byte rate disagree with the format");
            have_format = true;
        } else if (id == "data") {
            if (!have_format)
                return damaged("sound data before its format");
            const auto frame = static_cast<std::uint64_t>(layout.channels * layout.bits / 8);
            if (size == 0 || size % frame != 0)
                return damaged("sound data of " + std::to_string(size) + " bytes");
            layout.data_offset = static_cast<std::size_t>(body);
            layout.data_size = static_cast<std::size_t>(size);
            return layout;
        }
        at = body + size + (size & 1);  // chunks are padded to even sizes
    }
    return damaged(have_format ? "no sound data" : "no format chunk");
}

}  // namespace wd
