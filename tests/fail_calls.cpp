// Preloaded into a saving process to make system calls fail or stall as a
// failing or slow disk does:
//   WD_FAIL=call       fsync, rename, close (of a save's temporary file) or
//                      create (an open that makes a file) fails; read:SUFFIX
//                      fails the reads of a file whose name ends in SUFFIX
//   WD_ERRNO=n         with this error instead of EIO
//   WD_FAIL_TIMES=n    only the first n times
//   WD_SHORT_READ=n    every read returns at most n bytes
//   WD_SLOW=call:ms[:suffix,...]  fsync or read takes ms longer, only of a
//                      file whose name ends in one of the suffixes when they
//                      are given; "name*" is a file whose name starts so

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <time.h>
#include <unistd.h>

namespace {
std::atomic<int> failures{0};

bool failing(const char* call)
{
    const char* which = std::getenv("WD_FAIL");
    if (!which || std::strcmp(which, call) != 0)
        return false;
    if (const char* times = std::getenv("WD_FAIL_TIMES"); times && failures.load() >= std::atoi(times))
        return false;
    ++failures;
    const char* code = std::getenv("WD_ERRNO");
    errno = code ? std::atoi(code) : EIO;
    return true;
}

std::string name_of(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

bool ends_with(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The delay WD_SLOW asks for this call on this descriptor, in ms.
long slow(const char* call, int fd)
{
    const char* setting = std::getenv("WD_SLOW");
    const std::size_t length = std::strlen(call);
    if (!setting || std::strncmp(setting, call, length) != 0 || setting[length] != ':')
        return 0;
    char* rest = nullptr;
    const long ms = std::strtol(setting + length + 1, &rest, 10);
    if (!rest || *rest != ':')
        return ms;
    const std::string name = name_of(fd);
    for (const char* suffix = rest + 1; *suffix;) {
        const std::size_t part = std::strcspn(suffix, ",");
        const std::string wanted(suffix, part);
        const std::string base = name.substr(name.rfind('/') + 1);
        if (!wanted.empty() && wanted.back() == '*' ? base.starts_with(wanted.substr(0, part - 1))
                                                   : ends_with(name, wanted))
            return ms;
        suffix += part + (suffix[part] == ',');
    }
    return 0;
}

void pause_for(long ms)
{
    timespec time{ms / 1000, (ms % 1000) * 1000000};
    while (::nanosleep(&time, &time) != 0 && errno == EINTR) {
    }
}

template <typename F>
F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using Open = int (*)(const char*, int, ...);

int open_with(Open real, const char* path, int flags, va_list args)
{
    const mode_t mode = (flags & O_CREAT) ? static_cast<mode_t>(va_arg(args, int)) : 0;
    if ((flags & O_CREAT) && failing("create"))
        return -1;
    return real(path, flags, mode);
}
}  // namespace

extern "C" int fsync(int fd)
{
    if (failing("fsync"))
        return -1;
    if (const long ms = slow("fsync", fd))
        pause_for(ms);
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    if (failing("rename"))
        return -1;
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

extern "C" int close(int fd)
{
    static const auto real = next<int (*)(int)>("close");
    // Only a save's own temporary file: every other close goes through.
    const char* which = std::getenv("WD_FAIL");
    if (which && std::strcmp(which, "close") == 0 && name_of(fd).find(".save-") != std::string::npos) {
        real(fd);  // the descriptor is gone all the same, as on Linux
        return failing("close") ? -1 : 0;
    }
    return real(fd);
}

extern "C" ssize_t read(int fd, void* buffer, size_t size)
{
    if (const char* which = std::getenv("WD_FAIL");
        which && std::strncmp(which, "read:", 5) == 0 && ends_with(name_of(fd), which + 5) && failing(which))
        return -1;
    if (const char* most = std::getenv("WD_SHORT_READ"); most && size > static_cast<size_t>(std::atoi(most)))
        size = static_cast<size_t>(std::atoi(most));
    if (const long ms = slow("read", fd))
        pause_for(ms);
    static const auto real = next<ssize_t (*)(int, void*, size_t)>("read");
    return real(fd, buffer, size);
}

extern "C" int open(const char* path, int flags, ...)
{
    static const auto real = next<Open>("open");
    va_list args;
    va_start(args, flags);
    const int fd = open_with(real, path, flags, args);
    va_end(args);
    return fd;
}

extern "C" int open64(const char* path, int flags, ...)
{
    static const auto real = next<Open>("open64");
    va_list args;
    va_start(args, flags);
    const int fd = open_with(real, path, flags, args);
    va_end(args);
    return fd;
}
