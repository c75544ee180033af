#include "game/level.h"
#include "testing.h"

#include <QtTest>

using wd::testing::level_text;

Q_DECLARE_METATYPE(std::string)

class TestLevelCheck : public QObject {
    Q_OBJECT

private slots:
    void problems_data();
    void problems();
};

void TestLevelCheck::problems_data()
{
    QTest::addColumn<std::string>("file");
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("sound") << level_text({"HHHHH", "HM.CH", "HHHHH"}) << QStringList{};
    QTest::newRow("spaces are floor") << level_text({"HHHHH", "HM CH", "HHHHH"}) << QStringList{};
    QTest::newRow("refused by the game") << level_text({"HHHHH", "H..CH", "HHHHH"})
                                         << QStringList{"x.lvx: no mouse ('M') in the level"};
    QTest::newRow("empty") << std::string() << QStringList{"x.lvx: file is empty"};
    QTest::newRow("empty first row") << level_text({"", "HMCH", "HHHH"})
                                     << QStringList{"x.lvx:1:1: first row is empty: the board would have no width"};
    QTest::newRow("unequal rows") << level_text({"HHHHH", "HM.CH", "H..H", "HHHHH"})
                                  << QStringList{"x.lvx:3: row is 4 cells long, the first row 5"};
    QTest::newRow("broken ring") << level_text({"HHHHH", "HM.C.", "HHKHH"})
                                 << QStringList{"x.lvx:2:5: ring of 'H' broken by '.'",
                                                "x.lvx:3:3: ring of 'H' broken by 'K'"};
    // Said once, with the fix; the level under the carriage returns is sound.
    QTest::newRow("carriage returns") << std::string("HHHH\r\nHMCH\r\nHHHH\r\n")
                                      << QStringList{"x.lvx: Windows line endings (CR LF): the game takes each CR "
                                                     "for a cell; save the file with plain line feeds (for example "
                                                     "with dos2unix)"};
    QTest::newRow("carriage returns and a fault under them")
        << std::string("HHHH\r\nHMCK\r\nHHHH\r\n")
        << QStringList{"x.lvx: Windows line endings (CR LF): the game takes each CR for a cell; save the file with "
                       "plain line feeds (for example with dos2unix)",
                       "x.lvx:2:4: ring of 'H' broken by 'K'"};
    QTest::newRow("unknown letters") << level_text({"HHHHHH", "HMkC#H", "HHHHHH"})
                                     << QStringList{"x.lvx:2:3: unknown cell 'k': the game plays it as floor",
                                                    "x.lvx:2:5: unknown cell '#': the game plays it as floor"};
    QTest::newRow("unknown byte") << level_text({"HHHHH", "HM\tCH", "HHHHH"})
                                  << QStringList{"x.lvx:2:3: unknown cell byte 0x09: the game plays it as floor"};
    QTest::newRow("no cats") << level_text({"HHHH", "HM.H", "HHHH"})
                             << QStringList{"x.lvx: no cats: the level can never be cleared"};
    QTest::newRow("cat outside the ring") << level_text({"HHHH", "HMHH.C", "HCHH"})
                                          << QStringList{"x.lvx:2: row is 6 cells long, the first row 4",
                                                         "x.lvx:2:6: cat outside the ring",
                                                         "x.lvx:3:2: cat outside the ring"};
    QTest::newRow("mouse on the ring") << level_text({"HHMH", "H.CH", "HHHH"})
                                       << QStringList{"x.lvx:1:3: mouse outside the ring"};
    QTest::newRow("mouse outside the drawn board") << level_text({"HHHH", "HCHH.M", "HHHH"})
        << QStringList{"x.lvx:2:6: mouse outside the drawn board, which is 4 cells wide (the first row's length)"};
    QTest::newRow("two mice") << level_text({"HHHHHH", "HMCM.H", "HHHHHH"})
                              << QStringList{"x.lvx:2:4: a second mouse: the game plays the last one"};
    QTest::newRow("last line without line feed") << std::string("HHHH\nHMCH\nHHHH")
                                                 << QStringList{"x.lvx:3: row is 3 cells long, the first row 4",
                                                                "x.lvx:3:4: last line has no line feed: "
                                                                "its last cell is lost"};
}

void TestLevelCheck::problems()
{
    QFETCH(std::string, file);
    QFETCH(QStringList, reported);
    QStringList found;
    for (const wd::LevelProblem& problem : wd::level_problems(file))
        found << QString::fromStdString(wd::describe("x.lvx", problem));
    QCOMPARE(found, reported);
}

QTEST_GUILESS_MAIN(TestLevelCheck)
#include "test_level_check.moc"
