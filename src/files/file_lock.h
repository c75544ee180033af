#pragma once
// The lock beside a file that the games sharing it take before they read it
// and replace it.

#include <QLockFile>
#include <QString>

#include <memory>

namespace wd {

class FileLock {
public:
    enum class Fault { none, busy, not_regular, cannot_create };

    // Tries for at most `wait_ms`. A lock older than `stale_ms` was left by a
    // game that hung or died holding it, and is taken over; each caller says
    // why its time is what it is.
    FileLock(const QString& path, int stale_ms, int wait_ms);

    bool held() const { return why == Fault::none; }
    Fault fault() const { return why; }
    // "another game kept LOCK locked", "the lock LOCK is not a regular file
    // (a FIFO)" or "cannot create the lock LOCK: REASON".
    const QString& problem() const { return text; }

private:
    std::unique_ptr<QLockFile> lock;
    Fault why = Fault::none;
    QString text;
};

}  // namespace wd
