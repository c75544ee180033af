#include "scores/hsc_file.h"
#include "scores/score_store.h"
#include "file_testing.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hsc = wd::hsc;
using wd::testing::contents;
using wd::testing::write;

namespace {

struct Scored {
    QString name;
    int score = 0;
    bool operator==(const Scored&) const = default;
};

// The entries of a table text, best first.
QList<Scored> entries_of(const QByteArray& text)
{
    QList<Scored> entries;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 2; i < 12 && i < lines.size(); ++i) {
        const int dot = lines[i].indexOf('.');
        int digits = dot;
        while (digits < lines[i].size() && lines[i][digits] == '.')
            ++digits;
        entries.append({QString::fromUtf8(lines[i].left(dot)), lines[i].mid(digits).toInt()});
    }
    return entries;
}

// The ten best of `made` on top of the built-in table, as a table ranks them.
QList<Scored> ten_best(QList<Scored> made)
{
    QList<Scored> all = entries_of(QByteArray(hsc::default_table().data(), hsc::default_table().size()));
    all += made;
    std::stable_sort(all.begin(), all.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });
    return all.mid(0, 10);
}

// A store that keeps what it would tell the player.
struct Store {
    QStringList notices;
    hsc::ScoreStore store;
    char text[hsc::text_capacity] = {};
    explicit Store(const QString& path)
        : store(path, [this](const QString& notice) { notices << notice; })
    {
        store.load(text);
    }
    // A game over with `score`, ranked against the table this game holds.
    bool enter(const std::string& name, int score)
    {
        const auto slot = hsc::rank(text, score, [](const std::string&) {});
        return slot && store.add(text, *slot, name, score) && store.save(text);
    }
};

// A stand-in game in its own process.
struct Player {
    QProcess process;
    explicit Player(const QString& table, const QStringList& environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : environment)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(HSC_PLAYER));
        process.setArguments({table});
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
    }
    void send(const Scored& entry) { process.write(entry.name.toUtf8() + ' ' + QByteArray::number(entry.score) + '\n'); }
    QByteArray answer()
    {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(20000))
                return "<no answer>";
        return process.readLine().trimmed();
    }
};

// Distinct scores that tie with no built-in entry, so the expected table is
// the same whichever game saves first.
QList<int> distinct_scores(int count)
{
    QList<int> scores;
    QRandomGenerator random(13);
    while (scores.size() < count) {
        const int score = static_cast<int>(random.bounded(2000)) * 2 + 1;
        if (!scores.contains(score))
            scores.append(score);
    }
    return scores;
}

}  // namespace

class TestHscStore : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void two_stale_games_keep_both_entries();
    void nothing_is_written_without_a_new_entry();
    void damaged_table_moves_aside_and_a_fresh_one_is_saved();
    void unreadable_table_is_left_as_it_is_data();
    void unreadable_table_is_left_as_it_is();
    void unsaved_entry_is_saved_once_the_file_can_be();
    void folder_gone_is_told();
    void lock_of_a_dead_game_is_taken_over();
    void failing_disk_keeps_the_old_file_data();
    void failing_disk_keeps_the_old_file();
    void two_processes_in_turn_lose_nothing();
    void two_processes_at_once_lose_nothing();

private:
    QTemporaryDir dir;
};

void TestHscStore::two_stale_games_keep_both_entries()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    Store a(path);
    Store b(path);  // both read the table before either saves
    QVERIFY(a.enter("Alice", 70));
    QVERIFY(b.enter("Bob", 120));
    const QList<Scored> expected = ten_best({{"Alice", 70}, {"Bob", 120}});
    QCOMPARE(entries_of(contents(path)), expected);
    QCOMPARE(entries_of(b.text), expected);  // the game shows the merged table
    QVERIFY(!a.store.has_unsaved());
    QVERIFY(!b.store.has_unsaved());
    QVERIFY(a.notices.isEmpty() && b.notices.isEmpty());
    QVERIFY(!QFile::exists(path + ".lock"));
}

