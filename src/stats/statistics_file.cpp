#include "statistics_file.h"

#include "files/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cstdio>
#include <cstring>

namespace wd {

namespace {
constexpr std::size_t size_cap = 1 << 20;

enum class Read { fine, missing, damaged, unreadable };

Read read_counts(const QString& path, Statistics& counts, QString& problem)
{
    const RegularFile file = read_timed(QFile::encodeName(path).toStdString(), size_cap + 1);
    switch (file.fault) {
    case RegularFile::Fault::none: break;
    case RegularFile::Fault::missing: return Read::missing;
    case RegularFile::Fault::not_regular:
        problem = QStringLiteral("%1: not a regular file (%2), left as it is")
                      .arg(path, QString::fromLatin1(kind_of(file.mode)));
        return Read::unreadable;
    case RegularFile::Fault::too_slow:
        problem = QStringLiteral("%1: cannot read: %2").arg(path, QString::fromLatin1(no_answer));
        return Read::unreadable;
    default:
        problem = QStringLiteral("%1: cannot read: %2").arg(path, QString::fromLocal8Bit(std::strerror(file.error)));
        return Read::unreadable;
    }
    if (file.bytes.size() > size_cap) {
        problem = QStringLiteral("%1: too big for a statistics file").arg(path);
        return Read::damaged;
    }
    const ParsedStatistics parsed = parse_statistics(file.bytes);
    if (!parsed.error.empty()) {
        problem = QStringLiteral("%1: %2").arg(path, QString::fromStdString(parsed.error));
        return Read::damaged;
    }
    counts = parsed.statistics;
    return Read::fine;
}

void tell(const QString& text)
{
    std::fprintf(stderr, "whiskerdash: %s\n", qPrintable(text));
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
    QLockFile lock(where + QStringLiteral(".lock"));
    lock.setStaleLockTime(1000);  // a save holds it for a millisecond or so
    if (!lock.tryLock(wait_ms)) {
        if (lock.error() != QLockFile::LockFailedError)
            tell(QStringLiteral("%1.lock: cannot create the lock; this run's statistics are not saved").arg(where));
        else if (wait_ms > 0)
            tell(QStringLiteral("%1: another game kept it locked; this run's statistics are not saved").arg(where));
        return false;
    }
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
    const std::string text = render_statistics(counts);
    QSaveFile file(where);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size())
        || !file.commit()) {
        tell(QStringLiteral("%1: cannot save the statistics: %2").arg(where, file.errorString()));
        return false;
    }
    tally = {};
    return true;
}

}  // namespace wd
