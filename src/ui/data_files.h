#pragma once
// Where the game keeps and finds its files. Two ways to play, chosen once at
// start by choose():
// - in a play folder (the current folder holds level000.lvx, --play-here was
//   given, or the program is not installed): levels, sprites and sounds from
//   there first, then the installed data folder; hsc.dat there;
// - installed: hsc.dat in the player's data folder
//   (QStandardPaths::AppDataLocation), given the starting table on the first
//   run; levels, sprites and sounds from that folder first, then the
//   installed one, so a player's own or edited files always win.

#include "files/problem.h"

#include <QString>
#include <QStringList>

#include <string>

namespace wd::data_files {

// The installed data folder, found from where the running program lies; empty
// when there is none (a program run from its build folder).
QString installed_folder();

// Decides how this run finds its files and, when installed, makes the
// player's data folder and puts the starting table there if it has none.
void choose(bool play_here);
// The same with the installed data folder given; empty for none.
void choose(bool play_here, const QString& installed);
bool in_play_folder();

// The high-score table of this run.
QString table_path();

// Whether scores and settings can be kept, or why not: Kind::cannot_write,
// naming the folder ("settings cannot be kept: FOLDER cannot be written").
Result<void> storage();

// Where a level, sprite or sound is read from: the first folder that has it,
// or the name in the first folder, for the message, when none has.
QString locate(const QString& name);
std::string locate(const std::string& name);

// The folders searched, in order (for the sound effects).
QStringList search_folders();

// `name` itself when the play folder has it (even as a broken link, so its fault
// is reported) or when `folder` does not; otherwise its path inside `folder`.
QString locate_in(const QString& name, const QString& folder);

}  // namespace wd::data_files
