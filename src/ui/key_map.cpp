#include "key_map.h"

#include <QtGlobal>

#include <array>

namespace wd {

namespace {
using Key = QKeySequence;

const std::array command_table = {
    Command{Action::new_game, Menu::game, QT_TRANSLATE_NOOP("Menu", "&New game"), Key::New, {Key(Qt::Key_F2)}},
    Command{Action::continue_game, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Continue the game left last time"),
            Key::UnknownKey, {Key(Qt::Key_C)}},
    Command{Action::restart_level, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Restart level"), Key::UnknownKey,
            {Key(Qt::Key_F5)}},
    Command{Action::rewind, Menu::game, QT_TRANSLATE_NOOP("Menu", "Re&wind two seconds"), Key::UnknownKey,
            {Key(Qt::Key_Backspace)}},
    Command{Action::pause, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Pause"), Key::UnknownKey,
            {Key(Qt::Key_P), Key(Qt::Key_Pause), Key(Qt::Key_Escape)}, true},
    Command{Action::practice, Menu::game, QT_TRANSLATE_NOOP("Menu", "Practice a &level\u2026")},
    Command{Action::watch_last, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Watch last game")},
    Command{Action::play_pack, Menu::game, QT_TRANSLATE_NOOP("Menu", "Play a p&ack\u2026"), Key::Open},
    Command{Action::edit_levels, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Edit levels\u2026"), Key::UnknownKey,
            {Key(Qt::CTRL | Qt::Key_E)}},
    Command{Action::show_scores, Menu::game, QT_TRANSLATE_NOOP("Menu", "&High scores"), Key::UnknownKey,
            {Key(Qt::CTRL | Qt::Key_H)}},
    Command{Action::show_statistics, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Statistics")},
    Command{Action::quit, Menu::game, QT_TRANSLATE_NOOP("Menu", "&Quit"), Key::Quit, {Key(Qt::CTRL | Qt::Key_Q)}},
    // Ctrl+= is Ctrl++ without Shift on most layouts. The keypad's + and -
    // reach shortcuts on X11 and Wayland as plain + and -, the keypad mark
    // dropped, so it is those that zoom, from the main row too.
    Command{Action::zoom_in, Menu::view, QT_TRANSLATE_NOOP("Menu", "Zoom &in"), Key::ZoomIn,
            {Key(Qt::CTRL | Qt::Key_Plus), Key(Qt::CTRL | Qt::Key_Equal), Key(Qt::Key_Plus)}},
    Command{Action::zoom_out, Menu::view, QT_TRANSLATE_NOOP("Menu", "Zoom &out"), Key::ZoomOut,
            {Key(Qt::CTRL | Qt::Key_Minus), Key(Qt::Key_Minus)}},
    Command{Action::zoom_reset, Menu::view, QT_TRANSLATE_NOOP("Menu", "&Actual size"), Key::UnknownKey,
            {Key(Qt::CTRL | Qt::Key_0)}},
    Command{Action::full_screen, Menu::view, QT_TRANSLATE_NOOP("Menu", "&Full screen"), Key::FullScreen,
            {Key(Qt::Key_F11)}, true},
    Command{Action::toggle_sound, Menu::settings, QT_TRANSLATE_NOOP("Menu", "&Sound"), Key::UnknownKey,
            {Key(Qt::Key_M)}, true},
    Command{Action::toggle_menu_bar, Menu::settings, QT_TRANSLATE_NOOP("Menu", "Show &menu bar"), Key::UnknownKey,
            {Key(Qt::CTRL | Qt::Key_M)}, true},
    Command{Action::show_help, Menu::help, QT_TRANSLATE_NOOP("Menu", "&How to play"), Key::HelpContents,
            {Key(Qt::Key_F1)}},
    Command{Action::show_keys, Menu::help, QT_TRANSLATE_NOOP("Menu", "&Keys")},
    Command{Action::about, Menu::help, QT_TRANSLATE_NOOP("Menu", "&About Whiskerdash")},
};

}  // namespace

bool window_command(Action action)
{
    return action == Action::quit || action == Action::full_screen || action == Action::toggle_menu_bar
        || action == Action::show_help || action == Action::show_keys || action == Action::about;
}

Action move_for(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows)
{
    if (key == arrows.right)
        return Action::move_right;
    if (key == arrows.left)
        return Action::move_left;
    if (key == arrows.up)
        return Action::move_up;
    if (key == arrows.down)
        return Action::move_down;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return Action::none;
    if (modifiers & Qt::KeypadModifier) {
        switch (key) {
        case Qt::Key_8: return Action::move_up;
        case Qt::Key_2: return Action::move_down;
        case Qt::Key_4: return Action::move_left;
        case Qt::Key_6: return Action::move_right;
        default: return Action::none;
        }
    }
    switch (key) {
    case Qt::Key_W: return Action::move_up;
    case Qt::Key_S: return Action::move_down;
    case Qt::Key_A: return Action::move_left;
    case Qt::Key_D: return Action::move_right;
    default: return Action::none;
    }
}

const char* menu_title(Menu menu)
{
    switch (menu) {
    case Menu::game: return QT_TRANSLATE_NOOP("Menu", "&Game");
    case Menu::view: return QT_TRANSLATE_NOOP("Menu", "&View");
    case Menu::settings: return QT_TRANSLATE_NOOP("Menu", "&Settings");
    case Menu::help: return QT_TRANSLATE_NOOP("Menu", "&Help");
    }
    return "";
}

std::span<const Command> commands()
{
    return command_table;
}

QList<QKeySequence> keys_of(const Command& command)
{
    QList<QKeySequence> keys =
        command.standard == Key::UnknownKey ? QList<QKeySequence>() : QKeySequence::keyBindings(command.standard);
    for (const QKeySequence& key : command.keys)
        if (!keys.contains(key))
            keys << key;
    return keys;
}

}  // namespace wd
