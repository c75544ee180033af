#include "gameover_dialogs.h"

#include "scores/pending_save.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QThreadPool>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace wd {

namespace {

// Return presses the button with the focus, which only Tab and Shift+Tab
// move: the arrows do nothing here, so an arrow still held from play cannot
// move the focus to Quit. Escape always quits.
class ChoiceKeys : public QObject {
public:
    ChoiceKeys(QAbstractButton* fallback, QAbstractButton* quit, QObject* parent)
        : QObject(parent)
        , fallback(fallback)
        , quit(quit)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            if (event->type() == QEvent::KeyPress) {
                auto* focused = qobject_cast<QAbstractButton*>(fallback->window()->focusWidget());
                (key == Qt::Key_Escape ? quit : focused ? focused : fallback)->click();
            }
            event->accept();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return event->type() == QEvent::KeyPress;
        default:
            return false;
        }
    }

private:
    QAbstractButton* fallback;
    QAbstractButton* quit;
};

}  // namespace

QString ordinal(int place)
{
    const int last = place % 10;
    const bool teen = place % 100 >= 11 && place % 100 <= 13;
    // Each language has its own endings; a table has only ten places.
    const char* form = teen        ? QT_TRANSLATE_NOOP("Ordinal", "%1th")
        : last == 1                ? QT_TRANSLATE_NOOP("Ordinal", "%1st")
        : last == 2                ? QT_TRANSLATE_NOOP("Ordinal", "%1nd")
        : last == 3                ? QT_TRANSLATE_NOOP("Ordinal", "%1rd")
                                   : QT_TRANSLATE_NOOP("Ordinal", "%1th");
    return QCoreApplication::translate("Ordinal", form).arg(place);
}

QString padded_by_characters(const QString& entry)
{
    // The file pads names by bytes: a letter of several bytes took that many
    // dots away, which the box gives back so every line is as wide.
    const qsizetype missing = entry.toUtf8().size() - entry.toUcs4().size();
    const qsizetype dots = entry.indexOf(QLatin1Char('.'));
    if (missing <= 0 || dots < 0)
        return entry;
    return QString(entry).insert(dots, QString(missing, QLatin1Char('.')));
}

namespace {
// The shipped heading lines in the player's language, as wide as they are:
// only the box shows them so, the file keeps its own bytes.
QString heading_shown(const QString& line, int row)
{
    if (row == 0 && line == QLatin1String("WHISKERDASH - THE BRAVEST MICE"))
        return QCoreApplication::translate("Table", "WHISKERDASH - THE BRAVEST MICE");
    const qsizetype dots = line.size() - 9;  // between "Name" and "Score"
    if (row == 1 && dots > 0 && line.startsWith(QLatin1String("Name")) && line.endsWith(QLatin1String("Score"))
        && line.mid(4, dots) == QString(dots, QLatin1Char('.'))) {
        const QString name = QCoreApplication::translate("Table", "Name");
        const QString score = QCoreApplication::translate("Table", "Score");
        return name + QString(std::max<qsizetype>(1, line.size() - name.size() - score.size()), QLatin1Char('.')) + score;
    }
    return line;
}
}  // namespace

QString table_markup(const QString& table, std::optional<int> own, const QList<int>& unverified)
{
    const QStringList lines = table.split(QLatin1Char('\n'));
    QString html = QStringLiteral("<pre>");
    for (int i = 0; i < lines.size(); ++i) {
        const int entry = i - 2;
        const bool is_entry = entry >= 0 && entry < 10;
        const QString line = (is_entry ? padded_by_characters(lines[i]) : heading_shown(lines[i], i)).toHtmlEscaped();
        if (!is_entry) {
            html += line;
        } else {
            QString numbered = QStringLiteral("%1. %2").arg(entry + 1, 2).arg(line);
            if (unverified.contains(entry))
                numbered += QLatin1Char(' ') + QCoreApplication::translate("GameOverBox", "(unverified)");
            // Marked by a sign too, for a player who cannot tell the colour.
            html += entry == own
                ? QStringLiteral("<span style=\"background-color:#ffe38a\"><b>%1 \u25c0</b></span>").arg(numbered)
                : numbered;
        }
        if (i + 1 < lines.size())
            html += QLatin1Char('\n');
    }
    return html + QStringLiteral("</pre>");
}

void place_clear_of(QWidget& dialog, QWidget* parent, const QRect& keep_clear)
{
    if (keep_clear.isEmpty() || !parent)
        return;
    dialog.ensurePolished();
    dialog.adjustSize();
    const QSize size = dialog.frameGeometry().size().expandedTo(dialog.sizeHint());
    const QRect window = parent->window()->frameGeometry();
    const QRect screen = parent->screen() ? parent->screen()->availableGeometry() : QRect();
    const int gap = 8;
    const QPoint centred = window.center() - QPoint(size.width() / 2, size.height() / 2);
    const QPoint candidates[] = {
        centred,
        {centred.x(), window.bottom() + gap},
        {centred.x(), window.top() - gap - size.height()},
        {window.right() + gap, centred.y()},
        {window.left() - gap - size.width(), centred.y()},
    };
    for (const QPoint& at : candidates) {
        const QRect placed(at, size);
        if (!placed.intersects(keep_clear) && (screen.isEmpty() || screen.contains(placed))) {
            if (at != centred)
                dialog.move(at);
            return;
        }
    }
    // No room beside the window (a full-screen game): the screen's edge away from the cell.
    const bool cell_high = keep_clear.center().y() < screen.center().y();
    const int y = cell_high ? screen.bottom() - size.height() : screen.top();
    dialog.move(std::clamp(centred.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())), y);
}

