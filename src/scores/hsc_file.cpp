#include "hsc_file.h"

#include "files/regular_file.h"
#include "files/replace.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace wd::hsc {

namespace {

// Moves without ever replacing what is at `to`.
int rename_no_replace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // A file system without that flag: a hard link refuses to replace as well.
    if (::link(from.constData(), to.constData()) != 0)
        return -1;
    return ::unlink(from.constData());
}

}  // namespace

Result<std::string> read_file(const QString& path)
{
    // One byte past the limit is enough to tell an over-long file.
    Result<std::string> file = read_timed(QFile::encodeName(path).toStdString(), max_text + 1);
    if (!file.ok())
        return file;
    if (Result<void> format = check_format(file.value()); !format.ok())
        return format.problem();
    return file;
}

Result<void> write_table(const QString& path, std::string_view text)
{
    // The player may keep the table elsewhere behind a link, or share it under
    // a second name: the save goes to that file and keeps every name on it.
    Result<void> saved = replace_file(path, text, Links::follow);
    if (saved.ok())
        return saved;
    Problem failure = saved.problem();
    failure.text = (path + QStringLiteral(": cannot save the high scores: ")).toStdString() + failure.text;
    return failure;
}

Result<QString> move_aside(const QString& path)
{
    const QByteArray from = QFile::encodeName(path);
    for (int n = 0; n < 1000; ++n) {
        const QString to = path + QStringLiteral(".damaged") + (n == 0 ? QString() : QStringLiteral(".%1").arg(n));
        if (rename_no_replace(from, QFile::encodeName(to)) == 0)
            return to;
        if (const int error = errno; error != EEXIST)
            return Problem{Problem::Kind::cannot_write, error, std::strerror(error)};
    }
    return Problem{Problem::Kind::refused, 0,
                   QStringLiteral("every name up to %1.damaged.999 is taken").arg(path).toStdString()};
}

}  // namespace wd::hsc
