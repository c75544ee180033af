#pragma once
// "Practice a level…": the pack's levels with a small drawing of each, open up
// to the highest one the player has reached and locked beyond it. It shows at
// once: the level files are read on a thread of their own and the drawings
// fill in as they come, so a slow disk never holds up keys or repaints.

#include "game/level_index.h"
#include "recording/level_records.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace wd {

class Board;
class LevelReader;

// Finds a file of the pack; called on the reading thread.
using LocateLevel = std::function<std::string(const std::string&)>;

// The level's cells at `cell` pixels each.
QImage level_preview(const Board& board, int cell);

class PracticeDialog : public QDialog {
    Q_OBJECT

public:
    // The levels the index names from level000.lvx on are listed at once, with
    // a blank drawing each. Then every file is read: a drawing fills in, a level
    // that cannot be read becomes unavailable, levels past the index's are
    // added, and the pack ends at the first file missing.
    // Each level's records show when it is chosen, and can be watched.
    PracticeDialog(const LevelIndex& index, int highest_reached, int current, LocateLevel locate,
                   LevelRecords records = {}, QWidget* parent = nullptr);
    ~PracticeDialog() override;
    // The level chosen, once accepted.
    std::optional<int> chosen() const;
    QListWidget* list() const { return shown; }
    // The record the player asked to watch: its level's hash, and which.
    struct Watch {
        std::uint64_t hash = 0;
        bool cheese = true;
    };
    std::optional<Watch> to_watch() const { return watching; }
    static constexpr int watch_result = 2;

signals:
    void filled();  // every level's file read

private:
    QListWidgetItem* row(int number);
    void show_level(int number, const QImage& preview, quint64 hash);
    void show_unreadable(int number, const QString& problem);
    void end_pack(int count);
    void fit_previews(QSize size);
    void update_ok();
    std::optional<LevelRecord> chosen_record() const;

    LevelIndex index;
    int highest;
    int current;
    QListWidget* shown;
    QPushButton* ok = nullptr;
    LevelRecords records;
    QLabel* record_line = nullptr;
    QPushButton* watch_cheese = nullptr;
    QPushButton* watch_fastest = nullptr;
    std::optional<Watch> watching;
    QPointer<LevelReader> reader;  // gone once it has read every file
};

// Opens the selector: a level to practise, a record to watch, or neither
// when the player cancelled.
struct PracticeChoice {
    std::optional<int> level;
    std::optional<PracticeDialog::Watch> watch;
};
PracticeChoice choose_practice_level(QWidget* over, const LevelIndex& index, int highest_reached, int current,
                                     LocateLevel locate, LevelRecords records);

}  // namespace wd
