#include "widget_testing.h"

#include "scores/pending_save.h"
#include "settings/settings.h"
#include "settings/settings_text.h"
#include "ui/gameover_dialogs.h"
#include "ui/data_files.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QStandardPaths>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

using wd::testing::PlayFolder;
using wd::testing::start_widget;
using wd::testing::when_shown;

namespace {

// The mouse at (2,1) with a cat to its right; level 0 has its own layout.
const QStringList meeting = {"HHHHHHH", "H.MC..H", "H.....H", "HHHHHHH"};
const QStringList level0 = {"HHHHHHH", "H.....H", "H.K.M.H", "H..C..H", "HHHHHHH"};

QByteArray table(int top_score)
{
    QByteArray text = "Best\n\n";
    for (int i = 0; i < 10; ++i) {
        const QByteArray score = QByteArray::number(top_score - 10 * i);
        text += "old" + QByteArray(19 - 3 - score.size(), '.') + score + "\n";
    }
    return text;
}

// An entry line of the 19-byte-wide tables used here.
QString entry(const QString& name, int score)
{
    const QByteArray bytes = name.toUtf8();
    const QByteArray digits = QByteArray::number(score);
    return QString::fromUtf8(bytes + QByteArray(19 - bytes.size() - digits.size(), '.') + digits);
}

QString line(const QByteArray& table_text, int index)
{
    return QString::fromUtf8(table_text).split('\n').value(index);
}

struct Seen {
    QString dialog_title, dialog_name, edit_name, prefilled, ok_text, ok_name, label_name, label_text;
    QRect edit_geometry, ok_geometry, label_geometry, dialog_geometry;
    bool label_visible = false;
    QString box_title, box_text, box_below;
    QString box_heading;  // above the table
    int highlighted = -1;  // the entry shown as this game's, 0 for the best
    int marked = -1;       // the entry with the sign after it
    bool places_numbered = true;
    QRect box_geometry;
    bool fixed_pitch = false;
    bool below_plain = false;
    int name_dialogs = 0;
    int boxes = 0;
};

// Answers the name dialog with `typed` and `key`.
void answer_name(Seen& seen, const QString& typed, int key = Qt::Key_Return)
{
    when_shown<QDialog>([&seen, typed, key](QDialog* dialog) {
        if (qobject_cast<QMessageBox*>(dialog))
            return;
        ++seen.name_dialogs;
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* ok = dialog->findChild<QPushButton*>();
        auto* label = dialog->findChild<QLabel*>();
        seen.dialog_title = dialog->windowTitle();
        seen.dialog_name = dialog->objectName();
        seen.dialog_geometry = dialog->geometry();
        if (label) {
            seen.label_name = label->objectName();
            seen.label_text = label->text();
            seen.label_geometry = label->geometry();
            seen.label_visible = label->isVisible();
        }
        seen.edit_name = edit->objectName();
        seen.edit_geometry = edit->geometry();
        seen.prefilled = edit->text();
        seen.ok_text = ok->text();
        seen.ok_name = ok->objectName();
        seen.ok_geometry = ok->geometry();
        if (!typed.isNull())
            edit->setText(typed);
        QTest::keyClick(edit, Qt::Key(key));
    });
}

// Takes the box's markup apart into its heading and the table's own text,
// checking that the entries are numbered 1 to 10 in order.
void read_table_box(Seen& seen, const QString& markup)
{
    const QRegularExpression heading(QStringLiteral("<big>(.*)</big>"));
    seen.box_heading = heading.match(markup).captured(1);
    const int from = markup.indexOf(QStringLiteral("<pre>")) + 5;
    QStringList lines = markup.mid(from, markup.indexOf(QStringLiteral("</pre>")) - from).split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString& text = lines[i];
        if (text.contains(QStringLiteral("<b>")))
            seen.highlighted = i - 2;
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        if (text.endsWith(QStringLiteral(" \u25c0"))) {
            seen.marked = i - 2;
            text.chop(2);
        }
        // A game these tests set up by hand does not play again as recorded:
        // the mark may come while the box is open.
        if (text.endsWith(QStringLiteral(" (unverified)")))
            text.chop(13);
        if (i >= 2 && i < 12) {
            seen.places_numbered = seen.places_numbered && text.startsWith(QStringLiteral("%1. ").arg(i - 1, 2));
            text.remove(0, 4);
        }
    }
    seen.box_text = lines.join('\n');
}

