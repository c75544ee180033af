#pragma once
// The menu bar asks the style for its extension button's icon as it is made,
// and reading that icon's PNG by format detection loads and asks every image
// plugin (GIF, ICO, JPEG and libjpeg) before the first frame. With this style
// in place such icons are read the first time they are drawn.

namespace wd {

// Wraps the application's style; call before any menu bar is made.
void read_style_icons_late();

}  // namespace wd
