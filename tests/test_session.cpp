// The flow of play around the rules, without a window: what each key, tick,
// box and moment leads to.

#include "game/dead_end.h"
#include "session/game_session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using State = wd::GameSession::State;
using Ending = wd::GameSession::Ending;

namespace {

// Level 1: the mouse pushes the crate onto a walled-in cat. Level 2: a cat in the open.
const QByteArray trap = "HHHHHH\nHMBCHH\nHHHHHH\n";
const QByteArray open = "HHHHHHHH\nHM....CH\nHHHHHHHH\n";

struct Game {
    QTemporaryDir dir;
    std::unique_ptr<wd::GameSession> session;
    QList<wd::GameSession::GameOver> overs;

    explicit Game(const QList<QByteArray>& levels, const QByteArray& index = {})
    {
        for (int i = 0; i < levels.size(); ++i)
            write(QString::fromStdString(wd::Board::level_file_name(i)), levels[i]);
        if (!index.isEmpty())
            write(QStringLiteral("levels.txt"), index);
        const QString folder = dir.path();
        session = std::make_unique<wd::GameSession>(dir.filePath(QStringLiteral("hsc.dat")),
                                                    [folder](const QString& name) { return folder + '/' + name; });
        session->board().trace = [](const std::string&) {};
        session->set_timing({400, 0, 0});
        QObject::connect(session.get(), &wd::GameSession::gameOver, session.get(),
                         [this](const wd::GameSession::GameOver& over) { overs << over; });
        const wd::Result<void> started = session->start({});
        QVERIFY2(started.ok(), started.ok() ? "" : started.problem().text.c_str());
        // The cats hold still.
        session->board().random = [step = 0]() mutable { return step++ % 3 == 2 ? 0 : 0x666666; };
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    wd::Board& board() { return session->board(); }
    // Lets a moment's single-shot timer fire.
    void settle()
    {
        QTRY_VERIFY(session->state() != State::cleared && session->state() != State::caught);
    }
};

// One step of a script: a call on the session, named as in the table.
void act(Game& game, const QString& step)
{
    wd::GameSession& s = *game.session;
    if (step == "right") s.move(1, 0);
    else if (step == "left") s.move(-1, 0);
    else if (step == "tick") s.timer_proc();
    else if (step == "pause") s.toggle_pause();
    else if (step == "focus") s.lose_focus();
    else if (step == "box") s.box_opened();
    else if (step == "close") s.box_closed();
    else if (step == "new") s.new_game();
    else if (step == "restart") s.restart_level();
    else if (step == "again") s.play_again();
    else if (step == "settle") game.settle();
    else QFAIL(qPrintable("no such step " + step));
}

const char* name_of(State state)
{
    switch (state) {
    case State::ready: return "ready";
    case State::playing: return "playing";
    case State::paused: return "paused";
    case State::cleared: return "cleared";
    case State::caught: return "caught";
    case State::game_over: return "game_over";
    }
    return "?";
}

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void flow_data();
    void flow();
    void first_move_starts_a_fresh_clock_and_moves();
    void cleared_level_waits_then_loads_the_next();
    void last_level_cleared_is_a_win_and_play_again_starts_over();
    void capture_waits_then_ends_the_game();
    void a_name_counts_only_at_its_game_over();
    void a_level_made_unclearable_is_told_until_restarted();
    void every_shipped_level_has_a_card();
    void level_cards_read_the_pack_index_data();
    void level_cards_read_the_pack_index();
    void a_test_play_ends_at_its_clear();
    void another_pack_plays_unranked_with_its_own_cards();
};

void TestSession::flow_data()
{
    QTest::addColumn<QString>("steps");  // space-separated
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("mouse_x");
    QTest::addColumn<int>("level");

    QTest::newRow("start waits on the card") << "" << "ready" << 1 << 0;
    QTest::newRow("a tick on the card does nothing") << "tick tick" << "ready" << 1 << 0;
    QTest::newRow("P starts play without a move") << "pause" << "playing" << 1 << 0;
    QTest::newRow("focus loss on the card keeps it") << "focus" << "ready" << 1 << 0;
    QTest::newRow("focus loss in play pauses") << "pause focus" << "paused" << 1 << 0;
    QTest::newRow("P resumes") << "pause focus pause" << "playing" << 1 << 0;
    QTest::newRow("moves wait while paused") << "pause pause right" << "paused" << 1 << 0;
    QTest::newRow("a box over play comes back to the card") << "pause box close" << "ready" << 1 << 0;
    QTest::newRow("a box over a paused game leaves it paused") << "pause pause box close" << "paused" << 1 << 0;
    QTest::newRow("a box over the card keeps it") << "box close" << "ready" << 1 << 0;
    QTest::newRow("a box over a box: paused until the last closes") << "pause box box close" << "paused" << 1 << 0;
    QTest::newRow("a box over a box, both closed") << "pause box box close close" << "ready" << 1 << 0;
    QTest::newRow("clearing freezes play") << "right" << "cleared" << 2 << 0;
    QTest::newRow("keys wait in the cleared moment") << "right left new restart tick" << "cleared" << 2 << 0;
    QTest::newRow("focus loss in the cleared moment") << "right focus settle" << "ready" << 1 << 1;
    QTest::newRow("P ends the cleared moment early") << "right pause" << "ready" << 1 << 1;
    QTest::newRow("the next level waits on its card") << "right settle tick" << "ready" << 1 << 1;
    QTest::newRow("new game from a pause waits on the card") << "right settle pause pause new" << "ready" << 1 << 0;
    QTest::newRow("restart waits on the card") << "right settle right restart" << "ready" << 1 << 1;
    QTest::newRow("play again only after a game over") << "again" << "ready" << 1 << 0;
}

void TestSession::flow()
{
    QFETCH(QString, steps);
    QFETCH(QString, state);
    QFETCH(int, mouse_x);
    QFETCH(int, level);
    Game game({trap, open});
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts))
        act(game, step);
    QCOMPARE(name_of(game.session->state()), qPrintable(state));
    QCOMPARE(game.board().mouse_x, mouse_x);
    QCOMPARE(game.board().level_number, level);
    QCOMPARE(game.session->game_clock().isActive(), state == "playing");
}

