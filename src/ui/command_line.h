#pragma once
// The game's command line: `whiskerdash [OPTIONS] [LEVEL.lvx]`. Parsed on its
// own, before any window exists, so --help and --version need no display.

#include <QString>
#include <QStringList>

namespace wd {

struct CommandLine {
    enum class Action { play, help, version, usage_error };
    Action action = Action::play;
    bool mute = false;        // sound off for this run only
    bool no_wait = false;     // levels start at once, without their card: for scripted runs
    bool has_level = false;   // a level file to play first
    QString level;
    QString text;  // the help, the version line, or the error and the usage
};

// `arguments` as the program received them, the program's name first.
CommandLine parse_command_line(const QStringList& arguments);

// Whether any argument before "--" is one of the toolkit's own options
// (-platform, -display, -style, ...), which only the application object knows.
bool has_toolkit_option(const QStringList& arguments);

}  // namespace wd
