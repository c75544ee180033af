#include "sprites.h"
#include "files/tell.h"

#include "data_files.h"
#include "game/level.h"
#include "startup_steps.h"

#include <QFile>
#include <QString>

#include <string>
#include <vector>

namespace wd {

namespace {
constexpr std::size_t sprite_cap = 1 << 20;  // far more than a 16-pixel picture takes

// Qt's own XPM reader first: detecting the format would load and ask every
// image plugin before the first frame. Anything else still loads by detection.
bool decode(QPixmap& pixmap, const std::string& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const auto size = static_cast<uint>(bytes.size());
    return pixmap.loadFromData(data, size, "XPM") || pixmap.loadFromData(data, size);
}
}  // namespace

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
