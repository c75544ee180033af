#pragma once
// "Practice a level…": the pack's levels with a small drawing of each, open up
// to the highest one the player has reached and locked beyond it. It shows at
// once: the level files are read on a thread of their own and the drawings
// fill in as they come, so a slow disk never holds up keys or repaints.

#include "game/level_index.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

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
    PracticeDialog(const LevelIndex& index, int highest_reached, int current, LocateLevel locate,
                   QWidget* parent = nullptr);
    ~PracticeDialog() override;
    // The level chosen, once accepted.
    std::optional<int> chosen() const;
    QListWidget* list() const { return shown; }

signals:
    void filled();  // every level's file read

private:
    QListWidgetItem* row(int number);
    void show_level(int number, const QImage& preview);
    void show_unreadable(int number, const QString& problem);
    void end_pack(int count);
    void fit_previews(QSize size);
    void update_ok();

    LevelIndex index;
    int highest;
    int current;
    QListWidget* shown;
    QPushButton* ok = nullptr;
    QPointer<LevelReader> reader;  // gone once it has read every file
};

// Opens the selector; the chosen level, or nothing when the player cancelled.
std::optional<int> choose_practice_level(QWidget* over, const LevelIndex& index, int highest_reached, int current,
                                         LocateLevel locate);

}  // namespace wd
