#include "MainWidget.h"

#include "../scores/gameover_dialogs.h"
#include "../settings/settings.h"
#include "InfoBoxes.h"
#include "ViewPainter.h"
#include "data_files.h"
#include "notices.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {
constexpr int tick_ms = 400;

constexpr std::size_t sprite_cap = 1 << 20;  // far more than a 16-pixel picture takes

// Qt's own XPM reader first: detecting the format would load and ask every
// image plugin before the first frame. Anything else still loads by detection.
bool load_sprite(QPixmap& pixmap, const std::string& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const auto size = static_cast<uint>(bytes.size());
    return pixmap.loadFromData(data, size, "XPM") || pixmap.loadFromData(data, size);
}

void warn(const QString& text)
{
    std::fprintf(stderr, "whiskerdash: %s\n", qPrintable(text));
}
}  // namespace

MainWidget::MainWidget(QWidget* parent, const char* name, int argc, char** argv)
    : QWidget(parent)
    , key_up(Qt::Key_Up)
    , key_down(Qt::Key_Down)
    , key_left(Qt::Key_Left)
    , key_right(Qt::Key_Right)
    , sound_block_size(1024)
    , sample_rate(10989)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Whiskerdash"));
    std::printf("Audiodriver initialized\n");
    state.locate = [](const std::string& name) { return wd::data_files::locate(name); };
    load_sprites();
    state.game_over = [this] { mousedead(); };
    load_hsc();

    if (!start_level(state.load_next_level()))
        return;
    if (argc > 1 && !start_level(state.load_level(argv[1])))
        return;

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
    seen_loads = state.levels_loaded;
    printscene();
    startup_ok = true;
    sound.set_enabled(wd::settings::sound_on());
    sound.load_after_first_frame(this, wd::data_files::search_folders());
    wd::settings::on_write_failure([this](const QString& text) { note_hsc_problem(text); });
    if (const QString problem = wd::data_files::storage_problem(); !problem.isEmpty()) {
        note_hsc_problem(problem);
        wd::show_banner(this, problem);
    }

    clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWidget::timer_proc);
    timer_interval = tick_ms;
    clock->start(tick_ms);
}

MainWidget::~MainWidget()
{
    wd::settings::on_write_failure({});
    if (startup_ok)
        save_hsc();
}

bool MainWidget::start_level(const wd::LoadResult& result)
{
    if (!result.ok()) {
        startup_message = QString::fromStdString(result.message);
        warn(startup_message);
    }
    return result.ok();
}

void MainWidget::load_sprites()
{
    const struct {
        QPixmap* pixmap;
        const char* file;
    } sprites[] = {
        {&cat_pixmap, "cat.xpm"},     {&mouse_pixmap, "mouse.xpm"},         {&cheese_pixmap, "cheese.xpm"},
        {&block_pixmap, "block.xpm"}, {&hardblock_pixmap, "hardblock.xpm"},
    };
    for (const auto& sprite : sprites) {
        const QString path = wd::data_files::locate(QString::fromLatin1(sprite.file));
        const wd::FileBytes file = wd::read_regular_file(QFile::encodeName(path).toStdString(), sprite_cap);
        if (!file.opened)
            warn(QStringLiteral("%1: %2; its cells stay blank").arg(path, QString::fromStdString(file.error)));
        else if (!load_sprite(*sprite.pixmap, file.bytes))
            warn(QStringLiteral("%1: cannot load the sprite; its cells stay blank").arg(path));
    }
    renderer.set_sprites({cat_pixmap, mouse_pixmap, cheese_pixmap, block_pixmap, hardblock_pixmap});
}

void MainWidget::load_hsc()
{
    hsc_store.load(hsc_text);
}

// Only a game holding an entry not yet in the file writes it: a run that made
// none leaves the file (and its owner) as they are.
void MainWidget::save_hsc()
{
    if (hsc_store.has_unsaved())
        hsc_store.save(hsc_text);
}

