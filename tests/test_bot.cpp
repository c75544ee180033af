// The bot that measures the levels: its look-ahead must follow the rules
// exactly, or every figure it reports is wrong; and its choices must be sound.

#include "bot/bot.h"
#include "bot/catches.h"
#include "bot/planner.h"
#include "game/dead_end.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

using namespace wd::testing;
using wd::bot::Model;
using wd::bot::Player;
using wd::bot::Step;

namespace {

int chebyshev(int ax, int ay, int bx, int by) { return std::max(std::abs(ax - bx), std::abs(ay - by)); }

QString differences(const Model& a, const Model& b)
{
    if (a.mouse_x != b.mouse_x || a.mouse_y != b.mouse_y)
        return QString("mouse at (%1,%2), the rules say (%3,%4)").arg(a.mouse_x).arg(a.mouse_y).arg(b.mouse_x).arg(b.mouse_y);
    if (a.cat_count != b.cat_count)
        return QString("%1 cats, the rules say %2").arg(a.cat_count).arg(b.cat_count);
    for (int i = 0; i < a.cat_count; ++i)
        if (a.cat_x[i] != b.cat_x[i] || a.cat_y[i] != b.cat_y[i])
            return QString("cat %1 at (%2,%3), the rules say (%4,%5)").arg(i).arg(a.cat_x[i]).arg(a.cat_y[i])
                .arg(b.cat_x[i]).arg(b.cat_y[i]);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y))
                return QString("cell (%1,%2) holds %3, the rules say %4").arg(x).arg(y).arg(a.at(x, y)).arg(b.at(x, y));
    return {};
}

// The dead-end check as first written: sweeps until no crate freezes, then a
// walk per cat. The faster one must answer as it does.
bool clears_the_plain_way(const wd::Board& b)
{
    const int w = b.board_width;
    const int size = w * b.board_height;
    const auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < b.board_height; };
    if (b.cat_count == 0 || !in(b.mouse_x, b.mouse_y))
        return true;
    std::vector<char> frozen(size);
    const auto fixed = [&](int x, int y) { return !in(x, y) || b.cell(x, y) == 'H' || frozen[y * w + x]; };
    for (bool changed = true; changed;) {
        changed = false;
        for (int y = 0; y < b.board_height; ++y)
            for (int x = 0; x < w; ++x)
                if (b.cell(x, y) == 'B' && !frozen[y * w + x] && (fixed(x - 1, y) || fixed(x + 1, y))
                    && (fixed(x, y - 1) || fixed(x, y + 1)))
                    frozen[y * w + x] = changed = true;
    }
    // Every cell reached from `todo` by the first `dirs` of these steps, each from where `may` allows.
    const auto reach = [&](std::vector<int> todo, int dirs, auto may) {
        static constexpr int d[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
        std::vector<char> seen(size);
        while (!todo.empty()) {
            const int c = todo.back(), x = c % w, y = c / w;
            todo.pop_back();
            if (std::exchange(seen[c], 1))
                continue;
            for (int j = 0; j < dirs; ++j)
                if (!fixed(x + d[j][0], y + d[j][1]) && may(x - d[j][0], y - d[j][1]))
                    todo.push_back(c + d[j][1] * w + d[j][0]);
        }
        return seen;
    };
    const auto anywhere = [](int, int) { return true; };
    const std::vector<char> mouse = reach({b.mouse_y * w + b.mouse_x}, 4, anywhere);
    std::vector<int> loose;
    for (int c = 0; c < size; ++c)
        if (b.cell(c % w, c / w) == 'B' && !fixed(c % w, c / w))
            loose.push_back(c);
    const std::vector<char> crate = reach(loose, 4, [&](int x, int y) { return !fixed(x, y) && mouse[y * w + x]; });
    for (int i = 0; i < b.cat_count; ++i) {
        if (!in(b.cat_x[i], b.cat_y[i]))
            continue;
        const std::vector<char> cat = reach({b.cat_y[i] * w + b.cat_x[i]}, 8, anywhere);
        if (std::inner_product(cat.begin(), cat.end(), crate.begin(), 0) == 0)  // no cell in both
            return false;
    }
    return true;
}

}  // namespace

