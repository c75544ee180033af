#include "statistics_file.h"
#include "files/tell.h"

#include "files/file_lock.h"
#include "files/regular_file.h"
#include "files/replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>


namespace wd {

namespace {
constexpr std::size_t size_cap = 1 << 20;

enum class Read { fine, missing, damaged, unreadable };

Read read_counts(const QString& path, Statistics& counts, QString& problem)
{
    const Result<std::string> file = read_timed(QFile::encodeName(path).toStdString(), size_cap + 1);
    if (!file.ok() && file.problem().no_file())
        return Read::missing;
    if (!file.ok()) {
        problem = refused_read(path, file.problem());
        return Read::unreadable;
    }
    if (file.value().size() > size_cap) {
        problem = QStringLiteral("%1: too big for a statistics file").arg(path);
        return Read::damaged;
    }
    Result<Statistics> parsed = parse_statistics(file.value());
    if (!parsed.ok()) {
        problem = QStringLiteral("%1: %2").arg(path, QString::fromStdString(parsed.problem().text));
        return Read::damaged;
    }
    counts = std::move(parsed).value();
    return Read::fine;
}

void tell(const QString& text)
{
    tell_stderr(text.toStdString());
}
}  // namespace

Statistics StatisticsFile::shown(QString& problem) const
{
    Statistics counts;
    read_counts(where, counts, problem);
    counts.add(tally);
    return counts;
}

bool StatisticsFile::save(int wait_ms)
{
    if (tally.empty())
        return true;
    if (!QDir().mkpath(QFileInfo(where).absolutePath())) {
        tell(QStringLiteral("%1: cannot make its folder; the statistics of this run are not saved").arg(where));
        return false;
    }
    // A save holds the lock for a millisecond or so, and the counts it keeps
    // out are saved at the next end: a second is a game that hung or died.
    const FileLock lock(where + QStringLiteral(".lock"), 1000, wait_ms);
    if (!lock.held()) {
        if (!lock.busy() || wait_ms > 0)
            tell(QString::fromStdString(lock.problem().text) + QStringLiteral("; this run's statistics are not saved"));
        return false;
    }
    remove_dead_saves(save_target(where));
    Statistics counts;
    QString problem;
    switch (read_counts(where, counts, problem)) {
    case Read::fine:
    case Read::missing: break;
    case Read::unreadable: tell(problem); return false;
    case Read::damaged: {
        // Kept for whoever wants to look; the counts start again from this run's.
        const QString aside = where + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (!QFile::rename(where, aside)) {
            tell(problem + QStringLiteral("; cannot move it aside, so it is left as it is"));
            return false;
        }
        tell(problem + QStringLiteral("; moved aside to %1").arg(aside));
        counts = {};
        break;
    }
    }
    counts.add(tally);
    // Beside the table, and kept as the table is: through a link, and in place for a second name.
    if (const Result<void> saved = replace_file(where, render_statistics(counts), Links::follow); !saved.ok()) {
        tell(QStringLiteral("%1: cannot save the statistics: %2")
                 .arg(where, QString::fromStdString(saved.problem().text)));
        return false;
    }
    tally = {};
    return true;
}

}  // namespace wd
