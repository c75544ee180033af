#include "scores/hsc_file.h"
#include "scores/pending_save.h"
#include "scores/score_store.h"
#include "file_testing.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/stat.h>
#include <sys/time.h>
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
    hsc::Table text;
    explicit Store(const QString& path)
        : store(path, [this](const QString& notice) { notices << notice; })
    {
        store.load(text);
    }
    // A game over with `score`, ranked against the table this game holds.
    bool enter(const std::string& name, int score)
    {
        const auto slot = text.rank(score, [](const std::string&) {});
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

// The environment for a player with the failure shim preloaded.
QStringList shimmed(QStringList settings)
{
    // The shim is not built with the sanitizers: let it come first.
    const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
    settings << "LD_PRELOAD=" FAIL_CALLS
             << "ASAN_OPTIONS=" + asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0";
    return settings;
}

// A process of our own that holds `lock` until it is killed.
pid_t hold_lock(const QString& lock)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile held(lock);
        held.lock();
        [[maybe_unused]] const ssize_t said = ::write(ready[1], "x", 1);
        for (;;)
            ::pause();
    }
    char byte = 0;
    [[maybe_unused]] const ssize_t heard = ::read(ready[0], &byte, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return child;
}

void end_process(pid_t pid)
{
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

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
    void lock_cannot_be_made_data();
    void lock_cannot_be_made();
    void lock_that_is_not_a_file_is_told_once_data();
    void lock_that_is_not_a_file_is_told_once();
    void left_over_lock_is_taken_over_data();
    void left_over_lock_is_taken_over();
    void busy_lock_leaves_the_entry_waiting_until_saved();
    void temporaries_of_killed_saves_are_removed();
    void damaged_table_behind_a_link_moves_with_its_link_kept();
    void failing_disk_keeps_the_old_file_data();
    void failing_disk_keeps_the_old_file();
    void flaky_disk_loses_no_entry_data();
    void flaky_disk_loses_no_entry();
    void two_processes_in_turn_lose_nothing();
    void two_processes_at_once_lose_nothing();
    void waiting_entries_go_in_once_data();
    void waiting_entries_go_in_once();
    void two_games_starting_together_take_a_waiting_entry_once();

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
    QCOMPARE(entries_of(b.text.c_str()), expected);  // the game shows the merged table
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
    QCOMPARE(QByteArray(game.text.c_str()), QByteArray(hsc::default_table().data()));
    QVERIFY(!game.text.rank(10, [](const std::string&) {}));
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
    QCOMPARE(QByteArray(game.text.c_str()), QByteArray(hsc::default_table().data()));
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
    QCOMPARE(QByteArray(game.text.c_str()), QByteArray(hsc::default_table().data()));
    QVERIFY(!game.enter("Ann", 5000));
    QCOMPARE(game.notices.last(),
             path + ": cannot save the high scores: cannot read: " + reason + "; the file is left as it is");
    QVERIFY(game.store.has_unsaved());
    QCOMPARE(entries_of(game.text.c_str()).first(), (Scored{"Ann", 5000}));  // still shown

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
    QCOMPARE(entries_of(game.text.c_str()), ten_best({{"Ann", 5000}}));  // the reload keeps it in view
    QVERIFY(game.enter("Bea", 1000));
    QVERIFY(!game.store.has_unsaved());
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}, {"Bea", 1000}}));
}

void TestHscStore::lock_cannot_be_made_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder gone") << "gone" << "No such file or directory";
    QTest::newRow("read-only folder") << "read-only" << "Permission denied";
}

