#pragma once
// The player's language: the game's own catalogue and Qt's, for its buttons
// and dialogs, chosen by the system's locale.

#include <QLocale>

namespace wd {

// Installs into the running application the game's catalogue for `locale`
// and Qt's catalogue of the same language. Under the C or an English locale,
// or a language the game does not speak, nothing is installed and every text
// stays the game's English. Returns the language installed, empty for none.
QString install_translations(const QLocale& locale = QLocale::system());

}  // namespace wd