// Answers the table box with `key` after running `meanwhile`.
void answer_box(Seen& seen, int key, std::function<void()> meanwhile = {})
{
    when_shown<QMessageBox>([&seen, key, meanwhile](QMessageBox* box) {
        ++seen.boxes;
        seen.box_title = box->windowTitle();
        read_table_box(seen, box->text());
        seen.box_below = box->informativeText();
        seen.box_geometry = box->geometry();
        if (auto* below = box->findChild<QLabel*>("qt_msgbox_informativelabel"))
            seen.below_plain = below->textFormat() == Qt::PlainText && below->isVisible();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
            seen.fixed_pitch = QFontMetrics(label->font()).horizontalAdvance(".....")
                == QFontMetrics(label->font()).horizontalAdvance("WWWWW");
        if (meanwhile)
            meanwhile();
        QTest::keyClick(box, Qt::Key(key));
    });
}

// A key, and whatever moment and dialogs it leads to.
void press(MainWidget& widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
    wd::testing::settle(widget);
}

void tick(MainWidget& widget)
{
    widget.session().timer_proc();
    wd::testing::settle(widget);
}


}  // namespace

class TestGameOver : public QObject {
    Q_OBJECT

private slots:
    void init() { wd::settings::set_last_name(QString()); }
    void cleanup() { wd::testing::stop_waiting(); }
    void new_entry_then_play_again();
    void no_entry_then_quit();
    void name_is_remembered_and_any_ending_takes_it();
    void odd_names_keep_the_table_in_format_data();
    void odd_names_keep_the_table_in_format();
    void ticks_wait_while_the_dialogs_are_open();
    void cat_catching_the_mouse_ends_the_game();
    void clearing_the_last_level_is_a_win();
    void damaged_score_file_moves_aside_and_is_told();
    void unsaved_score_is_told_in_the_box();
    void nothing_written_without_a_new_entry();
    void unsaved_entry_is_saved_on_the_way_out();
    void two_games_in_one_folder_keep_both_entries();
    void waiting_entry_is_told_then_saved_in_the_box();
    void name_is_remembered_between_runs_data();
    void name_is_remembered_between_runs();
    void dialogs_open_over_the_game_window();
    void return_and_escape_keep_their_meaning_data();
    void return_and_escape_keep_their_meaning();
    void level_zero_gone_at_play_again_ends_the_game();
    void settings_that_cannot_be_kept_are_told();
};

