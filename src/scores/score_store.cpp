#include "score_store.h"

#include "hsc_file.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace wd::hsc {

namespace {

// A save holds the lock for milliseconds: one older than this was left by a
// game that hung or died while saving.
constexpr int stale_lock_ms = 10000;

std::unique_ptr<QLockFile> take_lock(const QString& table, QString& problem)
{
    const QString name = save_target(table) + QStringLiteral(".lock");
    auto lock = std::make_unique<QLockFile>(name);
    lock->setStaleLockTime(stale_lock_ms);
    if (lock->tryLock(ScoreStore::lock_wait_ms))
        return lock;
    if (lock->error() == QLockFile::LockFailedError) {
        problem = QStringLiteral("another game kept %1 locked").arg(name);
        return nullptr;
    }
    // The lock class keeps no reason of its own: the folder tells it.
    const QByteArray folder = QFile::encodeName(QFileInfo(name).absolutePath());
    const int error = ::access(folder.constData(), W_OK | X_OK) != 0 ? errno
        : lock->error() == QLockFile::PermissionError                 ? EACCES
                                                                      : EIO;
    problem = QStringLiteral("cannot create the lock %1: %2").arg(name, QString::fromLocal8Bit(std::strerror(error)));
    return nullptr;
}

}  // namespace

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
        QString problem;
        lock = take_lock(file, problem);
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
        if (const MovedAside moved = move_aside(file); moved.error.isEmpty()) {
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

void ScoreStore::rank_unsaved_into(char (&text)[text_capacity]) const
{
    for (const Entry& entry : unsaved)
        if (const auto slot = rank(text, entry.score, [](const std::string&) {}))
            insert_entry(text, *slot, entry.name, entry.score);
}

void ScoreStore::load(char (&text)[text_capacity])
{
    if (format_problem(text))
        set_text(text, default_table());  // nothing to show yet
    std::string base;
    QString failure;
    if (!read_base(base, false, failure)) {
        tell(file + QStringLiteral(": ") + failure);
        return;
    }
    set_text(text, base);
    rank_unsaved_into(text);
}

bool ScoreStore::add(char (&text)[text_capacity], Slot slot, std::string_view name, int score)
{
    if (!insert_entry(text, slot, name, score)) {
        tell(QStringLiteral("%1: score %2 is too wide for the table's entries").arg(file).arg(score));
        return false;
    }
    unsaved.push_back({std::string(name), score});
    return true;
}

bool ScoreStore::save(char (&text)[text_capacity])
{
    const QString failed = file + QStringLiteral(": cannot save the high scores: ");
    QString problem;
    const auto lock = take_lock(file, problem);
    if (!lock) {
        tell(failed + problem);
        return false;
    }
    std::string base;
    if (!read_base(base, true, problem)) {
        tell(failed + problem);
        return false;
    }
    char merged[text_capacity];
    set_text(merged, base);
    rank_unsaved_into(merged);
    // What the player sees is the table on disk with this game's entries in it.
    std::memcpy(text, merged, sizeof merged);
    if (const auto error = write_table(file, merged)) {
        tell(*error);
        return false;
    }
    unsaved.clear();
    return true;
}

}  // namespace wd::hsc
