#include "ui/command_line.h"
#include "ui/data_files.h"

#include <QtTest>

#include <optional>

using wd::CommandLine;

Q_DECLARE_METATYPE(std::optional<CommandLine::Action>)

class TestStartupFiles : public QObject {
    Q_OBJECT

private slots:
    void command_line_data();
    void command_line();
    void locate_data();
    void locate();
    void installed_or_play_folder_data();
    void installed_or_play_folder();
};

void TestStartupFiles::command_line_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<CommandLine::Action>>("action");  // none for an error
    QTest::addColumn<QString>("level");  // "-" for none
    QTest::addColumn<bool>("mute");
    QTest::addColumn<QString>("first_line");

    using A = std::optional<CommandLine::Action>;
    const A play = CommandLine::Action::play, help = CommandLine::Action::help, version = CommandLine::Action::version,
            error;
    const QString usage = "Usage: whiskerdash [options] [LEVEL.lvx]";
    QTest::newRow("nothing") << QStringList{} << play << "-" << false << "";
    QTest::newRow("a level") << QStringList{"my.lvx"} << play << "my.lvx" << false << "";
    QTest::newRow("mute and a level") << QStringList{"a.lvx", "--mute"} << play << "a.lvx" << true << "";
    QTest::newRow("-- before a dashed name") << QStringList{"--", "-x.lvx"} << play << "-x.lvx" << false << "";
    QTest::newRow("--help") << QStringList{"--help"} << help << "-" << false << usage;
    QTest::newRow("-h beside a level") << QStringList{"a.lvx", "-h"} << help << "-" << false << usage;
    QTest::newRow("--version") << QStringList{"--version"} << version << "-" << false << "whiskerdash 1.1";
    QTest::newRow("-v") << QStringList{"-v"} << version << "-" << false << "whiskerdash 1.1";
    QTest::newRow("help wins over an unknown option") << QStringList{"--bogus", "--help"} << help << "-" << false
                                                      << usage;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << error << "-" << false
                                    << "whiskerdash: Unknown option 'bogus'.";
    QTest::newRow("a dashed name without --") << QStringList{"-x.lvx"} << error << "-" << false
                                              << "whiskerdash: Unknown option 'x.lvx'.";
    QTest::newRow("desktop options before --") << QStringList{"--from-desktop", "--play-here", "--", "-a.lvx"}
                                               << play << "-a.lvx" << false << "";
    QTest::newRow("two levels") << QStringList{"a.lvx", "b.lvx"} << error << "-" << false
                                << "whiskerdash: only one level file can be given, not 2";
}

void TestStartupFiles::command_line()
{
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<CommandLine::Action>, action);
    QFETCH(QString, level);
    QFETCH(bool, mute);
    QFETCH(QString, first_line);
    const wd::Result<CommandLine> parsed = wd::parse_command_line(QStringList{"/usr/games/whiskerdash"} + arguments);
    QCOMPARE(parsed.ok(), action.has_value());
    if (!parsed.ok()) {
        // An error is one line and where to look, never the whole help.
        const QString text = QString::fromStdString(parsed.problem().text);
        QCOMPARE(text.section('\n', 0, 0), first_line);
        QCOMPARE(text.section('\n', 1), QString("Try 'whiskerdash --help' for more information.\n"));
        return;
    }
    const CommandLine& line = parsed.value();
    QCOMPARE(line.action, *action);
    QCOMPARE(line.has_level, level != "-");
    QCOMPARE(line.level, level == "-" ? QString() : level);
    QCOMPARE(line.mute, mute);
    QCOMPARE(line.from_desktop, arguments.contains("--from-desktop"));
    QCOMPARE(line.play_here, arguments.contains("--play-here"));
    QCOMPARE(line.text.section('\n', 0, 0), first_line);
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