class TestBot : public QObject {
    Q_OBJECT

private slots:
    void looks_ahead_as_the_rules_play_data();
    void looks_ahead_as_the_rules_play();
    void pushes_onto_a_boxed_cat_at_once();
    void is_never_beside_a_cat_when_it_moves_data();
    void is_never_beside_a_cat_when_it_moves();
    void waits_on_a_trap_for_a_cat_to_walk_in();
    void plans_come_true_under_the_rules_data();
    void plans_come_true_under_the_rules();
    void plans_were_tried_on_most_levels();
    void builds_a_trap_in_a_lane();
    void digs_towards_a_penned_cat();
    void pushes_a_row_down_a_walled_pen_data();
    void pushes_a_row_down_a_walled_pen();
    void tells_how_a_cat_was_caught_data();
    void tells_how_a_cat_was_caught();
    void knows_when_no_cat_can_be_caught_data();
    void knows_when_no_cat_can_be_caught();
    void knows_dead_ends_as_the_plain_way_does();
};

void TestBot::looks_ahead_as_the_rules_play_data()
{
    QTest::addColumn<QString>("path");
    const QDir data(QStringLiteral(WHISKERDASH_DATA_DIR));
    for (const QString& name : data.entryList({"*.lvx"}))
        QTest::newRow(qPrintable(name)) << data.filePath(name);
}

// Random walks, pushes, escapes and catches: the model's move gives the very
// board the rules give, step after step.
void TestBot::looks_ahead_as_the_rules_play()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string level = file.readAll().toStdString();
    QuietBoard b;
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) & 0xFFFFFF);
    };
    b.random = next;
    QVERIFY(b.load_bytes(level, path.toStdString()).ok());
    b.level_number = 999999;
    int pushes = 0;
    int way = 0;
    for (int step = 0; step < 3000; ++step) {
        if (next() % 4 == 0)  // mostly straight on, so rows get pushed
            way = next() % 5;
        if (way == 4) {
            b.move_cats();
        } else {
            const int dx = way == 0 ? 1 : way == 1 ? -1 : 0;
            const int dy = way == 2 ? 1 : way == 3 ? -1 : 0;
            Model model = Model::of(b);
            const int caught = model.move(dx, dy);
            b.move_mouse(dx, dy);
            const wd::Events events = b.events;
            if (!events.mouse_caught && !events.levels_loaded && !events.all_cleared) {
                const QString wrong = differences(model, Model::of(b));
                QVERIFY2(wrong.isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(wrong)));
                QCOMPARE(caught, events.cats_caught);
            }
            pushes += events.pushes;
        }
        if (b.take_events().mouse_caught || b.cat_count == 0) {
            QVERIFY(b.load_bytes(level, path.toStdString()).ok());
            b.level_number = 999999;
        }
    }
    QVERIFY(pushes > 0);
}

void TestBot::pushes_onto_a_boxed_cat_at_once()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHH",
                    "H...BBBH",
                    "H..MBCBH",
                    "H...BBBH",
                    "HHHHHHHH"}).ok());
    Player player(3);
    const Step step = player.choose(b, 1);
    QCOMPARE(step.dx, 1);
    QCOMPARE(step.dy, 0);
}

void TestBot::is_never_beside_a_cat_when_it_moves_data()
{
    QTest::addColumn<QPoint>("cat");
    for (const QPoint cat : {QPoint(3, 2), QPoint(5, 3), QPoint(4, 4), QPoint(6, 4), QPoint(2, 3), QPoint(5, 5)})
        QTest::newRow(qPrintable(QString("cat at %1,%2").arg(cat.x()).arg(cat.y()))) << cat;
}

// The cats move right after this step: it must not end beside one, in an open
// room where that is always possible.
void TestBot::is_never_beside_a_cat_when_it_moves()
{
    QFETCH(QPoint, cat);
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHHH",
                    "H........H",
                    "H........H",
                    "H...M....H",
                    "H........H",
                    "H........H",
                    "H........H",
                    "HHHHHHHHHH"}).ok());
    b.board[cat.y()][cat.x()] = 'C';
    b.cat_count = 1;
    b.cat_x[0] = cat.x();
    b.cat_y[0] = cat.y();
    Player player(3);
    const Step step = player.choose(b, 1);
    QVERIFY(chebyshev(b.mouse_x + step.dx, b.mouse_y + step.dy, cat.x(), cat.y()) >= 2);
}

// With no cat to catch yet and no cheese, the mouse goes to the spot under the
// pocket's crate and stays there.
void TestBot::waits_on_a_trap_for_a_cat_to_walk_in()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHHH",
                    "HC.......H",
                    "HHHHHHH.HH",
                    "HHHH.HH.HH",
                    "HHHH.HH.HH",
                    "H........H",
                    "HHHHBHHHHH",
                    "H........H",
                    "H.......MH",
                    "HHHHHHHHHH"}).ok());
    Player player(3);
    for (int turn = 0; turn < 12; ++turn) {
        const Step step = player.choose(b, 3 - turn % 3);
        if (!step.none())
            b.move_mouse(step.dx, step.dy);
    }
    QCOMPARE(b.mouse_x, 4);
    QCOMPARE(b.mouse_y, 7);
}

