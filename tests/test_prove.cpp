// Proofs that a level can be cleared: the bot finds a win where there is one
// and none where there cannot be, and a proof holds only for the game it
// recorded on the bytes it was played on.

#include "bot/prove.h"
#include "game/level.h"
#include "proof_testing.h"

#include <QtTest>

#include <algorithm>

using wd::Recording;
using wd::testing::level_text;
using wd::testing::trap;
using wd::testing::won;

Q_DECLARE_METATYPE(wd::Recording)
Q_DECLARE_METATYPE(std::string)

namespace {

// One cat in a lane, a crate at its mouth: a push along the lane catches it.
const std::string lane = level_text({"HHHHHHHHHHHH", "H..........H", "H.HHHHHHHH.H", "H.B...C..H.H",
                                     "H.HHHHHHHH.H", "H....M...K.H", "H..........H", "HHHHHHHHHHHH"});
// The same with a second cat walled in, where no crate can ever reach it.
const std::string sealed = level_text({"HHHHHHHHHHHH", "H..........H", "H.HHHHHHHH.H", "H.B...C..H.H",
                                       "H.HHHHHHHH.H", "H....M...K.H", "H......HHH.H", "H......HCH.H",
                                       "HHHHHHHHHHHH"});
std::vector<Recording::Step>::iterator move_at(Recording& r, bool last)
{
    const auto is_move = [](const Recording::Step& s) { return s.kind == Recording::Step::Kind::move; };
    return last ? std::find_if(r.steps.rbegin(), r.steps.rend(), is_move).base() - 1
                : std::find_if(r.steps.begin(), r.steps.end(), is_move);
}

}  // namespace

class TestProve : public QObject {
    Q_OBJECT

private slots:
    void bot_wins_only_where_a_win_exists_data();
    void bot_wins_only_where_a_win_exists();
    void a_proof_holds_only_as_recorded_data();
    void a_proof_holds_only_as_recorded();
    void cancel_stops_after_the_game_in_play();
    void difficulty_words_data();
    void difficulty_words();
};

void TestProve::bot_wins_only_where_a_win_exists_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<int>("tried");
    QTest::addColumn<bool>("wins");
    // Within the proof's own seeds and tick limit, as the editor runs it.
    QTest::newRow("a cat in a lane") << lane << wd::bot::proof_seeds << true;
    QTest::newRow("a cat walled in") << sealed << 3 << false;  // every game runs to the tick limit: a few are enough
    QTest::newRow("no mouse: not played") << level_text({"HHHH", "H.CH", "HHHH"}) << 0 << false;
}

void TestProve::bot_wins_only_where_a_win_exists()
{
    QFETCH(std::string, bytes);
    QFETCH(int, tried);
    QFETCH(bool, wins);
    int heard = 0;
    const wd::bot::ProofRun run = wd::bot::prove(bytes, "level004.lvx", 4, std::max(tried, 1),
                                                 [&](int t, int) { return ++heard == t; });
    QCOMPARE(run.tried, tried);
    QCOMPARE(heard, tried);
    QVERIFY(!run.cancelled);
    QCOMPARE(run.win.has_value(), wins);
    QCOMPARE(run.cleared > 0, wins);
    if (!wins)
        return;
    const Recording::Step& level = run.win->steps.front();
    QCOMPARE(level.number, 4);
    QCOMPARE(level.file, std::string("level004.lvx"));
    QCOMPARE(level.hash, wd::fnv1a(bytes));
    const wd::Result<void> holds = wd::bot::proof_holds(*run.win, bytes, "level004.lvx");
    QVERIFY2(holds.ok(), holds.ok() ? "" : holds.problem().text.c_str());
}

void TestProve::a_proof_holds_only_as_recorded_data()
{
    QTest::addColumn<Recording>("proof");
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<QString>("why");  // part of the problem's text; empty when it holds
    const wd::bot::ProofRun run = wd::bot::prove(lane, "level004.lvx", 4, 4);
    QVERIFY(run.win);
    const Recording& found = *run.win;

    QTest::newRow("the bot's win") << found << lane << QString();
    QTest::newRow("kept under another name") << wd::bot::proof_for(found, 17, "level017.lvx") << lane << QString();
    QTest::newRow("a player's test-play") << won(0) << trap(0) << QString();
    Recording cut = found;
    cut.steps.erase(move_at(cut, true));
    QTest::newRow("its last move dropped") << cut << lane << "does not clear";
    Recording turned = found;
    move_at(turned, false)->dx *= -1;
    move_at(turned, false)->dy *= -1;
    QTest::newRow("its first move turned round") << turned << lane << "does not clear";
    QTest::newRow("more points claimed") << won(0, Recording::Ending::won, 20) << trap(0) << "does not clear";
    std::string moved_crate = lane;
    moved_crate.replace(moved_crate.find("H.B."), 4, "HB..");
    QTest::newRow("the level's bytes changed") << found << moved_crate << "other bytes";
    QTest::newRow("a game that was not won") << won(0, Recording::Ending::caught) << trap(0) << "not won";
    Recording twice = won(0);
    twice.steps.push_back(twice.steps.front());
    twice.steps.back().begin = Recording::Begin::restart;
    QTest::newRow("two levels in one game") << twice << trap(0) << "this one level";
    QTest::newRow("no steps at all") << Recording{} << trap(0) << "this one level";
}

void TestProve::a_proof_holds_only_as_recorded()
{
    QFETCH(Recording, proof);
    QFETCH(std::string, bytes);
    QFETCH(QString, why);
    const wd::Result<void> holds = wd::bot::proof_holds(proof, bytes, "level004.lvx");
    QCOMPARE(holds.ok(), why.isEmpty());
    const QString text = holds.ok() ? QString() : QString::fromStdString(holds.problem().text);
    QVERIFY2(holds.ok() || (text.startsWith("level004.lvx: ") && text.contains(why)), qPrintable(text));
}

void TestProve::cancel_stops_after_the_game_in_play()
{
    const auto until = [](int stop) { return [stop](int tried, int) { return tried < stop; }; };
    const wd::bot::ProofRun stopped = wd::bot::prove(sealed, "level000.lvx", 0, 10, until(2), 50);
    QCOMPARE(stopped.tried, 2);
    QVERIFY(stopped.cancelled);
    // A run stopped by its last game is whole, not cancelled.
    QVERIFY(!wd::bot::prove(sealed, "level000.lvx", 0, 2, until(2), 50).cancelled);
}

void TestProve::difficulty_words_data()
{
    QTest::addColumn<int>("cleared");
    QTest::addColumn<int>("tried");
    QTest::addColumn<QString>("word");
    QTest::newRow("19 of 20") << 19 << 20 << "easy";
    QTest::newRow("15 of 16") << 15 << 16 << "fair";
    QTest::newRow("3 of 4") << 3 << 4 << "fair";
    QTest::newRow("37 of 50") << 37 << 50 << "hard";
    QTest::newRow("2 of 5") << 2 << 5 << "hard";
    QTest::newRow("19 of 50") << 19 << 50 << "very hard";
    QTest::newRow("none") << 0 << 16 << "not cleared by the bot";
}

void TestProve::difficulty_words()
{
    QFETCH(int, cleared);
    QFETCH(int, tried);
    QFETCH(QString, word);
    QCOMPARE(QString::fromStdString(wd::bot::difficulty(cleared, tried)), word);
}

QTEST_GUILESS_MAIN(TestProve)
#include "test_prove.moc"