void TestHscStore::lock_cannot_be_made()
{
    QFETCH(QString, how);
    QFETCH(QString, reason);
    auto own = std::make_unique<QTemporaryDir>();
    const QString path = own->filePath("hsc.dat");
    const QByteArray old(hsc::default_table().data(), hsc::default_table().size());
    write(path, old);
    Store game(path);
    if (how == "gone")
        own.reset();
    if (how == "read-only") {
        if (::geteuid() == 0)
            QSKIP("root writes in any folder: run as another user (scripts/test does)");
        QVERIFY(QFile::setPermissions(own->path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    QVERIFY(!game.enter("Ann", 5000));
    QCOMPARE(game.notices, QStringList{path + ": cannot save the high scores: cannot create the lock " + path
                                       + ".lock: " + reason});
    QVERIFY(game.store.has_unsaved());
    QCOMPARE(entries_of(game.text.c_str()).first(), (Scored{"Ann", 5000}));
    if (own) {
        QCOMPARE(contents(path), old);
        QVERIFY(QFile::setPermissions(own->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(QDir(own->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"hsc.dat"});
    }
}

void TestHscStore::lock_that_is_not_a_file_is_told_once_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("what");
    QTest::newRow("folder") << "folder" << "a folder";
    QTest::newRow("FIFO") << "fifo" << "a FIFO";
}

void TestHscStore::lock_that_is_not_a_file_is_told_once()
{
    QFETCH(QString, kind);
    QFETCH(QString, what);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    if (kind == "folder")
        QVERIFY(QDir(own.path()).mkdir("hsc.dat.lock"));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path + ".lock").constData(), 0600), 0);
    Store game(path);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!game.enter("Ann", 5000));
    QVERIFY(!game.enter("Bea", 4000));
    QVERIFY(clock.elapsed() < 1000);  // no waiting on it
    QCOMPARE(game.notices, QStringList{path + ": cannot save the high scores: the lock " + path
                                       + ".lock is not a regular file (" + what + "); remove it to save"});
    QVERIFY(game.store.has_unsaved());
    QVERIFY(!QFile::exists(path));
}

void TestHscStore::left_over_lock_is_taken_over_data()
{
    QTest::addColumn<bool>("alive");
    QTest::newRow("of a dead game") << false;
    // A save holds it for milliseconds: one this old is nobody's save.
    QTest::newRow("naming a live game, older than the stale time") << true;
}

void TestHscStore::left_over_lock_is_taken_over()
{
    QFETCH(bool, alive);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QString lock = path + ".lock";
    pid_t holder = -1;
    if (!alive) {
        holder = hold_lock(lock);
        end_process(holder);
    } else {
        // A lock naming a game that is still running but not saving (its
        // save hung, or its number went to another game): only its age tells.
        QByteArray info;
        {
            QLockFile sample(own.filePath("sample.lock"));
            QVERIFY(sample.lock());
            info = contents(own.filePath("sample.lock"));
        }
        holder = ::fork();
        if (holder == 0)
            for (;;)
                ::pause();
        write(lock, QByteArray::number(holder) + info.mid(info.indexOf('\n')));
        const timeval old[2] = {{::time(nullptr) - 15, 0}, {::time(nullptr) - 15, 0}};
        QCOMPARE(::utimes(QFile::encodeName(lock).constData(), old), 0);
    }
    QVERIFY(QFile::exists(lock));

    Store game(path);
    QElapsedTimer clock;
    clock.start();
    const bool saved = game.enter("Ann", 5000);
    const qint64 took = clock.elapsed();
    if (alive)
        end_process(holder);
    QVERIFY2(saved, qPrintable(game.notices.join('\n')));
    QVERIFY(took < hsc::ScoreStore::lock_wait_ms);
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}}));
}

void TestHscStore::busy_lock_leaves_the_entry_waiting_until_saved()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const pid_t holder = hold_lock(path + ".lock");
    QVERIFY(holder > 0);
    Store game(path);
    hsc::PendingSave pending(game.store, game.text);
    QStringList late;
    connect(&pending, &hsc::PendingSave::savedLate, this,
            [&late](const QString& table, const QString& notice) { late << notice << table; });

    const auto slot = game.text.rank(5000, [](const std::string&) {});
    QVERIFY(slot && game.store.add(game.text, *slot, "Ann", 5000));
    QElapsedTimer clock;
    clock.start();
    pending.save();
    QVERIFY(clock.elapsed() < 100);  // the game goes on at once
    QVERIFY(pending.waiting());
    QCOMPARE(game.notices, QStringList{pending.waiting_notice()});
    QTest::qWait(3 * hsc::PendingSave::retry_ms);
    QVERIFY(pending.waiting());  // still held: still waiting, told once
    QCOMPARE(game.notices.size(), 1);
    QVERIFY(!QFile::exists(path));

    end_process(holder);  // its lock is left behind, as a killed game leaves it
    QTRY_VERIFY_WITH_TIMEOUT(!pending.waiting(), 5000);
    QVERIFY(!game.store.has_unsaved());
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}}));
    QCOMPARE(late.size(), 2);
    QCOMPARE(late[0], path + ": your entry is saved");
    QCOMPARE(late[1].toUtf8(), contents(path));
}

