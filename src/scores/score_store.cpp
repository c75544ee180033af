#include "score_store.h"

#include "hsc_file.h"
#include "waiting_entries.h"

#include "files/file_lock.h"
#include "files/regular_file.h"
#include "files/replace.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <optional>

namespace wd::hsc {

namespace {

// A save holds the lock for milliseconds, but one taken over halfway loses a
// player's entry: only a lock untouched for ten seconds is taken for left by a
// game that hung or died while saving.
constexpr int stale_lock_ms = 10000;

FileLock table_lock(const QString& table, int wait_ms)
{
    return FileLock(save_target(table) + QStringLiteral(".lock"), stale_lock_ms, wait_ms);
}

QString lock_problem(const FileLock& lock)
{
    const bool odd = lock.problem().kind == Problem::Kind::not_regular;
    return QString::fromStdString(lock.problem().text) + (odd ? QStringLiteral("; remove it to save") : QString());
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

Result<std::string> ScoreStore::read_base(bool locked)
{
    Result<std::string> read = read_file(file);
    const auto damaged = [&read] { return !read.ok() && read.problem().kind == Problem::Kind::damaged; };
    // The same kind, with the sentence the caller puts after the file's name.
    const auto failed = [&read](const QString& text) {
        return Problem{read.problem().kind, read.problem().error, text.toStdString()};
    };
    std::optional<FileLock> lock;
    if (damaged() && !locked) {
        // Moved aside only under the lock: another game may be replacing it.
        // Not waited for: a game's next save, which waits, moves it then.
        lock.emplace(table_lock(file, 0));
        if (!lock->held())
            return failed(QStringLiteral("%1; %2, so it is left as it is")
                              .arg(QString::fromStdString(read.problem().text), lock_problem(*lock)));
        read = read_file(file);
    }
    if (read.ok())
        return read;
    if (read.problem().no_file())
        return std::string(default_table());
    const QString reason = QString::fromStdString(read.problem().text);
    if (damaged()) {
        // Through links, the damaged file itself moves: the link stays and
        // the fresh table is saved where it points.
        const Result<QString> moved = move_aside(save_target(file));
        if (!moved.ok())
            return failed(QStringLiteral("%1; cannot move it aside (%2), so it is left as it is")
                              .arg(reason, QString::fromStdString(moved.problem().text)));
        tell(QStringLiteral("%1: %2; moved aside to %3, a fresh table takes its place").arg(file, reason, moved.value()));
        return std::string(default_table());
    }
    return failed(QStringLiteral("cannot read: %1; the file is left as it is").arg(reason));
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
        const Result<std::string> read = read_timed(QFile::encodeName(path).toStdString(), cap + 1);
        if (!read.ok() && read.problem().no_file())
            continue;
        const auto entries = read.ok() && read.value().size() <= cap
            ? parse_waiting(read.value())
            : std::nullopt;
        if (!entries) {
            // Never merged half, never tried again at every save.
            const Result<QString> moved = move_aside(path);
            tell(moved.ok()
                     ? QStringLiteral("%1: not a list of waiting entries; moved aside to %2").arg(path, moved.value())
                     : QStringLiteral("%1: not a list of waiting entries, and cannot move it aside (%2)")
                           .arg(path, QString::fromStdString(moved.problem().text)));
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
    if (!check_format(text.bytes()).ok())
        text = Table(default_table());  // nothing to show yet
    const Result<std::string> base = read_base(false);
    if (!base.ok()) {
        tell(file + QStringLiteral(": ") + QString::fromStdString(base.problem().text));
        return;
    }
    text = Table(base.value());
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
    const FileLock lock = table_lock(file, wait_ms);
    if (!lock.held()) {
        // A lock that is not a file stays so: told once, not at every try.
        const bool odd = lock.problem().kind == Problem::Kind::not_regular;
        const bool again = odd && told_lock_fault;
        told_lock_fault = told_lock_fault || odd;
        if ((!lock.busy() || tell_busy) && !again)
            tell(failed + lock_problem(lock));
        return lock.busy() ? Saved::lock_busy : Saved::failed;
    }
    remove_dead_saves(save_target(file));
    const Result<std::string> base = read_base(true);
    if (!base.ok()) {
        tell(failed + QString::fromStdString(base.problem().text));
        return Saved::failed;
    }
    Table merged(base.value());
    const QStringList waiting = merge_waiting_into(merged);
    rank_unsaved_into(merged);
    // What the player sees is the table on disk with this game's entries in it.
    text = merged;
    if (const Result<void> saved = write_table(file, merged.bytes()); !saved.ok()) {
        tell(QString::fromStdString(saved.problem().text));
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
    if (const Result<void> saved = write_table(path, waiting_text(entries)); !saved.ok()) {
        tell(QStringLiteral("%1: another game kept the table locked, and the entry cannot wait beside it either: %2")
                 .arg(file, QString::fromStdString(saved.problem().text)));
        return false;
    }
    unsaved.clear();
    tell(QStringLiteral("%1: another game kept the table locked; your entry waits in %2 and goes into the "
                        "table when a game next starts here")
             .arg(file, path));
    return true;
}

}  // namespace wd::hsc
