// Proofs that a level can be cleared: the bot finds a win where there is one
// and none where there cannot be, and a proof holds only for the game it
// recorded on the bytes it was played on.

#include "bot/prove.h"
#include "game/level.h"
#include "testing.h"

#include <QtTest>

using wd::Recording;
using wd::testing::level_text;

namespace {

// One cat in a lane, a crate at its mouth: a push along the lane catches it.
const std::string lane = level_text({"HHHHHHHHHHHH", "H..........H", "H.HHHHHHHH.H", "H.B...C..H.H",
                                     "H.HHHHHHHH.H", "H....M...K.H", "H..........H", "HHHHHHHHHHHH"});
// The same with a second cat walled in, where no crate can ever reach it.
const std::string sealed = level_text({"HHHHHHHHHHHH", "H..........H", "H.HHHHHHHH.H", "H.B...C..H.H",
                                       "H.HHHHHHHH.H", "H....M...K.H", "H......HHH.H", "H......HCH.H",
                                       "HHHHHHHHHHHH"});
// Three steps right eat the cheese and push the crate onto the cat.
const std::string trap = level_text({"HHHHHHH", "HMK.BCH", "HHHHHHH"});

// A player's winning game on `trap`, as the game records a test-play.
Recording test_play()
{
    Recording r;
    r.mode = Recording::Mode::practice;
    r.random = wd::GlibcRandom(1).state_now();
    r.add_level(Recording::Begin::start, -1, wd::fnv1a(trap), 0, "/home/someone/drawing.lvx");
    for (int i = 0; i < 3; ++i)
        r.add_move(1, 0);
    r.ending = Recording::Ending::won;
    r.score = 10;
    return r;
}

Recording::Step* nth_move(Recording& r, int n)  // from the end when n < 0
{
    std::vector<Recording::Step*> moves;
    for (Recording::Step& step : r.steps)
        if (step.kind == Recording::Step::Kind::move)
            moves.push_back(&step);
    if (moves.empty())
        return nullptr;
    return moves[static_cast<std::size_t>(n < 0 ? static_cast<int>(moves.size()) + n : n)];
}

}  // namespace

Q_DECLARE_METATYPE(wd::Recording)
Q_DECLARE_METATYPE(std::string)

class TestProve : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bot_wins_only_where_a_win_exists_data();
    void bot_wins_only_where_a_win_exists();
    void a_proof_holds_only_as_recorded_data();
    void a_proof_holds_only_as_recorded();
    void cancel_stops_after_the_game_in_play();
    void difficulty_words_data();
    void difficulty_words();

private:
    Recording found;  // the bot's win on `lane`
};

void TestProve::initTestCase()
{
    const wd::bot::ProofRun run = wd::bot::prove(lane, "level004.lvx", 4, 4);
    QVERIFY(run.win);
    found = *run.win;
}

void TestProve::bot_wins_only_where_a_win_exists_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<int>("tried");
    QTest::addColumn<bool>("wins");
    // Within the proof's own seeds and tick limit, as the editor runs it.
    QTest::newRow("a cat in a lane") << lane << wd::bot::proof_seeds << true;
    QTest::newRow("a cat walled in") << sealed << wd::bot::proof_seeds << false;
    QTest::newRow("no mouse: not played") << level_text({"HHHH", "H.CH", "HHHH"}) << 0 << false;
}

void TestProve::bot_wins_only_where_a_win_exists()
{
    QFETCH(std::string, bytes);
    QFETCH(int, tried);
    QFETCH(bool, wins);
    std::vector<int> heard;
    const wd::bot::ProofRun run = wd::bot::prove(bytes, "level004.lvx", 4, wd::bot::proof_seeds, [&](int t, int cleared) {
        heard.push_back(t);
        return cleared <= t;
    });
    QCOMPARE(run.tried, tried);
    QCOMPARE(int(heard.size()), tried);
    QVERIFY(!run.cancelled);
    QCOMPARE(run.win.has_value(), wins);
    QCOMPARE(run.cleared > 0, wins);
    if (!wins)
        return;
    const Recording& win = *run.win;
    QCOMPARE(win.mode, Recording::Mode::practice);
    QCOMPARE(win.ending, Recording::Ending::won);
    QCOMPARE(win.steps.front().kind, Recording::Step::Kind::level);
    QCOMPARE(win.steps.front().number, 4);
    QCOMPARE(win.steps.front().file, std::string("level004.lvx"));
    QCOMPARE(win.steps.front().hash, wd::fnv1a(bytes));
    // The seed is the game's own random source, as a replay restores it.
    QCOMPARE(win.random.front, wd::GlibcRandom(1).state_now().front);
    const wd::Result<void> holds = wd::bot::proof_holds(win, bytes, "level004.lvx");
    QVERIFY2(holds.ok(), holds.ok() ? "" : holds.problem().text.c_str());
    // It reads back from its text as the same game.
    const wd::Result<Recording> reread = wd::parse_recording(wd::render(win));
    QVERIFY(reread.ok());
    QCOMPARE(reread.value(), win);
}

