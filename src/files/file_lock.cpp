#include "file_lock.h"

#include "regular_file.h"
#include "write_errors.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace wd {

FileLock::FileLock(const QString& path, int stale_ms, int wait_ms)
{
    // The lock class would wait its whole time on anything but a file of its
    // own, and block on a FIFO: such a lock is told at once.
    if (struct stat info {}; ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        taken = Problem{Problem::Kind::not_regular, 0,
                        QStringLiteral("the lock %1 is %2")
                            .arg(path, QString::fromLatin1(not_regular_text(info.st_mode).c_str()))
                            .toStdString()};
        return;
    }
    lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(stale_ms);
    if (lock->tryLock(wait_ms))
        return;
    if (lock->error() == QLockFile::LockFailedError) {
        taken = Problem{Problem::Kind::busy, 0, QStringLiteral("another game kept %1 locked").arg(path).toStdString()};
        return;
    }
    // The lock class keeps no reason of its own: a file made the same way tells it.
    const std::string folder = QFile::encodeName(QFileInfo(path).absolutePath()).toStdString();
    const std::string probe = QFile::encodeName(QFileInfo(path).fileName()).toStdString() + ".probe-"
        + std::to_string(::getpid());
    const int error = likely_create_error(folder, probe);
    taken = Problem{Problem::Kind::cannot_write, error,
                    QStringLiteral("cannot create the lock %1: %2")
                        .arg(path, QString::fromLocal8Bit(write_error_text(error, folder).c_str()))
                        .toStdString()};
}

}  // namespace wd