void TestHscStore::nothing_is_written_without_a_new_entry()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    Store game(path);
    QVERIFY(!game.store.has_unsaved());
    QCOMPARE(QByteArray(game.text), QByteArray(hsc::default_table().data()));
    QVERIFY(!hsc::rank(game.text, 10, [](const std::string&) {}));
    QVERIFY(!QFile::exists(path));
}

void TestHscStore::damaged_table_moves_aside_and_a_fresh_one_is_saved()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    write(path + ".damaged", "an older damaged table");
    write(path, "not a table\n");
    Store game(path);
    QCOMPARE(game.notices,
             QStringList{path + ": has 0 entry lines, not 10; moved aside to " + path
                         + ".damaged.1, a fresh table takes its place"});
    QCOMPARE(contents(path + ".damaged"), QByteArray("an older damaged table"));
    QCOMPARE(contents(path + ".damaged.1"), QByteArray("not a table\n"));
    QCOMPARE(QByteArray(game.text), QByteArray(hsc::default_table().data()));
    QVERIFY(game.enter("Ann", 99999));
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 99999}}));
}

void TestHscStore::unreadable_table_is_left_as_it_is_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder" << "not a regular file (a folder)";
    QTest::newRow("FIFO") << "fifo" << "not a regular file (a FIFO)";
    QTest::newRow("no read permission") << "mode 000" << "Permission denied";
}

void TestHscStore::unreadable_table_is_left_as_it_is()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray native = QFile::encodeName(path);
    if (kind == "folder")
        QVERIFY(QDir(own.path()).mkdir("hsc.dat"));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    if (kind == "mode 000") {
        if (::geteuid() == 0)
            QSKIP("root reads any file");
        write(path, QByteArray(hsc::default_table().data()));
        QVERIFY(QFile::setPermissions(path, {}));
    }
    struct stat before {};
    QCOMPARE(::stat(native.constData(), &before), 0);

    Store game(path);
    QCOMPARE(game.notices, QStringList{path + ": cannot read: " + reason + "; the file is left as it is"});
    QCOMPARE(QByteArray(game.text), QByteArray(hsc::default_table().data()));
    QVERIFY(!game.enter("Ann", 5000));
    QCOMPARE(game.notices.last(),
             path + ": cannot save the high scores: cannot read: " + reason + "; the file is left as it is");
    QVERIFY(game.store.has_unsaved());
    QCOMPARE(entries_of(game.text).first(), (Scored{"Ann", 5000}));  // still shown

    struct stat after {};
    QCOMPARE(::stat(native.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QCOMPARE(QDir(own.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"hsc.dat"});
}

void TestHscStore::unsaved_entry_is_saved_once_the_file_can_be()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    QVERIFY(QDir(own.path()).mkdir("hsc.dat"));
    Store game(path);
    QVERIFY(!game.enter("Ann", 5000));
    QVERIFY(QDir(own.path()).rmdir("hsc.dat"));
    // The next game over: the file is there to read again, and the old entry goes with the new one.
    game.store.load(game.text);
    QVERIFY(game.enter("Bea", 1000));
    QVERIFY(!game.store.has_unsaved());
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}, {"Bea", 1000}}));
}

void TestHscStore::folder_gone_is_told()
{
    auto own = std::make_unique<QTemporaryDir>();
    const QString path = own->filePath("hsc.dat");
    Store game(path);
    own.reset();
    QVERIFY(!game.enter("Ann", 5000));
    QCOMPARE(game.notices, QStringList{path + ": cannot save the high scores: cannot create the lock " + path
                                       + ".lock: No such file or directory"});
    QVERIFY(game.store.has_unsaved());
    QCOMPARE(entries_of(game.text).first(), (Scored{"Ann", 5000}));
}