QString ask_name(QWidget* parent, int score, int place, const QString& last_name, const QRect& keep_clear)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("diag_name"));
    dialog.setWindowTitle(QCoreApplication::translate("NameDialog", "Enter your name:"));
    dialog.setModal(true);

    // The caption alone is often cut short by the window manager.
    auto* label = new QLabel(QCoreApplication::translate("NameDialog",
                                                         "Your score of %1 takes %2 place in the table.\nEnter your name:")
                                 .arg(score)
                                 .arg(ordinal(place)),
                             &dialog);
    label->setObjectName(QStringLiteral("label_name"));

    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("ledit_name"));
    edit->setMaxLength(19);
    edit->setText(last_name);
    edit->selectAll();  // typing replaces the remembered name, Return keeps it
    edit->setMinimumWidth(180);
    // A screen reader names the field by its prompt.
    label->setBuddy(edit);
    edit->setAccessibleName(QCoreApplication::translate("NameDialog", "Enter your name:"));
    edit->setAccessibleDescription(label->text());

    auto* ok = new QPushButton(QCoreApplication::translate("NameDialog", "OK"), &dialog);
    ok->setObjectName(QStringLiteral("ok_name"));
    ok->setAutoDefault(false);  // Return belongs to the line edit

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QObject::connect(edit, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    edit->setFocus();
    place_clear_of(dialog, parent, keep_clear);
    dialog.exec();
    return edit->text();
}

void use_fixed_pitch(QMessageBox& box)
{
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

std::optional<int> entry_to_watch(const GameOverText& text)
{
    if (text.own_entry && *text.own_entry < text.recordings.size() && !text.recordings[*text.own_entry].isEmpty())
        return text.own_entry;
    for (int i = 0; i < text.recordings.size(); ++i)
        if (!text.recordings[i].isEmpty())
            return i;
    return std::nullopt;
}

TableChoice show_table(QWidget* parent, const GameOverText& text, const QRect& keep_clear, const LateSave& late)
{
    // A child of the game window, so it opens centred over it.
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("GameOverBox", "Whiskerdash"));
    if (text.icon.isNull())
        box.setIcon(QMessageBox::NoIcon);
    else
        box.setIconPixmap(text.icon.scaled(text.icon.size() * 3));
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<p><b><big>%1</big></b></p>").arg(text.heading.toHtmlEscaped())
                + table_markup(text.table, text.own_entry));
    QStringList below;
    if (!text.detail.isEmpty())
        below << text.detail;
    below << text.notices;
    box.setInformativeText(below.join(QLatin1Char('\n')));
    if (late.pending && late.pending->waiting()) {
        QObject::connect(late.pending, &hsc::PendingSave::savedLate, &box,
                         [&box, &text, &late, below, waiting = late.pending->waiting_notice()](
                             const QString& saved, const QString& notice) {
                             QStringList now = below;
                             now.removeAll(waiting);
                             now << notice;
                             box.setText(QStringLiteral("<p><b><big>%1</big></b></p>").arg(text.heading.toHtmlEscaped())
                                         + table_markup(saved, late.own_entry ? late.own_entry() : text.own_entry));
                             box.setInformativeText(now.join(QLatin1Char('\n')));
                         });
    }
    // A file name is never markup.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
    use_fixed_pitch(box);

    QPushButton* again =
        box.addButton(QCoreApplication::translate("GameOverBox", "Play Again"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QCoreApplication::translate("GameOverBox", "Quit"), QMessageBox::RejectRole);
    QPushButton* watch = entry_to_watch(text)
        ? box.addButton(QCoreApplication::translate("GameOverBox", "&Watch"), QMessageBox::ActionRole)
        : nullptr;
    if (watch)
        watch->setObjectName(QStringLiteral("watch_entry"));
    box.setDefaultButton(again);
    box.setEscapeButton(quit);

    auto* keys = new ChoiceKeys(again, quit, &box);
    box.installEventFilter(keys);
    for (QWidget* child : box.findChildren<QWidget*>())
        child->installEventFilter(keys);
    place_clear_of(box, parent, keep_clear);
    // Each entry's game is played again off the GUI thread; the box marks the
    // ones that do not come out as recorded when the answer comes.
    if (text.replays && !text.recordings.isEmpty()) {
        QPointer<QMessageBox> shown(&box);
        QThreadPool::globalInstance()->start([shown, recordings = text.recordings, replays = text.replays, heading = text.heading,
                     table = text.table, own = text.own_entry] {
            QList<int> unverified;
            for (int i = 0; i < recordings.size(); ++i)
                if (!recordings[i].isEmpty() && !replays(recordings[i]))
                    unverified << i;
            if (unverified.isEmpty())
                return;
            QMetaObject::invokeMethod(QCoreApplication::instance(), [shown, unverified, heading, table, own] {
                if (shown)
                    shown->setText(QStringLiteral("<p><b><big>%1</big></b></p>").arg(heading.toHtmlEscaped())
                                   + table_markup(table, own, unverified));
            }, Qt::QueuedConnection);
        });
    }
    box.exec();

    if (watch && box.clickedButton() == watch)
        return TableChoice::watch;
    if (box.clickedButton() == again)
        return TableChoice::play_again;
    if (box.clickedButton() == quit)
        return TableChoice::quit;
    return TableChoice::none;
}

}  // namespace wd