void MainWidget::note_hsc_problem(const QString& text)
{
    warn(text);
    if (!hsc_notices.contains(text))
        hsc_notices << text;
}

void MainWidget::keyPressEvent(QKeyEvent* e)
{
    const wd::Action action = wd::action_for(e->key(), e->modifiers(), {key_up, key_down, key_left, key_right});
    if (action == wd::Action::none) {
        e->ignore();
        return;
    }
    if (in_game_over || box_open)
        return;
    if (wd::is_move(action)) {
        if (is_paused || (e->isAutoRepeat() && repeats_blocked))
            return;
        repeats_blocked = false;
    }
    handle(action);
}

void MainWidget::keyReleaseEvent(QKeyEvent* e)
{
    if (!e->isAutoRepeat())
        repeats_blocked = false;
    QWidget::keyReleaseEvent(e);
}

void MainWidget::handle(wd::Action action)
{
    using wd::Action;
    switch (action) {
    case Action::move_right: state.mouse_right(); break;
    case Action::move_left: state.mouse_left(); break;
    case Action::move_up: state.mouse_up(); break;
    case Action::move_down: state.mouse_down(); break;
    case Action::pause: set_paused(!is_paused); return;
    case Action::new_game: new_game(); break;
    case Action::restart_level: restart_level(); break;
    case Action::quit: close(); return;
    case Action::show_scores:
        with_play_paused([this] {
            load_hsc();  // with what other games in this folder have saved
            wd::show_scores(this, QString::fromUtf8(hsc_text));
        });
        return;
    case Action::show_help: with_play_paused([this] { wd::show_help(this); }); return;
    case Action::full_screen: toggle_full_screen(); return;
    case Action::zoom_in: zoom_to((view().whole() ? int(view().scale()) : 0) + 1); return;
    case Action::zoom_out: zoom_to(view().whole() ? int(view().scale()) - 1 : 1); return;
    case Action::zoom_reset: zoom_to(1); return;
    case Action::toggle_sound: toggle_sound(); return;
    case Action::none: return;
    }
    after_rule_call();
}

void MainWidget::timer_proc()
{
    if (in_game_over || is_paused)
        return;
    state.move_cats();
    after_rule_call();
}

// What every key move and tick ends with: notice a new level, then draw.
void MainWidget::after_rule_call()
{
    play_events(state.take_events());
    if (state.levels_loaded != seen_loads) {
        seen_loads = state.levels_loaded;
        level_entry_score = state.score;
        repeats_blocked = true;
    }
    printscene();
}

bool MainWidget::event(QEvent* e)
{
    // Switching to another window pauses; the game's own boxes do not.
    if (e->type() == QEvent::WindowDeactivate && startup_ok && !in_game_over && !box_open)
        set_paused(true);
    return QWidget::event(e);
}

void MainWidget::set_paused(bool pause)
{
    if (!clock || pause == is_paused)
        return;
    is_paused = pause;
    if (is_paused)
        clock->stop();
    else
        clock->start(tick_ms);  // a fresh interval: no tick the moment play resumes
    shown_strip = strip_state();
    update();
}

void MainWidget::with_play_paused(const std::function<void()>& show_box)
{
    const bool was_paused = is_paused;
    set_paused(true);
    box_open = true;
    show_box();
    box_open = false;
    if (!was_paused)
        set_paused(false);
}

void MainWidget::new_game()
{
    // The player chose to leave this game: its score is not ranked.
    if (start_over(0, [this] { return state.load_numbered_level(0); }))
        set_paused(false);
}

void MainWidget::restart_level()
{
    if (start_over(level_entry_score, [this] { return state.load_level(state.level_source); }))
        set_paused(false);
}

// Plays a level from its start with this score. A level that can no longer be
// loaded ends the program with its message, the ended board still drawn.
bool MainWidget::start_over(int score, const std::function<wd::LoadResult()>& load)
{
    const wd::Board before = state;
    state.score = score;
    if (const wd::LoadResult result = load(); !result.ok()) {
        state = before;
        end_after_failed_restart(result.message);
        return false;
    }
    return true;
}

