#pragma once
// Saving a game's entry without freezing the game and without giving it up:
// when another game holds the table's lock, the entry waits and is tried
// again in the background until it is in the file.

#include "score_store.h"

#include <QObject>
#include <QTimer>

namespace wd::hsc {

class PendingSave : public QObject {
    Q_OBJECT

public:
    // `text` is the table the game shows; each save leaves the merged table in it.
    PendingSave(ScoreStore& store, Table& text, QObject* parent = nullptr);

    // Saves the unsaved entries now, waiting only briefly for another game's
    // lock. If it stays taken, says so once and keeps trying.
    void save();
    // One last save: the program is ending. Waits a little for another game's
    // lock, then leaves the entries waiting in a file beside the table.
    void save_before_exit();

    bool waiting() const { return retry.isActive(); }
    // What the player is told while an entry waits.
    QString waiting_notice() const;

    // The lock class sleeps 100 ms at its first wait: a save from the game's
    // thread tries once and leaves the waiting to the retries.
    static constexpr int retry_ms = 100;

signals:
    // A waiting entry is in the file now; `table` is what the file holds.
    void savedLate(const QString& table, const QString& notice);

private:
    void try_again();

    ScoreStore& store;
    Table& text;
    QTimer retry;
};

}  // namespace wd::hsc
