#include "sprites.h"
#include "files/tell.h"

#include "data_files.h"
#include "game/level.h"
#include "startup_steps.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

namespace wd {

namespace {
constexpr std::size_t sprite_cap = 1 << 20;  // far more than a 16-pixel picture takes

constexpr int xpm_side_cap = 1024;  // far more than a cell's picture
constexpr int xpm_colour_cap = 4096;

// Quoted strings outside comments; none at an escape or an unclosed quote.
std::optional<std::vector<std::string>> quoted_strings(const std::string& bytes)
{
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes.compare(at, 2, "/*") == 0) {
            at = bytes.find("*/", at + 2);
            if (at == std::string::npos)
                return std::nullopt;
            ++at;
        } else if (bytes[at] == '"') {
            const std::size_t end = bytes.find_first_of("\"\\\n", at + 1);
            if (end == std::string::npos || bytes[end] != '"')
                return std::nullopt;
            strings.push_back(bytes.substr(at + 1, end - at - 1));
            at = end;
        }
    }
    return strings;
}

bool decode(QPixmap& pixmap, const std::string& bytes)
{
    if (const std::optional<QImage> image = read_plain_xpm(bytes))
        return pixmap.convertFromImage(*image);
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    return pixmap.loadFromData(data, static_cast<uint>(bytes.size()));
}
}  // namespace

std::optional<QImage> read_plain_xpm(const std::string& bytes)
{
    const std::optional<std::vector<std::string>> strings = quoted_strings(bytes);
    if (!strings || strings->empty())
        return std::nullopt;
    // The reader trusts the header: every colour and row it names must be there, whole.
    int width = 0, height = 0, colours = 0, per_pixel = 0;
    char after = 0;
    if (std::sscanf(strings->front().c_str(), "%d %d %d %d %c", &width, &height, &colours, &per_pixel, &after) != 4
        || width < 1 || height < 1 || width > xpm_side_cap || height > xpm_side_cap || colours < 1
        || colours > xpm_colour_cap || per_pixel < 1 || per_pixel > 2
        || strings->size() != std::size_t(1 + colours + height))
        return std::nullopt;
    for (int i = 1; i <= colours; ++i)
        if ((*strings)[i].size() < std::size_t(per_pixel) + 4)  // "k c #RGB" at the least
            return std::nullopt;
    for (std::size_t i = 1 + colours; i < strings->size(); ++i)
        if ((*strings)[i].size() != std::size_t(width * per_pixel))
            return std::nullopt;
    std::vector<const char*> lines;
    for (const std::string& line : *strings)
        lines.push_back(line.c_str());
    const QImage image(lines.data());
    if (image.isNull() || image.size() != QSize(width, height))
        return std::nullopt;
    return image;
}

Sprites Sprites::load()
{
    Sprites loaded;
    const struct {
        QPixmap* pixmap;
        const char* file;
    } sprites[] = {
        {&loaded.cat, "cat.xpm"},     {&loaded.mouse, "mouse.xpm"},         {&loaded.cheese, "cheese.xpm"},
        {&loaded.block, "block.xpm"}, {&loaded.hardblock, "hardblock.xpm"},
    };
    std::vector<std::string> paths;
    for (const auto& sprite : sprites)
        paths.push_back(QFile::encodeName(data_files::locate(QString::fromLatin1(sprite.file))).toStdString());
    const std::vector<Result<std::string>> files = read_regular_files(paths, sprite_cap);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = QFile::decodeName(paths[i].c_str());
        if (!files[i].ok())
            tell_stderr(QStringLiteral("%1: %2; its cells stay blank")
                            .arg(path, QString::fromStdString(files[i].problem().text))
                            .toStdString());
        else if (!decode(*sprites[i].pixmap, files[i].value()))
            tell_stderr(QStringLiteral("%1: cannot load the sprite; its cells stay blank").arg(path).toStdString());
    }
    startup_steps::mark("sprites");
    return loaded;
}

}  // namespace wd
