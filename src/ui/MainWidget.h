#pragma once
// The game's one window: owns the board, the sprites, the scene image and the
// clock, turns key presses and ticks into rule calls, and shows the result.

#include "../game/board.h"
#include "../scores/hsc_table.h"
#include "../sound/SoundEffects.h"
#include "SceneRenderer.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QTimer;

class MainWidget : public QWidget {
    Q_OBJECT

public:
    MainWidget(QWidget* parent, const char* name, int argc, char** argv);
    ~MainWidget() override;

    // False when a start-up level could not be loaded; the window must not open.
    bool started() const { return startup_ok; }

    wd::Board& game() { return state; }
    const char* table_text() const { return hsc_text; }

    void printscene();
    void mousedead();
    int init_audio();

    // Sound on or off; M switches it and the choice is kept for later runs.
    bool sound_on() const { return sound.enabled(); }
    void toggle_sound();
    // Silent for this run only; the kept choice stays as it is.
    void start_muted() { sound.set_enabled(false); }

public slots:
    void timer_proc();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void load_sprites();
    void load_hsc();
    void save_hsc();
    bool start_level(const wd::LoadResult& result);
    void play_events(const wd::Events& events) { sound.play(events); }

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
    QImage strip_image;
    wd::SceneRenderer renderer;
    wd::SoundEffects sound;

    QTimer* clock = nullptr;
    int timer_interval = 0;

    char hsc_text[wd::hsc::text_capacity] = {};
    bool hsc_may_write = true;
    char actpname[wd::hsc::name_capacity] = {};  // the last name entered this run

    bool startup_ok = false;
    bool in_game_over = false;  // ticks and keys wait while its dialogs are open
};