void TestGameOver::new_entry_then_play_again()
{
    PlayFolder folder;
    folder.level("level000.lvx", level0);
    folder.level("meet.lvx", meeting);
    folder.file("hsc.dat", table(500));
    auto widget = start_widget("meet.lvx");
    widget->game().score = 475;
    widget->game().level_number = 3;

    Seen seen;
    answer_name(seen, "Zoe");
    answer_box(seen, Qt::Key_Return, [&] {
        // Saved already, before the player chooses.
        QCOMPARE(line(folder.read("hsc.dat"), 5), entry("Zoe", 475));
    });
    press(*widget, Qt::Key_Right);

    QCOMPARE(seen.name_dialogs, 1);
    QCOMPARE(seen.dialog_title, QStringLiteral("Enter your name:"));
    QCOMPARE(seen.dialog_name, QStringLiteral("diag_name"));
    QCOMPARE(seen.edit_name, QStringLiteral("ledit_name"));
    QCOMPARE(seen.prefilled, QString());
    QCOMPARE(seen.ok_text, QStringLiteral("OK"));
    QCOMPARE(seen.ok_name, QStringLiteral("ok_name"));
    // A visible prompt with the score and the place it takes, above the edit and OK.
    QCOMPARE(seen.label_name, QStringLiteral("label_name"));
    QVERIFY(seen.label_visible);
    QCOMPARE(seen.label_text, QStringLiteral("Your score of 475 takes 4th place in the table.\nEnter your name:"));
    const QRect inside(QPoint(0, 0), seen.dialog_geometry.size());
    QVERIFY(inside.contains(seen.label_geometry) && inside.contains(seen.edit_geometry)
            && inside.contains(seen.ok_geometry));
    QVERIFY(seen.label_geometry.bottom() < seen.edit_geometry.top());
    QVERIFY(seen.edit_geometry.bottom() < seen.ok_geometry.top());
    QVERIFY(seen.edit_geometry.width() >= 180);

    QCOMPARE(seen.boxes, 1);
    QCOMPARE(seen.box_title, QStringLiteral("Whiskerdash"));
    QCOMPARE(seen.box_text, QString::fromUtf8(widget->table_text()));
    QVERIFY(seen.box_text.startsWith("Best\n\nold"));
    QCOMPARE(line(seen.box_text.toUtf8(), 5), entry("Zoe", 475));
    QCOMPARE(line(seen.box_text.toUtf8(), 6), entry("old", 470));
    QVERIFY(seen.fixed_pitch);
    QCOMPARE(seen.box_heading, QStringLiteral("Caught!"));
    QCOMPARE(seen.box_below, QStringLiteral("Caught on meet.lvx with 475 points."));
    QVERIFY(seen.places_numbered);
    QCOMPARE(seen.highlighted, 3);
    QCOMPARE(seen.marked, 3);  // not by colour alone

    // Play Again: level 0, score 0, the mouse on level 0's cell.
    const wd::Board& b = widget->game();
    QCOMPARE(b.score, 0);
    QCOMPARE(b.level_number, 0);
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(4, 2));
    QCOMPARE(b.cell(4, 2), 'M');
    QCOMPARE(b.cat_count, 1);
    QCOMPARE(widget->size(), QSize(7 * 16, 4 * 16 + 20));  // the start-up size stays
}

void TestGameOver::no_entry_then_quit()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(500));
    auto widget = start_widget();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    widget->game().score = 410;  // ties the tenth

    Seen seen;
    answer_name(seen, "never");
    answer_box(seen, Qt::Key_Escape);
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.name_dialogs, 0);
    QCOMPARE(seen.boxes, 1);
    QVERIFY(!widget->isVisible());  // Quit closed the window
    QCOMPARE(folder.read("hsc.dat"), table(500));
    widget.reset();
    QCOMPARE(folder.read("hsc.dat"), table(500));
}

void TestGameOver::name_is_remembered_and_any_ending_takes_it()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(100));
    auto widget = start_widget();

    Seen first;
    answer_name(first, "Pip", Qt::Key_Escape);  // closed without Return or OK
    answer_box(first, Qt::Key_Return);
    widget->game().score = 150;
    press(*widget, Qt::Key_Right);
    QCOMPARE(line(widget->table_text(), 2), entry("Pip", 150));

    Seen second;
    answer_name(second, QString());  // keep what is there
    answer_box(second, Qt::Key_Return);
    widget->game().score = 140;
    press(*widget, Qt::Key_Right);
    QCOMPARE(second.prefilled, QStringLiteral("Pip"));
    QCOMPARE(line(widget->table_text(), 3), entry("Pip", 140));
    QCOMPARE(line(widget->table_text(), 4), entry("old", 100));
}

void TestGameOver::odd_names_keep_the_table_in_format_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry");
    QTest::newRow("dots and tab") << "a.b\tc" << entry("a_b_c", 2500);
    QTest::newRow("too long for the line") << "Bartholomew Whiskers" << entry("Bartholomew Wh", 2500);
    QTest::newRow("empty") << "" << entry("", 2500);
    QTest::newRow("accents") << QString::fromUtf8("Zoë") << entry(QString::fromUtf8("Zoë"), 2500);
    QTest::newRow("accent cut whole") << QString::fromUtf8("Bartholomew Wé") << entry("Bartholomew W", 2500);
    QTest::newRow("other letters") << QString::fromUtf8("Мышь Zoë") << entry(QString::fromUtf8("Мышь Zoë"), 2500);
}