// Levels 1 and 2 keep their cats where a random walk never brings a plan
// within reach; every other level must give at least one.
void TestBot::plans_come_true_under_the_rules_data()
{
    QTest::addColumn<QString>("path");
    const QDir data(QStringLiteral(WHISKERDASH_DATA_DIR));
    for (const QString& name : data.entryList({"*.lvx"}))
        if (name != "level000.lvx" && name != "level001.lvx")
            QTest::newRow(qPrintable(name)) << data.filePath(name);
}

// Long random play; now and then a plan, played out on a copy with the
// game's own moves: it pushes as often as planned, and only its last push
// catches a cat. A walk that bumps into a crate, a path read backwards or a
// wrong push count shows here.
// Levels whose walk met a plan, of those walked: on open boards a random walk
// may never meet a cat where a plan can catch it, but on most it must.
static int levels_walked = 0;
static int levels_with_plans = 0;

void TestBot::plans_come_true_under_the_rules()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string level = file.readAll().toStdString();
    QuietBoard b;
    unsigned state = 777;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) & 0xFFFFFF);
    };
    b.random = next;
    QVERIFY(b.load_bytes(level, path.toStdString()).ok());
    b.level_number = 999999;
    int plans = 0;
    int way = 0;
    for (int step = 0; step < 1500; ++step) {
        if (step % 30 == 0 && b.cat_count > 0) {
            const wd::bot::Plan plan = wd::bot::plan_catch(b, wd::bot::deep_search);
            if (plan.found()) {
                ++plans;
                QuietBoard played;
                static_cast<wd::Board&>(played) = b;
                wd::bot::harmless(played);
                int pushes = 0;
                for (std::size_t k = 0; k < plan.steps.size(); ++k) {
                    played.events = {};
                    played.move_mouse(plan.steps[k].dx, plan.steps[k].dy);
                    QVERIFY2(!played.events.mouse_caught, qPrintable(QString("step %1: mouse caught").arg(step)));
                    pushes += played.events.pushes;
                    QCOMPARE(played.events.cats_caught, k + 1 == plan.steps.size() ? 1 : 0);
                }
                QCOMPARE(pushes, plan.pushes);
            }
        }
        if (next() % 4 == 0)
            way = next() % 5;
        if (way == 4) {
            b.move_cats();
        } else {
            const int dx = way == 0 ? 1 : way == 1 ? -1 : 0;
            const int dy = way == 2 ? 1 : way == 3 ? -1 : 0;
            b.move_mouse(dx, dy);
        }
        if (b.take_events().mouse_caught || b.cat_count == 0) {
            QVERIFY(b.load_bytes(level, path.toStdString()).ok());
            b.level_number = 999999;
        }
    }
    ++levels_walked;
    levels_with_plans += plans > 0;
}

void TestBot::plans_were_tried_on_most_levels()
{
    if (levels_walked == 0)
        QSKIP("run with plans_come_true_under_the_rules");
    QVERIFY2(levels_with_plans * 4 >= levels_walked * 3,
             qPrintable(QString("plans met on %1 of %2 levels").arg(levels_with_plans).arg(levels_walked)));
}

// A cat in a lane between thick bands: two crates pushed in beside it, then
// one onto it. A search two pushes deep does not see that far; the models do.
void TestBot::builds_a_trap_in_a_lane()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHHHHH",
                    "H..........H",
                    "H...M......H",
                    "H..........H",
                    "HBBBBBBBBBBH",
                    "HBBBBBBBBBBH",
                    "H.....C....H",
                    "HBBBBBBBBBBH",
                    "HBBBBBBBBBBH",
                    "HHHHHHHHHHHH"}).ok());
    QVERIFY(!wd::bot::plan_catch(b, wd::bot::Search{400, 2}).found());
    QVERIFY(wd::bot::plan_catch(b, wd::bot::shallow_search).found());
    const wd::bot::Plan deep = wd::bot::plan_catch(b, wd::bot::deep_search);
    QVERIFY(deep.found());
    QCOMPARE(deep.pushes, 3);
    wd::bot::CatchLog log;
    log.start(b);
    for (const Step step : deep.steps)
        log.move(b, step.dx, step.dy);
    QCOMPARE(b.cat_count, 0);
    QCOMPARE(log.kinds.size(), std::size_t(1));
    QCOMPARE(log.kinds[0], wd::bot::CatchKind::pushed_enclosure);
}

