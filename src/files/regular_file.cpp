#include "regular_file.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wd {

namespace {
RegularFile read_regular(const std::string& path, std::size_t cap)
{
    RegularFile result;
    // Look before opening: opening a FIFO or a device can block or act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.error = errno;
        struct stat link {};
        result.fault = result.error == ENOENT ? RegularFile::Fault::missing : RegularFile::Fault::cannot_open;
        result.dangling_link = result.error == ENOENT && ::lstat(path.c_str(), &link) == 0;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.fault = RegularFile::Fault::not_regular;
        result.mode = info.st_mode;
        return result;
    }
    // O_NONBLOCK and a second look on what was opened: the name may have been
    // swapped for a FIFO between the two.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.fault = RegularFile::Fault::cannot_open;
        result.error = errno;
        return result;
    }
    if (::fstat(fd, &info) != 0) {
        result.fault = RegularFile::Fault::cannot_open;
        result.error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        result.fault = RegularFile::Fault::not_regular;
        result.mode = info.st_mode;
    } else {
        result.bytes.resize(cap);
        std::size_t got = 0;
        while (got < cap) {
            const ssize_t n = ::read(fd, result.bytes.data() + got, cap - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.fault = RegularFile::Fault::cannot_read;
                result.error = errno;
                got = 0;
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        result.bytes.resize(got);
    }
    ::close(fd);
    return result;
}
}  // namespace

const char* kind_of(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISLNK(mode))
        return "a symbolic link";
    return "not a file";
}

std::string not_regular_text(mode_t mode)
{
    return std::string("not a regular file (") + kind_of(mode) + ')';
}

std::string fault_text(const RegularFile& file)
{
    switch (file.fault) {
    case RegularFile::Fault::not_regular: return not_regular_text(file.mode);
    case RegularFile::Fault::too_slow: return no_answer;
    default: return std::strerror(file.error);
    }
}

RegularFile read_timed(const std::string& path, std::size_t cap)
{
    return std::move(read_timed(std::vector<std::string>{path}, cap).front());
}

std::vector<RegularFile> read_timed(const std::vector<std::string>& paths, std::size_t cap)
{
    // Shared with the readers: one that stalls may finish long after this returns.
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::size_t left = 0;
        std::vector<RegularFile> results;
        std::vector<bool> finished;
    };
    auto shared = std::make_shared<Shared>();
    shared->left = paths.size();
    shared->results.resize(paths.size());
    shared->finished.resize(paths.size());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(read_limit_ms);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto read = [shared, i, path = paths[i], cap] {
            RegularFile result = read_regular(path, cap);
            const std::lock_guard<std::mutex> hold(shared->mutex);
            shared->results[i] = std::move(result);
            shared->finished[i] = true;
            --shared->left;
            shared->done.notify_all();
        };
        try {
            std::thread(read).detach();
        } catch (const std::system_error&) {
            read();  // no thread to spare: read here
        }
    }
    std::unique_lock<std::mutex> hold(shared->mutex);
    shared->done.wait_until(hold, deadline, [&] { return shared->left == 0; });
    std::vector<RegularFile> results(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (shared->finished[i])
            results[i] = std::move(shared->results[i]);
        else
            results[i].fault = RegularFile::Fault::too_slow;
    }
    return results;
}

}  // namespace wd