void TestSession::first_move_starts_a_fresh_clock_and_moves()
{
    Game game({open});
    QVERIFY(!game.session->game_clock().isActive());
    QTest::qWait(450);  // longer than a tick: still nothing moves
    QCOMPARE(game.board().cat_x[0], 6);
    game.session->move(1, 0);
    QCOMPARE(game.board().mouse_x, 2);
    QVERIFY(game.session->game_clock().isActive());
    QVERIFY(game.session->game_clock().remainingTime() > 300);
}

void TestSession::cleared_level_waits_then_loads_the_next()
{
    Game game({trap, open});
    game.board().score = 70;
    game.session->set_timing({400, 60, 0});
    game.session->move(1, 0);
    QCOMPARE(game.session->state(), State::cleared);
    QCOMPARE(game.board().cat_count, 0);
    QCOMPARE(game.board().cell(3, 1), 'B');  // the catch stays on the board for its moment
    game.settle();
    QCOMPARE(game.board().level_number, 1);
    QCOMPARE(game.board().score, 70);
    // A restart of the new level starts with what it was entered with.
    game.session->move(1, 0);
    game.board().score = 500;
    game.session->restart_level();
    QCOMPARE(game.board().score, 70);
    QVERIFY(game.overs.isEmpty());
}

void TestSession::last_level_cleared_is_a_win_and_play_again_starts_over()
{
    Game game({trap});
    game.board().score = 40;
    game.session->move(1, 0);
    game.settle();
    QCOMPARE(game.session->state(), State::game_over);
    QCOMPARE(game.overs.size(), 1);
    QCOMPARE(game.overs[0].ending, Ending::all_cleared);
    QCOMPARE(game.overs[0].score, 40);
    QCOMPARE(game.overs[0].level, QStringLiteral("level 1"));
    QVERIFY(game.session->won());
    QCOMPARE(game.board().board_height, 3);  // the cleared board stays in view
    game.session->timer_proc();
    game.session->move(-1, 0);
    QCOMPARE(game.board().mouse_x, 2);  // nothing moves behind the box
    game.session->play_again();
    QCOMPARE(game.session->state(), State::ready);
    QCOMPARE(game.board().score, 0);
    QCOMPARE(game.board().cell(1, 1), 'M');
    QVERIFY(!game.session->won());
}

