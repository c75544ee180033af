#pragma once
// The two dialogs of a game over: the name prompt and the table with its choice.

#include <QString>

class QWidget;

namespace wd {

// Asks for the player's name, pre-filled with the last one. Whatever ends the
// dialog, the text in the line edit at that moment is the answer.
QString ask_name(QWidget* parent, const QString& last_name);

enum class TableChoice { play_again, quit, none };

// Shows the whole table and asks whether to play again.
TableChoice show_table(const QString& table);

}  // namespace wd
