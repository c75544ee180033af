#pragma once
// The statistics file beside the table, shared by every game that plays from
// that folder. Each game keeps what it did since it last saved and adds it to
// the file under the file's lock, so two games together lose no count.

#include "statistics.h"

#include <QString>

namespace wd {

class StatisticsFile {
public:
    explicit StatisticsFile(QString path) : where(std::move(path)) {}

    const QString& path() const { return where; }
    // What this run did that the file does not hold yet.
    Statistics& unsaved() { return tally; }
    // What the file holds with this run's unsaved counts; `problem` says why
    // the file's part is missing, if it is.
    Statistics shown(QString& problem) const;
    // One try at adding the unsaved counts to the file, waiting `wait_ms` for
    // its lock. A damaged file is moved aside (and told) and started afresh;
    // false when the counts stay unsaved, told on standard error unless only
    // another game's lock held them out of a try that does not wait.
    bool save(int wait_ms);

private:
    QString where;
    Statistics tally;
};

}  // namespace wd
