#include "testing.h"

#include <QtTest>

#include <cmath>

using wd::testing::QuietBoard;
using wd::testing::ScriptedDraws;
using wd::testing::describe;

namespace {

// Fractions that give each step: 0.0 -> -1, 0.4 -> 0, 0.8 -> +1.
constexpr double minus = 0.0, zero = 0.4, plus = 0.8;

struct Field : QuietBoard {
    ScriptedDraws draws;
    explicit Field(std::initializer_list<std::string> rows, std::vector<double> script = {})
    {
        draws.fractions = std::move(script);
        random = [this] { return draws(); };
        load(rows);
    }
    QPoint cat(int i) const { return {cat_x[i], cat_y[i]}; }
};

}  // namespace

class TestCats : public QObject {
    Q_OBJECT

private slots:
    void draws_pick_the_step_in_order();
    void rejected_attempts_consume_their_draws();
    void aggression_factor_data();
    void aggression_factor();
    void closeness_sharpens_the_rest_of_the_tick();
    void walled_in_cat_stays();
    void cats_move_in_list_order();
    void cat_reaching_the_mouse_ends_the_game_before_its_cell_is_written();
    void restart_with_fewer_cats_writes_nothing_stray();
    void tick_always_ends();
    void cats_close_in_on_a_still_mouse();
    void default_cats_walk_as_with_unseeded_rand();
    void events_of_a_tick_data();
    void events_of_a_tick();
};

void TestCats::draws_pick_the_step_in_order()
{
    // dx from the first draw, dy from the second: left, not up.
    Field f({"HHHHHHHHHHH", "H.........H", "HM...C....H", "H.........H", "HHHHHHHHHHH"}, {minus, zero, 0.8});
    f.move_cats();
    QCOMPARE(f.cat(0), QPoint(4, 2));
    QCOMPARE(f.cell(4, 2), 'C');
    QCOMPARE(f.cell(5, 2), '.');
    QCOMPARE(f.draws.used, 3u);
}

void TestCats::rejected_attempts_consume_their_draws()
{
    Field f({"HHHHHHHHHHH", "H.....H...H", "HM...C....H", "H.........H", "HHHHHHHHHHH"},
            {plus, zero, 0.5,     // away from the mouse: p ~ 0.18, rejected
             plus, minus, 0.0,    // onto 'H': never taken
             zero, zero, 0.49});  // staying put: p = 0.5
    f.move_cats();
    QCOMPARE(f.draws.used, 9u);
    QCOMPARE(f.cat(0), QPoint(5, 2));
    QCOMPARE(f.cell(5, 2), 'C');
}

void TestCats::aggression_factor_data()
{
    QTest::addColumn<int>("mouse_row");
    QTest::addColumn<int>("mouse_col");
    QTest::addColumn<double>("dx_draw");
    QTest::addColumn<double>("dy_draw");
    QTest::addColumn<bool>("taken");

    // A step straight towards the mouse has p ~ 0.82 with factor 1.1 and ~ 1.005 with 0.7.
    QTest::newRow("distance exactly 4 keeps 1.1") << 5 << 1 << minus << zero << false;
    QTest::newRow("distance sqrt(13) switches to 0.7") << 3 << 2 << minus << minus << true;
}

void TestCats::aggression_factor()
{
    QFETCH(int, mouse_row);
    QFETCH(int, mouse_col);
    QFETCH(double, dx_draw);
    QFETCH(double, dy_draw);
    QFETCH(bool, taken);
    std::vector<std::string> rows(11, "H" + std::string(9, '.') + "H");
    rows.front() = rows.back() = std::string(11, 'H');
    rows[5][5] = 'C';
    rows[mouse_row][mouse_col] = 'M';
    Field f({rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6], rows[7], rows[8], rows[9], rows[10]},
            {dx_draw, dy_draw, 0.99, zero, zero, 0.0});
    f.move_cats();
    QCOMPARE(f.cat(0) != QPoint(5, 5), taken);
}

void TestCats::closeness_sharpens_the_rest_of_the_tick()
{
    // The first cat is near the mouse; the second, far off, then also steps in
    // with p > 0.99, which factor 1.1 would refuse.
    Field f({"HHHHHHHHHHHHHHHHH", "HMC.............H", "H..............CH", "HHHHHHHHHHHHHHHHH"},
            {zero, zero, 0.0, minus, zero, 0.99});
    f.move_cats();
    QCOMPARE(f.cat(0), QPoint(2, 1));
    QCOMPARE(f.cat(1), QPoint(14, 2));
}

