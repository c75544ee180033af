#pragma once
// Moving the high-score table between hsc.dat and its buffer, with every
// system call checked: a failure is reported, never taken for success.

#include "hsc_table.h"

#include <QString>

#include <optional>
#include <string>

namespace wd::hsc {

// What is at the table's path.
struct FileRead {
    enum class Status {
        read,        // a table in the format
        missing,     // no file there
        damaged,     // a regular file, but out of format
        unreadable,  // not a regular file, or it could not be opened or read
    };
    Status status = Status::missing;
    std::string bytes;  // what was read, when read or damaged
    QString reason;     // what is wrong, when damaged or unreadable
};

// Reads the file, refusing anything but a regular file (or a link to one)
// without ever blocking on a FIFO or a device, nor for more than a second on a
// stalled mount.
FileRead read_file(const QString& path);

// Replaces the file with the text's bytes in one step (replace_file(), links
// followed). Any failure leaves the old file whole and returns the reason. A
// read-only table is not replaced.
std::optional<QString> write_table(const QString& path, std::string_view text);

// Renames a damaged table to path.damaged, or path.damaged.N when that is
// taken, never replacing a file. Returns the new path, or the reason it failed.
struct MovedAside {
    QString path;
    QString error;
};
MovedAside move_aside(const QString& path);

}  // namespace wd::hsc
