#include "data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wd::data_files {

QString installed_folder()
{
    // WHISKERDASH_DATA_FROM_GAME: the data folder relative to the game's own
    // folder, or absolute, as the install layout put it.
    static const QString folder = [] {
        const QString dir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(WHISKERDASH_DATA_FROM_GAME));
        return QFileInfo(dir).isDir() ? QDir::cleanPath(dir) : QString();
    }();
    return folder;
}

QString locate_in(const QString& name, const QString& folder)
{
    const QFileInfo here(name);
    if (here.exists() || here.isSymLink() || folder.isEmpty())
        return name;
    const QString installed = QDir(folder).filePath(name);
    const QFileInfo there(installed);
    return there.exists() || there.isSymLink() ? installed : name;
}

QString locate(const QString& name)
{
    return locate_in(name, installed_folder());
}

std::string locate(const std::string& name)
{
    return QFile::encodeName(locate(QFile::decodeName(name.c_str()))).toStdString();
}

}  // namespace wd::data_files
