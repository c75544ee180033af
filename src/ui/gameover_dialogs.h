#pragma once
// The two dialogs of a game over: the name prompt and the table with its choice.

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;

namespace wd {
namespace hsc {
class PendingSave;
}

// Asks for the player's name, telling the score and the place it takes, and
// pre-filled with the last name. Whatever ends the dialog, the text in the line
// edit at that moment is the answer.
// A dialog that would cover `keep_clear` (screen pixels) opens beside its
// window instead.
QString ask_name(QWidget* parent, int score, int place, const QString& last_name, const QRect& keep_clear = {});

enum class TableChoice { play_again, quit, watch, none };

struct GameOverText {
    QString heading;       // how the game ended, above the table
    QString detail;        // the score and the level reached, below it
    QString table;         // the table's own text
    std::optional<int> own_entry;  // this game's entry, 0 for the best, shown highlighted
    QStringList notices;   // what the player must know about the file
    QPixmap icon;
    // The recording behind each entry, by place (0 for the best), empty for
    // none; `replays` says, off the GUI thread, whether one comes out as
    // recorded, and an entry whose recording does not is marked unverified.
    QStringList recordings;
    std::function<bool(const QString&)> replays;
};

// The entry Watch plays: this game's, or else the best one with a recording.
std::optional<int> entry_to_watch(const GameOverText& text);

// An entry still waiting for the table's lock when the box opens: the box
// shows the table again, with the entry's line now, once it is saved.
struct LateSave {
    hsc::PendingSave* pending = nullptr;
    std::function<std::optional<int>()> own_entry;
};

// Shows the whole table over `parent`, with how the game ended and anything
// the player must know about the file below it, and asks whether to play
// again. Return presses the focused button, Play Again at first; Tab and
// Shift+Tab move between the buttons, the arrows never; Escape always quits.
TableChoice show_table(QWidget* parent, const GameOverText& text, const QRect& keep_clear = {},
                       const LateSave& late = {});

// The table as a box shows it: its two header lines, then each entry with its
// place, 1 to 10, and `own` highlighted and marked. The entries' own text is unchanged but for
// the dots padding a name by characters rather than bytes.
QString table_markup(const QString& table, std::optional<int> own, const QList<int>& unverified = {});

// Moves a dialog about to open over `parent` so that it leaves `keep_clear`
// in view: centred over the window when that is clear of it, else beside the
// window, else at the screen's edge away from it.
void place_clear_of(QWidget& dialog, QWidget* parent, const QRect& keep_clear);

// Sets a box's text in the system's fixed-pitch font, so a table's columns of
// dots line up.
void use_fixed_pitch(QMessageBox& box);

// "1st", "2nd", "3rd", "4th", ... in the player's language.
QString ordinal(int place);

// A table entry with as many dots more as its name has bytes more than
// characters, so it lines up in the box with names of plain letters.
QString padded_by_characters(const QString& entry);

}  // namespace wd
