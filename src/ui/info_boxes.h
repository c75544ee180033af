#pragma once
// Boxes the player opens during play: the high-score table and the keys.

#include <optional>

class QString;
class QWidget;

namespace wd {

// The table as it stands, with a Close button and this run's entry highlighted.
void show_scores(QWidget* over, const QString& table, std::optional<int> own_entry = {});

// Each command and its keys.
void show_keys(QWidget* over, const QString& keys);

}  // namespace wd