// A cat penned deep in a crate field, past any short plan: the planner digs
// towards it instead of waiting for a cat that can never come out.
void TestBot::digs_towards_a_penned_cat()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHHHHHHH",
                    "HM...........H",
                    "H............H",
                    "HBBBBBBBBBBBBH",
                    "HBBBBBBBBBBBBH",
                    "HBBBBBBBBBBBBH",
                    "HBBBBBBBBC.BBH",
                    "HBBBBBBBBBBBBH",
                    "HHHHHHHHHHHHHH"}).ok());
    const int before = chebyshev(b.mouse_x, b.mouse_y, 9, 6);
    const std::vector<Step> path = wd::bot::approach_cat(b);
    QVERIFY(!path.empty());
    for (const Step step : path)
        b.move_mouse(step.dx, step.dy);
    QVERIFY2(chebyshev(b.mouse_x, b.mouse_y, b.cat_x[0], b.cat_y[0]) < before,
             qPrintable(QString("the mouse ends at (%1,%2)").arg(b.mouse_x).arg(b.mouse_y)));
}

void TestBot::pushes_a_row_down_a_walled_pen_data()
{
    QTest::addColumn<int>("node_budget");
    QTest::addColumn<int>("max_pushes");
    QTest::newRow("deep") << wd::bot::deep_search.node_budget << wd::bot::deep_search.max_pushes;
    QTest::newRow("shallow") << wd::bot::shallow_search.node_budget << wd::bot::shallow_search.max_pushes;
}

// A cat in a pen of stone, far down from the row that closes it: no short
// plan reaches it and no digging comes nearer, so the planner must walk round
// to the row's end and push it all the way, as the steady player does.
void TestBot::pushes_a_row_down_a_walled_pen()
{
    QFETCH(int, node_budget);
    QFETCH(int, max_pushes);
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHHHHHHHHHH",
                    "H...............H",
                    "H.HHHHHHHHHHHHH.H",
                    "H.BB........C.H.H",
                    "H.HHHHHHHHHHHHH.H",
                    "H...............H",
                    "H.........M.....H",
                    "HHHHHHHHHHHHHHHHH"}).ok());
    b.level_number = 999999;
    unsigned state = 7;
    b.random = [&state] { return static_cast<int>((state = state * 1103515245u + 12345u) >> 16 & 0x7fff); };
    wd::bot::Planner player(2, wd::bot::Search{node_budget, max_pushes});
    bool caught = false;
    for (int tick = 0; tick < 100 && b.cat_count > 0 && !caught; ++tick) {
        for (int turn = 2; turn >= 1 && b.cat_count > 0 && !caught; --turn) {
            const Step step = player.choose(b, turn);
            caught = b.move_mouse(step.dx, step.dy) == wd::Outcome::caught;
        }
        if (b.cat_count > 0 && !caught)
            caught = b.move_cats() == wd::Outcome::caught;
    }
    QVERIFY(!caught);
    QVERIFY2(b.cat_count == 0, qPrintable(QString("the mouse ends at (%1,%2)").arg(b.mouse_x).arg(b.mouse_y)));
}

void TestBot::tells_how_a_cat_was_caught_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("pushes");  // "x,y,way;...": the mouse is lifted to (x, y), then moves
    QTest::addColumn<int>("kind");
    // A pocket in the walls, the crate pushed up into it twice.
    QTest::newRow("bait pocket") << QStringList{"HHHHHHH", "HHHCHHH", "HHH.HHH", "H..B..H", "H..M..H", "HHHHHHH"}
                                 << "3,4,u;3,3,u" << int(wd::bot::CatchKind::bait_pocket);
    // A ring of crates the level drew: the first push onto the cat.
    QTest::newRow("box already there") << QStringList{"HHHHHHH", "H.BBB.H", "HMBCB.H", "H.BBB.H", "HHHHHHH"}
                                       << "1,2,r" << int(wd::bot::CatchKind::prebuilt_box);
    // The same ring with a gap; a crate pushed into the gap first.
    QTest::newRow("enclosure pushed") << QStringList{"HHHHHHHH", "H.BBB..H", "HMBC.B.H", "H.BBB..H", "HHHHHHHH"}
                                      << "6,2,l;1,2,r" << int(wd::bot::CatchKind::pushed_enclosure);
}

