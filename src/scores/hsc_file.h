#pragma once
// Moving the high-score table between hsc.dat and its buffer, with every
// system call checked: a failure is reported, never taken for success.

#include "hsc_table.h"

#include "files/problem.h"

#include <QString>

#include <string>

namespace wd::hsc {

// Reads the table's file, refusing anything but a regular file (or a link to
// one) without ever blocking on a FIFO or a device, nor for more than a second
// on a stalled mount. The bytes of a table in the format, or the problem: no
// file there (Problem::no_file()), a regular file out of format
// (Kind::damaged), or one not regular or that could not be opened or read
// (any other kind). The text says what is wrong, without the file's name.
Result<std::string> read_file(const QString& path);

// Replaces the file with the text's bytes in one step (replace_file(), links
// followed). Any failure leaves the old file whole and returns replace_file()'s
// problem, its text the whole sentence: "PATH: cannot save the high scores:
// REASON". A read-only table is not replaced.
Result<void> write_table(const QString& path, std::string_view text);

// Renames a damaged table to path.damaged, or path.damaged.N when that is
// taken, never replacing a file. Returns the new path, or why it failed
// (Kind::cannot_write, or Kind::refused when every name is taken).
Result<QString> move_aside(const QString& path);

}  // namespace wd::hsc
