#pragma once
// Moving the high-score table between hsc.dat and its buffer.

#include "hsc_table.h"

#include <QString>

namespace wd::hsc {

struct FileState {
    // False when the file exists but could not be read or is out of format:
    // it is then left exactly as it was found.
    bool may_write = true;
    QString warning;  // names the file and the problem; empty when all is well
};

// Fills `text` with the file's table, or with the built-in one when the file is
// missing or cannot be trusted.
FileState read_table(const QString& path, char (&text)[text_capacity]);

// Replaces the file with the text's bytes in one step: a crash or a full disk
// leaves the old file whole. Returns the reason on failure.
std::optional<QString> write_table(const QString& path, std::string_view text);

}  // namespace wd::hsc
