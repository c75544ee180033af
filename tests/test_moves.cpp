#include "testing.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>

using wd::testing::QuietBoard;
using wd::testing::describe;
using wd::testing::level_text;

namespace {

// A one-row corridor inside a ring of 'H', the mouse at column 1 facing right.
// Returns the cells after the mouse's start, as they stand after `moves`.
struct Corridor {
    QuietBoard b;
    explicit Corridor(const std::string& row)
    {
        const std::string ring(row.size() + 2, 'H');
        b.load({ring, "H" + row + "H", ring});
    }
    std::string cells() const { return std::string(b.board[1] + 1, b.board_width - 2); }
};

}  // namespace

class TestMoves : public QObject {
    Q_OBJECT

private slots:
    void move_right_data();
    void move_right();
    void move_left_pushes_a_row();
    void up_and_down_move_along_columns();
    void stepping_onto_a_cat_ends_the_game();
    void game_over_may_place_the_mouse_anew();
    void moves_never_leave_the_grid();
    void covered_cat_escapes_or_is_removed_data();
    void covered_cat_escapes_or_is_removed();
    void delcat_keeps_order();
    void last_cat_removed_loads_next_level_with_score();
    void clearing_the_last_level_ends_the_game();
    void refused_next_level_ends_the_game();
    void next_level_that_cannot_be_played_is_no_win_data();
    void next_level_that_cannot_be_played_is_no_win();
    void level_without_cats_never_advances();
    void events_of_a_move_data();
    void events_of_a_move();
    void events_add_up_until_taken();
};

void TestMoves::move_right_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("points");

    QTest::newRow("into a hard block") << "MH..." << "MH..." << 0;
    QTest::newRow("row stopped by a hard block") << "MBBH." << "MBBH." << 0;
    QTest::newRow("push a row of two") << "MBB.." << ".MBB." << 0;
    QTest::newRow("push onto cheese loses it") << "MBK.." << ".MB.." << 0;
    QTest::newRow("eat cheese") << "MK..." << ".M..." << 10;
    QTest::newRow("step onto a space") << "M ..." << ".M..." << 0;
    QTest::newRow("push over another byte") << "MBx.." << ".MB.." << 0;
    QTest::newRow("push a long row") << "MBBBBB." << ".MBBBBB" << 0;
}

void TestMoves::move_right()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, points);
    Corridor c(before.toStdString());
    c.b.score = 50;
    c.b.mouse_right();
    QCOMPARE(QString::fromStdString(c.cells()), after);
    QCOMPARE(c.b.score, 50 + points);
    QCOMPARE(c.b.game_overs, 0);
    QCOMPARE(c.b.cell(c.b.mouse_x, c.b.mouse_y), 'M');
}

void TestMoves::move_left_pushes_a_row()
{
    Corridor c(".BBM.");
    c.b.mouse_left();
    QCOMPARE(QString::fromStdString(c.cells()), QStringLiteral("BBM.."));
    c.b.mouse_left();  // the row now meets the ring
    QCOMPARE(QString::fromStdString(c.cells()), QStringLiteral("BBM.."));
    QCOMPARE(c.b.mouse_x, 3);
}

void TestMoves::up_and_down_move_along_columns()
{
    QuietBoard b;
    b.load({"HHH", "H.H", "HBH", "HMH", "H.H", "HKH", "HHH"});
    b.mouse_up();
    QCOMPARE(b.cell(1, 1), 'B');
    QCOMPARE(b.cell(1, 2), 'M');
    QCOMPARE(b.cell(1, 3), '.');
    b.mouse_up();  // the block is against the ring now
    QCOMPARE(b.mouse_y, 2);
    b.mouse_down();
    b.mouse_down();
    b.mouse_down();
    QCOMPARE(b.mouse_y, 5);
    QCOMPARE(b.score, 10);
}

void TestMoves::stepping_onto_a_cat_ends_the_game()
{
    Corridor c("MC...");
    c.b.mouse_right();
    QCOMPARE(c.b.game_overs, 1);
    QCOMPARE(QString::fromStdString(c.cells()), QStringLiteral(".M..."));

    Corridor push("MBC..");  // a push never ends the game
    push.b.mouse_right();
    QCOMPARE(push.b.game_overs, 0);
}

void TestMoves::game_over_may_place_the_mouse_anew()
{
    // A move onto a cat ends the game yet finishes its step: the mouse stands
    // on the cat's cell, and the trapped-cat pass still runs.
    Corridor c("MC...");
    c.b.score = 40;
    QCOMPARE(c.b.Board::mouse_right(), wd::Outcome::caught);
    QCOMPARE(QPoint(c.b.mouse_x, c.b.mouse_y), QPoint(2, 1));
    QCOMPARE(c.b.cell(2, 1), 'M');
    QCOMPARE(c.b.cell(1, 1), '.');
    QCOMPARE(c.b.score, 40);
    QCOMPARE(c.b.cat_count, 1);
}

