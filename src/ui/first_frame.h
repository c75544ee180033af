#pragma once
// Work the first frame does not need (the window icon, the sound module) waits
// until the player sees the game.

#include <functional>

class QWidget;

namespace wd {

// Runs `then` once, after `window` has painted its first frame and that frame
// has gone out.
void after_first_frame(QWidget* window, std::function<void()> then);

}  // namespace wd
