// Every game a session records plays again to the same end and score, and
// its recording survives being written and read back.

#include "recording/replay.h"
#include "session/game_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <set>

using State = wd::GameSession::State;

class TestRecording : public QObject {
    Q_OBJECT

private slots:
    void every_game_checks_out_data();
    void every_game_checks_out();
    void rewind_goes_back_two_seconds_in_practice_only();
    void records_are_beaten_only_by_better_data();
    void records_are_beaten_only_by_better();
    void two_games_keep_the_better_record();
};

void TestRecording::every_game_checks_out_data()
{
    QTest::addColumn<QList<QByteArray>>("levels");
    QTest::addColumn<int>("seed");  // the player's, not the cats'
    const QByteArray trap = "HHHHHHH\nHMK.BCH\nHHHHHHH\n";  // cleared by three steps right
    const QByteArray open = "HHHHHHHHHH\nHM.K....CH\nH..B..B..H\nH....C...H\nHHHHHHHHHH\n";
    QFile shipped(QStringLiteral(WHISKERDASH_DATA_DIR "/level000.lvx"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray first = shipped.readAll();
    for (const int seed : {1, 2, 3, 4})
        QTest::addRow("trap, then the open, seed %d", seed) << QList<QByteArray>{trap, open} << seed;
    for (const int seed : {5, 6})
        QTest::addRow("the shipped first level, seed %d", seed) << QList<QByteArray>{first} << seed;
}

void TestRecording::every_game_checks_out()
{
    QFETCH(QList<QByteArray>, levels);
    QFETCH(int, seed);
    QTemporaryDir dir;
    const auto write = [&dir](int number, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromStdString(wd::Board::level_file_name(number))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    for (int i = 0; i < levels.size(); ++i)
        write(i, levels[i]);
    const QString folder = dir.path();
    wd::GameSession session(dir.filePath(QStringLiteral("hsc.dat")),
                            [folder](const QString& name) { return folder + '/' + name; });
    wd::RecordingStore store(dir.filePath(QStringLiteral("recordings")));
    session.keep_recordings_in(&store);
    wd::StatisticsFile statistics(dir.filePath(QStringLiteral("statistics.txt")));
    session.keep_statistics_in(&statistics);
    wd::Statistics expected;  // counted here from what the session says
    std::set<std::uint64_t> cleared_levels;
    QObject::connect(&session, &wd::GameSession::stepped, [&expected](const wd::Events& events) {
        expected.cheese_eaten += events.cheese_eaten;
        expected.cats_caught += events.cats_caught;
    });
    session.board().trace = [](const std::string&) {};
    session.set_timing({400, 0, 0});
    session.set_wait_for_player(false);
    const wd::Result<void> started = session.start({});
    QVERIFY2(started.ok(), started.ok() ? "" : started.problem().text.c_str());

    // A player of random keys: moves, ticks and now and then a restart.
    std::mt19937 pick(static_cast<unsigned>(seed));
    constexpr int ways[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int step = 0; step < 4000 && session.state() != State::game_over; ++step) {
        if (session.state() == State::cleared) {
            ++expected.levels_cleared;
            cleared_levels.insert(session.board().level_hash);
            session.toggle_pause();  // the moment, ended at once
        }
        else if (session.state() == State::caught)
            QTRY_VERIFY(session.state() == State::game_over);
        else if (const unsigned r = pick() % 100; r < 60)
            session.move(ways[r % 4][0], ways[r % 4][1]);
        else if (r < 99)
            session.timer_proc();
        else
            session.restart_level();
    }
    session.end_program(QStringLiteral("Ann"));  // a game still in play is recorded as left

    const std::string text = wd::render(session.recording());
    const wd::Result<wd::Recording> parsed = wd::parse_recording(text);
    QVERIFY2(parsed.ok(), parsed.ok() ? "" : parsed.problem().text.c_str());
    QCOMPARE(wd::render(parsed.value()), text);
    const auto read = [&folder](const std::string& file) {
        return wd::read_level_file((folder + '/').toStdString() + file);
    };
    const auto why = [](const wd::Result<wd::Replayed>& replayed) {
        return replayed.ok() ? replayed.value().difference : replayed.problem().text;
    };
    const wd::Result<wd::Replayed> again = wd::replay(parsed.value(), read, [](const std::string&) {});
    QVERIFY2(again.ok() && again.value().reproduced(), why(again).c_str());
    QCOMPARE(again.value().score, session.board().score);

    // Each level's records play again to a clear in the ticks they claim.
    QVERIFY(store.wait());
    const wd::LevelRecords records = store.records();
    QCOMPARE(records.size(), cleared_levels.size());
    for (const auto& [hash, record] : records)
        for (const bool cheese : {true, false}) {
            QFile kept(*store.record_path(hash, cheese));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            const wd::Result<wd::Recording> level = wd::parse_recording(kept.readAll().toStdString());
            QVERIFY2(level.ok(), level.ok() ? "" : level.problem().text.c_str());
            const wd::Result<wd::Replayed> cleared = wd::replay(level.value(), read, [](const std::string&) {});
            QVERIFY2(cleared.ok() && cleared.value().reproduced(), why(cleared).c_str());
            QCOMPARE(cleared.value().ending, wd::Recording::Ending::won);
            if (!cheese)
                QCOMPARE(level.value().ticks(), record.ticks);
        }

    // What the statistics file holds is what was played.
    QString problem;
    const wd::Statistics counted = statistics.shown(problem);
    QVERIFY2(statistics.unsaved().empty(), "saved at the game's end");
    QCOMPARE(counted.games, 1);
    QCOMPARE(counted.levels_cleared, expected.levels_cleared);
    QCOMPARE(counted.cheese_eaten, expected.cheese_eaten);
    QCOMPARE(counted.cats_caught, expected.cats_caught);
    QCOMPARE(counted.played_ms, 400LL * session.recording().ticks());

    write(0, levels[0] + "\n");  // one byte more: not the level the game was played on
    const wd::Result<wd::Replayed> changed = wd::replay(parsed.value(), read, [](const std::string&) {});
    QVERIFY(!changed.ok());
    QCOMPARE(changed.problem().kind, wd::Problem::Kind::refused);
}

void TestRecording::rewind_goes_back_two_seconds_in_practice_only()
{
    QTemporaryDir dir;
    QFile level(dir.filePath(QStringLiteral("level000.lvx")));
    QVERIFY(level.open(QIODevice::WriteOnly));
    level.write("HHHHHHHHHHHH\nHM..K..H...H\nH..B...H.C.H\nH.K....H...H\nHHHHHHHHHHHH\n");  // the cat penned
    level.close();
    const QString folder = dir.path();
    wd::GameSession session(dir.filePath(QStringLiteral("hsc.dat")),
                            [folder](const QString& name) { return folder + '/' + name; });
    wd::StatisticsFile statistics(dir.filePath(QStringLiteral("statistics.txt")));
    session.keep_statistics_in(&statistics);
    session.board().trace = [](const std::string&) {};
    session.set_wait_for_player(false);
    const wd::Result<void> started = session.start({});
    QVERIFY2(started.ok(), started.ok() ? "" : started.problem().text.c_str());
    session.timer_proc();
    QVERIFY(!session.rewind());  // a ranked game stays one honest run
    QVERIFY(session.start_practice(0).ok());

    // Each tick's board, then two seconds more of moves and ticks.
    const auto cells = [&session] { return QByteArray(&session.board().board[0][0], sizeof session.board().board); };
    QList<QByteArray> seen{cells()};
    QList<int> scores{0};
    constexpr int ways[4][2] = {{1, 0}, {0, 1}, {1, 0}, {0, -1}};
    for (int tick = 0; tick < 9 && session.state() == State::playing; ++tick) {
        session.move(ways[tick % 4][0], ways[tick % 4][1]);
        session.timer_proc();
        seen << cells();
        scores << session.board().score;
    }
    QCOMPARE(session.state(), State::playing);
    QVERIFY(session.rewind());
    QCOMPARE(session.state(), State::paused);
    QCOMPARE(cells(), seen[seen.size() - 1 - wd::GameSession::rewind_ticks]);
    QCOMPARE(session.board().score, scores[scores.size() - 1 - wd::GameSession::rewind_ticks]);
    QVERIFY(session.rewind());  // and again, to where the level began
    QCOMPARE(cells(), seen.first());
    QVERIFY(scores.last() > 0);  // cheese was eaten, and is uneaten again
    QCOMPARE(statistics.unsaved().cheese_eaten, 0);
}

void TestRecording::records_are_beaten_only_by_better_data()
{
    QTest::addColumn<int>("cheese");  // held: 5 cheese, 40 ticks
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("more_cheese");
    QTest::addColumn<bool>("faster");
    QTest::newRow("as good") << 5 << 40 << false << false;
    QTest::newRow("one cheese more") << 6 << 40 << true << false;
    QTest::newRow("one tick fewer") << 5 << 39 << false << true;
    QTest::newRow("less cheese, slower") << 4 << 41 << false << false;
}

void TestRecording::records_are_beaten_only_by_better()
{
    QFETCH(int, cheese);
    QFETCH(int, ticks);
    QFETCH(bool, more_cheese);
    QFETCH(bool, faster);
    const wd::RecordNews news = wd::beats({5, 40}, cheese, ticks);
    QCOMPARE(news.cheese, more_cheese);
    QCOMPARE(news.ticks, faster);
    QVERIFY(wd::beats({}, 0, 1000).cheese && wd::beats({}, 0, 1000).ticks);  // a first clear sets both

    // Kept and read back; a damaged line loses only its level.
    const wd::LevelRecords records{{0x1234abcdULL, wd::with({5, 40}, news, cheese, ticks)}, {~0ULL, {0, 7}}};
    std::string text = wd::render_records(records);
    QCOMPARE(wd::parse_records(text), records);
    text += "00000000000000ff cheese x ticks 3\n";
    QCOMPARE(wd::parse_records(text), records);
}

void TestRecording::two_games_keep_the_better_record()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("recordings"));
    wd::RecordingStore first(folder), second(folder);  // both started before either kept a record
    const auto clear = [](int ticks) {
        wd::Recording level;
        level.add_level(wd::Recording::Begin::start, 0, 0xabcULL, 0, "level000.lvx");
        for (int i = 0; i < ticks; ++i)
            level.add_tick();
        return level;
    };
    QVERIFY(first.offer_record(clear(50), 3).any());
    QVERIFY(first.wait());
    const wd::RecordNews news = second.offer_record(clear(40), 2);  // news to this game, which knew none
    QVERIFY(news.cheese && news.ticks);
    QVERIFY(second.wait());
    QCOMPARE(second.records().at(0xabcULL), (wd::LevelRecord{3, 40}));
    QFile fastest(*second.record_path(0xabcULL, false));
    QVERIFY(fastest.open(QIODevice::ReadOnly));
    QCOMPARE(wd::parse_recording(fastest.readAll().toStdString()).value().ticks(), 40);
    QFile most(*second.record_path(0xabcULL, true));
    QVERIFY(most.open(QIODevice::ReadOnly));
    QCOMPARE(wd::parse_recording(most.readAll().toStdString()).value().ticks(), 50);
}

QTEST_GUILESS_MAIN(TestRecording)
#include "test_recording.moc"
