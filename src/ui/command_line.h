#pragma once
// The game's command line: `whiskerdash [OPTIONS] [LEVEL.lvx]`. Parsed on its
// own, before any window exists, so --help and --version need no display.

#include "files/problem.h"

#include <QString>
#include <QStringList>

namespace wd {

struct CommandLine {
    enum class Action { play, help, version };
    Action action = Action::play;
    bool mute = false;        // sound off for this run only
    bool no_wait = false;     // levels start at once, without their card: for scripted runs
    bool play_here = false;   // play in the current folder even without level000.lvx
    bool from_desktop = false;  // started by the desktop: errors are shown in a box too
    bool has_level = false;   // a level file to play first
    QString replay;           // a recording to play instead of a game
    bool check = false;       // with replay: no window, only whether it reproduces
    QString level;
    QString text;  // the help or the version line
};

// `arguments` as the program received them, the program's name first. What
// they ask for, or Kind::refused with the whole text for standard error: the
// error and where to find help, "whiskerdash: ERROR\nTry 'whiskerdash
// --help' for more information.\n".
Result<CommandLine> parse_command_line(const QStringList& arguments);

// Whether any argument before "--" is one of the toolkit's own options
// (-platform, -display, -style, ...), which only the application object knows.
bool has_toolkit_option(const QStringList& arguments);

}  // namespace wd
