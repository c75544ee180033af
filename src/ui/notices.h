#pragma once
// What a player who sees no terminal must still be told.

#include <QString>

class QWidget;

namespace wd {

// A line across the top of `window` until the first key press: a problem
// that play goes on with, such as scores that cannot be kept.
void show_banner(QWidget* window, const QString& text);

// The message box of a game that cannot start, shown to a player who
// started it from the desktop; its title is "Whiskerdash: cannot start".
void show_startup_error(const QString& message);

}  // namespace wd
