#pragma once
// What the player chose and expects back next run, in the user's own settings
// (under $XDG_CONFIG_HOME, so every test can point it at a folder of its own).

#include <QString>

#include <functional>

namespace wd::settings {

// The settings file, for messages.
QString file_name();
// Gets a message naming the file whenever a change could not be written.
void on_write_failure(std::function<void(const QString&)> tell);

// The name typed last in any run; empty before the first.
QString last_name();
void set_last_name(const QString& name);

// The zoom the player chose last (1, 2, ...), or 0 when none was chosen.
int zoom();
void set_zoom(int zoom);

// Whether sound effects play; on unless the player turned them off.
bool sound_on();
void set_sound_on(bool on);

}  // namespace wd::settings