void TestGameOver::odd_names_keep_the_table_in_format()
{
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(100));
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, typed);
    answer_box(seen, Qt::Key_Return);
    widget->game().score = 2500;
    press(*widget, Qt::Key_Right);
    QCOMPARE(line(widget->table_text(), 2), entry);
    QCOMPARE(folder.read("hsc.dat").size(), table(100).size());
    QVERIFY(wd::hsc::check_format(widget->table_text()).ok());
    // The box lines names up by characters; the file's bytes stay as they are.
    const QStringList shown = seen.box_text.split('\n');
    QCOMPARE(shown.size(), 13);
    for (int i = 2; i < 12; ++i)
        QCOMPARE(shown[i].toUcs4().size(), 19);
    QCOMPARE(QString(shown[2]).remove(QLatin1Char('.')), line(widget->table_text(), 2).remove(QLatin1Char('.')));
}

void TestGameOver::ticks_wait_while_the_dialogs_are_open()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHHHH", "H.MC..H", "HC...CH", "HHHHHHH"});
    folder.file("hsc.dat", table(500));
    auto widget = start_widget();
    widget->game().random = [] { return 0; };  // every cat would step up and left

    Seen seen;
    QByteArray during;
    QByteArray after_ticks;
    answer_box(seen, Qt::Key_Return, [&] {
        during = QByteArray(&widget->game().board[0][0], sizeof widget->game().board);
        widget->session().timer_proc();
        widget->session().timer_proc();
        QTest::qWait(900);  // the real clock fires as well
        after_ticks = QByteArray(&widget->game().board[0][0], sizeof widget->game().board);
    });
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.boxes, 1);
    QCOMPARE(after_ticks, during);
}

void TestGameOver::cat_catching_the_mouse_ends_the_game()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHHHH", "H.MC..H", "H....CH", "HHHHHHH"});
    folder.file("hsc.dat", table(500));
    auto widget = start_widget();
    // First cat: dx -1, dy 0, taken. The restart leaves two cats: both hold still.
    auto script = std::make_shared<std::vector<int>>(std::vector<int>{0, 0x666666, 0});
    auto held = std::make_shared<int>(0);
    widget->game().random = [script, held] {
        if (!script->empty()) {
            const int value = script->front();
            script->erase(script->begin());
            return value;
        }
        return (*held)++ % 3 == 2 ? 0 : 0x666666;
    };
    Seen seen;
    answer_box(seen, Qt::Key_Return);
    tick(*widget);
    QCOMPARE(seen.boxes, 1);
    // Play Again reloaded the level; the second cat still moved in that tick, in place.
    QCOMPARE(widget->game().cell(2, 1), 'M');
    QCOMPARE(widget->game().cell(3, 1), 'C');
    QCOMPARE(widget->game().cell(5, 2), 'C');
}

void TestGameOver::clearing_the_last_level_is_a_win()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHH", "HCHHH", "HBHHH", "HMHHH", "HHHHH"});
    folder.file("hsc.dat", table(100));
    auto widget = start_widget();
    widget->game().score = 300;
    Seen seen;
    answer_name(seen, "Winner");
    answer_box(seen, Qt::Key_Return);
    press(*widget, Qt::Key_Up);
    QCOMPARE(seen.name_dialogs, 1);
    QCOMPARE(seen.boxes, 1);
    QCOMPARE(line(widget->table_text(), 2), entry("Winner", 300));
    QCOMPARE(seen.box_heading, QStringLiteral("All levels cleared!"));
    QCOMPARE(seen.box_below, QStringLiteral("You cleared every level with 300 points."));
    QCOMPARE(seen.box_text, QString::fromUtf8(widget->table_text()));  // the table alone
    QCOMPARE(seen.highlighted, 0);
    QCOMPARE(widget->game().level_number, 0);
    QCOMPARE(widget->game().cat_count, 1);
}

void TestGameOver::damaged_score_file_moves_aside_and_is_told()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    const QByteArray junk = "not a table\n";
    folder.file("hsc.dat", junk);
    folder.file("hsc.dat.damaged", "an older one");
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Return);
    widget->game().score = 99999;
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.name_dialogs, 1);  // the built-in table takes the entry
    const QString path = folder.dir.filePath("hsc.dat");
    QCOMPARE(seen.box_below, "Caught on level 1 with 99999 points.\n" + path + ": has 0 entry lines, not 10; moved aside to " + path
                                 + ".damaged.1, a fresh table takes its place");
    QVERIFY(seen.below_plain);
    QCOMPARE(folder.read("hsc.dat.damaged.1"), junk);
    QCOMPARE(folder.read("hsc.dat.damaged"), QByteArray("an older one"));
    // A fresh table with the entry, saved at once.
    QCOMPARE(folder.read("hsc.dat"), QByteArray(widget->table_text()));
    QVERIFY(QString(widget->table_text()).contains("Ann"));
    QVERIFY(wd::hsc::check_format(widget->table_text()).ok());
}

