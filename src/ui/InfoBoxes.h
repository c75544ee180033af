#pragma once
// Boxes the player opens during play: the high-score table and a short help.

class QString;
class QWidget;

namespace wd {

// The table as it stands, with a Close button.
void show_scores(QWidget* over, const QString& table);

// The keys and the rules in a few lines.
void show_help(QWidget* over);

// The help text itself, so it can be checked against the keys.
QString help_text();

}  // namespace wd
