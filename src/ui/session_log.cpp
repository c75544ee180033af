#include "session_log.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace wd {

bool is_session_log(int fd)
{
    struct stat info {};
    if (isatty(fd) || fstat(fd, &info) != 0)
        return false;
    if (S_ISREG(info.st_mode))
        return true;
    // "dev:inode" of the stream a systemd unit's output goes to the journal by.
    const char* stream = std::getenv("JOURNAL_STREAM");
    unsigned long long device = 0;
    unsigned long long inode = 0;
    return stream && std::sscanf(stream, "%llu:%llu", &device, &inode) == 2 && device == info.st_dev
        && inode == info.st_ino;
}

}  // namespace wd
