#include "replace.h"

#include "leftovers.h"
#include "regular_file.h"
#include "write_errors.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wd {

namespace {

constexpr const char* save_infix = ".save-";

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

int sync(int fd)
{
    while (::fsync(fd) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

// Overwrites the file's bytes where they are, keeping every name it has.
int write_in_place(const QByteArray& target, std::string_view bytes)
{
    Descriptor file{::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW)};
    if (file.fd < 0)
        return errno;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    if (!write_all(file.fd, bytes) || ::ftruncate(file.fd, static_cast<off_t>(bytes.size())) != 0)
        return errno;
    if (const int error = sync(file.fd))
        return error;
    return file.close_checked() == 0 ? 0 : errno;
}

// refusal(), with what is there (when `exists`) for the save to keep.
Result<qint64> look(const QByteArray& path, Links links, struct stat& info, bool& exists)
{
    exists = (links == Links::follow ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info)) == 0;
    if (!exists) {
        const int error = errno;
        if (error == ENOENT)
            return qint64(-1);
        return Problem{Problem::Kind::cannot_open, error, std::strerror(error)};
    }
    if (!S_ISREG(info.st_mode))
        return Problem{Problem::Kind::not_regular, 0, not_regular_text(info.st_mode)};
    if (links == Links::refuse && info.st_nlink > 1)
        return Problem{Problem::Kind::refused, 0, "has other names (hard links)"};
    return static_cast<qint64>(info.st_size);
}

}  // namespace

Result<qint64> refusal(const QString& path, Links links)
{
    struct stat info {};
    bool exists = false;
    return look(QFile::encodeName(path), links, info, exists);
}

QString refused_read(const QString& path, const Problem& read)
{
    const QString reason = QString::fromLocal8Bit(read.text.c_str());
    return read.kind == Problem::Kind::not_regular ? QStringLiteral("%1: %2, left as it is").arg(path, reason)
                                                   : QStringLiteral("%1: cannot read: %2").arg(path, reason);
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

Result<void> replace_file(const QString& path, std::string_view bytes, Links links)
{
    const QByteArray target = QFile::encodeName(links == Links::follow ? save_target(path) : path);
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const auto disk_error = [&folder](int error) {
        return Problem{Problem::Kind::cannot_write, error, write_error_text(error, folder.toStdString())};
    };
    const auto refused = [](int error) { return Problem{Problem::Kind::cannot_write, error, std::strerror(error)}; };

    struct stat old {};
    bool exists = false;
    if (const Result<qint64> there = look(target, links, old, exists); !there.ok())
        return there.problem();
    if (exists && ::access(target.constData(), W_OK) != 0)
        return refused(errno);

    // A name of this process's own in the same folder, so the rename is atomic.
    static std::atomic<int> serial{0};
    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        temporary = target + save_infix + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial++);
        file.fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (file.fd < 0 && errno != EEXIST)
            return disk_error(errno);
    }
    if (file.fd < 0)
        return refused(EEXIST);

    int error = 0;
    if (exists && ::fchmod(file.fd, old.st_mode & 07777) != 0)
        error = errno;
    if (!error && !write_all(file.fd, bytes))
        error = errno;
    if (!error)
        error = sync(file.fd);
    if (file.close_checked() != 0 && !error)
        error = errno;
    // A file with other names is kept one file: the complete, synced copy is
    // written over it in place instead of renamed onto it.
    const bool in_place = exists && old.st_nlink > 1;
    if (!error && in_place)
        error = write_in_place(target, bytes);
    else if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error || in_place) {
        ::unlink(temporary.constData());
        if (error)
            return disk_error(error);
    }

    // The new name itself reaches the disk with the folder; the file is in
    // place whatever this says, so it cannot fail the save.
    if (Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)}; dir.fd >= 0)
        ::fsync(dir.fd);
    return {};
}

void remove_dead_saves(const QString& target)
{
    const QFileInfo info(target);
    remove_leftovers(QFile::encodeName(info.absolutePath()).toStdString(),
                     QFile::encodeName(info.fileName()).toStdString() + save_infix);
}

}  // namespace wd
