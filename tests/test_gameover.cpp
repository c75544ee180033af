#include "widget_testing.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

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
    QString dialog_title, dialog_name, edit_name, prefilled, ok_text, ok_name;
    QRect edit_geometry, ok_geometry;
    QSize dialog_size;
    QString box_title, box_text;
    bool fixed_pitch = false;
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
        seen.dialog_title = dialog->windowTitle();
        seen.dialog_name = dialog->objectName();
        seen.dialog_size = dialog->size();
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

// Answers the table box with `key` after running `meanwhile`.
void answer_box(Seen& seen, int key, std::function<void()> meanwhile = {})
{
    when_shown<QMessageBox>([&seen, key, meanwhile](QMessageBox* box) {
        ++seen.boxes;
        seen.box_title = box->windowTitle();
        seen.box_text = box->text();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
            seen.fixed_pitch = QFontMetrics(label->font()).horizontalAdvance(".....")
                == QFontMetrics(label->font()).horizontalAdvance("WWWWW");
        if (meanwhile)
            meanwhile();
        QTest::keyClick(box, Qt::Key(key));
    });
}

void press(QWidget& widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

class TestGameOver : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { wd::testing::stop_waiting(); }
    void new_entry_then_play_again();
    void no_entry_then_quit();
    void name_is_remembered_and_any_ending_takes_it();
    void odd_names_keep_the_table_in_format_data();
    void odd_names_keep_the_table_in_format();
    void ticks_wait_while_the_dialogs_are_open();
    void cat_catching_the_mouse_ends_the_game();
    void clearing_the_last_level_is_a_win();
    void untrusted_score_file_is_never_written();
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
    QCOMPARE(seen.dialog_size, QSize(200, 60));
    QCOMPARE(seen.edit_name, QStringLiteral("ledit_name"));
    QCOMPARE(seen.edit_geometry, QRect(10, 10, 180, 26));
    QCOMPARE(seen.prefilled, QString());
    QCOMPARE(seen.ok_text, QStringLiteral("OK"));
    QCOMPARE(seen.ok_name, QStringLiteral("ok_name"));
    QCOMPARE(seen.ok_geometry, QRect(90, 40, 30, 20));

    QCOMPARE(seen.boxes, 1);
    QCOMPARE(seen.box_title, QStringLiteral("Whiskerdash"));
    QCOMPARE(seen.box_text, QString::fromUtf8(widget->table_text()));
    QVERIFY(seen.box_text.startsWith("Best\n\nold"));
    QCOMPARE(line(seen.box_text.toUtf8(), 5), entry("Zoe", 475));
    QCOMPARE(line(seen.box_text.toUtf8(), 6), entry("old", 470));
    QVERIFY(seen.fixed_pitch);

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
    QVERIFY(!wd::hsc::format_problem(widget->table_text()));
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
        widget->timer_proc();
        widget->timer_proc();
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
    widget->timer_proc();
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
    QCOMPARE(widget->game().level_number, 0);
    QCOMPARE(widget->game().cat_count, 1);
}

void TestGameOver::untrusted_score_file_is_never_written()
{
    PlayFolder folder;
    folder.level("level000.lvx", meeting);
    const QByteArray junk = "not a table\n";
    folder.file("hsc.dat", junk);
    auto widget = start_widget();
    Seen seen;
    answer_name(seen, "Ann");
    answer_box(seen, Qt::Key_Return);
    widget->game().score = 99999;
    press(*widget, Qt::Key_Right);
    QCOMPARE(seen.name_dialogs, 1);  // the built-in table takes the entry
    QVERIFY(QString(widget->table_text()).contains("Ann"));
    widget.reset();
    QCOMPARE(folder.read("hsc.dat"), junk);
}

QTEST_MAIN(TestGameOver)
#include "test_gameover.moc"