void TestProve::a_proof_holds_only_as_recorded_data()
{
    QTest::addColumn<Recording>("proof");
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<QString>("why");  // part of the problem's text; empty when it holds

    QTest::newRow("the bot's win") << found << lane << QString();
    QTest::newRow("kept under another name and number")
        << wd::bot::proof_for(found, 17, "level017.lvx") << lane << QString();
    QTest::newRow("a player's test-play") << test_play() << trap << QString();

    Recording last_push_gone = found;
    last_push_gone.steps.erase(last_push_gone.steps.begin()
                               + (nth_move(last_push_gone, -1) - last_push_gone.steps.data()));
    QTest::newRow("its last move dropped") << last_push_gone << lane << "does not clear";
    Recording turned = found;
    nth_move(turned, 0)->dx *= -1;
    nth_move(turned, 0)->dy *= -1;
    QTest::newRow("its first move turned round") << turned << lane << "does not clear";
    Recording more_points = test_play();
    more_points.score = 20;
    QTest::newRow("a test-play claiming more points") << more_points << trap << "does not clear";
    std::string moved_crate = lane;
    moved_crate.replace(moved_crate.find("H.B."), 4, "HB..");
    QTest::newRow("the level's bytes changed") << found << moved_crate << "other bytes";
    QTest::newRow("another level") << test_play() << lane << "other bytes";
    Recording lost = test_play();
    lost.ending = Recording::Ending::caught;
    QTest::newRow("a game that was not won") << lost << trap << "not won";
    Recording twice = test_play();
    twice.steps.push_back(twice.steps.front());
    twice.steps.back().begin = Recording::Begin::restart;
    QTest::newRow("two levels in one game") << twice << trap << "this one level";
    QTest::newRow("no steps at all") << Recording{} << trap << "this one level";
}

void TestProve::a_proof_holds_only_as_recorded()
{
    QFETCH(Recording, proof);
    QFETCH(std::string, bytes);
    QFETCH(QString, why);
    const wd::Result<void> holds = wd::bot::proof_holds(proof, bytes, "level004.lvx");
    if (why.isEmpty()) {
        QVERIFY2(holds.ok(), holds.ok() ? "" : holds.problem().text.c_str());
        return;
    }
    QVERIFY(!holds.ok());
    const QString text = QString::fromStdString(holds.problem().text);
    QVERIFY2(text.startsWith("level004.lvx: ") && text.contains(why), qPrintable(text));
}

void TestProve::cancel_stops_after_the_game_in_play()
{
    int asked = 0;
    const wd::bot::ProofRun run = wd::bot::prove(sealed, "level000.lvx", 0, 10, [&](int, int) { return ++asked < 2; }, 50);
    QCOMPARE(run.tried, 2);
    QVERIFY(run.cancelled);
    QVERIFY(!run.win);
    // A run stopped by its last game is whole, not cancelled.
    const wd::bot::ProofRun whole = wd::bot::prove(sealed, "level000.lvx", 0, 2, [](int tried, int) { return tried < 2; }, 50);
    QCOMPARE(whole.tried, 2);
    QVERIFY(!whole.cancelled);
}

void TestProve::difficulty_words_data()
{
    QTest::addColumn<int>("cleared");
    QTest::addColumn<int>("tried");
    QTest::addColumn<QString>("word");
    QTest::newRow("all") << 16 << 16 << "easy";
    QTest::newRow("19 of 20") << 19 << 20 << "easy";
    QTest::newRow("15 of 16") << 15 << 16 << "fair";
    QTest::newRow("3 of 4") << 3 << 4 << "fair";
    QTest::newRow("37 of 50") << 37 << 50 << "hard";
    QTest::newRow("2 of 5") << 2 << 5 << "hard";
    QTest::newRow("19 of 50") << 19 << 50 << "very hard";
    QTest::newRow("1 of 16") << 1 << 16 << "very hard";
    QTest::newRow("none") << 0 << 16 << "not cleared by the bot";
    QTest::newRow("none tried") << 0 << 0 << "not cleared by the bot";
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