void TestSession::capture_waits_then_ends_the_game()
{
    Game game({"HHHHH\nHMC.H\nHHHHH\n"});
    game.session->set_timing({400, 0, 60});
    game.session->move(1, 0);
    QCOMPARE(game.session->state(), State::caught);
    QCOMPARE(game.session->meeting(), (wd::Cell{2, 1}));
    QCOMPARE(game.board().cell(2, 1), 'M');
    QVERIFY(game.overs.isEmpty());  // not yet: the meeting is shown first
    game.session->move(1, 0);
    QCOMPARE(game.board().mouse_x, 2);
    game.settle();
    QCOMPARE(game.overs.size(), 1);
    QCOMPARE(game.overs[0].ending, Ending::caught);
    game.session->resume_after_box();  // closed without a choice: play goes on
    QCOMPARE(game.session->state(), State::playing);
}

void TestSession::a_name_counts_only_at_its_game_over()
{
    Game game({"HHHHH\nHMC.H\nHHHHH\n"});
    game.board().score = 500;
    game.session->move(1, 0);
    game.settle();
    QVERIFY(game.overs.value(0).beaten.has_value());
    const QByteArray before(game.session->table_text());
    game.session->play_again();  // the dialog never asked: nothing to enter now
    game.session->enter_name(QStringLiteral("Late"));
    QCOMPARE(QByteArray(game.session->table_text()), before);
    QVERIFY(!QFile::exists(game.dir.filePath(QStringLiteral("hsc.dat"))));
}

