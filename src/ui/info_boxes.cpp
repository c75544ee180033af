#include "info_boxes.h"

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
            label->setStyleSheet(QStringLiteral("min-width: %1px;").arg(widest + 16));
        }
    QPushButton* close = box.addButton(QMessageBox::Close);
    box.setDefaultButton(close);
    box.setEscapeButton(close);
    box.exec();
}
}  // namespace

void show_scores(QWidget* over, const QString& table, std::optional<int> own_entry)
{
    run_box(over, QCoreApplication::translate("HelpBox", "Whiskerdash high scores"), table_markup(table, own_entry),
            Qt::RichText);
}

void show_keys(QWidget* over, const QString& keys)
{
    run_box(over, QCoreApplication::translate("HelpBox", "Whiskerdash keys"), keys);
}

}  // namespace wd
