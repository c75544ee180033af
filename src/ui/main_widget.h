#pragma once
// The game's one window: shows the session's board with its cards and
// effects, and turns key presses into the session's calls. The flow of play
// itself is the session's.

#include "../session/game_session.h"
#include "game_actions.h"
#include "game_over_flow.h"
#include "key_map.h"
#include "../sound/sound_effects.h"
#include "announcer.h"
#include "overlay_now.h"
#include "replay_viewer.h"
#include "test_play.h"
#include "scene_renderer.h"
#include "status_strip.h"
#include "view_geometry.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace wd {

class MainWidget : public QWidget {
    Q_OBJECT

public:
    struct Options {
        bool wait_for_player = true;  // each level waits on its card for the first move
    };

    // Starts at `level_file` when one is given, else at the pack's first level.
    explicit MainWidget(const QString& level_file, QWidget* parent = nullptr);
    MainWidget(const QString& level_file, const Options& options, QWidget* parent = nullptr);
    ~MainWidget() override;

    // False when a start-up level could not be loaded; the window must not open.
    bool started() const { return startup_ok; }
    // Why it could not start, as the loader put it.
    const QString& startup_error() const { return startup_message; }

    wd::GameSession& session() { return play; }
    const wd::Sprites& sprite_set() const { return sprites; }
    // Another pack to play, or the shipped one again (no `where`): with points
    // at stake the player is asked first. The problem, with no text when the
    // player kept the game.
    using Locate = wd::GameSession::Locate;
    Result<void> play_pack(const Locate& where);
    // A menu of the window's is open: play waits as it does for a box, and
    // the keys come back to the board when the last menu closes.
    void menu_opened();
    void menu_closed();
    wd::Board& game() { return play.board(); }
    const char* table_text() const { return play.table_text(); }

    void printscene();
    void level_begun();

    bool paused() const { return play.paused(); }
    // Where the board and strip stand in the window as it is now.
    wd::ViewGeometry view() const;
    // Resizes the window to show the board at this whole-number scale.
    void zoom_to(int zoom);
    // Sound on or off; M switches it and the choice is kept for later runs.
    bool sound_on() const { return sound.enabled(); }
    const wd::SoundEffects& sound_effects() const { return sound; }
    void toggle_sound();
    // Silent for this run only; the kept choice stays as it is.
    void start_muted()
    {
        sound.set_enabled(false);
        commands->show_checked(wd::Action::toggle_sound, false);
        printscene();  // the strip's mark
    }
    // What the overlay shows now, for tests and the accessible description.
    const wd::Overlay& overlay() const { return shown_overlay; }

    // The commands of the menus and keys, as actions of this widget's window.
    wd::GameActions& actions_of() { return *commands; }
    // What a command does; a command the window handles itself does nothing here.
    void perform(wd::Action action);
    // Whether the window may close: a ranked game with points is thrown away
    // only when the player says so. A logging-out desktop is never asked.
    bool may_quit();
    // Shows a recorded game in this window until the player leaves it with
    // Escape; the game in play waits on its card meanwhile. False, told in a
    // box, when the recording cannot be played. With `then_quit`, leaving
    // ends the program (whiskerdash --replay FILE).
    bool watch(const QString& file, bool then_quit = false);
    // A recording whose levels lie in this folder (a pack's proof).
    bool watch_in(const QString& file, const QString& folder);
    bool watching() const { return viewer != nullptr; }
    void end_watching()
    {
        if (viewer)
            stop_watching();
    }
    // Plays a level being drawn in this window until the player leaves it with
    // Escape or clears it; the game in play waits on its card meanwhile. The
    // problem when the drawing cannot be played.
    Result<void> test_play(const std::string& bytes, const QString& name, const QString& hint);
    bool test_playing() const { return trial != nullptr; }
    wd::TestPlay* test_play_session() { return trial.get(); }
    wd::ReplayViewer* replay_viewer() { return viewer.get(); }
    // For a screen reader: the level, the score, the cats left, paused or not.
    QString accessible_state() const;

signals:
    void watchingEnded();
    // Test-play is over: the won game when the level was cleared.
    void testPlayEnded(const std::optional<wd::Recording>& won);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // The session the window shows: the game in play, or a recorded one.
    const wd::GameSession& seen() const
    {
        return viewer ? viewer->session() : trial ? trial->session() : play;
    }
    void viewer_key(QKeyEvent* e);
    void stop_watching();
    bool open_viewer(const QString& file, bool then_quit, const Locate& locate);
    void stop_test_play();
    // Ranks a game that has ended and saves, whatever ends the program.
    void before_exit();
    void end_after_failed_restart(const QString& message);

    void ask_new_game();
    bool ask_to_abandon(const QString& title, const QString& question, const QString& leave_text, const QString& name);
    void choose_practice();
    void show_about();
    void after_step(const wd::Events& events);
    void state_changed();
    wd::StripState strip_state() const;
    wd::OverlayInputs overlay_inputs() const;
    void update_overlay();
    void fit_scene_to_board();
    void with_play_paused(const std::function<void()>& show_box);
    void toggle_full_screen();
    void animate_flashes();

    static constexpr int sound_load_delay_ms = 1000;
    const wd::Sprites sprites = wd::Sprites::load();
    wd::RecordingStore recordings;  // before the session, which keeps its games there
    wd::StatisticsFile statistics;  // and counts them here
    wd::GameSession play;
    wd::GameActions* commands;
    wd::GameOverFlow* game_over;
    int key_up;
    int key_down;
    int key_left;
    int key_right;

    QImage scene_pixmap;
    wd::SceneRenderer renderer;
    wd::StripState shown_strip;
    wd::Overlay shown_overlay;
    wd::Announcer* announcer;  // the card's text, for assistive technology
    std::vector<wd::Flash> flashes;  // catches and escapes still being shown
    wd::SoundEffects sound;
    QTimer flash_clock;  // runs only while a catch or an escape is shown
    QTimer card_fade;    // the level's card fades a while after it appears
    bool card_faded = false;

    std::unique_ptr<wd::ReplayViewer> viewer;
    std::unique_ptr<wd::TestPlay> trial;
    std::optional<wd::Recording> to_continue;  // a ranked game left in play last time
    void offer_to_continue();
    void continue_left_game();
    bool quit_after_watching = false;
    bool startup_ok = false;
    QString startup_message;
    bool shown_anew = false;       // the window hidden and shown to zoom: not a focus loss
    bool repeats_blocked = false;  // a key held into a new level must be let go first
};

}  // namespace wd
