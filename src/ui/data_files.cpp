#include "data_files.h"

#include "../settings/settings.h"
#include "game/level.h"
#include "scores/hsc_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace wd::data_files {

QString installed_folder();

namespace {

const QString table_name = QStringLiteral("hsc.dat");

struct Choice {
    bool play_folder = true;  // until choose() says otherwise: tests play where they stand
    QString installed;        // the installed data folder, if any
    QString data_folder;      // the player's, when installed
    Result<void> storage;
};

Choice& chosen()
{
    static Choice choice{true, installed_folder(), {}, {}};
    return choice;
}

bool is_there(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// False when `folder`, or the nearest folder above it that exists, cannot be written.
bool writable(const QString& folder)
{
    QFileInfo info(folder);
    while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    return info.isDir() && info.isWritable();
}

// The player's data folder made, and a starting table in it unless it has one
// (a dangling link is the player's own and is left alone). 1.0 played in
// $XDG_DATA_HOME/whiskerdash: a table left there is carried over.
QString prepare(const QString& folder, const QString& installed)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return folder;
    const QString table = QDir(folder).filePath(table_name);
    if (is_there(table))
        return QFileInfo(table).isWritable() ? QString() : table;
    const QString older = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                              .filePath(QStringLiteral("whiskerdash/") + table_name);
    const QString start = QFileInfo(older).isFile() ? older : QDir(installed).filePath(table_name);
    // Read as every data file is, never for more than a second. NewOnly never
    // replaces a file: a game started at the same moment keeps its table.
    const Result<std::string> bytes = read_regular_file(QFile::encodeName(start).toStdString(), hsc::max_text + 1);
    if (QFile copy(table); bytes.ok() && copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        copy.write(bytes.value().data(), static_cast<qint64>(bytes.value().size()));
    return QString();
}

}  // namespace

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

void choose(bool play_here) { choose(play_here, installed_folder()); }

void choose(bool play_here, const QString& installed)
{
    Choice& choice = chosen();
    choice = {};
    choice.installed = installed;
    choice.play_folder = play_here || is_there(QStringLiteral("level000.lvx")) || installed.isEmpty();
    QStringList unwritable;
    if (!choice.play_folder) {
        choice.data_folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (const QString bad = prepare(choice.data_folder, installed); !bad.isEmpty())
            unwritable << bad;
    }
    const QString settings_folder = QFileInfo(wd::settings::file_name()).absolutePath();
    const bool settings_kept = writable(settings_folder);
    if (!settings_kept)
        unwritable << settings_folder;
    if (unwritable.isEmpty())
        return;
    const QString what = !settings_kept && unwritable.size() > 1 ? QStringLiteral("scores and settings")
        : settings_kept                                          ? QStringLiteral("scores")
                                                                 : QStringLiteral("settings");
    choice.storage = Problem{Problem::Kind::cannot_write, 0,
                             QStringLiteral("%1 cannot be kept: %2 cannot be written")
                                 .arg(what, unwritable.join(QStringLiteral(" or ")))
                                 .toStdString()};
}

bool in_play_folder() { return chosen().play_folder; }

QString table_path()
{
    return in_play_folder() ? table_name : QDir(chosen().data_folder).filePath(table_name);
}

Result<void> storage() { return chosen().storage; }

QString locate_in(const QString& name, const QString& folder)
{
    if (is_there(name) || folder.isEmpty())
        return name;
    const QString installed = QDir(folder).filePath(name);
    return is_there(installed) ? installed : name;
}

QString locate(const QString& name)
{
    if (in_play_folder())
        return locate_in(name, chosen().installed);
    if (QString found = QStandardPaths::locate(QStandardPaths::AppDataLocation, name); !found.isEmpty())
        return found;
    const QString installed = QDir(chosen().installed).filePath(name);
    return is_there(installed) ? installed : QDir(chosen().data_folder).filePath(name);
}

std::string locate(const std::string& name)
{
    return QFile::encodeName(locate(QFile::decodeName(name.c_str()))).toStdString();
}

QStringList search_folders()
{
    QStringList folders = in_play_folder() ? QStringList{QStringLiteral(".")}
                                           : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    if (const QString installed = chosen().installed; !installed.isEmpty() && !folders.contains(installed))
        folders << installed;
    return folders;
}

}  // namespace wd::data_files