void TestHscStore::temporaries_of_killed_saves_are_removed()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(dead, &status, 0);
    const QString of_dead = QStringLiteral("hsc.dat.save-%1-3").arg(dead);
    const QString of_live = QStringLiteral("hsc.dat.save-%1-0").arg(::getppid());  // another game saving now
    for (const QString& name : {of_dead, of_live, QStringLiteral("hsc.dat.save-notes"), QStringLiteral("other.save-1-1")})
        write(own.filePath(name), "part of a table");
    Store game(path);
    QVERIFY(game.enter("Ann", 5000));
    QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"hsc.dat", of_live, "hsc.dat.save-notes", "other.save-1-1"}));
}

void TestHscStore::damaged_table_behind_a_link_moves_with_its_link_kept()
{
    QTemporaryDir own;
    QVERIFY(QDir(own.path()).mkdir("kept"));
    const QString real = own.filePath("kept/real.dat");
    write(real, "not a table\n");
    const QString path = own.filePath("hsc.dat");
    QVERIFY(QFile::link("kept/real.dat", path));
    Store game(path);
    QCOMPARE(game.notices, QStringList{path + ": has 0 entry lines, not 10; moved aside to " + real
                                       + ".damaged, a fresh table takes its place"});
    QCOMPARE(contents(real + ".damaged"), QByteArray("not a table\n"));
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(game.enter("Ann", 5000));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(entries_of(contents(real)), ten_best({{"Ann", 5000}}));
}

void TestHscStore::failing_disk_keeps_the_old_file_data()
{
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("told_at_start");
    QTest::newRow("sync") << QStringList{"WD_FAIL=fsync"} << "Input/output error" << "";
    QTest::newRow("rename") << QStringList{"WD_FAIL=rename"} << "Input/output error" << "";
    QTest::newRow("close") << QStringList{"WD_FAIL=close"} << "Input/output error" << "";
    QTest::newRow("no space for the lock") << QStringList{"WD_FAIL=create", "WD_ERRNO=28"}
                                           << "cannot create the lock %1.lock: No space left on device" << "";
    QTest::newRow("read-only disk") << QStringList{"WD_FAIL=create", "WD_ERRNO=30"}
                                    << "cannot create the lock %1.lock: Read-only file system" << "";
    // A read that fails is no end of the file: taken for an empty table, it would be written over.
    const QString unreadable = "cannot read: Input/output error; the file is left as it is";
    QTest::newRow("reads of the table") << QStringList{"WD_FAIL=read:hsc.dat"} << unreadable
                                        << "%1: " + unreadable;
}

void TestHscStore::failing_disk_keeps_the_old_file()
{
    QFETCH(QStringList, fault);
    QFETCH(QString, reason);
    QFETCH(QString, told_at_start);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray old(hsc::default_table().data(), hsc::default_table().size());
    write(path, old);
    Player game(path, shimmed(fault));
    game.send({"Ann", 5000});
    const QString before = told_at_start.isEmpty() ? QString() : told_at_start.arg(path) + "; ";
    QCOMPARE(game.answer(), "failed: " + QFile::encodeName(before + path) + ": cannot save the high scores: "
                                + QFile::encodeName(reason.contains("%1") ? reason.arg(path) : reason));
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(own.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"hsc.dat"});
    game.process.closeWriteChannel();
    QVERIFY(game.process.waitForFinished());
}

