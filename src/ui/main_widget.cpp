#include "main_widget.h"
#include "files/tell.h"

#include "../settings/settings.h"
#include "help_page.h"
#include "info_boxes.h"
#include "practice_dialog.h"
#include "statistics_box.h"
#include "record_texts.h"
#include "view_painter.h"
#include "window_placement.h"
#include "zoom.h"
#include "data_files.h"
#include "first_frame.h"
#include "files/player_notices.h"
#include "game_over_flow.h"
#include "notices.h"
#include "overlay_now.h"
#include "replay_check.h"
#include "startup_steps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {
void warn(const QString& text)
{
    wd::tell_stderr(text.toStdString());
}
}  // namespace

namespace wd {

MainWidget::MainWidget(const QString& level_file, QWidget* parent) : MainWidget(level_file, Options{}, parent) {}

MainWidget::MainWidget(const QString& level_file, const Options& options, QWidget* parent)
    : QWidget(parent)
    , recordings(QFileInfo(wd::data_files::table_path()).absolutePath() + QStringLiteral("/recordings"))
    , statistics(QFileInfo(wd::data_files::table_path()).absolutePath() + QStringLiteral("/statistics.txt"))
    , play(wd::data_files::table_path(), [](const QString& file) { return wd::data_files::locate(file); })
    , commands(new wd::GameActions(this))
    , game_over(new wd::GameOverFlow(*this, play, recordings, sprites.mouse))
    , key_up(Qt::Key_Up)
    , key_down(Qt::Key_Down)
    , key_left(Qt::Key_Left)
    , key_right(Qt::Key_Right)
{
    wd::startup_steps::mark("session-table-actions");
    setObjectName(QStringLiteral("MainWidget"));
    play.keep_recordings_in(&recordings);
    play.keep_statistics_in(&statistics);
    announcer = new wd::Announcer(this);
    setWindowTitle(tr("Whiskerdash"));
    std::printf("Audiodriver initialized\n");
    renderer.set_sprites(sprites);
    play.set_wait_for_player(options.wait_for_player);
    connect(&play, &wd::GameSession::stepped, this, &MainWidget::after_step);
    connect(&play, &wd::GameSession::stateChanged, this, &MainWidget::state_changed);
    // The dialogs open after the step that ended the game has returned.
    connect(&play, &wd::GameSession::gameOver, game_over, &wd::GameOverFlow::mousedead, Qt::QueuedConnection);
    connect(&play, &wd::GameSession::levelBegun, this, &MainWidget::level_begun);
    connect(&play, &wd::GameSession::cannotContinue, this, &MainWidget::end_after_failed_restart);
    connect(&play, &wd::GameSession::levelReached, this, [this](int level) {
        if (!play.own_pack())  // the level reached counts in the shipped pack only
            wd::settings::note_level_reached(level);
    });
    connect(commands, &wd::GameActions::triggered, this, &MainWidget::perform);
    setAccessibleName(tr("Game board"));
    flash_clock.setInterval(wd::flash_frame_ms);
    connect(&flash_clock, &QTimer::timeout, this, &MainWidget::animate_flashes);
    // Long enough to read the card, then the whole board can be read before the first key.
    card_fade.setSingleShot(true);
    connect(&card_fade, &QTimer::timeout, this, [this] {
        card_faded = true;
        printscene();
    });

    if (const wd::Result<void> started = play.start(level_file); !started.ok()) {
        startup_message = QString::fromStdString(started.problem().text);
        warn(startup_message);
        return;
    }

    wd::startup_steps::mark("index-and-level");
    offer_to_continue();
    commands->action(wd::Action::continue_game)->setEnabled(to_continue.has_value());
    // The window starts at 16 pixels a cell, as the board's own size; the
    // player may then resize it, and the picture scales to fit.
    fit_scene_to_board();
    resize(wd::ViewGeometry::size_at(1, scene_pixmap.size(), wd::strip_height));
    setMinimumSize(64, 48);
    if (const int zoom = wd::settings::zoom(); zoom > 1)
        zoom_to(zoom);
    // Every pixel is painted by the paint event: Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    repeats_blocked = false;  // only a level that comes later asks to let go first
    startup_ok = true;
    printscene();
    sound.set_enabled(wd::settings::sound_on());
    commands->show_checked(wd::Action::toggle_sound, sound.enabled());
    sound.load_when_allowed(wd::data_files::search_folders());
    if (const wd::Result<void> storage = wd::data_files::storage(); !storage.ok()) {
        const QString problem = QString::fromStdString(storage.problem().text);
        wd::player_notices::tell(problem);
        wd::show_banner(this, problem);
    }
    // The sound module's libraries and its server's connection are the larger
    // part of the game's memory: not in the first moments, unless a sound is.
    wd::after_first_frame(this, [this] { sound.allow_loading(sound_load_delay_ms); });
    // Whatever ends the loop (Quit, the close button, a quit signal) ends it
    // here, while the window still stands.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWidget::before_exit);
}

MainWidget::~MainWidget()
{
    play.blockSignals(true);  // nothing of this widget is left to show it
    before_exit();
}

void MainWidget::before_exit()
{
    if (startup_ok)
        play.end_program(game_over->name_to_offer());
}

bool MainWidget::may_quit()
{
    if (!startup_ok || !play.quit_loses_points() || qApp->isSavingSession())
        return true;
    // The game is kept to continue at the next start, from the level's beginning.
    const QString question =
        play.level_start_score() > 0
            ? tr("Quit now? At the next start you can continue level %1 with the %n points it began with.",
                 nullptr, play.level_start_score())
            : tr("Quit now? At the next start you can continue level %1 from its beginning.");
    return ask_to_abandon(tr("Quit"), question.arg(play.level_label()), tr("&Quit"), QStringLiteral("confirm_quit"));
}

// "Keep playing" is the default and Escape's; true when the player leaves.
bool MainWidget::ask_to_abandon(const QString& title, const QString& question, const QString& leave_text,
                                const QString& name)
{
    bool leave = false;
    with_play_paused([&] {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, this);
        box.setObjectName(name);
        QPushButton* keep = box.addButton(tr("&Keep playing"), QMessageBox::RejectRole);
        QPushButton* leaving = box.addButton(leave_text, QMessageBox::AcceptRole);
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
        box.exec();
        leave = box.clickedButton() == leaving;
    });
    return leave;
}

