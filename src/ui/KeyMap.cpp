#include "KeyMap.h"

namespace wd {

Action action_for(int key, Qt::KeyboardModifiers modifiers, const Arrows& arrows)
{
    if (key == arrows.right)
        return Action::move_right;
    if (key == arrows.left)
        return Action::move_left;
    if (key == arrows.up)
        return Action::move_up;
    if (key == arrows.down)
        return Action::move_down;

    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & (Qt::AltModifier | Qt::MetaModifier);
    if (alt)
        return Action::none;
    if (control) {
        switch (key) {
        case Qt::Key_N: return Action::new_game;
        case Qt::Key_Q: return Action::quit;
        case Qt::Key_H: return Action::show_scores;
        case Qt::Key_Plus:
        case Qt::Key_Equal: return Action::zoom_in;  // Ctrl+= is Ctrl++ without Shift
        case Qt::Key_Minus: return Action::zoom_out;
        case Qt::Key_0: return Action::zoom_reset;
        default: return Action::none;
        }
    }

    if (modifiers & Qt::KeypadModifier) {
        switch (key) {
        case Qt::Key_8: return Action::move_up;
        case Qt::Key_2: return Action::move_down;
        case Qt::Key_4: return Action::move_left;
        case Qt::Key_6: return Action::move_right;
        case Qt::Key_Plus: return Action::zoom_in;
        case Qt::Key_Minus: return Action::zoom_out;
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_W: return Action::move_up;
    case Qt::Key_S: return Action::move_down;
    case Qt::Key_A: return Action::move_left;
    case Qt::Key_D: return Action::move_right;
    case Qt::Key_P:
    case Qt::Key_Pause:
    case Qt::Key_Escape: return Action::pause;
    case Qt::Key_F2: return Action::new_game;
    case Qt::Key_F5: return Action::restart_level;
    case Qt::Key_F1: return Action::show_help;
    case Qt::Key_F11: return Action::full_screen;
    case Qt::Key_M: return Action::toggle_sound;
    default: return Action::none;
    }
}

bool is_move(Action action)
{
    return action == Action::move_right || action == Action::move_left || action == Action::move_up
        || action == Action::move_down;
}

}  // namespace wd