void TestSession::every_shipped_level_has_a_card()
{
    QFile file(QStringLiteral(WHISKERDASH_DATA_DIR "/levels.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const wd::LevelIndex index = wd::LevelIndex::parse(file.readAll().toStdString());
    const QStringList levels = QDir(QStringLiteral(WHISKERDASH_DATA_DIR)).entryList({QStringLiteral("level*.lvx")});
    QVERIFY(levels.size() > 30);
    QCOMPARE(int(index.size()), int(levels.size()));
    for (const QString& level : levels) {
        const wd::LevelInfo* info = index.find(level.toStdString());
        QVERIFY2(info && !info->name.empty() && !info->hint.empty(), qPrintable(level));
        // And none starts out told it cannot be cleared.
        wd::Board b;
        b.trace = [](const std::string&) {};
        QVERIFY(b.load_level(QFile::encodeName(QStringLiteral(WHISKERDASH_DATA_DIR "/") + level).toStdString()).ok());
        QVERIFY2(wd::can_still_clear(b), qPrintable(level));
    }
}

void TestSession::a_level_made_unclearable_is_told_until_restarted()
{
    // The only crate, pushed into the corner, can never move again.
    Game game({"HHHHHHH\nH..BM.H\nH.C...H\nHHHHHHH\n"});
    QVERIFY(!game.session->stuck());
    game.session->move(-1, 0);
    QVERIFY(!game.session->stuck());  // along the wall it can still come down the side
    game.session->move(-1, 0);
    QCOMPARE(game.board().cell(1, 1), 'B');
    QVERIFY(game.session->stuck());
    game.session->restart_level();
    QVERIFY(!game.session->stuck());
}

void TestSession::level_cards_read_the_pack_index_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hint");
    QTest::newRow("named with a hint") << QByteArray("# the pack\nlevel000.lvx\tFirst steps\tPush a row.\n")
                                       << "Level 1 \u00b7 First steps" << "Push a row.";
    QTest::newRow("no hint") << QByteArray("level000.lvx\tFirst steps\n") << "Level 1 \u00b7 First steps" << "";
    QTest::newRow("Windows line ends") << QByteArray("level000.lvx\tFirst\tPush.\r\n") << "Level 1 \u00b7 First" << "Push.";
    QTest::newRow("another level only") << QByteArray("level001.lvx\tLater\tNo.\n") << "Level 1 \u00b7 level000.lvx" << "";
    QTest::newRow("first line wins") << QByteArray("level000.lvx\tA\ta\nlevel000.lvx\tB\tb\n") << "Level 1 \u00b7 A" << "a";
    QTest::newRow("no tab, no name") << QByteArray("level000.lvx First\nlevel000.lvx\t\tx\n")
                                     << "Level 1 \u00b7 level000.lvx" << "";
    QTest::newRow("control bytes dropped") << QByteArray("level000.lvx\tFi\x1brst\tP\x07ush\n") << "Level 1 \u00b7 First"
                                           << "Push";
}

void TestSession::level_cards_read_the_pack_index()
{
    QFETCH(QByteArray, index);
    QFETCH(QString, title);
    QFETCH(QString, hint);
    Game game({open}, index);
    QCOMPARE(game.session->level_title(), title);
    QCOMPARE(game.session->level_hint(), hint);
    QCOMPARE(game.session->level_label(), QStringLiteral("1"));
}

// A test-play's clear wins at once: no next level is read, and the level's
// recording is the win that proves it.
void TestSession::a_test_play_ends_at_its_clear()
{
    Game game({open, open});
    game.write(QStringLiteral("drawn.lvx"), trap);
    const wd::Result<void> started = game.session->start_trial(game.dir.filePath(QStringLiteral("drawn.lvx")), "Drawn", "Push");
    QVERIFY(started.ok());
    QCOMPARE(game.session->level_title(), QStringLiteral("Drawn"));
    game.session->move(1, 0);
    QCOMPARE(game.session->state(), State::cleared);
    game.settle();
    QCOMPARE(game.overs.size(), 1);
    QCOMPARE(game.overs[0].ending, Ending::all_cleared);
    QVERIFY(game.overs[0].practice);
    QCOMPARE(game.board().board_height, 3);  // still the drawn level, not level 1
    const wd::Recording won = game.session->level_recording();
    QCOMPARE(won.ending, wd::Recording::Ending::won);
    QCOMPARE(won.steps.size(), std::size_t(2));
    QCOMPARE(won.steps[0].hash, wd::fnv1a(trap.toStdString()));
}

void TestSession::another_pack_plays_unranked_with_its_own_cards()
{
    Game game({open}, "level000.lvx\tShipped\n");
    QTemporaryDir own;
    QFile index(own.filePath(QStringLiteral("levels.txt"))), level(own.filePath(QStringLiteral("level000.lvx")));
    QVERIFY(index.open(QIODevice::WriteOnly) && level.open(QIODevice::WriteOnly));
    index.write("level000.lvx\tMine\n");
    level.write(trap);
    index.close();
    level.close();
    const QString folder = own.path();
    QVERIFY(game.session->play_pack([folder](const QString& name) { return folder + '/' + name; }).ok());
    QCOMPARE(game.session->level_title(), QStringLiteral("Level 1 · Mine"));
    game.board().score = 500;
    game.session->new_game();  // F2 starts the pack over, still unranked
    QVERIFY(game.session->in_practice());
    game.session->move(1, 0);
    game.settle();
    QCOMPARE(game.overs.value(0).ending, Ending::all_cleared);
    QVERIFY(game.overs.value(0).practice);
    game.session->play_again();
    QVERIFY(game.session->play_pack({}).ok());
    QCOMPARE(game.session->level_title(), QStringLiteral("Level 1 · Shipped"));
    QVERIFY(!game.session->in_practice());
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
