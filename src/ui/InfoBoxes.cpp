#include "InfoBoxes.h"

#include "gameover_dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace wd {

namespace {
// Fixed pitch for both: the table's columns and the help's key column line up.
void run_box(QWidget* over, const QString& title, const QString& text, Qt::TextFormat format = Qt::PlainText)
{
    QMessageBox box(over);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(format);
    box.setText(text);
    use_fixed_pitch(box);
    // The box would wrap lines past a fixed width, breaking the help's lines
    // (longer in some languages) mid-sentence: it is made as wide as the longest.
    if (format == Qt::PlainText)
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            int widest = 0;
            for (const QString& line : text.split(QLatin1Char('\n')))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
            label->setStyleSheet(QStringLiteral("min-width: %1px;").arg(widest + 4));
        }
    QPushButton* close = box.addButton(QMessageBox::Close);
    box.setDefaultButton(close);
    box.setEscapeButton(close);
    box.exec();
}
}  // namespace

QString help_text()
{
    return QCoreApplication::translate(
        "HelpBox",
        "You are the mouse. Catch every cat to clear a level.\n"
        "\n"
        "Arrow keys, W A S D or the keypad's 8 4 6 2 move the mouse.\n"
        "Walk into a row of crates to push it, unless a stone wall stops it.\n"
        "Cheese is worth 10 points. Cats cannot step on cheese or crates.\n"
        "Push a crate onto a cat: it escapes to a free cell next to it,\n"
        "or is caught when it has none. If a cat reaches you, the game is over.\n"
        "So trap cats: wait until one stands where crates, walls or cheese\n"
        "surround it, then push the last crate onto it. Cats follow you,\n"
        "which lets you lure them into a pocket before you close it.\n"
        "Each level starts when you press an arrow key.\n"
        "\n"
        "P, Pause or Escape   pause and resume\n"
        "F2 or Ctrl+N         new game\n"
        "F5                   restart this level\n"
        "Ctrl+H               high scores\n"
        "M                    sound on or off\n"
        "F11                  full screen\n"
        "Ctrl++ Ctrl+- Ctrl+0 zoom in, out, back to 1x\n"
        "Ctrl+Q               quit\n");
}

void show_scores(QWidget* over, const QString& table, std::optional<int> own_entry)
{
    run_box(over, QCoreApplication::translate("HelpBox", "Whiskerdash high scores"), table_markup(table, own_entry),
            Qt::RichText);
}

void show_keys(QWidget* over, const QString& keys)
{
    run_box(over, QCoreApplication::translate("HelpBox", "Whiskerdash keys"), keys);
}

void show_help(QWidget* over)
{
    run_box(over, QCoreApplication::translate("HelpBox", "Whiskerdash help"), help_text());
}

}  // namespace wd
