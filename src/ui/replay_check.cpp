#include "replay_check.h"
#include "files/tell.h"

#include "data_files.h"
#include "recording/replay.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace wd {

namespace {
// A pack level is looked for where the game looks; a level named on the
// command line was recorded with its whole path.
int refuse(const QString& file, const std::string& why, int status)
{
    tell_stderr(file.toStdString() + ": " + why);
    return status;
}
}  // namespace

namespace {
const auto locate_level = [](const std::string& name) {
    return read_level_file(QFileInfo(QString::fromStdString(name)).isAbsolute() ? name : data_files::locate(name));
};
}  // namespace

bool check_recording_quietly(const QString& file)
{
    const Result<std::string> read = read_regular_file(QFile::encodeName(file).toStdString(), recording_cap + 1);
    if (!read.ok() || read.value().size() > recording_cap)
        return false;
    const Result<Recording> parsed = parse_recording(read.value());
    if (!parsed.ok())
        return false;
    const Result<Replayed> again = replay(parsed.value(), locate_level, [](const std::string&) {});
    return again.ok() && again.value().reproduced();
}

int check_recording(const QString& file)
{
    const Result<std::string> read = read_regular_file(QFile::encodeName(file).toStdString(), recording_cap + 1);
    if (!read.ok())
        return refuse(file, read.problem().text, 2);
    if (read.value().size() > recording_cap)
        return refuse(file, "too big for a recording", 2);
    const Result<Recording> parsed = parse_recording(read.value());
    if (!parsed.ok())
        return refuse(file, "cannot play it: " + parsed.problem().text, 2);
    const Result<Replayed> again = replay(parsed.value(), locate_level, [](const std::string& line) {
        std::fputs(line.c_str(), stdout);
    });
    if (!again.ok())
        return refuse(file, "cannot play it again: " + again.problem().text, 2);
    if (!again.value().reproduced())
        return refuse(file, "does not come out as recorded: " + again.value().difference, 1);
    return 0;
}

}  // namespace wd
