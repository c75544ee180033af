#pragma once
// What a key press asks the game to do. The arrow bindings stay the widget's own
// fields; everything else a player may press is mapped here.

#include <QKeyCombination>

namespace wd {

enum class Action {
    none,
    move_right,
    move_left,
    move_up,
    move_down,
    pause,          // toggles
    new_game,
    restart_level,
    quit,
    show_scores,
    show_help,
    full_screen,    // toggles
    zoom_in,
    zoom_out,
    zoom_reset,
    toggle_sound,
};

struct Arrows {
    int up, down, left, right;
};

// Arrows move whatever modifiers are held, as they always have; the keypad's
// 8/4/6/2 (Num Lock on) and W/A/S/D move without Control or Alt.
Action action_for(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows);

bool is_move(Action action);

}  // namespace wd