void TestCats::walled_in_cat_stays()
{
    Field f({"HHHHHHHH", "HBKC...H", "HHCB.M.H", "HBHC...H", "HHHHHHHH"},
            {minus, minus, 0.0, plus, plus, 0.0, zero, zero, 0.3});
    // The walled-in cat is second in the list; the others stay put first.
    f.draws.fractions.insert(f.draws.fractions.begin(), {zero, zero, 0.0});
    f.draws.fractions.insert(f.draws.fractions.end(), {zero, zero, 0.0});
    f.move_cats();
    QCOMPARE(f.cat(1), QPoint(2, 2));
    QCOMPARE(f.cell(2, 2), 'C');
    QCOMPARE(f.draws.used, 15u);
}

void TestCats::cats_move_in_list_order()
{
    // The first cat leaves a cell that the second one takes.
    Field left({"HHHHHHHHHHHHHH", "H.CC........MH", "HHHHHHHHHHHHHH"}, {minus, zero, 0.1, minus, zero, 0.1});
    left.move_cats();
    QCOMPARE(left.cat(0), QPoint(1, 1));
    QCOMPARE(left.cat(1), QPoint(2, 1));
    QCOMPARE(left.cell(3, 1), '.');

    // The first cat's new cell blocks the second one.
    Field blocked({"HHHHHHHHHHHHHH", "H.C.C.......MH", "HHHHHHHHHHHHHH"},
                  {plus, zero, 0.0, minus, zero, 0.0, zero, zero, 0.0});
    blocked.move_cats();
    QCOMPARE(blocked.cat(0), QPoint(3, 1));
    QCOMPARE(blocked.cat(1), QPoint(4, 1));
    QCOMPARE(blocked.draws.used, 9u);
}

void TestCats::cat_reaching_the_mouse_ends_the_game_before_its_cell_is_written()
{
    Field f({"HHHHHH", "H.MC.H", "HHHHHH"}, {minus, zero, 0.0});
    QCOMPARE(f.Board::move_cats(), wd::Outcome::caught);
    QCOMPARE(f.cell(2, 1), 'C');
    QCOMPARE(f.cat(0), QPoint(2, 1));
}

void TestCats::restart_with_fewer_cats_writes_nothing_stray()
{
    // The meeting ends the game but not the tick: the cats after it still move.
    Field f({"HHHHHHHH", "H.C..C.H", "H...CM.H", "HHHHHHHH"},
            {zero, zero, 0.0, zero, plus, 0.0, plus, zero, 0.0});
    QCOMPARE(f.Board::move_cats(), wd::Outcome::caught);
    QCOMPARE(f.cat_count, 3);
    QCOMPARE(f.cat(1), QPoint(5, 2));
    QCOMPARE(f.cell(5, 2), 'C');
    QVERIFY(f.draws.used > 6u);  // the third cat drew too
    QCOMPARE(f.cell(f.cat_x[2], f.cat_y[2]), 'C');
}

void TestCats::tick_always_ends()
{
    // A cat beyond the first row's width: it stays and draws nothing.
    Field outside({"HHHH", "HM.H.C", "HHHH"});
    outside.random = [] { return 0xFFFFFF; };
    outside.move_cats();
    QCOMPARE(outside.cat(0), QPoint(5, 1));
    QCOMPARE(outside.cell(5, 1), 'C');

    // A source that never accepts anything: the cat gives up and stays.
    Field stuck({"HHHHH", "HM.CH", "HHHHH"});
    stuck.random = [] { return 0xFFFFFF; };
    stuck.move_cats();
    QCOMPARE(stuck.cat(0), QPoint(3, 1));
    QCOMPARE(stuck.cell(3, 1), 'C');
}

