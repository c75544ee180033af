#include "editor_room.h"
#include "game_window.h"
#include "main_widget.h"
#include "files/tell.h"
#include "command_line.h"
#include "data_files.h"
#include "first_frame.h"
#include "late_icons.h"
#include "quit_signals.h"
#include "replay_check.h"
#include "session_log.h"
#include "startup_steps.h"
#include "notices.h"
#include "translations.h"

#include "files/write_errors.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const QString app_id = QStringLiteral("org.whiskerdash.Whiskerdash");

QStringList arguments_of(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

QIcon game_icon()
{
    QIcon built_in;
    for (const int size : {16, 32, 48, 64, 128, 256})
        built_in.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(app_id, built_in);
}

}  // namespace

int main(int argc, char** argv)
{
    wd::startup_steps::mark("loader");
    // Traces must appear as they happen, also in a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // A reader that went away (whiskerdash | head) only makes trace writes fail.
    std::signal(SIGPIPE, SIG_IGN);
    wd::let_size_limit_fail_writes();

    // --help and --version before anything needs a display.
    const wd::Result<wd::CommandLine> early = wd::parse_command_line(arguments_of(argc, argv));
    if (early.ok() && early.value().action != wd::CommandLine::Action::play) {
        const QCoreApplication no_display(argc, argv);
        wd::install_translations();
        std::fputs(qPrintable(wd::parse_command_line(arguments_of(argc, argv)).value().text), stdout);
        return 0;
    }
    wd::startup_steps::mark("command-line");
    // An unknown option is told at once, display or none, unless it may be
    // one of the toolkit's, which only the application object can take.
    if (!early.ok() && !wd::has_toolkit_option(arguments_of(argc, argv))) {
        const QCoreApplication no_display(argc, argv);
        wd::install_translations();
        std::fputs(wd::parse_command_line(arguments_of(argc, argv)).problem().text.c_str(), stderr);
        return 2;
    }

    // The class part of WM_CLASS and the Wayland app id must both name the desktop file.
    QCoreApplication::setApplicationName(app_id);
    // A recording checked needs no display, and finds its levels as the game does.
    if (early.ok() && early.value().check) {
        const QCoreApplication no_display(argc, argv);
        wd::data_files::choose(early.value().play_here);
        return wd::check_recording(early.value().replay);
    }
    QCoreApplication::setApplicationVersion(QStringLiteral(WHISKERDASH_VERSION));
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(app_id);
    wd::startup_steps::mark("toolkit-and-display");
    wd::install_translations();
    wd::startup_steps::mark("translations");

    // Again without the options the toolkit took for itself.
    const wd::Result<wd::CommandLine> parsed = wd::parse_command_line(QCoreApplication::arguments());
    if (!parsed.ok()) {
        std::fputs(parsed.problem().text.c_str(), stderr);
        return 2;
    }
    const wd::CommandLine& line = parsed.value();
    if (line.action != wd::CommandLine::Action::play) {
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    }

    // Started from the desktop, the trace lines would fill the session's log.
    if (line.from_desktop && wd::is_session_log(STDOUT_FILENO) && !std::freopen("/dev/null", "w", stdout))
        wd::tell_stderr("cannot leave the trace lines out of the session's log");

    wd::MainWidget::Options options;
    options.wait_for_player = !line.no_wait;
    wd::data_files::choose(line.play_here);
    // Before the window: a quit signal ends the program by that signal once the window has saved.
    wd::QuitSignals quit_signals(wd::QuitSignals::end_all_loops);
    // A pack file (opened from the file manager) is offered for import; a level is played first.
    const bool pack_file = line.has_level && line.level.endsWith(QLatin1String(".wdpack"), Qt::CaseInsensitive);
    auto widget = std::make_unique<wd::MainWidget>(line.has_level && !pack_file ? line.level : QString(), options);
    wd::startup_steps::mark("board");
    if (!widget->started()) {
        // Standard error has told it already; a player at the desktop sees none.
        if (line.from_desktop)
            wd::show_startup_error(widget->startup_error());
        return 1;
    }
    if (line.mute)
        widget->start_muted();
    if (!line.replay.isEmpty() && !widget->watch(line.replay, true))
        return 2;
    // The board in its window, under the menu bar.
    wd::read_style_icons_late();
    auto window = std::make_unique<wd::GameWindow>(widget.release());
    wd::startup_steps::mark("menus");
    window->restore_placement();
    window->show();
    wd::startup_steps::mark("show");
    // Decoding the icon's sizes would hold up the first frame.
    wd::after_first_frame(window->board(), [window = window.get()] {
        wd::startup_steps::mark("frame-out");
        window->setWindowIcon(game_icon());
        // The heap keeps what start-up freed (decoded files, the toolkit's set-up)
        // as the game's own pages: give it back now, and again once the sound
        // module has loaded.
        malloc_trim(0);
        QTimer::singleShot(3000, window, [] { malloc_trim(0); });
    });
    if (pack_file)
        QTimer::singleShot(0, window.get(), [window = window.get(), path = line.level] {
            window->editor_room()->import_file(path);
        });
    const int status = app.exec();
    window.reset();  // the board saves the table
    // A sound thread still inside the module (loading it, or in a hung
    // server's call) would run under the library teardown of a normal exit;
    // a caught quit signal ends the program by itself, with no teardown either.
    if (wd::SoundEffects::thread_left_running() && quit_signals.caught() == 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
