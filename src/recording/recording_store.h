#pragma once
// The recordings a player keeps, in a folder beside the high-score table: the
// last game, and the game behind each entry of the table. The table's bytes
// never change for them: a side index, entries.txt, names the recording of
// each entry by its score and name, and a recording no entry needs any more
// is removed. Files are written on a thread of their own, in order, so play
// never waits for the disk.

#include "level_records.h"
#include "recording.h"

#include <QString>
#include <QThreadPool>

#include <memory>
#include <optional>
#include <string>

namespace wd {

class RecordingStore {
public:
    explicit RecordingStore(const QString& folder);
    ~RecordingStore();  // waits a little for the writes still queued

    void keep_last(const Recording& recording);
    // The recording of a new entry of `table` (the table text as it now
    // stands, with the entry in it).
    void keep_for_entry(const Recording& recording, const std::string& name, int score, const std::string& table);

    // A ranked game left in play at quit, to continue at the next start.
    void keep_to_continue(const Recording& recording);
    QString continue_path() const;
    void drop_continue();

    // Each level's records as the folder holds them, and this run's.
    LevelRecords records() const;
    // A clear of one level, recorded from its start (`level`): kept with the
    // records it beats, here and in the folder, where a better one another
    // game kept meanwhile stays. Says which it beat.
    RecordNews offer_record(const Recording& level, int cheese);
    // The recording behind a level's record, if one is kept.
    std::optional<QString> record_path(std::uint64_t hash, bool cheese) const;

    QString folder() const { return where; }
    QString last_path() const;
    // The recording behind the table's entry at `index` (0 for the best), if one is kept.
    std::optional<QString> entry_path(const std::string& table, int index) const;
    // Every queued write done, or `ms` gone by (a stalled disk).
    bool wait(int ms = -1);

private:
    QString where;
    LevelRecords held;  // as read at the start, with this run's records
    std::unique_ptr<QThreadPool> writer;  // one thread: writes stay in the order they were asked
};


}  // namespace wd