void TestHscStore::flaky_disk_loses_no_entry_data()
{
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QByteArray>("first_answer");
    QTest::newRow("reads of 7 bytes at a time") << QStringList{"WD_SHORT_READ=7"} << QByteArray("saved");
    QTest::newRow("one failed save, then good ones") << QStringList{"WD_FAIL=rename", "WD_FAIL_TIMES=1"}
                                                     << QByteArray("failed");
}

void TestHscStore::flaky_disk_loses_no_entry()
{
    QFETCH(QStringList, fault);
    QFETCH(QByteArray, first_answer);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    write(path, QByteArray(hsc::default_table().data(), hsc::default_table().size()));
    Player game(path, shimmed(fault));
    game.send({"Ann", 5000});
    QVERIFY(game.answer().startsWith(first_answer));
    game.send({"Bea", 1000});
    QCOMPARE(game.answer(), QByteArray("saved"));
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}, {"Bea", 1000}}));
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
        if (const wd::Result<std::string> read = hsc::read_file(path); read.ok() || !read.problem().no_file()) {
            QVERIFY2(read.ok(), read.ok() ? "" : read.problem().text.c_str());
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

void TestHscStore::waiting_entries_go_in_once_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<Scored>>("added");  // none: the file is refused and moved aside
    const QByteArray first = "whiskerdash waiting entries 1\n";
    QTest::newRow("one") << first + "5000 Ann\n" << QList<Scored>{{"Ann", 5000}};
    QTest::newRow("two, an empty name") << first + "5000 Ann\n4000 \n" << QList<Scored>{{"Ann", 5000}, {"", 4000}};
    QTest::newRow("none") << first << QList<Scored>{};
    QTest::newRow("no first line") << QByteArray("5000 Ann\n") << QList<Scored>{};
    QTest::newRow("a sign") << first + "+5000 Ann\n" << QList<Scored>{};
    QTest::newRow("no name field") << first + "5000\n" << QList<Scored>{};
    QTest::newRow("a dot in the name") << first + "5000 A.nn\n" << QList<Scored>{};
    QTest::newRow("cut off") << first + "5000 Ann" << QList<Scored>{};
    QTest::newRow("too wide for an int") << first + "99999999999 Ann\n" << QList<Scored>{};
}

// What a game left waiting goes into the table at the next save and its file
// goes; a file that is not such a list is moved aside, never half merged.
void TestHscStore::waiting_entries_go_in_once()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<Scored>, added);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QString waiting = own.filePath("hsc.dat.waiting-1-2");
    write(waiting, bytes);
    const bool refused = added.isEmpty() && bytes != "whiskerdash waiting entries 1\n";
    Store game(path);
    QCOMPARE(entries_of(contents(path)), ten_best(added));
    QVERIFY(!QFile::exists(waiting));
    QCOMPARE(QFile::exists(waiting + ".damaged"), refused);
    QCOMPARE(game.notices.size(), refused ? 1 : 0);
    Store again(path);  // nothing is added twice
    QCOMPARE(entries_of(contents(path)), ten_best(added));
}

void TestHscStore::two_games_starting_together_take_a_waiting_entry_once()
{
    const QString path = dir.filePath("together.dat");
    write(path + ".waiting-1-2", "whiskerdash waiting entries 1\n5000 Ann\n");
    Player a(path);
    Player b(path);
    for (Player* player : {&a, &b}) {
        player->send({"Zed", 0});  // no place: only what the start merged is saved
        QCOMPARE(player->answer(), QByteArray("no place"));
        player->process.closeWriteChannel();
        QVERIFY(player->process.waitForFinished());
    }
    QCOMPARE(entries_of(contents(path)), ten_best({{"Ann", 5000}}));
    QCOMPARE(QDir(dir.path()).entryList({"together.dat*"}, QDir::AllEntries | QDir::Hidden),
             QStringList{"together.dat"});
}

QTEST_GUILESS_MAIN(TestHscStore)
#include "test_hsc_store.moc"