void MainWidget::toggle_full_screen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void MainWidget::zoom_to(int zoom)
{
    const QSize board = scene_pixmap.size();
    if (board.isEmpty())
        return;
    const QSize available = screen() ? screen()->availableGeometry().size() : QSize();
    if (available.isValid())
        zoom = std::min(zoom, wd::ViewGeometry::largest_zoom(available, board, wd::strip_height));
    zoom = std::max(zoom, 1);
    if (isFullScreen() || isMaximized())
        showNormal();
    resize(wd::ViewGeometry::size_at(zoom, board, wd::strip_height));
    wd::settings::set_zoom(zoom);
}

wd::StripState MainWidget::strip_state() const
{
    return {state.score, state.level_number, state.cat_count, is_paused, !sound.enabled()};
}

// The scene image always has the current board's size: a level of another
// size than the first is drawn whole, scaled to the same window.
void MainWidget::fit_scene_to_board()
{
    const QSize wanted(wd::cell_size * state.board_width, wd::cell_size * state.board_height);
    if (scene_pixmap.size() == wanted)
        return;
    scene_pixmap = QImage(wanted, QImage::Format_RGB32);  // the renderer redraws a new size whole
    update();
}

void MainWidget::toggle_sound()
{
    sound.set_enabled(!sound.enabled());
    wd::settings::set_sound_on(sound.enabled());
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
    for (const QRect& cells : renderer.update_board(state, scene_pixmap))
        changed += geometry.board_to_window(cells);
    if (const wd::StripState now = strip_state(); now != shown_strip) {
        shown_strip = now;
        changed += geometry.strip();
    }
    if (!changed.isEmpty())
        update(changed);
}

void MainWidget::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    wd::paint_view(painter, e->region(), view(), {&scene_pixmap, &cheese_pixmap, font(), shown_strip});
}

void MainWidget::mousedead()
{
    if (in_game_over)
        return;
    in_game_over = true;
    const wd::Events ended = state.take_events();  // set by the rule that ended the game
    play_events(ended);  // the catch is heard as the box opens, not after it

    load_hsc();  // as other games in this folder may have left it
    const auto beaten = wd::hsc::rank(hsc_text, state.score, [](const std::string& line) {
        std::fputs(line.c_str(), stdout);
    });
    if (beaten) {
        const QString last = actpname[0] ? QString::fromUtf8(actpname) : wd::settings::last_name();
        const QString typed = wd::ask_name(this, state.score, beaten->index + 1, last);
        const std::string name = wd::hsc::clean_name(typed.toStdString());
        std::memcpy(actpname, name.c_str(), name.size() + 1);
        wd::settings::set_last_name(QString::fromUtf8(actpname));
        if (hsc_store.add(hsc_text, *beaten, actpname, state.score))
            save_hsc();  // at once, so a crash later cannot lose it
    }

    const QString outcome = ended.all_cleared ? QStringLiteral("All levels cleared!")
        : ended.next_level_failed             ? QStringLiteral("The next level could not be loaded.")
                                              : QStringLiteral("Caught!");
    const QStringList notices = std::exchange(hsc_notices, {});
    switch (wd::show_table(this, QString::fromUtf8(hsc_text), outcome, notices)) {
    case wd::TableChoice::play_again:
        if (!start_over(0, [this] { return state.load_numbered_level(0); }))
            return;  // play stays stopped until the program ends
        break;
    case wd::TableChoice::quit:
        close();
        break;
    case wd::TableChoice::none:
        break;
    }
    in_game_over = false;
}

// Level 0 cannot be played again: rather than a blank board, the program ends
// with the loader's message, as it does when level 0 fails at start-up.
void MainWidget::end_after_failed_restart(const std::string& message)
{
    warn(QString::fromStdString(message));
    close();
    // Only a running event loop can carry the status; without one (a test
    // driving the widget) setting it would end the next loop started instead.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
}
