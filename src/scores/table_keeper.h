#pragma once
// The high-score table a game is played against: as the file holds it, with
// this run's entry in it, saved at once and, while another game holds the
// lock, in the background until it is in.

#include "hsc_table.h"
#include "pending_save.h"
#include "score_store.h"

#include <QString>

#include <optional>
#include <string>

namespace wd::hsc {

class TableKeeper {
public:
    TableKeeper(const QString& path, ScoreStore::NoticeSink notice);

    // The table as the file holds it now (with what other games saved).
    void reload() { store.load(shown); }
    const Table& table() const { return shown; }
    const QString& path() const { return store.path(); }

    // Writes this run's entry at `slot` (from ranking its score against
    // table()) under a cleaned `typed` name. False, told, when it does not
    // fit the line. save() then puts it in the file.
    bool enter(Slot slot, const std::string& typed, int score);
    void save() { saver.save(); }
    // This run's last entry: its line in the table as it stands now.
    std::optional<int> own_entry_index() const;
    // The name of this run's last entry, as it went into the table.
    const std::string& last_name() const { return own_name; }

    PendingSave& pending_save() { return saver; }
    // The program is ending: one last save, or the entries wait beside the table.
    void save_before_exit() { saver.save_before_exit(); }

private:
    Table shown;
    ScoreStore store;
    PendingSave saver{store, shown};  // retries while another game holds the lock
    std::string own_name;
    int own_score = -1;
};

}  // namespace wd::hsc
