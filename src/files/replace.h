#pragma once
// Saving a whole file in one step, and what a save does with what it finds at
// the file's name. Every file the game writes goes through here.

#include "regular_file.h"

#include <QString>

#include <string_view>

namespace wd {

// What a save does with a name that is a symbolic link, or with a file that
// has other names (hard links).
enum class Links {
    follow,  // writes the file a link names; a file of several names is written in place, so every name sees it
    refuse,  // leaves either as it is: only a regular file of one name is replaced
};

// The size of the file at `path` when a save may replace it (-1 when nothing
// is there), or why the save must leave it as it is: Kind::not_regular ("not
// a regular file (a FIFO)"), Kind::refused ("has other names (hard links)"),
// or Kind::cannot_open with the system's reason.
Result<qint64> refusal(const QString& path, Links links);

// "PATH: not a regular file (a FIFO), left as it is" or "PATH: cannot read:
// REASON", for a file read whole before it is replaced.
QString refused_read(const QString& path, const Problem& read);

// The path a save under Links::follow writes to: a link is followed hop by hop
// to the file it names, also to one that is not there yet.
QString save_target(const QString& path);

// Replaces the file with `bytes` in one step: a temporary beside it
// (<file>.save-<pid>-<n>) is written with the old file's mode, synced and
// renamed over it, then the folder is synced. A read-only file is not
// replaced. Any failure leaves the old file whole and no temporary behind,
// and returns why: a refusal() problem, or Kind::cannot_write with the errno
// and the system's reason ("File too large", "Permission denied").
Result<void> replace_file(const QString& path, std::string_view bytes, Links links);

// Removes the temporaries of saves of `target` (a save_target()) whose
// process is gone. Call only while holding the file's lock.
void remove_dead_saves(const QString& target);

}  // namespace wd
