#include "write_errors.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace wd {

std::string write_error_text(int error, const std::string& folder)
{
    std::string text = std::strerror(error);
    struct statvfs disk {};
    if (error == ENOSPC && ::statvfs(folder.c_str(), &disk) == 0 && disk.f_files > 0 && disk.f_favail == 0
        && disk.f_bavail > 0)
        text += " (no inodes left)";
    return text;
}

int create_error(const std::string& folder, const std::string& probe_name)
{
    const std::string path = folder + '/' + probe_name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0)
        return errno;
    // Longer than a lock file's lines (process, program, host, machine and
    // boot ids), so a file-size limit that stopped a lock stops this too.
    const std::string probe(512, 'p');
    int error = 0;
    for (std::size_t done = 0; !error && done < probe.size();) {
        const ssize_t n = ::write(fd, probe.data() + done, probe.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = n < 0 ? errno : ENOSPC;
        else
            done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && !error)
        error = errno;
    ::unlink(path.c_str());
    return error;
}

int likely_create_error(const std::string& folder, const std::string& probe_name)
{
    if (const int error = create_error(folder, probe_name))
        return error;
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) != 0)
        return EIO;
    if (disk.f_flag & ST_RDONLY)
        return EROFS;
    if (disk.f_bavail == 0 || (disk.f_files > 0 && disk.f_favail == 0))
        return ENOSPC;
    return EIO;
}

void let_size_limit_fail_writes()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace wd
