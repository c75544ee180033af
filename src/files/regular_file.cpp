#include "regular_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wd {

namespace {
Problem failed(Problem::Kind kind, int error)
{
    return {kind, error, std::strerror(error)};
}

Problem not_regular(mode_t mode)
{
    return {Problem::Kind::not_regular, 0, not_regular_text(mode)};
}

Result<std::string> read_regular(const std::string& path, std::size_t cap)
{
    // Look before opening: opening a FIFO or a device can block or act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        struct stat link {};
        if (error != ENOENT)
            return failed(Problem::Kind::cannot_open, error);
        return failed(::lstat(path.c_str(), &link) == 0 ? Problem::Kind::dangling_link : Problem::Kind::missing, error);
    }
    if (!S_ISREG(info.st_mode))
        return not_regular(info.st_mode);
    // O_NONBLOCK and a second look on what was opened: the name may have been
    // swapped for a FIFO between the two.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(Problem::Kind::cannot_open, errno);
    Result<std::string> result = std::string();
    if (::fstat(fd, &info) != 0) {
        result = failed(Problem::Kind::cannot_open, errno);
    } else if (!S_ISREG(info.st_mode)) {
        result = not_regular(info.st_mode);
    } else {
        std::string& bytes = result.value();
        // Room for what the file holds now and a byte to see its end, not for the
        // cap: zeroing a megabyte a sprite cost page faults, and kept the pages.
        bytes.resize(std::min(cap, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1));
        std::size_t got = 0;
        while (got < cap) {
            if (got == bytes.size())
                bytes.resize(std::min(cap, 2 * bytes.size()));  // it grew since, or tells no size
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = failed(Problem::Kind::cannot_read, errno);
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (result.ok())
            bytes.resize(got);
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

std::string kind_of(const Problem& not_regular)
{
    // The text not_regular_text() wrote: what stands between the brackets.
    const std::string& text = not_regular.text;
    const std::size_t open = text.find('(');
    if (open == std::string::npos || text.empty() || text.back() != ')')
        return kind_of(mode_t{});
    return text.substr(open + 1, text.size() - open - 2);
}

Result<std::string> read_timed(const std::string& path, std::size_t cap)
{
    return std::move(read_timed(std::vector<std::string>{path}, cap).front());
}

std::vector<Result<std::string>> read_timed(const std::vector<std::string>& paths, std::size_t cap)
{
    // Shared with the readers: one that stalls may finish long after this returns.
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::size_t left = 0;
        // Each stays too slow until its reader answers.
        std::vector<Result<std::string>> results;
    };
    auto shared = std::make_shared<Shared>();
    shared->left = paths.size();
    shared->results.assign(paths.size(), Problem{Problem::Kind::too_slow, 0, no_answer});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(read_limit_ms);
    // One reader a folder, reading its files in turn: a stalled mount holds up
    // only its own folder's files, and a thread a file cost more than the reads.
    std::map<std::string, std::vector<std::size_t>> folders;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::size_t slash = paths[i].rfind('/');
        folders[slash == std::string::npos ? std::string() : paths[i].substr(0, slash)].push_back(i);
    }
    for (auto& [folder, files] : folders) {
        auto read = [shared, paths, files = std::move(files), cap] {
            for (const std::size_t i : files) {
                Result<std::string> result = read_regular(paths[i], cap);
                const std::lock_guard<std::mutex> hold(shared->mutex);
                shared->results[i] = std::move(result);
                --shared->left;
                shared->done.notify_all();
            }
        };
        try {
            std::thread(read).detach();
        } catch (const std::system_error&) {
            read();  // no thread to spare: read here
        }
    }
    std::unique_lock<std::mutex> hold(shared->mutex);
    shared->done.wait_until(hold, deadline, [&] { return shared->left == 0; });
    // Slot by slot: a reader still stalled writes its own later.
    std::vector<Result<std::string>> results;
    results.reserve(paths.size());
    for (Result<std::string>& result : shared->results)
        results.push_back(std::move(result));
    return results;
}

}  // namespace wd