void TestGameOver::unsaved_score_is_told_in_the_box()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    QVERIFY(QDir(folder.dir.path()).mkdir("hsc.dat"));
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Escape);
    widget->game().score = 99999;
    press(*widget, Qt::Key_Right);
    const QString path = folder.dir.filePath("hsc.dat");
    const QString unreadable = path + ": cannot read: not a regular file (a folder); the file is left as it is";
    QCOMPARE(seen.box_below.split('\n'),
             (QStringList{"Caught on level 1 with 99999 points.", unreadable, path + ": cannot save the high scores: cannot read: not a regular "
                                                     "file (a folder); the file is left as it is"}));
    QVERIFY(seen.box_text.contains("Ann"));  // shown, and said to be unsaved
    widget.reset();
    QVERIFY(QFileInfo(path).isDir());

    // Told again at the next game over: the problem is still there.
    widget = start_widget();
    Seen again;
    answer_box(again, Qt::Key_Escape);
    press(*widget, Qt::Key_Right);
    QCOMPARE(again.box_below.split('\n'), (QStringList{"Caught on level 1 with 0 points.", unreadable}));
}

void TestGameOver::nothing_written_without_a_new_entry()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    auto widget = start_widget();
    Seen seen;
    answer_box(seen, Qt::Key_Return);
    press(*widget, Qt::Key_Right);  // a score of 0 makes no entry in the built-in table
    QCOMPARE(seen.boxes, 1);
    widget.reset();
    QVERIFY(!QFile::exists(folder.dir.filePath("hsc.dat")));
}

void TestGameOver::unsaved_entry_is_saved_on_the_way_out()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    QVERIFY(QDir(folder.dir.path()).mkdir("hsc.dat"));  // no save can succeed
    auto widget = start_widget();
    widget->show();
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Return, [&] { QVERIFY(QDir(folder.dir.path()).rmdir("hsc.dat")); });
    widget->game().score = 99999;
    press(*widget, Qt::Key_Right);
    QVERIFY(!QFile::exists(folder.dir.filePath("hsc.dat")));  // the box showed it unsaved
    wd::testing::command_key(*widget, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!widget->isVisible());
    widget.reset();
    QCOMPARE(line(folder.read("hsc.dat"), 2).left(4), QStringLiteral("Ann."));
    QVERIFY(wd::hsc::check_format(folder.read("hsc.dat").toStdString()).ok());
}

void TestGameOver::two_games_in_one_folder_keep_both_entries()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(500));
    auto first = start_widget();
    auto second = start_widget();  // both read the table before either plays

    Seen bob;
    answer_name(bob, "Bob");
    answer_box(bob, Qt::Key_Escape);
    second->game().score = 475;
    press(*second, Qt::Key_Right);

    Seen alice;
    answer_name(alice, "Alice");
    answer_box(alice, Qt::Key_Escape);
    first->game().score = 455;
    press(*first, Qt::Key_Right);
    QCOMPARE(alice.label_text, QStringLiteral("Your score of 455 takes 7th place in the table.\nEnter your name:"));
    // The box shows the table with both games' entries, and so does the file.
    QCOMPARE(line(alice.box_text.toUtf8(), 5), entry("Bob", 475));
    QCOMPARE(line(alice.box_text.toUtf8(), 8), entry("Alice", 455));
    QCOMPARE(folder.read("hsc.dat"), alice.box_text.toUtf8());
    // Neither puts its own older copy back on the way out.
    second.reset();
    first.reset();
    QCOMPARE(folder.read("hsc.dat"), alice.box_text.toUtf8());
}

