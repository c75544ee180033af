// Preloaded into a saving process to make one system call fail with EIO, as a
// failing disk does: WD_FAIL names the call, fsync or rename.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {
bool failing(const char* call)
{
    const char* which = std::getenv("WD_FAIL");
    return which && std::strcmp(which, call) == 0;
}

template <typename F>
F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" int fsync(int fd)
{
    if (failing("fsync")) {
        errno = EIO;
        return -1;
    }
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    if (failing("rename")) {
        errno = EIO;
        return -1;
    }
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}