bool MainWidget::watch(const QString& file, bool then_quit)
{
    return open_viewer(file, then_quit, [this](const QString& name) { return play.locate_file(name); });
}

bool MainWidget::watch_in(const QString& file, const QString& folder)
{
    return open_viewer(file, false, [folder](const QString& name) { return folder + QLatin1Char('/') + name; });
}

bool MainWidget::open_viewer(const QString& file, bool then_quit, const Locate& locate)
{
    auto opened = [this, &file, &locate]() -> wd::Result<std::unique_ptr<wd::ReplayViewer>> {
        const wd::Result<std::string> read
            = wd::read_regular_file(QFile::encodeName(file).toStdString(), wd::recording_cap);
        if (!read.ok())
            return read.problem();
        const wd::Result<wd::Recording> parsed = wd::parse_recording(read.value());
        if (!parsed.ok())
            return parsed.problem();
        return wd::ReplayViewer::open(parsed.value(), locate, this);
    }();
    if (!opened.ok()) {
        const QString text
            = tr("%1: cannot play this recording: %2").arg(file, QString::fromStdString(opened.problem().text));
        warn(text);
        with_play_paused([this, &text] { QMessageBox::warning(this, tr("Watch"), text); });
        return false;
    }
    if (!viewer)
        play.box_opened();  // the game in play waits, and comes back on its card
    viewer = std::move(opened).value();
    quit_after_watching = then_quit;
    connect(viewer.get(), &wd::ReplayViewer::changed, this, &MainWidget::printscene);
    connect(&viewer->session(), &wd::GameSession::stepped, this, &MainWidget::after_step);
    connect(&viewer->session(), &wd::GameSession::levelBegun, this, &MainWidget::level_begun);
    flashes.clear();
    printscene();
    return true;
}

wd::Result<void> MainWidget::test_play(const std::string& bytes, const QString& name, const QString& hint)
{
    wd::Result<std::unique_ptr<wd::TestPlay>> opened = wd::TestPlay::open(bytes, name, hint, true, this);
    if (!opened.ok())
        return opened.problem();
    if (!trial)
        play.box_opened();  // the game in play waits, and comes back on its card
    trial = std::move(opened).value();
    wd::GameSession& session = trial->session();
    connect(&session, &wd::GameSession::stepped, this, &MainWidget::after_step);
    connect(&session, &wd::GameSession::stateChanged, this, &MainWidget::printscene);
    connect(&session, &wd::GameSession::levelBegun, this, &MainWidget::level_begun);
    connect(trial.get(), &wd::TestPlay::cleared, this, &MainWidget::stop_test_play);
    connect(trial.get(), &wd::TestPlay::left, this, &MainWidget::stop_test_play);
    session.set_timing({400, 1000, 700});
    level_begun();
    fit_scene_to_board();
    printscene();
    return {};
}

