#include "hsc_file.h"

#include "files/regular_file.h"
#include "files/write_errors.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wd::hsc {

namespace {

QString system_error(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString not_regular(mode_t mode)
{
    return QStringLiteral("not a regular file (%1)").arg(QString::fromLatin1(kind_of(mode)));
}

// Closes a descriptor when the scope ends, unless it was closed by hand.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Closing is where some file systems report a failed write.
    int close_checked()
    {
        const int result = ::close(fd);
        fd = -1;
        return result;
    }
};

bool write_all(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

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

// Overwrites the file's bytes where they are, keeping every name it has.
int write_in_place(const QByteArray& target, std::string_view text)
{
    Descriptor file{::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW)};
    if (file.fd < 0)
        return errno;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    if (!write_all(file.fd, text) || ::ftruncate(file.fd, static_cast<off_t>(text.size())) != 0)
        return errno;
    while (::fsync(file.fd) != 0)
        if (errno != EINTR)
            return errno;
    return file.close_checked() == 0 ? 0 : errno;
}

}  // namespace

FileRead read_file(const QString& path)
{
    // One byte past the limit is enough to tell an over-long file.
    RegularFile file = read_timed(QFile::encodeName(path).toStdString(), max_text + 1);
    FileRead result;
    result.status = FileRead::Status::unreadable;
    switch (file.fault) {
    case RegularFile::Fault::missing:
        result.status = FileRead::Status::missing;
        return result;
    case RegularFile::Fault::not_regular: result.reason = not_regular(file.mode); return result;
    case RegularFile::Fault::cannot_open:
    case RegularFile::Fault::cannot_read: result.reason = system_error(file.error); return result;
    case RegularFile::Fault::too_slow: result.reason = QString::fromLatin1(no_answer); return result;
    case RegularFile::Fault::none: break;
    }
    result.bytes = std::move(file.bytes);
    if (const auto problem = format_problem(result.bytes)) {
        result.status = FileRead::Status::damaged;
        result.reason = QString::fromStdString(*problem);
    } else {
        result.status = FileRead::Status::read;
    }
    return result;
}

QString save_target(const QString& path)
{
    // Followed hop by hop as the system does, also to a target not there yet.
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;  // a loop: the save then fails on it with the system's reason
}

std::optional<QString> write_table(const QString& path, std::string_view text)
{
    const auto failed = [&path](const QString& reason) {
        return path + QStringLiteral(": cannot save the high scores: ") + reason;
    };
    const QByteArray target = QFile::encodeName(save_target(path));
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const auto disk_error = [&folder](int error) {
        return QString::fromLocal8Bit(write_error_text(error, folder.toStdString()).c_str());
    };

    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return failed(system_error(errno));
    if (exists && !S_ISREG(old.st_mode))
        return failed(not_regular(old.st_mode));
    if (exists && ::access(target.constData(), W_OK) != 0)
        return failed(system_error(errno));

    // A name of this process's own in the same folder, so the rename is atomic.
    static std::atomic<int> serial{0};
    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        temporary = target + ".save-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial++);
        file.fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (file.fd < 0 && errno != EEXIST)
            return failed(disk_error(errno));
    }
    if (file.fd < 0)
        return failed(system_error(EEXIST));

    int error = 0;
    if (exists && ::fchmod(file.fd, old.st_mode & 07777) != 0)
        error = errno;
    if (!error && !write_all(file.fd, text))
        error = errno;
    while (!error && ::fsync(file.fd) != 0) {
        if (errno != EINTR)
            error = errno;
    }
    if (file.close_checked() != 0 && !error)
        error = errno;
    // A table with other names (hard links) is kept one file: the complete,
    // synced copy is written over it in place instead of renamed onto it.
    if (!error && exists && old.st_nlink > 1)
        error = write_in_place(target, text);
    else if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error || (exists && old.st_nlink > 1)) {
        ::unlink(temporary.constData());
        if (error)
            return failed(disk_error(error));
    }

    // The new name itself reaches the disk with the folder; the file is in
    // place whatever this says, so it cannot fail the save.
    if (Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)}; dir.fd >= 0)
        ::fsync(dir.fd);
    return std::nullopt;
}

MovedAside move_aside(const QString& path)
{
    const QByteArray from = QFile::encodeName(path);
    for (int n = 0; n < 1000; ++n) {
        const QString to = path + QStringLiteral(".damaged") + (n == 0 ? QString() : QStringLiteral(".%1").arg(n));
        if (rename_no_replace(from, QFile::encodeName(to)) == 0)
            return {to, {}};
        if (errno != EEXIST)
            return {{}, system_error(errno)};
    }
    return {{}, QStringLiteral("every name up to %1.damaged.999 is taken").arg(path)};
}

}  // namespace wd::hsc