void TestGameOver::waiting_entry_is_told_then_saved_in_the_box()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(100));
    const QString path = folder.dir.filePath("hsc.dat");
    auto other = std::make_unique<QLockFile>(path + ".lock");  // another game saving
    QVERIFY(other->lock());
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, "Ann");
    QStringList below;
    QString shown;
    when_shown<QMessageBox>([&](QMessageBox* box) {
        below << box->informativeText();
        QTest::qWait(3 * wd::hsc::PendingSave::retry_ms);
        below << box->informativeText();  // still held: still waiting
        other.reset();
        QTRY_VERIFY(box->informativeText().contains("your entry is saved"));
        below << box->informativeText();
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    widget->game().score = 500;
    press(*widget, Qt::Key_Right);
    const QString waiting = path + ": another game is saving; your entry waits and is saved as soon as it is done "
                                   "(should this game end first, it waits in a file beside the table for the next game)";
    const QString saved = path + ": your entry is saved";
    QCOMPARE(below.size(), 3);
    QCOMPARE(below[0].split('\n').last(), waiting);
    QCOMPARE(below[1], below[0]);
    QCOMPARE(below[2], QString(below[0]).replace(waiting, saved));
    QVERIFY(shown.contains(entry("Ann", 500)));
    QCOMPARE(line(folder.read("hsc.dat"), 2), entry("Ann", 500));
}

void TestGameOver::name_is_remembered_between_runs_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Mira";
    // What the settings file must quote or escape to read it back the same.
    QTest::newRow("a comma") << "Mira, Jr";
    QTest::newRow("quote and backslash") << "Q\"\\b";
    QTest::newRow("spaces around") << " Ed ";
    QTest::newRow("semicolon and equals") << "a;b=c";
    QTest::newRow("leading at sign") << "@home";
}

void TestGameOver::name_is_remembered_between_runs()
{
    QFETCH(QString, name);
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(100));
    {
        auto widget = start_widget();
        Seen seen;
        answer_name(seen, name);
        answer_box(seen, Qt::Key_Escape);
        widget->game().score = 500;
        press(*widget, Qt::Key_Right);
        QCOMPARE(seen.prefilled, QString());
    }
    QFile kept(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + "/whiskerdash/whiskerdash.conf");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(wd::settings::parse_ini(kept.readAll()).value("player/name"), name);
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, QString());
    answer_box(seen, Qt::Key_Escape);
    widget->game().score = 400;
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.prefilled, name);
    QCOMPARE(seen.label_text, QStringLiteral("Your score of 400 takes 2nd place in the table.\nEnter your name:"));
    QCOMPARE(line(folder.read("hsc.dat"), 3), entry(name, 400));
}

void TestGameOver::dialogs_open_over_the_game_window()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    folder.file("hsc.dat", table(100));
    auto widget = start_widget();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    // Away from the middle of the screen, with room for the box all round.
    const QRect screen = widget->screen()->availableGeometry();
    widget->move(screen.center() + QPoint(-screen.width() / 8, screen.height() / 10));
    QTRY_VERIFY((widget->QWidget::geometry().center() - screen.center()).manhattanLength() > 20);
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Escape);
    widget->game().score = 500;
    press(*widget, Qt::Key_Right);
    // Both leave the meeting cell in view, and stay by the window.
    const QRect cell(widget->mapToGlobal(QPoint(3 * 16, 20 + 16)), QSize(16, 16));
    const QRect near = widget->QWidget::frameGeometry().adjusted(-40, -40, 40, 40);
    for (const QRect& opened : {seen.dialog_geometry, seen.box_geometry}) {
        QVERIFY2(!opened.intersects(cell), qPrintable(QStringLiteral("opened at %1,%2").arg(opened.x()).arg(opened.y())));
        QVERIFY(opened.intersects(near));
        QVERIFY(screen.contains(opened));
    }
}

void TestGameOver::return_and_escape_keep_their_meaning_data()
{
    QTest::addColumn<QList<int>>("stray");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("plays_again");
    const QList<int> arrows = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right};
    QTest::newRow("Return") << QList<int>{} << int(Qt::Key_Return) << true;
    QTest::newRow("Right, Return") << QList<int>{Qt::Key_Right} << int(Qt::Key_Return) << true;
    // Tab reaches Quit and Return presses it; arrows never move the focus.
    QTest::newRow("Tab, Enter") << QList<int>{Qt::Key_Tab} << int(Qt::Key_Enter) << false;
    QTest::newRow("Backtab, Return") << QList<int>{Qt::Key_Backtab} << int(Qt::Key_Return) << false;
    QTest::newRow("Tab, Tab, Return") << QList<int>{Qt::Key_Tab, Qt::Key_Tab} << int(Qt::Key_Return) << true;
    QTest::newRow("Tab, arrows, Return") << QList<int>{Qt::Key_Tab} + arrows << int(Qt::Key_Return) << false;
    QTest::newRow("arrows, Return") << arrows << int(Qt::Key_Return) << true;
    QTest::newRow("arrows, Escape") << arrows << int(Qt::Key_Escape) << false;
    QTest::newRow("Tab, Escape") << QList<int>{Qt::Key_Tab} << int(Qt::Key_Escape) << false;
}

