#include "leftovers.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <unistd.h>

namespace wd {

namespace {

// The process id in "<pid>-<n>", or 0 when the rest is not of that form.
pid_t writer_of(const std::string& rest)
{
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == rest.size())
        return 0;
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (i != dash && (rest[i] < '0' || rest[i] > '9'))
            return 0;
    const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
    return pid > 0 ? static_cast<pid_t>(pid) : 0;
}

bool gone(pid_t pid)
{
    // EPERM: alive, only someone else's.
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

int remove_leftovers(const std::string& folder, const std::string& prefix)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const pid_t pid = writer_of(name.substr(prefix.size()));
        if (pid > 0 && pid != ::getpid() && gone(pid) && ::unlinkat(::dirfd(dir.get()), name.c_str(), 0) == 0)
            ++removed;
    }
    return removed;
}

}  // namespace wd
