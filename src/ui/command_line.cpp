#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace wd {

namespace {
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
}  // namespace

Result<CommandLine> parse_command_line(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Single-dash words stay whole: "-display" is not "-d -i -s ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLineText::tr(
        "Whiskerdash: steer the mouse with the arrow keys, push crates onto the cats and eat the cheese."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLineText::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLineText::tr("Show the version and exit."));
    const QCommandLineOption mute(QStringLiteral("mute"), CommandLineText::tr("Start with sound off for this run."));
    const QCommandLineOption no_wait(QStringLiteral("no-wait"),
                                     CommandLineText::tr(
                                         "Start every level at once, without waiting for a key (for scripts)."));
    const QCommandLineOption play_here(
        QStringLiteral("play-here"),
        CommandLineText::tr("Play in the current folder: its levels, sprites and hsc.dat first (the default when it "
                            "holds level000.lvx). Otherwise the scores are kept in the player's data folder."));
    const QCommandLineOption from_desktop(
        QStringLiteral("from-desktop"),
        CommandLineText::tr("Also show a level that cannot be played in a message box (the desktop entry passes this)."));
    const QCommandLineOption replay(
        QStringLiteral("replay"), CommandLineText::tr("Play the recorded game in FILE in the window."),
        QStringLiteral("FILE"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        CommandLineText::tr("With --replay: play it without a window, as fast as it goes, print its trace lines and "
                            "exit 0 when it comes to the recorded end and score, 1 when not, 2 when it cannot be "
                            "played."));
    parser.addOptions({help, version, mute, no_wait, play_here, from_desktop, replay, check});
    parser.addPositionalArgument(QStringLiteral("LEVEL.lvx"), CommandLineText::tr("A level file to play first."),
                                 QStringLiteral("[LEVEL.lvx]"));

    const bool parsed = parser.parse(arguments);
    // The parser names the program by its full path, or not at all before the
    // application object exists: the usage line says what the player types.
    QString usage = parser.helpText();
    usage.replace(0, usage.indexOf(QLatin1Char('\n')),
                  CommandLineText::tr("Usage: whiskerdash [options] [LEVEL.lvx]"));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::help;
        line.text = usage + QLatin1Char('\n')
            + CommandLineText::tr(
                "Files: installed, the game keeps hsc.dat in $XDG_DATA_HOME/org.whiskerdash.Whiskerdash\n"
                "(~/.local/share/org.whiskerdash.Whiskerdash by default); levels, sprites and sounds put\n"
                "there replace the installed ones. Started in a folder that holds level000.lvx, or\n"
                "with --play-here, it plays in that folder and keeps hsc.dat there. Recordings of games\n"
                "(the last one, one for each entry of the table, and a game left to continue) are kept\n"
                "in recordings/ beside hsc.dat.\n");
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::version;
        line.text = QStringLiteral("whiskerdash %1\n").arg(QStringLiteral(WHISKERDASH_VERSION));
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    QString error;
    if (!parsed)
        error = parser.errorText();
    else if (positional.size() > 1)
        error = CommandLineText::tr("only one level file can be given, not %1").arg(positional.size());
    else if (parser.isSet(check) && !parser.isSet(replay))
        error = CommandLineText::tr("--check goes with --replay FILE");
    else if (parser.isSet(replay) && !positional.isEmpty())
        error = CommandLineText::tr("a recording plays its own levels: no level file goes with --replay");
    if (!error.isEmpty())
        return Problem{Problem::Kind::refused, 0,
                       QStringLiteral("whiskerdash: %1\n%2\n")
                           .arg(error, CommandLineText::tr("Try 'whiskerdash --help' for more information."))
                           .toStdString()};
    line.mute = parser.isSet(mute);
    line.no_wait = parser.isSet(no_wait);
    line.play_here = parser.isSet(play_here);
    line.from_desktop = parser.isSet(from_desktop);
    line.replay = parser.value(replay);
    line.check = parser.isSet(check);
    line.has_level = !positional.isEmpty();
    if (line.has_level)
        line.level = positional.first();
    return line;
}

bool has_toolkit_option(const QStringList& arguments)
{
    static const QStringList toolkit = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("reverse"),
        QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("name"),
        QStringLiteral("title"), QStringLiteral("visual"), QStringLiteral("style"), QStringLiteral("stylesheet"),
        QStringLiteral("widgetcount"), QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync"),
        QStringLiteral("ncols"), QStringLiteral("cmap")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments[i];
        if (option == QStringLiteral("--"))
            break;
        if (!option.startsWith(QLatin1Char('-')))
            continue;
        option.remove(0, option.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (toolkit.contains(option.section(QLatin1Char('='), 0, 0)))
            return true;
    }
    return false;
}

}  // namespace wd