void TestGameOver::return_and_escape_keep_their_meaning()
{
    QFETCH(QList<int>, stray);
    QFETCH(int, key);
    QFETCH(bool, plays_again);
    PlayFolder folder;
    folder.level("level000.lvx", level0);
    folder.level("meet.lvx", meeting);
    folder.file("hsc.dat", table(500));
    auto widget = start_widget("meet.lvx");
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    widget->game().level_number = 3;
    int boxes = 0;
    // Keys go where X sends them: to the widget with the focus.
    wd::testing::when_shown<QMessageBox>([&](QMessageBox* box) {
        ++boxes;
        const auto focused = [box] { return box->focusWidget() ? box->focusWidget() : static_cast<QWidget*>(box); };
        for (const int k : stray)
            QTest::keyClick(focused(), Qt::Key(k));
        QTest::keyClick(focused(), Qt::Key(key));
    });
    press(*widget, Qt::Key_Right);
    QCOMPARE(boxes, 1);
    QCOMPARE(widget->isVisible(), plays_again);
    QCOMPARE(widget->game().level_number, plays_again ? 0 : 3);
}

void TestGameOver::level_zero_gone_at_play_again_ends_the_game()
{
    PlayFolder folder;
    folder.level("level000.lvx", level0);
    folder.level("meet.lvx", meeting);
    folder.file("hsc.dat", table(500));
    auto widget = start_widget("meet.lvx");
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    Seen seen;
    answer_box(seen, Qt::Key_Return, [&] { QVERIFY(QFile::remove(folder.dir.filePath("level000.lvx"))); });
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.boxes, 1);
    QVERIFY(!widget->isVisible());  // no blank board left playing
    // Nothing moves on the board that could not be loaded.
    const QByteArray before(&widget->game().board[0][0], sizeof widget->game().board);
    widget->session().timer_proc();
    press(*widget, Qt::Key_Left);
    QCOMPARE(QByteArray(&widget->game().board[0][0], sizeof widget->game().board), before);
}

// A settings folder that cannot be made: the window says so until a key, the
// table box says so, and so does each write that fails (the name entered).
void TestGameOver::settings_that_cannot_be_kept_are_told()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    const QByteArray kept = qgetenv("XDG_CONFIG_HOME");
    folder.file("blocked", "a file where the settings folder would go");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.dir.filePath("blocked/config")));
    wd::data_files::choose(false, {});
    const QString problem = "settings cannot be kept: " + folder.dir.filePath("blocked/config/whiskerdash")
        + " cannot be written";
    QVERIFY(!wd::data_files::storage().ok());
    QCOMPARE(QString::fromStdString(wd::data_files::storage().problem().text), problem);

    auto widget = start_widget();
    QLabel* banner = widget->findChild<QLabel*>();
    QVERIFY(banner && !banner->isHidden());
    QCOMPARE(banner->text(), "S" + problem.mid(1));
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Escape);
    widget->game().score = 99999;
    press(*widget, Qt::Key_Right);
    QTRY_VERIFY(!widget->findChild<QLabel*>());  // the first key took the banner away
    const QStringList below = seen.box_below.split('\n');
    QCOMPARE(below.value(1), problem);
    QCOMPARE(below.value(2), folder.dir.filePath("blocked/config/whiskerdash")
                                 + ": cannot make the settings folder; the settings of this run are kept in memory only");
    widget.reset();
    qputenv("XDG_CONFIG_HOME", kept);
    wd::data_files::choose(false, {});
}

QTEST_MAIN(TestGameOver)
#include "test_gameover.moc"