void TestBot::tells_how_a_cat_was_caught()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, pushes);
    QFETCH(int, kind);
    QuietBoard b;
    std::string text;
    for (const QString& row : rows)
        text += row.toStdString() + "\n";
    QVERIFY(b.load_bytes(text, "test.lvx").ok());
    b.level_number = 999999;
    wd::bot::CatchLog log;
    log.start(b);
    for (const QString& push : pushes.split(';')) {
        const QStringList part = push.split(',');
        b.board[b.mouse_y][b.mouse_x] = '.';
        b.mouse_x = part[0].toInt();
        b.mouse_y = part[1].toInt();
        b.board[b.mouse_y][b.mouse_x] = 'M';
        const int dx = part[2] == "r" ? 1 : part[2] == "l" ? -1 : 0;
        const int dy = part[2] == "d" ? 1 : part[2] == "u" ? -1 : 0;
        log.move(b, dx, dy);
    }
    QCOMPARE(log.kinds.size(), std::size_t(1));
    QCOMPARE(int(log.kinds[0]), kind);
    QCOMPARE(log.counts[static_cast<std::size_t>(kind)], 1);
}

void TestBot::knows_when_no_cat_can_be_caught_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("clearable");
    QTest::newRow("crate at the door") << QStringList{"HHHHHHHH", "H..C.HHH", "H....B.H", "HHHHH.MH", "HHHHHHHH"}
                                       << true;
    // The same pen after the crate went into its corner: it can never move again.
    QTest::newRow("crate stuck in a corner") << QStringList{"HHHHHHHH", "HB.C.HHH", "H....H.H", "HHHHH.MH", "HHHHHHHH"}
                                             << false;
    QTest::newRow("no crate at all") << QStringList{"HHHHHH", "H.C..H", "H...MH", "HHHHHH"} << false;
    // The second crate leans on the first, stuck in the corner: neither moves.
    QTest::newRow("two crates stuck together") << QStringList{"HHHHHH", "HBB.CH", "H...MH", "HHHHHH"} << false;
    QTest::newRow("one crate free of the corner") << QStringList{"HHHHHHH", "HB.B.CH", "H....MH", "HHHHHHH"} << true;
    QTest::newRow("a row that walls off the cat") << QStringList{"HHHHHHH", "H.C.B.H", "HHHHBHH", "H.M.B.H",
                                                                 "HHHHHHH"}
                                                  << true;
    QTest::newRow("cat walled off from every crate") << QStringList{"HHHHHHH", "H.C.H.H", "HHHHHBH", "H.M...H",
                                                                    "HHHHHHH"}
                                                     << false;
    QTest::newRow("a field of crates") << QStringList{"HHHHHHH", "HB.B.BH", "H..C..H", "HB.B.BH", "H..M..H", "HHHHHHH"}
                                       << true;
}

// The check may say a level is lost only when it is: each row here is worked
// out by hand, both ways.
void TestBot::knows_when_no_cat_can_be_caught()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, clearable);
    std::string text;
    for (const QString& row : rows)
        text += row.toStdString() + "\n";
    QuietBoard b;
    QVERIFY(b.load_bytes(text, "test.lvx").ok());
    QCOMPARE(wd::can_still_clear(b), clearable);
}

// Thousands of small random boards and a few of the largest, some cats under
// crates as after a push: the check answers as the plain way does.
void TestBot::knows_dead_ends_as_the_plain_way_does()
{
    std::mt19937 random(33);
    int lost = 0;
    for (int n = 0; n < 4000; ++n) {
        const int w = n < 3990 ? 2 + int(random() % 9) : 80;
        const int h = n < 3990 ? 2 + int(random() % 9) : 81;
        const int mouse = int(random() % unsigned(w * h));
        std::string text;
        for (int c = 0, cats = 0; c < w * h; ++c) {
            const char kind = c == mouse ? 'M' : "..HHBBBBCK"[random() % 10];
            text += kind == 'C' && ++cats > 100 ? '.' : kind;
            text += c % w == w - 1 ? "\n" : "";
        }
        QuietBoard b;
        QVERIFY(b.load_bytes(text, "random.lvx").ok());
        for (int i = 0; i < b.cat_count; ++i)
            if (random() % 4 == 0)
                b.board[b.cat_y[i]][b.cat_x[i]] = 'B';
        const bool plain = clears_the_plain_way(b);
        QVERIFY2(wd::can_still_clear(b) == plain, text.c_str());
        lost += !plain;
    }
    QVERIFY2(lost > 400 && lost < 3600, qPrintable(QString::number(lost)));  // both answers come up often
}

QTEST_GUILESS_MAIN(TestBot)
#include "test_bot.moc"