wd::Result<void> MainWidget::play_pack(const Locate& where)
{
    if (!play.in_practice() && play.quit_loses_points()
        && !ask_to_abandon(tr("Play a pack"), tr("Abandon this game with %n points?", nullptr, play.board().score),
                           tr("&Leave it"), QStringLiteral("confirm_pack")))
        return wd::Problem{wd::Problem::Kind::refused, 0, {}};
    const wd::Result<void> started = play.play_pack(where);
    fit_scene_to_board();
    printscene();
    return started;
}

void MainWidget::stop_test_play()
{
    if (!trial)
        return;
    const std::optional<wd::Recording> won = trial->proof();
    trial->session().blockSignals(true);
    trial.release()->deleteLater();  // this may run inside its own signal
    flashes.clear();
    play.box_closed();
    fit_scene_to_board();
    printscene();
    emit testPlayEnded(won);
}

// A ranked game left in play by the last run waits on the first card.
void MainWidget::offer_to_continue()
{
    const wd::Result<std::string> kept
        = wd::read_regular_file(QFile::encodeName(recordings.continue_path()).toStdString(), wd::recording_cap);
    if (!kept.ok())
        return;
    wd::Result<wd::Recording> parsed = wd::parse_recording(kept.value());
    if (parsed.ok() && parsed.value().last_level() && parsed.value().mode == wd::Recording::Mode::ranked)
        to_continue = std::move(parsed).value();
    else  // one that parsed but cannot go on has no problem to name
        warn(tr("%1: not a game that can be continued: %2")
                 .arg(recordings.continue_path(),
                      parsed.ok() ? QString() : QString::fromStdString(parsed.problem().text)));
}

void MainWidget::continue_left_game()
{
    if (!to_continue || !play.fresh())
        return;
    if (const wd::Result<void> continued = play.continue_game(*to_continue); !continued.ok()) {
        const QString text = tr("%1: the game left last time cannot go on: %2")
                                 .arg(recordings.continue_path(), QString::fromStdString(continued.problem().text));
        wd::player_notices::tell(text);
    }
    to_continue.reset();
    recordings.drop_continue();
    printscene();
}

void MainWidget::stop_watching()
{
    viewer.reset();
    flashes.clear();
    emit watchingEnded();
    if (quit_after_watching) {
        window()->close();
        return;
    }
    play.box_closed();
    printscene();
    // Watched from the table box: it opens again once this key is handled.
    game_over->watching_left();
}

// The viewer's keys; none of them reaches the recording or the game in play.
void MainWidget::viewer_key(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape: stop_watching(); return;
    case Qt::Key_P:
    case Qt::Key_Space:
    case Qt::Key_Pause: viewer->toggle_pause(); return;
    case Qt::Key_Plus:
    case Qt::Key_Equal: viewer->faster(); return;
    case Qt::Key_Minus: viewer->slower(); return;
    case Qt::Key_Right:
    case Qt::Key_Period: viewer->step_tick(); return;
    default: e->ignore(); return;
    }
}

// The board's own keys are the moves; every command comes as its action's
// shortcut, so the menus, the Keys box and the keys cannot disagree.
void MainWidget::keyPressEvent(QKeyEvent* e)
{
    if (viewer) {
        viewer_key(e);
        return;
    }
    if (trial) {
        if (!trial->key(e->key(), e->modifiers(), {key_up, key_down, key_left, key_right}))
            e->ignore();
        return;
    }
    const wd::Action move = wd::move_for(e->key(), e->modifiers(), {key_up, key_down, key_left, key_right});
    if (move == wd::Action::none) {
        e->ignore();
        return;
    }
    if (e->isAutoRepeat() && repeats_blocked)
        return;
    if (play.state() != wd::GameSession::State::game_over && !play.box_open())
        repeats_blocked = false;
    perform(move);
}

