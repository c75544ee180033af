#pragma once
// Where the game reads its levels and sprites: the play folder (the current
// folder) first, so a player's own or edited files always win, then the data
// folder installed with the program. hsc.dat is never looked up: it lives in
// the play folder only.

#include <QString>

#include <string>

namespace wd::data_files {

// The installed data folder, found from where the running program lies; empty
// when there is none (a program run from its build folder).
QString installed_folder();

// `name` itself when the play folder has it (even as a broken link, so its fault
// is reported) or when `folder` does not; otherwise its path inside `folder`.
QString locate_in(const QString& name, const QString& folder);

// locate_in() with the installed folder.
QString locate(const QString& name);
std::string locate(const std::string& name);

}  // namespace wd::data_files