void TestMoves::moves_never_leave_the_grid()
{
    // No ring at all: the grid's edge acts as one.
    QuietBoard b;
    b.load({"MBB"});
    b.mouse_left();
    b.mouse_up();
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(0, 0));
    b.mouse_down();
    QCOMPARE(b.mouse_y, 1);
    std::string wide(80, '.');
    wide[0] = 'M';
    wide[78] = 'B';
    wide[79] = 'B';
    QuietBoard edge;
    edge.load({wide});
    for (int i = 0; i < 100; ++i)
        edge.mouse_right();
    QCOMPARE(edge.mouse_x, 78);  // the row of two reached the grid's last columns
    QCOMPARE(edge.cell(79, 0), 'B');
    QCOMPARE(edge.cell(80, 0), 'B');
}

void TestMoves::covered_cat_escapes_or_is_removed_data()
{
    // A 3x3 neighbourhood around the cat at (2,2), written row by row; the
    // mouse pushes the block at (2,3) up onto it from (2,4).
    QTest::addColumn<QString>("around");
    QTest::addColumn<QPoint>("escape");  // (-1,-1): removed

    QTest::newRow("upper left first") << "...|.C.|.B." << QPoint(1, 1);
    QTest::newRow("upper right after B and H") << "BH.|.C.|.B." << QPoint(3, 1);
    QTest::newRow("left last") << "BHK|.CH|HBH" << QPoint(1, 2);
    QTest::newRow("lower right") << "HHH|HCH|HB." << QPoint(3, 3);
    QTest::newRow("no floor: cheese, space, blocks") << "KBH| C |HBH" << QPoint(-1, -1);
}

void TestMoves::covered_cat_escapes_or_is_removed()
{
    QFETCH(QString, around);
    QFETCH(QPoint, escape);
    const QStringList rows = around.split('|');
    QuietBoard b;
    b.load({"HHHHH", "H" + rows[0].toStdString() + "H", "H" + rows[1].toStdString() + "H",
            "H" + rows[2].toStdString() + "H", "H.M.H", "HHHHH", "H.C.H", "HHHHH"});
    QCOMPARE(b.cat_count, 2);
    b.mouse_up();
    QCOMPARE(b.cell(2, 2), 'B');
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(2, 3));
    if (escape == QPoint(-1, -1)) {
        QCOMPARE(b.cat_count, 1);
        QCOMPARE(QPoint(b.cat_x[0], b.cat_y[0]), QPoint(2, 6));
    } else {
        QCOMPARE(b.cat_count, 2);
        QCOMPARE(QPoint(b.cat_x[0], b.cat_y[0]), escape);
        QCOMPARE(b.cell(escape.x(), escape.y()), 'C');
    }
}

void TestMoves::delcat_keeps_order()
{
    QuietBoard b;
    b.load({"HHHHHHH", "HMC.C.H", "H.C...H", "HHHHHHH"});
    b.delcat(1);
    QCOMPARE(b.cat_count, 2);
    QCOMPARE(QPoint(b.cat_x[0], b.cat_y[0]), QPoint(2, 1));
    QCOMPARE(QPoint(b.cat_x[1], b.cat_y[1]), QPoint(2, 2));
    b.delcat(5);  // out of range: nothing
    b.delcat(-1);
    QCOMPARE(b.cat_count, 2);
    QCOMPARE(b.cell(4, 1), 'C');  // the board is not touched
}

void TestMoves::last_cat_removed_loads_next_level_with_score()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    std::ofstream("level004.lvx") << level_text({"HHHHHH", "HM..CH", "HHHHHH"});
    QuietBoard b;
    b.load({"HHHH", "HCHH", "HBHH", "HMHH", "HHHH"});
    b.level_number = 3;
    b.score = 120;
    b.mouse_up();
    QCOMPARE(b.level_number, 4);
    QCOMPARE(b.score, 120);
    QCOMPARE(b.board_width, 6);
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(1, 1));
    QCOMPARE(b.cat_count, 1);
    QCOMPARE(b.game_overs, 0);
}

void TestMoves::clearing_the_last_level_ends_the_game()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QuietBoard b;
    b.load({"HHHH", "HCHH", "HBHH", "HMHH", "HHHH"});
    b.level_number = 7;
    b.score = 90;
    b.mouse_up();
    QCOMPARE(b.game_overs, 1);
    QCOMPARE(b.score, 90);
}

void TestMoves::refused_next_level_ends_the_game()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    std::ofstream("level001.lvx") << level_text({"HHHH", "HCCH", "HHHH"});  // no mouse
    QuietBoard b;
    b.load({"HHHH", "HCHH", "HBHH", "HMHH", "HHHH"});
    b.level_number = 0;
    b.mouse_up();
    QCOMPARE(b.game_overs, 1);
    QCOMPARE(b.level_number, 1);
    QCOMPARE(b.cell(1, 1), 'B');  // the cleared level stays on the board
}

void TestMoves::next_level_that_cannot_be_played_is_no_win_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("won");
    QTest::newRow("missing: every level cleared") << "missing" << true;
    QTest::newRow("refused") << "refused" << false;
    QTest::newRow("empty") << "empty" << false;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a FIFO") << "fifo" << false;  // and no hang
    QTest::newRow("a dangling link") << "dangling" << false;
}