void MainWidget::keyReleaseEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat())
        repeats_blocked = false;
    QWidget::keyReleaseEvent(e);
}

void MainWidget::perform(wd::Action action)
{
    using wd::Action;
    // The window's own commands work over a page in the board's place (the
    // editor keeps play waiting as a box does); a modal box takes the keys itself.
    if (play.state() == wd::GameSession::State::game_over
        || (play.box_open() && !viewer && !trial && !wd::window_command(action)))
        return;
    const bool view_only = action == Action::quit || action == Action::full_screen || action == Action::toggle_sound
        || (!trial && (action == Action::zoom_in || action == Action::zoom_out || action == Action::zoom_reset));
    if (viewer && !view_only) {
        stop_watching();  // any command of the game's leaves the replay first: a finished one says nothing else
        return;
    }
    if (trial && !view_only)
        return;
    switch (action) {
    case Action::move_right: play.move(1, 0); return;
    case Action::move_left: play.move(-1, 0); return;
    case Action::move_up: play.move(0, -1); return;
    case Action::move_down: play.move(0, 1); return;
    case Action::pause: play.toggle_pause(); return;
    case Action::new_game: ask_new_game(); return;
    case Action::restart_level: play.restart_level(); return;
    case Action::practice: choose_practice(); return;
    case Action::quit: window()->close(); return;
    case Action::show_scores:
        with_play_paused([this] {
            play.reload_table();  // with what other games in this folder have saved
            wd::show_scores(this, QString::fromUtf8(play.table_text()), play.own_entry_index());
        });
        return;
    case Action::show_statistics:
        with_play_paused([this] {
            QString problem;
            const wd::Statistics counts = statistics.shown(problem);
            wd::show_statistics(this, counts, play.level_index(), problem);
        });
        return;
    case Action::show_help:
        with_play_paused([this] {
            wd::show_help(this, sprites);
        });
        return;
    case Action::show_keys: with_play_paused([this] { wd::show_keys(this, wd::GameActions::keys_text()); }); return;
    case Action::about: with_play_paused([this] { show_about(); }); return;
    case Action::full_screen: toggle_full_screen(); return;
    case Action::zoom_in: zoom_to((view().whole() ? int(view().scale()) : 0) + 1); return;
    case Action::zoom_out: zoom_to(view().whole() ? int(view().scale()) - 1 : 1); return;
    case Action::zoom_reset: zoom_to(1); return;
    case Action::toggle_sound: toggle_sound(); return;
    case Action::watch_last: watch(recordings.last_path()); return;
    case Action::rewind: play.rewind(); return;
    case Action::continue_game: continue_left_game(); return;
    case Action::toggle_menu_bar:  // the window's
    case Action::play_pack:
    case Action::edit_levels:
    case Action::none: return;
    }
}

// A stray F2 beside F1 must not throw a game away: with points at stake it asks.
void MainWidget::ask_new_game()
{
    if (!play.in_play() || play.board().score == 0) {
        play.new_game();
        return;
    }
    const bool abandon = ask_to_abandon(
        tr("New game"), tr("Abandon this game with %n points and start a new one?", nullptr, play.board().score),
        tr("&New game"), QStringLiteral("confirm_new_game"));
    if (abandon)
        play.new_game();
}

void MainWidget::choose_practice()
{
    wd::PracticeChoice chosen;
    with_play_paused([this, &chosen] {
        // A pack of the player's own is open to its last level: its maker has seen them all.
        chosen = wd::choose_practice_level(
            this, play.level_index(), play.own_pack() ? wd::Board::last_level_number : wd::settings::highest_level(),
            play.pack_level() ? play.board().level_number : 0,
            [this](const std::string& file) {
                return QFile::encodeName(play.locate_file(QString::fromStdString(file))).toStdString();
            },
            recordings.records());
    });
    if (chosen.watch) {
        const std::optional<QString> file = recordings.record_path(chosen.watch->hash, chosen.watch->cheese);
        watch(file.value_or(recordings.folder() + QLatin1Char('/')
                            + QString::fromStdString(wd::record_file(chosen.watch->hash, chosen.watch->cheese))));
        return;
    }
    if (!chosen.level)
        return;
    // A practice game ends the ranked one in play, as F2 does: with points at stake it asks.
    if (!play.in_practice() && play.quit_loses_points()
        && !ask_to_abandon(tr("Practice"),
                           tr("Abandon this game with %n points and practise level %1?", nullptr, play.board().score)
                               .arg(*chosen.level + 1),
                           tr("&Practise"), QStringLiteral("confirm_practice")))
        return;
    if (const wd::Result<void> started = play.start_practice(*chosen.level); !started.ok()) {
        wd::player_notices::tell(QString::fromStdString(started.problem().text));
    }
}

