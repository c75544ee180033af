#pragma once
// The two dialogs of a game over: the name prompt and the table with its choice.

#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

namespace wd {
namespace hsc {
class PendingSave;
}

// Asks for the player's name, telling the score and the place it takes, and
// pre-filled with the last name. Whatever ends the dialog, the text in the line
// edit at that moment is the answer.
QString ask_name(QWidget* parent, int score, int place, const QString& last_name);

enum class TableChoice { play_again, quit, none };

// Shows the whole table over `parent`, with how the game ended and anything
// the player must know about the file below it, and asks whether to play
// again. Return always means Play Again and Escape always Quit, whatever keys
// moved the focus before. With an entry waiting in `pending`, the box shows
// the table again once it is saved.
TableChoice show_table(QWidget* parent, const QString& table, const QString& outcome, const QStringList& notices,
                       hsc::PendingSave* pending = nullptr);

// Sets a box's text in the system's fixed-pitch font, so a table's columns of
// dots line up.
void use_fixed_pitch(QMessageBox& box);

// "1st", "2nd", "3rd", "4th", ...
QString ordinal(int place);

}  // namespace wd
