#pragma once
// "Practice a level…": the pack's levels with a small drawing of each, open up
// to the highest one the player has reached and locked beyond it.

#include "game/level_index.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QListWidget;

namespace wd {

class Board;

struct PackLevel {
    int number = 0;  // the file's, from 0
    QString name;
    QImage preview;
    bool open = false;
};

// The pack's levels from the first on, up to the first file that is missing
// or cannot be played; `locate` finds a file of the pack.
std::vector<PackLevel> pack_levels(const LevelIndex& index, int highest_reached,
                                   const std::function<std::string(const std::string&)>& locate);

// The level's cells at `cell` pixels each.
QImage level_preview(const Board& board, int cell);

class PracticeDialog : public QDialog {
    Q_OBJECT

public:
    PracticeDialog(const std::vector<PackLevel>& levels, int current, QWidget* parent = nullptr);
    // The level chosen, once accepted.
    std::optional<int> chosen() const;
    QListWidget* list() const { return shown; }

private:
    QListWidget* shown;
};

// Opens the selector; the chosen level, or nothing when the player cancelled.
std::optional<int> choose_practice_level(QWidget* over, const std::vector<PackLevel>& levels, int current);

}  // namespace wd