void TestStartupFiles::installed_or_play_folder_data()
{
    QTest::addColumn<bool>("level_here");
    QTest::addColumn<bool>("play_here");
    QTest::addColumn<QString>("before");  // what the player's folders hold: "", "own" or "1.0"
    QTest::addColumn<bool>("home_writable");
    QTest::newRow("a folder with level 0 plays there") << true << false << "" << true;
    QTest::newRow("--play-here plays there") << false << true << "" << true;
    QTest::newRow("elsewhere: the player's folder, given the starting table") << false << false << "" << true;
    QTest::newRow("the player's own table and level win") << false << false << "own" << true;
    QTest::newRow("the table of 1.0's play folder is carried over") << false << false << "1.0" << true;
    QTest::newRow("a home that cannot be written is told") << false << false << "" << false;
}

void TestStartupFiles::installed_or_play_folder()
{
    QFETCH(bool, level_here);
    QFETCH(bool, play_here);
    QFETCH(QString, before);
    QFETCH(bool, home_writable);
    QTemporaryDir scratch;
    const QString play = scratch.filePath("play"), shipped = scratch.filePath("shipped");
    // A file where the folders would go stops even root from writing there.
    const QString home = home_writable ? scratch.filePath("home") : scratch.filePath("file/home");
    const QString config = home_writable ? scratch.filePath("config") : scratch.filePath("file/config");
    const QString mine = home + "/org.whiskerdash.Whiskerdash";
    for (const QString& folder : {play, shipped, scratch.filePath("none")})
        QVERIFY(QDir().mkpath(folder));
    auto write = [](const QString& path, const QByteArray& bytes) {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    write(shipped + "/hsc.dat", "shipped table");
    write(shipped + "/level003.lvx", "shipped");
    if (level_here)
        write(play + "/level000.lvx", "here");
    if (before == "own") {
        write(mine + "/hsc.dat", "own table");
        write(mine + "/level003.lvx", "own");
    } else if (before == "1.0") {
        write(home + "/whiskerdash/hsc.dat", "1.0 table");
    }
    if (!home_writable)
        write(scratch.filePath("file"), "in the way");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(scratch.filePath("none")));
    QCoreApplication::setApplicationName("org.whiskerdash.Whiskerdash");
    QVERIFY(QDir::setCurrent(play));

    wd::data_files::choose(play_here, shipped);
    const wd::Result<void> storage = wd::data_files::storage();
    const QString problem = storage.ok() ? QString() : QString::fromStdString(storage.problem().text);
    if (level_here || play_here) {
        QVERIFY(wd::data_files::in_play_folder());
        QCOMPARE(wd::data_files::table_path(), QString("hsc.dat"));
        QCOMPARE(wd::data_files::locate(QString("level003.lvx")), shipped + "/level003.lvx");
        QCOMPARE(wd::data_files::search_folders(), QStringList({".", shipped}));
        QVERIFY(!QFileInfo::exists(mine));  // nothing made outside the play folder
        QCOMPARE(problem, QString());
        return;
    }
    QVERIFY(!wd::data_files::in_play_folder());
    QCOMPARE(wd::data_files::table_path(), mine + "/hsc.dat");
    QCOMPARE(wd::data_files::search_folders().first(), mine);
    QCOMPARE(wd::data_files::search_folders().last(), shipped);
    if (!home_writable) {
        QCOMPARE(problem, QString("scores and settings cannot be kept: %1 or %2/whiskerdash cannot be written")
                              .arg(mine, config));
        QCOMPARE(wd::data_files::locate(QString("level003.lvx")), shipped + "/level003.lvx");
        return;
    }
    QCOMPARE(problem, QString());
    const QByteArray table = before == "own" ? "own table" : before == "1.0" ? "1.0 table" : "shipped table";
    QCOMPARE(read(wd::data_files::table_path()), table);
    QCOMPARE(wd::data_files::locate(QString("level003.lvx")), (before == "own" ? mine : shipped) + "/level003.lvx");
    // The player's own level wins; the name in the player's folder when nobody has it.
    QCOMPARE(wd::data_files::locate(QString("level099.lvx")), mine + "/level099.lvx");
    QVERIFY(QFile::remove(shipped + "/hsc.dat"));  // a second start never copies again
    wd::data_files::choose(false, shipped);
    QCOMPARE(read(wd::data_files::table_path()), table);
}

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
