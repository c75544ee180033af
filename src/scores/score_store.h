#pragma once
// The high-score file shared by every game playing in the same folder: each
// save takes a lock beside the table, reads what is there now, ranks this
// game's unsaved entries into it and writes the result, so no game's entry is
// lost to another's copy.

#include "hsc_table.h"

#include "files/problem.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace wd::hsc {

class ScoreStore {
public:
    // Gets every problem the player should hear of, naming the file and the reason.
    using NoticeSink = std::function<void(const QString&)>;

    explicit ScoreStore(const QString& path, NoticeSink notice = {});

    // Fills `text` with the table as it is on disk now (the built-in one when
    // there is none), with this game's unsaved entries ranked into it. A
    // damaged table is moved aside; an unreadable one is left as it is and the
    // text keeps the table it held, if any.
    void load(Table& text);

    // Writes this game's new entry at `slot` of the text and keeps it until a
    // save puts it in the file. False, text unchanged, when it cannot fit.
    bool add(Table& text, Slot slot, std::string_view name, int score);

    // Puts the unsaved entries into the file, merged with what is there now,
    // and leaves that merged table in `text`. False when the file could not be
    // written; the entries then stay unsaved and the old file stays whole.
    bool save(Table& text);

    // save(), waiting at most `wait_ms` for another game's lock. A lock still
    // held then is lock_busy, told only when `tell_busy`: the caller tries again.
    enum class Saved { yes, lock_busy, failed };
    Saved save_within(Table& text, int wait_ms, bool tell_busy);

    // The program is ending with entries still unsaved because another game
    // keeps the lock: they are written to a waiting file beside the table for
    // the next game to merge. False, told, when even that cannot be written.
    bool keep_waiting();

    // Tells the player through the store's sink.
    void notify(const QString& text) const { tell(text); }

    bool has_unsaved() const { return !unsaved.empty(); }
    const QString& path() const { return file; }

    // How long a save waits for another game's lock.
    static constexpr int lock_wait_ms = 5000;
    // How long a game that is ending waits for it before its entries wait in a file.
    static constexpr int exit_wait_ms = 2000;

private:
    struct Entry {
        std::string name;
        int score = 0;
    };

    // The table on disk, or why there is none to build on (the read's kind;
    // Kind::damaged for a damaged table that could not be moved aside). A
    // damaged table is moved aside only while holding the lock.
    Result<std::string> read_base(bool locked);
    void rank_unsaved_into(Table& text) const;
    QStringList merge_waiting_into(Table& text);
    void tell(const QString& text) const;

    QString file;
    NoticeSink notice;
    std::vector<Entry> unsaved;
    bool told_lock_fault = false;
};

}  // namespace wd::hsc
