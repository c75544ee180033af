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
    QTest::newRow("refused by the game") << level_text({"HHHHH", "H..CH", "HHHHH"})
                                         << QStringList{"x.lvx: no mouse ('M') in the level"};
    QTest::newRow("empty") << std::string() << QStringList{"x.lvx: file is empty"};
    QTest::newRow("unequal rows") << level_text({"HHHHH", "HM.CH", "H..H", "HHHHH"})
                                  << QStringList{"x.lvx: line 3: row is 4 cells long, the first row 5"};
    QTest::newRow("broken ring") << level_text({"HHHHH", "HM.C.", "HHKHH"})
                                 << QStringList{"x.lvx: line 2, column 5: ring of 'H' broken by '.'",
                                                "x.lvx: line 3, column 3: ring of 'H' broken by 'K'"};
    QTest::newRow("carriage return") << std::string("HHHH\r\nHMCH\r\nHHHH\r\n")
                                     << QStringList{"x.lvx: line 1, column 5: ring of 'H' broken by byte 0x0D",
                                                    "x.lvx: line 2, column 5: ring of 'H' broken by byte 0x0D",
                                                    "x.lvx: line 3, column 5: ring of 'H' broken by byte 0x0D"};
    QTest::newRow("no cats") << level_text({"HHHH", "HM.H", "HHHH"})
                             << QStringList{"x.lvx: no cats: the level can never be cleared"};
    QTest::newRow("cat outside the ring") << level_text({"HHHH", "HMHH.C", "HCHH"})
                                          << QStringList{"x.lvx: line 2: row is 6 cells long, the first row 4",
                                                         "x.lvx: line 2, column 6: cat outside the ring",
                                                         "x.lvx: line 3, column 2: cat outside the ring"};
    QTest::newRow("mouse on the ring") << level_text({"HHMH", "H.CH", "HHHH"})
                                       << QStringList{"x.lvx: line 1, column 3: mouse outside the ring"};
    QTest::newRow("two mice") << level_text({"HHHHHH", "HMCM.H", "HHHHHH"})
                              << QStringList{"x.lvx: line 2, column 4: a second mouse: the game plays the last one"};
    QTest::newRow("last line without line feed") << std::string("HHHH\nHMCH\nHHHH")
                                                 << QStringList{"x.lvx: line 3: row is 3 cells long, the first row 4",
                                                                "x.lvx: line 3, column 4: last line has no line feed: "
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
