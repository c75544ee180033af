#pragma once
// What the player chose and expects back next run, in the user's own settings
// (under $XDG_CONFIG_HOME, so every test can point it at a folder of its own).
// Read once; a change is written at once when the file's lock is free and
// retried later when it is not, never waiting for it but at quit (a bounded
// while, then what is still unsaved is told on standard error). A write
// re-reads the file under the lock and puts in only this run's changes, so
// games sharing the file keep each other's. Only a regular file of
// one name and a settings file's size is read or written: anything else is
// left as it is, told once, and this run's settings stay in memory.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace wd::settings {

// The settings file, for messages.
QString file_name();

// The name typed last in any run; empty before the first.
QString last_name();
void set_last_name(const QString& name);

// The zoom the player chose last (1, 2, ...), or 0 when none was chosen.
int zoom();
void set_zoom(int zoom);

// Whether sound effects play; on unless the player turned them off.
bool sound_on();
void set_sound_on(bool on);

// The window's size, place and state as the toolkit saves them; empty before the first.
QByteArray window_geometry();
void set_window_geometry(const QByteArray& geometry);

// Whether the menu bar is shown; shown unless the player hid it.
bool menu_bar_shown();
void set_menu_bar_shown(bool shown);

// The highest pack level the player has reached (0 is the first), which
// practice may start at; it never goes down, also not for a game sharing the
// file that reached less.
int highest_level();
void note_level_reached(int level);

}  // namespace wd::settings
