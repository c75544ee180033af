// The bot that measures the levels: its look-ahead must follow the rules
// exactly, or every figure it reports is wrong; and its choices must be sound.

#include "bot/bot.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

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
            if (!events.mouse_caught && !events.levels_cleared && !events.all_cleared) {
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

QTEST_GUILESS_MAIN(TestBot)
#include "test_bot.moc"
