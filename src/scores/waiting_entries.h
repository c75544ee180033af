#pragma once
// Entries a game could not put in the table before it ended, because another
// game held the table's lock all the while. Each such game leaves its entries
// in a small file of its own beside the table (TABLE.waiting-PID-N); the next
// game to save takes the lock, ranks them into the table, writes it and only
// then removes the files, so each entry goes in once.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wd::hsc {

struct WaitingEntry {
    std::string name;
    int score = 0;
    bool operator==(const WaitingEntry&) const = default;
};

// The file's bytes: a first line naming the format, then "SCORE NAME" a line.
std::string waiting_text(const std::vector<WaitingEntry>& entries);
// The entries, or nothing when the bytes are not such a file.
std::optional<std::vector<WaitingEntry>> parse_waiting(std::string_view bytes);

// The waiting files beside `target` (the table's own file), oldest name first.
QStringList waiting_files(const QString& target);
// A name for a new waiting file of this process beside `target`.
QString new_waiting_file(const QString& target);

}  // namespace wd::hsc
