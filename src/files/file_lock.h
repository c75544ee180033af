#pragma once
// The lock beside a file that the games sharing it take before they read it
// and replace it.

#include "problem.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace wd {

class FileLock {
public:
    // Tries for at most `wait_ms`. A lock older than `stale_ms` was left by a
    // game that hung or died holding it, and is taken over; each caller says
    // why its time is what it is.
    FileLock(const QString& path, int stale_ms, int wait_ms);

    bool held() const { return taken.ok(); }
    // Why it is not held (ask only then): Kind::busy, "another game kept LOCK
    // locked"; Kind::not_regular, "the lock LOCK is not a regular file (a
    // FIFO)"; or Kind::cannot_write with the errno, "cannot create the lock
    // LOCK: REASON".
    const Problem& problem() const { return taken.problem(); }
    // Another game holds it.
    bool busy() const { return !held() && problem().kind == Problem::Kind::busy; }

private:
    std::unique_ptr<QLockFile> lock;
    Result<void> taken;
};

}  // namespace wd
