#pragma once
// Help > How to play: the rules beside pictures of the sprites, then every
// command with its keys, taken from the key table so it cannot fall behind,
// in the names the menus show.

#include "sprites.h"

#include <QString>

class QWidget;

namespace wd {

// The page as rich text; its pictures are the resources "sprite:mouse", ...
QString help_html();

// Opens the page over `over`, in a box with a Close button.
void show_help(QWidget* over, const Sprites& sprites = {});

// Help > About: the version, the licence, the credits (the translators of the
// player's language among them) and, when the build names them, the home page
// and where to report bugs.
QString about_html();
void show_about(QWidget* over);

}  // namespace wd
