#pragma once
// Game > Statistics: what the player has done over every game, and each pack
// level's attempts and clears.

#include "game/level_index.h"
#include "stats/statistics.h"

#include <QString>

class QWidget;

namespace wd {

// `problem` says why the file's counts are missing, if they are.
void show_statistics(QWidget* over, const Statistics& counts, const LevelIndex& index, const QString& problem);

// "1 h 02 min", "4 min 05 s", "12 s".
QString played_time(long long ms);

}  // namespace wd
