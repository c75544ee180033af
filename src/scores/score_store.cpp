#include "score_store.h"

#include "hsc_file.h"
#include "waiting_entries.h"

#include "files/leftovers.h"
#include "files/regular_file.h"
#include "files/write_errors.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace wd::hsc {

namespace {

// A save holds the lock for milliseconds: one older than this was left by a
// game that hung or died while saving.
constexpr int stale_lock_ms = 10000;

QString lock_name(const QString& table)
{
    return save_target(table) + QStringLiteral(".lock");
}

}  // namespace

std::unique_ptr<QLockFile> ScoreStore::take_lock(int wait_ms, LockFault& fault, QString& problem)
{
    const QString name = lock_name(file);
    const QByteArray native = QFile::encodeName(name);
    // The lock class would wait its whole time on anything but a file of its
    // own, and block on a FIFO: such a lock is told at once.
    if (struct stat info {}; ::lstat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        fault = LockFault::not_regular;
        problem = QStringLiteral("the lock %1 is not a regular file (%2); remove it to save")
                      .arg(name, QString::fromLatin1(kind_of(info.st_mode)));
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(name);
    lock->setStaleLockTime(stale_lock_ms);
    if (lock->tryLock(wait_ms)) {
        fault = LockFault::none;
        return lock;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        fault = LockFault::busy;
        problem = QStringLiteral("another game kept %1 locked").arg(name);
        return nullptr;
    }
    // The lock class keeps no reason of its own: a file made the same way tells it.
    fault = LockFault::cannot_create;
    const std::string folder = QFile::encodeName(QFileInfo(name).absolutePath()).toStdString();
    const std::string probe = QFile::encodeName(QFileInfo(name).fileName()).toStdString() + ".probe-"
        + std::to_string(::getpid());
    const int error = likely_create_error(folder, probe);
    problem = QStringLiteral("cannot create the lock %1: %2")
                  .arg(name, QString::fromLocal8Bit(write_error_text(error, folder).c_str()));
    return nullptr;
}


ScoreStore::ScoreStore(const QString& path, NoticeSink notice)
    : file(QFileInfo(path).absoluteFilePath())
    , notice(std::move(notice))
{
}

void ScoreStore::tell(const QString& text) const
{
    if (notice)
        notice(text);
}

bool ScoreStore::read_base(std::string& base, bool locked, QString& failure)
{
    FileRead read = read_file(file);
    std::unique_ptr<QLockFile> lock;
    if (read.status == FileRead::Status::damaged && !locked) {
        // Moved aside only under the lock: another game may be replacing it.
        // Not waited for: a game's next save, which waits, moves it then.
        QString problem;
        LockFault fault = LockFault::none;
        lock = take_lock(0, fault, problem);
        if (!lock) {
            failure = QStringLiteral("%1; %2, so it is left as it is").arg(read.reason, problem);
            return false;
        }
        read = read_file(file);
    }
    switch (read.status) {
    case FileRead::Status::read:
        base = read.bytes;
        return true;
    case FileRead::Status::missing:
        base = default_table();
        return true;
    case FileRead::Status::damaged:
        // Through links, the damaged file itself moves: the link stays and
        // the fresh table is saved where it points.
        if (const MovedAside moved = move_aside(save_target(file)); moved.error.isEmpty()) {
            tell(QStringLiteral("%1: %2; moved aside to %3, a fresh table takes its place")
                     .arg(file, read.reason, moved.path));
            base = default_table();
            return true;
        } else {
            failure = QStringLiteral("%1; cannot move it aside (%2), so it is left as it is")
                          .arg(read.reason, moved.error);
            return false;
        }
    case FileRead::Status::unreadable:
        failure = QStringLiteral("cannot read: %1; the file is left as it is").arg(read.reason);
        return false;
    }
    return false;
}

void ScoreStore::rank_unsaved_into(Table& text) const
{
    for (const Entry& entry : unsaved)
        text.insert(entry.score, entry.name);
}

// The entries other games left waiting, ranked into the text; returns their
// files, to remove once the text is saved. Call only while holding the lock.
QStringList ScoreStore::merge_waiting_into(Table& text)
{
    constexpr std::size_t cap = 8 * 1024;  // a hundred entries and the first line
    QStringList merged;
    for (const QString& path : waiting_files(save_target(file))) {
        const RegularFile read = read_timed(QFile::encodeName(path).toStdString(), cap + 1);
        if (read.fault == RegularFile::Fault::missing)
            continue;
        const auto entries = read.fault == RegularFile::Fault::none && read.bytes.size() <= cap
            ? parse_waiting(read.bytes)
            : std::nullopt;
        if (!entries) {
            // Never merged half, never tried again at every save.
            const MovedAside moved = move_aside(path);
            tell(moved.error.isEmpty()
                     ? QStringLiteral("%1: not a list of waiting entries; moved aside to %2").arg(path, moved.path)
                     : QStringLiteral("%1: not a list of waiting entries, and cannot move it aside (%2)")
                           .arg(path, moved.error));
            continue;
        }
        for (const WaitingEntry& entry : *entries)
            text.insert(entry.score, entry.name);
        merged << path;
    }
    return merged;
}

void ScoreStore::load(Table& text)
{
    if (format_problem(text.bytes()))
        text = Table(default_table());  // nothing to show yet
    std::string base;
    QString failure;
    if (!read_base(base, false, failure)) {
        tell(file + QStringLiteral(": ") + failure);
        return;
    }
    text = Table(base);
    rank_unsaved_into(text);
    // Entries other games left at their end go in before anything else is
    // shown; a lock held now leaves them for the next save.
    if (!waiting_files(save_target(file)).isEmpty())
        save_within(text, 0, false);
}

bool ScoreStore::add(Table& text, Slot slot, std::string_view name, int score)
{
    if (!text.insert(slot, name, score)) {
        tell(QStringLiteral("%1: score %2 is too wide for the table's entries").arg(file).arg(score));
        return false;
    }
    unsaved.push_back({std::string(name), score});
    return true;
}

bool ScoreStore::save(Table& text)
{
    return save_within(text, lock_wait_ms, true) == Saved::yes;
}

ScoreStore::Saved ScoreStore::save_within(Table& text, int wait_ms, bool tell_busy)
{
    const QString failed = file + QStringLiteral(": cannot save the high scores: ");
    QString problem;
    LockFault fault = LockFault::none;
    const auto lock = take_lock(wait_ms, fault, problem);
    if (!lock) {
        // A lock that is not a file stays so: told once, not at every try.
        const bool again = fault == LockFault::not_regular && told_lock_fault;
        told_lock_fault = told_lock_fault || fault == LockFault::not_regular;
        if ((fault != LockFault::busy || tell_busy) && !again)
            tell(failed + problem);
        return fault == LockFault::busy ? Saved::lock_busy : Saved::failed;
    }
    const QString target = save_target(file);
    remove_leftovers(QFile::encodeName(QFileInfo(target).absolutePath()).toStdString(),
                     QFile::encodeName(QFileInfo(target).fileName()).toStdString() + ".save-");
    std::string base;
    if (!read_base(base, true, problem)) {
        tell(failed + problem);
        return Saved::failed;
    }
    Table merged(base);
    const QStringList waiting = merge_waiting_into(merged);
    rank_unsaved_into(merged);
    // What the player sees is the table on disk with this game's entries in it.
    text = merged;
    if (const auto error = write_table(file, merged.bytes())) {
        tell(*error);
        return Saved::failed;
    }
    unsaved.clear();
    // Removed only now that the table holds them: a failed write keeps them waiting.
    for (const QString& path : waiting)
        QFile::remove(path);
    return Saved::yes;
}

bool ScoreStore::keep_waiting()
{
    if (unsaved.empty())
        return true;
    std::vector<WaitingEntry> entries;
    for (const Entry& entry : unsaved)
        entries.push_back({entry.name, entry.score});
    const QString path = new_waiting_file(save_target(file));
    if (const auto error = write_table(path, waiting_text(entries))) {
        tell(QStringLiteral("%1: another game kept the table locked, and the entry cannot wait beside it either: %2")
                 .arg(file, *error));
        return false;
    }
    unsaved.clear();
    tell(QStringLiteral("%1: another game kept the table locked; your entry waits in %2 and goes into the "
                        "table when a game next starts here")
             .arg(file, path));
    return true;
}

}  // namespace wd::hsc
