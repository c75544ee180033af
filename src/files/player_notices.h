#pragma once
// The one way any part of the game tells the player of a problem: the
// sentence goes to standard error at once and waits, said once, for the next
// box that shows such news (the table box at a game's end).

#include <QString>
#include <QStringList>

namespace wd::player_notices {

void tell(const QString& sentence);
// What waits, oldest first; nothing waits afterwards.
QStringList take();

}  // namespace wd::player_notices
