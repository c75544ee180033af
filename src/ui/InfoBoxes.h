#pragma once
// Boxes the player opens during play: the high-score table and a short help.

#include <optional>

class QString;
class QWidget;

namespace wd {

// The table as it stands, with a Close button and this run's entry highlighted.
void show_scores(QWidget* over, const QString& table, std::optional<int> own_entry = {});

// The keys and the rules in a few lines.
void show_help(QWidget* over);

// Each command and its keys.
void show_keys(QWidget* over, const QString& keys);

// The help text itself, so it can be checked against the keys.
QString help_text();

}  // namespace wd
