#include "ui/command_line.h"
#include "ui/data_files.h"

#include <QtTest>

using wd::CommandLine;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestStartupFiles : public QObject {
    Q_OBJECT

private slots:
    void command_line_data();
    void command_line();
    void locate_data();
    void locate();
};

void TestStartupFiles::command_line_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("level");  // "-" for none
    QTest::addColumn<bool>("mute");
    QTest::addColumn<QString>("first_line");

    using A = CommandLine::Action;
    const QString usage = "Usage: whiskerdash [options] [LEVEL.lvx]";
    QTest::newRow("nothing") << QStringList{} << A::play << "-" << false << "";
    QTest::newRow("a level") << QStringList{"my.lvx"} << A::play << "my.lvx" << false << "";
    QTest::newRow("mute and a level") << QStringList{"a.lvx", "--mute"} << A::play << "a.lvx" << true << "";
    QTest::newRow("-- before a dashed name") << QStringList{"--", "-x.lvx"} << A::play << "-x.lvx" << false << "";
    QTest::newRow("--help") << QStringList{"--help"} << A::help << "-" << false << usage;
    QTest::newRow("-h beside a level") << QStringList{"a.lvx", "-h"} << A::help << "-" << false << usage;
    QTest::newRow("--version") << QStringList{"--version"} << A::version << "-" << false << "whiskerdash 1.0";
    QTest::newRow("-v") << QStringList{"-v"} << A::version << "-" << false << "whiskerdash 1.0";
    QTest::newRow("help wins over an unknown option") << QStringList{"--bogus", "--help"} << A::help << "-" << false
                                                      << usage;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << A::usage_error << "-" << false
                                    << "whiskerdash: Unknown option 'bogus'.";
    QTest::newRow("a dashed name without --") << QStringList{"-x.lvx"} << A::usage_error << "-" << false
                                              << "whiskerdash: Unknown option 'x.lvx'.";
    QTest::newRow("two levels") << QStringList{"a.lvx", "b.lvx"} << A::usage_error << "-" << false
                                << "whiskerdash: only one level file can be given, not 2";
}

void TestStartupFiles::command_line()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, level);
    QFETCH(bool, mute);
    QFETCH(QString, first_line);
    const CommandLine line = wd::parse_command_line(QStringList{"/usr/games/whiskerdash"} + arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.has_level, level != "-");
    QCOMPARE(line.level, level == "-" ? QString() : level);
    QCOMPARE(line.mute, mute);
    QCOMPARE(line.text.section('\n', 0, 0), first_line);
    if (action == CommandLine::Action::usage_error)
        QVERIFY(line.text.contains("\nUsage: whiskerdash [options] [LEVEL.lvx]\n"));
}

void TestStartupFiles::locate_data()
{
    QTest::addColumn<QString>("here");       // what the play folder holds under the name
    QTest::addColumn<QString>("installed");  // what the installed folder holds
    QTest::addColumn<bool>("from_installed");
    QTest::newRow("only installed") << "" << "file" << true;
    QTest::newRow("the player's own wins") << "file" << "file" << false;
    QTest::newRow("only the player's") << "file" << "" << false;
    QTest::newRow("nowhere: the name, for the message") << "" << "" << false;
    QTest::newRow("a broken link of the player's is reported, not bypassed") << "link" << "file" << false;
    QTest::newRow("an odd file of the player's is reported") << "folder" << "file" << false;
}

void TestStartupFiles::locate()
{
    QFETCH(QString, here);
    QFETCH(QString, installed);
    QFETCH(bool, from_installed);
    QTemporaryDir play;
    QTemporaryDir data;
    QVERIFY(QDir::setCurrent(play.path()));
    auto make = [](const QString& kind, const QString& path) {
        if (kind == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == "link") {
            QVERIFY(QFile::link(path + ".gone", path));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        }
    };
    make(here, "level003.lvx");
    make(installed, data.filePath("level003.lvx"));
    const QString found = wd::data_files::locate_in("level003.lvx", data.path());
    QCOMPARE(found, from_installed ? data.filePath("level003.lvx") : QString("level003.lvx"));
    QCOMPARE(wd::data_files::locate_in("level003.lvx", QString()), QString("level003.lvx"));
}

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
