#pragma once
// Temporary files that a killed save left behind. Each saving process names
// its temporary files PREFIX + its process id + '-' + a serial number, so a
// save that holds the lock can tell which ones nobody is writing any more.

#include <string>

namespace wd {

// Removes every PREFIX<pid>-<n> in `folder` whose process is gone. Call only
// while holding the lock of the file the temporaries were for. Returns how
// many were removed.
int remove_leftovers(const std::string& folder, const std::string& prefix);

}  // namespace wd
