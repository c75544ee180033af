#pragma once
// What each key does, in one place: the move keys, which stay the board's own,
// and the table of commands, whose keys are their actions' shortcuts.

#include <QKeySequence>
#include <QList>

#include <span>

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
    practice,
    quit,
    show_scores,
    show_statistics,
    show_help,
    show_keys,
    about,
    full_screen,    // toggles
    zoom_in,
    zoom_out,
    zoom_reset,
    toggle_sound,
    toggle_menu_bar,
    watch_last,
    rewind,         // practice only
    continue_game,  // the game left in play last time, from a fresh game's card
    play_pack,      // the window's: the shipped pack or one of the player's
    edit_levels,    // the window's: the editor in place of the board
};

enum class Menu { game, view, settings, help };
inline constexpr Menu menus[] = {Menu::game, Menu::view, Menu::settings, Menu::help};
// The menu's title in the bar, translated in the "Menu" context.
const char* menu_title(Menu menu);

struct Command {
    Action action;
    Menu menu;
    const char* text;  // the menu's, translated in the "Menu" context
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;  // the desktop's own key, first
    QList<QKeySequence> keys = {};                                   // the game's keys beside it
    bool checkable = false;
};

// Commands of the window rather than the game (quit, full screen, the menu
// bar, help): they work over any page and while play waits.
bool window_command(Action action);
// In the menus' order.
std::span<const Command> commands();

// Every key of a command: the desktop's standard ones, then the game's.
QList<QKeySequence> keys_of(const Command& command);

struct Arrows {
    int up, down, left, right;
};

// The move a key makes, if any: the arrows move whatever modifiers are held,
// as they always have; the keypad's 8/4/6/2 (Num Lock on) and W/A/S/D move
// without Control or Alt. Every other key is a command's, as its shortcut.
Action move_for(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows);

}  // namespace wd