void MainWidget::show_about()
{
    wd::show_about(this);
}

// What every step and level load ends with: sound, effects, then the drawing.
void MainWidget::after_step(const wd::Events& events)
{
    sound.play(events);
    for (const wd::Cell& at : events.caught_at)
        flashes.push_back({wd::Flash::Kind::catch_burst, QPoint(at.x, at.y), 0});
    for (const wd::Cell& at : events.escaped_to)
        flashes.push_back({wd::Flash::Kind::escape_ring, QPoint(at.x, at.y), 0});
    if (!flashes.empty() && !flash_clock.isActive())
        flash_clock.start();
    printscene();
}

void MainWidget::level_begun()
{
    flashes.clear();  // they belonged to the level that went
    repeats_blocked = startup_ok;  // only a level that comes later asks to let go first
    card_faded = false;
    card_fade.stop();
}

void MainWidget::animate_flashes()
{
    for (wd::Flash& flash : flashes)
        flash.age_ms += wd::flash_frame_ms;
    std::erase_if(flashes, [](const wd::Flash& flash) { return flash.age_ms >= wd::flash_ms; });
    if (flashes.empty())
        flash_clock.stop();
    printscene();
}

void MainWidget::state_changed()
{
    commands->show_checked(wd::Action::pause, play.paused());
    // A ranked game stays one honest run.
    commands->action(wd::Action::rewind)->setEnabled(play.in_practice());
    // Playing on from a fresh start lets the game left last time go.
    if (to_continue && !play.fresh()) {
        to_continue.reset();
        recordings.drop_continue();
    }
    commands->action(wd::Action::continue_game)->setEnabled(to_continue.has_value());
    printscene();
}

bool MainWidget::event(QEvent* e)
{
    // While watching, plain keys are the viewer's, not the menus' shortcuts.
    if ((viewer || trial) && e->type() == QEvent::ShortcutOverride
        && !(static_cast<QKeyEvent*>(e)->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        e->accept();
        return true;
    }
    // Switching to another window pauses; the game's own boxes do not, nor
    // the window shown anew as it zooms.
    if (e->type() == QEvent::WindowActivate)
        shown_anew = false;
    if (e->type() == QEvent::WindowDeactivate && startup_ok && !play.box_open() && !shown_anew && !viewer)
        play.lose_focus();
    if (e->type() == QEvent::WindowDeactivate && trial && !shown_anew)
        trial->session().lose_focus();
    return QWidget::event(e);
}

void MainWidget::menu_opened()
{
    play.box_opened();
}

void MainWidget::menu_closed()
{
    play.box_closed();
    printscene();
    // Escape from a menu leaves the bar holding the keys: the arrows would
    // walk the bar while the cats walk the board.
    QTimer::singleShot(0, this, [this] {
        if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget() && isActiveWindow())
            setFocus(Qt::OtherFocusReason);
    });
}

void MainWidget::with_play_paused(const std::function<void()>& show_box)
{
    play.box_opened();
    show_box();
    play.box_closed();
}

void MainWidget::toggle_full_screen()
{
    if (window()->isFullScreen())
        window()->showNormal();
    else
        window()->showFullScreen();
}

void MainWidget::zoom_to(int zoom)
{
    const QSize board = scene_pixmap.size();
    if (board.isEmpty())
        return;
    // Until the window has the keyboard back, if it is shown anew: not a focus loss.
    shown_anew = wd::zoom_board(*this, board, zoom, [this] { shown_anew = true; });
}

wd::StripState MainWidget::strip_state() const
{
    using State = wd::GameSession::State;
    const wd::Board& b = seen().board();
    wd::StripState strip;
    strip.score = b.score;
    strip.level = b.level_number;
    strip.cats = b.cat_count;
    strip.paused = seen().paused();
    strip.sound_off = !sound.enabled();
    if (!seen().pack_level())
        strip.file = seen().level_label();
    strip.won = seen().won();
    strip.ready = seen().state() == State::ready;
    strip.practice = seen().in_practice() && !trial;
    if (trial)
        strip.file = tr("Test-play, Esc returns");
    if (viewer)
        strip.replay = viewer->finished() ? tr("ended, Esc leaves", "the replay at its end")
            : viewer->paused()            ? tr("%1, paused", "the replay's speed").arg(viewer->speed_text())
                                          : viewer->speed_text();
    return strip;
}

