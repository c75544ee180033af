#pragma once
// The game's one window: owns the board, the sprites, the scene image and the
// clock, turns key presses and ticks into rule calls, and shows the result.

#include "../game/board.h"
#include "../scores/hsc_table.h"
#include "../scores/score_store.h"
#include "KeyMap.h"
#include "../sound/SoundEffects.h"
#include "SceneRenderer.h"
#include "StatusStrip.h"
#include "ViewGeometry.h"
#include "data_files.h"

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTimer;

class MainWidget : public QWidget {
    Q_OBJECT

public:
    MainWidget(QWidget* parent, const char* name, int argc, char** argv);
    ~MainWidget() override;

    // False when a start-up level could not be loaded; the window must not open.
    bool started() const { return startup_ok; }
    // Why it could not start, as the loader put it.
    const QString& startup_error() const { return startup_message; }

    wd::Board& game() { return state; }
    const char* table_text() const { return hsc_text; }

    void printscene();
    void mousedead();
    int init_audio();

    bool paused() const { return is_paused; }
    void set_paused(bool pause);
    // Where the board and strip stand in the window as it is now.
    wd::ViewGeometry view() const;
    // Resizes the window to show the board at this whole-number scale.
    void zoom_to(int zoom);
    // Sound on or off; M switches it and the choice is kept for later runs.
    bool sound_on() const { return sound.enabled(); }
    void toggle_sound();
    // Silent for this run only; the kept choice stays as it is.
    void start_muted()
    {
        sound.set_enabled(false);
        printscene();  // the strip's mark
    }

public slots:
    void timer_proc();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void load_sprites();
    void load_hsc();
    void save_hsc();
    void note_hsc_problem(const QString& text);
    void end_after_failed_restart(const std::string& message);
    bool start_level(const wd::LoadResult& result);
    void play_events(const wd::Events& events) { sound.play(events); }

    void handle(wd::Action action);
    void after_rule_call();
    wd::StripState strip_state() const;
    void fit_scene_to_board();
    void new_game();
    void restart_level();
    bool start_over(int score, const std::function<wd::LoadResult()>& load);
    void with_play_paused(const std::function<void()>& show_box);
    void toggle_full_screen();

    wd::Board state;
    int key_up;
    int key_down;
    int key_left;
    int key_right;

    int sound_block_size;
    int sample_rate;
    int dsp_block_size = 0;

    QPixmap cat_pixmap;
    QPixmap mouse_pixmap;
    QPixmap cheese_pixmap;
    QPixmap block_pixmap;
    QPixmap hardblock_pixmap;
    QImage scene_pixmap;
    wd::SceneRenderer renderer;
    wd::StripState shown_strip;
    wd::SoundEffects sound;

    QTimer* clock = nullptr;
    int timer_interval = 0;

    char hsc_text[wd::hsc::text_capacity] = {};
    wd::hsc::ScoreStore hsc_store{wd::data_files::table_path(), [this](const QString& text) { note_hsc_problem(text); }};
    QStringList hsc_notices;  // told in the next table box
    char actpname[wd::hsc::name_capacity] = {};  // the last name entered this run

    bool startup_ok = false;
    QString startup_message;
    bool in_game_over = false;  // ticks and keys wait while its dialogs are open

    bool is_paused = false;
    bool box_open = false;         // a box the player opened: not a focus loss
    int seen_loads = 0;            // the board's level count when last drawn
    int level_entry_score = 0;     // what a restart of this level starts with
    bool repeats_blocked = false;  // a key held into a new level must be let go first
};