void TestMoves::next_level_that_cannot_be_played_is_no_win()
{
    QFETCH(QString, kind);
    QFETCH(bool, won);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    if (kind == "refused")
        std::ofstream("level001.lvx") << level_text({"HHHH", "HCCH", "HHHH"});
    else if (kind == "empty")
        std::ofstream("level001.lvx");
    else if (kind == "folder")
        QVERIFY(QDir().mkdir("level001.lvx"));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo("level001.lvx", 0600), 0);
    else if (kind == "dangling")
        QVERIFY(QFile::link("gone.lvx", "level001.lvx"));
    QuietBoard b;
    b.load({"HHHH", "HCHH", "HBHH", "HMHH", "HHHH"});
    b.level_number = 0;
    b.mouse_up();
    const wd::Events events = b.take_events();
    QCOMPARE(b.game_overs, 1);
    QCOMPARE(events.all_cleared, won);
    QCOMPARE(events.next_level_failed, !won);
    QCOMPARE(events.levels_loaded, 0);
}

void TestMoves::level_without_cats_never_advances()
{
    QuietBoard b;
    b.load({"HHHH", "HMKH", "HHHH"});
    b.level_number = 0;
    for (int i = 0; i < 5; ++i) {
        b.mouse_right();
        b.mouse_left();
    }
    QCOMPARE(b.level_number, 0);
    QCOMPARE(b.score, 10);
}

void TestMoves::events_of_a_move_data()
{
    QTest::addColumn<QString>("rows");  // joined by '|'
    QTest::addColumn<QString>("next");  // level001.lvx: "" none, "ok" playable, "refused" beyond the limits
    QTest::addColumn<QString>("events");

    QTest::newRow("a step") << "HHHHH|HM..H|HHHHH" << "" << "";
    QTest::newRow("into a wall") << "HHHH|HMHH|HHHH" << "" << "";
    QTest::newRow("a row stopped by a wall") << "HHHHH|HMBBH|HHHHH" << "" << "";
    QTest::newRow("cheese") << "HHHHH|HMK.H|HHHHH" << "" << "cheese=1";
    QTest::newRow("a push") << "HHHHHH|HMBB.H|HHHHHH" << "" << "pushes=1";
    QTest::newRow("a push over cheese eats none") << "HHHHH|HMBKH|HHHHH" << "" << "pushes=1";
    QTest::newRow("a covered cat escapes") << "HHHHHH|HMBC.H|HHHHHH" << "" << "pushes=1 escaped=1";
    QTest::newRow("a walled-in cat, another left") << "HHHHHHH|HMBCHCH|HHHHHHH" << "ok" << "pushes=1 caught=1";
    QTest::newRow("the last cat clears the level") << "HHHHH|HMBCH|HHHHH" << "ok" << "pushes=1 caught=1 levels=1";
    QTest::newRow("the last level cleared wins") << "HHHHH|HMBCH|HHHHH" << "" << "pushes=1 caught=1 won=1";
    QTest::newRow("a refused next level") << "HHHHH|HMBCH|HHHHH" << "refused" << "pushes=1 caught=1 failed=1";
    QTest::newRow("onto a cat") << "HHHHH|HMC.H|HHHHH" << "" << "mouse_caught=1";
}

void TestMoves::events_of_a_move()
{
    QFETCH(QString, rows);
    QFETCH(QString, next);
    QFETCH(QString, events);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    if (next == "ok")
        std::ofstream("level001.lvx") << level_text({"HHHHH", "HM.CH", "HHHHH"});
    else if (next == "refused")
        std::ofstream("level001.lvx") << level_text({"HHHH", "HCCH", "HHHH"});
    QuietBoard b;
    std::string text;
    for (const QString& row : rows.split('|'))
        text += row.toStdString() + "\n";
    QVERIFY(b.load_bytes(text, "test.lvx").ok());
    b.level_number = 0;
    QVERIFY(!b.events.any());  // loading is no event
    b.mouse_right();
    QCOMPARE(QString::fromStdString(describe(b.take_events())), events);
    QCOMPARE(b.game_overs, events.contains("won") || events.contains("failed") || events.contains("mouse_caught"));
    QVERIFY(!b.events.any());
}

void TestMoves::events_add_up_until_taken()
{
    QuietBoard b;
    b.load({"HHHHHHH", "HMKKB.H", "HHHHHHH"});
    b.mouse_right();
    b.mouse_right();
    b.mouse_right();  // the push
    b.mouse_right();  // against the wall: nothing more
    QCOMPARE(QString::fromStdString(describe(b.take_events())), QStringLiteral("cheese=2 pushes=1"));
    QCOMPARE(QString::fromStdString(describe(b.take_events())), QString());
    b.mouse_left();
    QVERIFY(!b.take_events().any());
}

QTEST_GUILESS_MAIN(TestMoves)
#include "test_moves.moc"