QString MainWidget::accessible_state() const
{
    const wd::Board& b = seen().board();
    QStringList parts;
    parts << (seen().pack_level() ? tr("Level %1").arg(seen().level_label()) : seen().level_label());
    if (seen().in_practice())
        parts << tr("practice");
    parts << tr("score %1").arg(b.score) << tr("cats left %n", nullptr, b.cat_count);
    if (seen().paused())
        parts << tr("paused");
    return parts.join(QStringLiteral(", "));
}

// What the overlay is given besides the session it shows.
wd::OverlayInputs MainWidget::overlay_inputs() const
{
    wd::OverlayInputs in;
    in.flashes = flashes;
    in.scale = view().scale();
    in.card_faded = card_faded;
    in.watching = viewer != nullptr;
    in.caught_kept = game_over->meeting_kept();
    if (to_continue && !viewer)
        if (const wd::Recording::Step* left = to_continue->last_level())
            in.to_continue = wd::OverlayInputs::Offer{
                left->number >= 0 ? QString::number(left->number + 1)
                                  : QFileInfo(QString::fromStdString(left->file)).fileName(),
                left->score};
    return in;
}

// The scene image always has the current board's size: a level of another
// size than the first is drawn whole, scaled to the same window.
void MainWidget::fit_scene_to_board()
{
    const QSize wanted(wd::cell_size * seen().board().board_width, wd::cell_size * seen().board().board_height);
    if (scene_pixmap.size() == wanted || wanted.isEmpty())
        return;
    scene_pixmap = QImage(wanted, QImage::Format_RGB32);  // the renderer redraws a new size whole
    update();
}

void MainWidget::toggle_sound()
{
    sound.set_enabled(!sound.enabled());
    wd::settings::set_sound_on(sound.enabled());
    commands->show_checked(wd::Action::toggle_sound, sound.enabled());
    printscene();  // the strip's mark follows
}

wd::ViewGeometry MainWidget::view() const
{
    return wd::ViewGeometry(size(), scene_pixmap.size(), wd::strip_height);
}

void MainWidget::printscene()
{
    fit_scene_to_board();
    const wd::ViewGeometry geometry = view();
    QRegion changed;
    for (const QRect& cells : renderer.update_board(seen().board(), scene_pixmap))
        changed += geometry.board_to_window(cells);
    if (const wd::StripState now = strip_state(); now != shown_strip) {
        // Dimming follows pause: the whole board changes with it.
        if (now.paused != shown_strip.paused)
            changed += geometry.board();
        shown_strip = now;
        changed += geometry.strip();
        setAccessibleDescription(accessible_state());
    }
    if (play.state() != wd::GameSession::State::ready) {
        card_fade.stop();
        card_faded = false;
    } else if (!card_faded && !card_fade.isActive()) {
        card_fade.start(wd::card_reading_ms(play.level_title(), play.level_hint()));
    }
    if (const wd::Overlay now = wd::overlay_now(seen(), overlay_inputs()); now != shown_overlay) {
        changed += wd::overlay_change(geometry, shown_overlay, now);
        announcer->say(now.card.text(), wd::card_rect(geometry, now.card));
        shown_overlay = now;
    }
    if (!changed.isEmpty())
        update(changed);
}

void MainWidget::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    const wd::ViewGeometry geometry = view();
    wd::paint_view(painter, e->region(), geometry, {&scene_pixmap, &sprites.cheese, font(), shown_strip});
    wd::startup_steps::mark("paint-board-and-strip");
    wd::paint_overlay(painter, e->region(), geometry, shown_overlay);
    wd::startup_steps::mark("paint-card");
}

// Level 0 cannot be played again: rather than a blank board, the program ends
// with the loader's message, as it does when level 0 fails at start-up.
void MainWidget::end_after_failed_restart(const QString& message)
{
    warn(message);
    window()->close();
    // Only a running event loop can carry the status; without one (a test
    // driving the widget) setting it would end the next loop started instead.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
}

}  // namespace wd