void TestHscStore::lock_of_a_dead_game_is_taken_over()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile lock(path + ".lock");
        lock.lock();
        ::_exit(0);  // dies holding it
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(QFile::exists(path + ".lock"));

    Store game(path);
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(game.enter("Ann", 5000), qPrintable(game.notices.join('\n')));
    QVERIFY(clock.elapsed() < hsc::ScoreStore::lock_wait_ms);
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}}));
}

void TestHscStore::failing_disk_keeps_the_old_file_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("sync") << "fsync";
    QTest::newRow("rename") << "rename";
}

void TestHscStore::failing_disk_keeps_the_old_file()
{
    QFETCH(QString, call);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray old(hsc::default_table().data(), hsc::default_table().size());
    write(path, old);
    // The shim is not built with the sanitizers: let it come first.
    const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
    Player game(path, {"LD_PRELOAD=" FAIL_CALLS, "WD_FAIL=" + call,
                       "ASAN_OPTIONS=" + asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0"});
    game.send({"Ann", 5000});
    QCOMPARE(game.answer(), "failed: " + QFile::encodeName(path) + ": cannot save the high scores: Input/output error");
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(own.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"hsc.dat"});
    game.process.closeWriteChannel();
    QVERIFY(game.process.waitForFinished());
}

void TestHscStore::two_processes_in_turn_lose_nothing()
{
    const QString path = dir.filePath("turns.dat");
    Player a(path);
    Player b(path);
    QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
    const QList<int> scores = distinct_scores(60);
    QList<Scored> made;
    for (int round = 0; round < 30; ++round) {
        for (Player* player : {&a, &b}) {
            const Scored entry{QStringLiteral("%1%2").arg(player == &a ? 'A' : 'B').arg(round),
                               scores[2 * round + (player == &a ? 0 : 1)]};
            player->send(entry);
            const QByteArray answer = player->answer();
            QVERIFY2(answer == "saved" || answer == "no place", answer.constData());
            made.append(entry);
            QCOMPARE(entries_of(contents(path)), ten_best(made));
        }
    }
    a.process.closeWriteChannel();
    b.process.closeWriteChannel();
    QVERIFY(a.process.waitForFinished() && b.process.waitForFinished());
}

void TestHscStore::two_processes_at_once_lose_nothing()
{
    const QString path = dir.filePath("at-once.dat");
    const QList<int> scores = distinct_scores(120);
    QList<Scored> made;
    Player a(path);
    Player b(path);
    QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
    for (int i = 0; i < 60; ++i) {
        const Scored from_a{QStringLiteral("A%1").arg(i), scores[2 * i]};
        const Scored from_b{QStringLiteral("B%1").arg(i), scores[2 * i + 1]};
        a.send(from_a);
        b.send(from_b);
        made << from_a << from_b;
    }
    a.process.closeWriteChannel();
    b.process.closeWriteChannel();

    // Every read while they save sees a whole table.
    int reads = 0;
    while (a.process.state() != QProcess::NotRunning || b.process.state() != QProcess::NotRunning) {
        a.process.waitForFinished(1);
        b.process.waitForFinished(1);
        if (const hsc::FileRead read = hsc::read_file(path); read.status != hsc::FileRead::Status::missing) {
            QVERIFY2(read.status == hsc::FileRead::Status::read, qPrintable(read.reason));
            ++reads;
        }
    }
    QCOMPARE(a.process.exitCode(), 0);
    QCOMPARE(b.process.exitCode(), 0);
    for (Player* player : {&a, &b}) {
        const QList<QByteArray> answers = player->process.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(answers.size(), 60);
        for (const QByteArray& answer : answers)
            QVERIFY2(answer == "saved" || answer == "no place", answer.constData());
    }
    QCOMPARE(entries_of(contents(path)), ten_best(made));
    QVERIFY(reads > 0);
    QCOMPARE(QDir(dir.path()).entryList({"at-once.dat*"}, QDir::AllEntries | QDir::Hidden), QStringList{"at-once.dat"});
}

QTEST_GUILESS_MAIN(TestHscStore)
#include "test_hsc_store.moc"