void TestCats::cats_close_in_on_a_still_mouse()
{
    std::vector<std::string> rows(21, "H" + std::string(39, '.') + "H");
    rows.front() = rows.back() = std::string(41, 'H');
    rows[10][20] = 'M';
    for (const QPoint p : {QPoint(1, 1), QPoint(39, 1), QPoint(1, 19), QPoint(39, 19), QPoint(20, 1), QPoint(20, 19)})
        rows[p.y()][p.x()] = 'C';
    std::string text;
    for (const auto& row : rows)
        text += row + "\n";

    std::srand(12345);
    QuietBoard b;
    b.random = [] { return std::rand(); };
    b.load_bytes(text, "field.lvx");
    auto mean_distance = [&] {
        double sum = 0;
        for (int i = 0; i < b.cat_count; ++i)
            sum += std::hypot(b.cat_x[i] - b.mouse_x, b.cat_y[i] - b.mouse_y);
        return sum / b.cat_count;
    };
    const double start = mean_distance();
    for (int tick = 0; tick < 40 && b.game_overs == 0; ++tick)
        b.move_cats();
    QVERIFY2(b.game_overs > 0 || mean_distance() < start / 2,
             qPrintable(QString("start %1, now %2").arg(start).arg(mean_distance())));
    for (int tick = 0; tick < 400 && b.game_overs == 0; ++tick)
        b.move_cats();
    QVERIFY(b.game_overs > 0);
}

void TestCats::default_cats_walk_as_with_unseeded_rand()
{
    const std::initializer_list<std::string> open = {"HHHHHHHHHH", "H........H", "H.M......H",
                                                     "H........H", "H......C.H", "HHHHHHHHHH"};
    auto walk = [&](QuietBoard& board, auto between_ticks) {
        board.load(open);
        std::vector<QPoint> path;
        while (board.game_overs == 0 && path.size() < 100) {
            board.move_cats();
            path.emplace_back(board.cat_x[0], board.cat_y[0]);
            between_ticks(path.size());
        }
        return path;
    };
    std::srand(1);  // as rand() starts in a process that never seeds it
    QuietBoard with_rand;
    with_rand.random = [] { return std::rand(); };
    const auto expected = walk(with_rand, [](std::size_t) {});
    // The rules' own source, while a library re-seeds and draws from rand() between ticks.
    QuietBoard own;
    const auto path = walk(own, [](std::size_t tick) {
        std::srand(static_cast<unsigned>(tick) * 7919);
        std::rand();
    });
    QCOMPARE(path, expected);
    QCOMPARE(int(path.size()), 12);  // the real program's still-mouse test expects the catch on this tick
}

void TestCats::events_of_a_tick_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<double>("dx_draw");
    QTest::addColumn<double>("dy_draw");
    QTest::addColumn<bool>("ring_below");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("game_overs");
    QTest::addColumn<QPoint>("cat");

    QTest::newRow("a step beside the mouse") << "H.M.CH" << minus << zero << true << "" << 0 << QPoint(3, 1);
    QTest::newRow("a step onto the mouse") << "H.MC.H" << minus << zero << true << "mouse_caught=1" << 1 << QPoint(2, 1);
    QTest::newRow("staying put beside it") << "H.MC.H" << zero << zero << true << "" << 0 << QPoint(3, 1);
    QTest::newRow("a step away, refused") << "H.MC.H" << plus << zero << true << "" << 0 << QPoint(3, 1);
    // Cats never eat, push or get caught, whatever they walk past.
    QTest::newRow("beside cheese and crates") << "HBMKC.H" << plus << zero << true << "" << 0 << QPoint(4, 1);
    // Every later attempt is up-left, into the ring: the cat stays.
    QTest::newRow("never onto cheese") << "H.MKC.H" << minus << zero << true << "" << 0 << QPoint(4, 1);
    QTest::newRow("last row of a level without a ring") << "HM.C.H" << zero << plus << false << "" << 0 << QPoint(3, 1);
}

void TestCats::events_of_a_tick()
{
    QFETCH(QString, row);
    QFETCH(double, dx_draw);
    QFETCH(double, dy_draw);
    QFETCH(bool, ring_below);
    QFETCH(QString, events);
    QFETCH(int, game_overs);
    QFETCH(QPoint, cat);
    const std::string ring(row.size(), 'H');
    Field f = ring_below ? Field({ring, row.toStdString(), ring}, {dx_draw, dy_draw, 0.0})
                         : Field({ring, row.toStdString()}, {dx_draw, dy_draw, 0.0});
    f.move_cats();
    QCOMPARE(QString::fromStdString(describe(f.take_events())), events);
    QCOMPARE(f.game_overs, game_overs);
    QCOMPARE(f.cat(0), cat);
    QCOMPARE(f.board_height, ring_below ? 3 : 2);
}

QTEST_GUILESS_MAIN(TestCats)
#include "test_cats.moc"
