// Two games sharing the statistics file lose no count, and a file that is
// not one is moved aside instead of blocking every later save.

#include "stats/statistics_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void damaged_files_are_named_data();
    void damaged_files_are_named();
    void two_games_add_up();
};

void TestStatistics::damaged_files_are_named_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("empty") << QByteArray() << QByteArray("empty");
    QTest::newRow("another format") << QByteArray("whiskerdash statistics 2\n") << QByteArray("line 1: not a statistics file of this version");
    QTest::newRow("negative") << QByteArray("whiskerdash statistics 1\ngames -3\n") << QByteArray("line 2: not a count");
    QTest::newRow("trailing") << QByteArray("whiskerdash statistics 1\ncats-caught 3x\n") << QByteArray("line 2: not a count");
    QTest::newRow("short level") << QByteArray("whiskerdash statistics 1\nlevel 4 2\n") << QByteArray("line 2: not a level's counts");
    QTest::newRow("unknown") << QByteArray("whiskerdash statistics 1\nmice 2\n") << QByteArray("line 2: unknown line");
    QTest::newRow("fine") << QByteArray("whiskerdash statistics 1\ngames 2\nlevel 0 3 1\n") << QByteArray();
}

void TestStatistics::damaged_files_are_named()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, error);
    const wd::Result<wd::Statistics> parsed = wd::parse_statistics(bytes.toStdString());
    QCOMPARE(parsed.ok() ? QByteArray() : QByteArray::fromStdString(parsed.problem().text), error);
}

void TestStatistics::two_games_add_up()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statistics.txt"));
    wd::StatisticsFile first(path), second(path);
    first.unsaved().games = 1;
    first.unsaved().levels[2] = {3, 1};
    second.unsaved().games = 2;
    second.unsaved().levels[2] = {1, 1};
    second.unsaved().levels[5] = {4, 0};
    QVERIFY(first.save(0));
    QVERIFY(second.save(0));
    QVERIFY(first.unsaved().empty());
    first.unsaved().played_ms = 400;  // not saved yet, and shown
    QString problem;
    wd::Statistics sum = first.shown(problem);
    QVERIFY(problem.isEmpty());
    QCOMPARE(sum.games, 3);
    QCOMPARE(sum.played_ms, 400);
    QCOMPARE(sum.levels[2], (wd::Statistics::Level{4, 2}));
    QCOMPARE(sum.levels[5], (wd::Statistics::Level{4, 0}));

    // A damaged file goes aside; this run's counts start the new one.
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not statistics\n");
    damaged.close();
    QVERIFY(first.save(0));
    QVERIFY(QFile::exists(path + QStringLiteral(".damaged")));
    sum = first.shown(problem);
    QCOMPARE(sum.games, 0);
    QCOMPARE(sum.played_ms, 400);
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "test_statistics.moc"
