// The one way every file is saved and locked: what a save does with the
// mode, links and a write that fails, and how old a lock is before it is
// taken over.

#include "files/file_lock.h"
#include "files/lines.h"
#include "files/problem.h"
#include "files/regular_file.h"
#include "files/replace.h"
#include "file_testing.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using wd::testing::contents;
using wd::testing::write;

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void lines_are_cut_at_line_feeds_data();
    void lines_are_cut_at_line_feeds();
    void a_save_keeps_what_it_must_data();
    void a_save_keeps_what_it_must();
    void a_lock_is_taken_over_only_when_stale_data();
    void a_lock_is_taken_over_only_when_stale();
    void a_lock_that_cannot_be_taken_says_why();
    void a_result_holds_one_side_only_data();
    void a_result_holds_one_side_only();
    void a_read_takes_what_the_file_holds_data();
    void a_read_takes_what_the_file_holds();
};

void TestFiles::lines_are_cut_at_line_feeds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("dropped");
    QTest::addColumn<QByteArrayList>("kept");
    QTest::newRow("empty") << QByteArray() << QByteArrayList{} << QByteArrayList{};
    QTest::newRow("no line feed") << QByteArray("a") << QByteArrayList{"a"} << QByteArrayList{"a"};
    QTest::newRow("ended") << QByteArray("a\nb\n") << QByteArrayList{"a", "b"} << QByteArrayList{"a\n", "b\n"};
    QTest::newRow("last cut off") << QByteArray("a\nb") << QByteArrayList{"a", "b"} << QByteArrayList{"a\n", "b"};
    QTest::newRow("empty lines") << QByteArray("\n\n") << QByteArrayList{"", ""} << QByteArrayList{"\n", "\n"};
}

void TestFiles::lines_are_cut_at_line_feeds()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, dropped);
    QFETCH(QByteArrayList, kept);
    const auto listed = [&text](wd::LineEnds ends) {
        QByteArrayList lines;
        for (const std::string_view line : wd::lines_of(std::string_view(text.constData(), text.size()), ends))
            lines << QByteArray(line.data(), qsizetype(line.size()));
        return lines;
    };
    QCOMPARE(listed(wd::LineEnds::dropped), dropped);
    QCOMPARE(listed(wd::LineEnds::kept), kept);
}

void TestFiles::a_save_keeps_what_it_must_data()
{
    QTest::addColumn<QString>("kind");  // what is at the name
    QTest::addColumn<bool>("follow");
    QTest::addColumn<QString>("failure");  // empty: saved
    for (const bool follow : {true, false}) {
        const QString how = follow ? " (followed)" : " (refused)";
        QTest::newRow(qPrintable("mode 0640" + how)) << "file" << follow << "";
        QTest::newRow(qPrintable("a write past the size limit" + how)) << "limited" << follow << "File too large";
        QTest::newRow(qPrintable("a FIFO" + how)) << "fifo" << follow << "not a regular file (a FIFO)";
        QTest::newRow(qPrintable("symbolic link" + how))
            << "link" << follow << (follow ? "" : "not a regular file (a symbolic link)");
        QTest::newRow(qPrintable("hard link" + how)) << "hard" << follow << (follow ? "" : "has other names (hard links)");
    }
}

void TestFiles::a_save_keeps_what_it_must()
{
    QFETCH(QString, kind);
    QFETCH(bool, follow);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.txt");
    const QString other = dir.filePath("other.txt");  // a link's target, or the second name
    const QString real = kind == "link" || kind == "hard" ? other : path;
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        write(real, "old");
    QVERIFY(kind == "fifo" || ::chmod(QFile::encodeName(real).constData(), 0640) == 0);
    if (kind == "link")
        QVERIFY(QFile::link(other, path));
    if (kind == "hard")
        QCOMPARE(::link(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &before), 0);

    const std::string_view bytes = "new bytes, longer than the old";
    const wd::Links links = follow ? wd::Links::follow : wd::Links::refuse;
    QString said;
    if (kind == "limited") {  // in a child of its own: the limit would hold for the rest of the suite
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit size{10, 10};
            ::setrlimit(RLIMIT_FSIZE, &size);
            std::signal(SIGXFSZ, SIG_IGN);
            const wd::Result<void> saved = wd::replace_file(path, bytes, links);
            ::_exit(!saved.ok() && saved.problem().text == "File too large" ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        said = WIFEXITED(status) && WEXITSTATUS(status) == 1 ? "File too large" : "saved or failed otherwise";
    } else {
        const wd::Result<void> saved = wd::replace_file(path, bytes, links);
        said = saved.ok() ? QString() : QString::fromStdString(saved.problem().text);
    }
    QCOMPARE(said, failure);

    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &after), 0);
    if (kind != "fifo") {
        QCOMPARE(contents(real), failure.isEmpty() ? QByteArray(bytes.data(), bytes.size()) : QByteArray("old"));
        QCOMPARE(after.st_mode & 07777, mode_t(0640));
    }
    QCOMPARE(after.st_ino == before.st_ino, kind == "hard" || !failure.isEmpty());
    QCOMPARE(after.st_nlink, before.st_nlink);
    QCOMPARE(QFileInfo(path).isSymLink(), kind == "link");
    QCOMPARE(QDir(dir.path()).entryList({"*.save-*"}, QDir::AllEntries | QDir::Hidden | QDir::System), QStringList());
}

void TestFiles::a_lock_is_taken_over_only_when_stale_data()
{
    QTest::addColumn<int>("stale_ms");
    QTest::addColumn<bool>("taken");
    // The lock names a live game and was last touched three seconds ago.
    QTest::newRow("older than a stale time of one second") << 1000 << true;
    QTest::newRow("younger than a stale time of ten seconds") << 10000 << false;
}

void TestFiles::a_lock_is_taken_over_only_when_stale()
{
    QFETCH(int, stale_ms);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.txt.lock");
    QByteArray info;
    {
        QLockFile sample(dir.filePath("sample.lock"));
        QVERIFY(sample.lock());
        info = contents(dir.filePath("sample.lock"));
    }
    // A process of this program's name, so the lock class takes it for a live game.
    const pid_t holder = ::fork();
    if (holder == 0)
        for (;;)
            ::pause();
    write(path, QByteArray::number(holder) + info.mid(info.indexOf('\n')));
    const timeval old[2] = {{::time(nullptr) - 3, 0}, {::time(nullptr) - 3, 0}};
    QCOMPARE(::utimes(QFile::encodeName(path).constData(), old), 0);
    const wd::FileLock lock(path, stale_ms, 0);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    QCOMPARE(lock.held(), taken);
    QCOMPARE(lock.busy(), !taken);
    if (!taken)
        QCOMPARE(QString::fromStdString(lock.problem().text), "another game kept " + path + " locked");
}

// Callers retry a busy lock only: a FIFO must not pass for another game's lock.
void TestFiles::a_lock_that_cannot_be_taken_says_why()
{
    QTemporaryDir dir;
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.lock")).constData(), 0600), 0);
    QCOMPARE(wd::FileLock(dir.filePath("fifo.lock"), 1000, 0).problem().kind, wd::Problem::Kind::not_regular);
    write(dir.filePath("file"), "not a folder");
    const wd::FileLock inside(dir.filePath("file/x.lock"), 1000, 0);
    QCOMPARE(inside.problem().kind, wd::Problem::Kind::cannot_write);
    QCOMPARE(inside.problem().error, ENOTDIR);
}

Q_DECLARE_METATYPE(wd::Problem::Kind)

void TestFiles::a_result_holds_one_side_only_data()
{
    using Kind = wd::Problem::Kind;
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("no_file");  // a caller starts afresh
    QTest::newRow("bytes") << true << Kind::damaged << false;
    QTest::newRow("missing") << false << Kind::missing << true;
    QTest::newRow("link to nothing") << false << Kind::dangling_link << true;
    QTest::newRow("a FIFO") << false << Kind::not_regular << false;
    QTest::newRow("cannot read") << false << Kind::cannot_read << false;
    QTest::newRow("too slow") << false << Kind::too_slow << false;
}

// A problem never passes for an empty value: asking it for one fails loudly.
void TestFiles::a_result_holds_one_side_only()
{
    QFETCH(bool, ok);
    QFETCH(wd::Problem::Kind, kind);
    QFETCH(bool, no_file);
    const wd::Problem problem{kind, EIO, "hsc.dat: cannot read"};
    const wd::Result<std::string> read = ok ? wd::Result<std::string>(std::string("x\n")) : problem;
    const wd::Result<void> done = ok ? wd::Result<void>() : problem;
    QCOMPARE(read.ok(), ok);
    QCOMPARE(done.ok(), ok);
    if (ok) {
        QCOMPARE(read.value(), std::string("x\n"));
        QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, read.problem());
        QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, done.problem());
        return;
    }
    QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, read.value());
    QCOMPARE(read.problem().kind, kind);
    QCOMPARE(read.problem().error, EIO);
    QCOMPARE(done.problem().text, problem.text);
    QCOMPARE(read.problem().no_file(), no_file);
}

void TestFiles::a_read_takes_what_the_file_holds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cap");
    QTest::addColumn<int>("expected");  // bytes read; the cap read means the file is too big
    QTest::newRow("small file, large cap") << QByteArray("HHH\nHMH\nHHH\n") << (1 << 20) << 12;
    QTest::newRow("exactly the cap") << QByteArray(64, 'x') << 64 << 64;
    QTest::newRow("past the cap") << QByteArray(65, 'x') << 64 << 64;
    QTest::newRow("empty") << QByteArray() << 64 << 0;
}

// Read whole up to the cap, and held in no more room than the file took: a
// megabyte a sprite once stayed behind.
void TestFiles::a_read_takes_what_the_file_holds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, cap);
    QFETCH(int, expected);
    QTemporaryDir dir;
    write(dir.filePath("file"), bytes);
    const wd::Result<std::string> read = wd::read_timed(dir.filePath("file").toStdString(), std::size_t(cap));
    QVERIFY(read.ok());
    QCOMPARE(read.value(), bytes.left(expected).toStdString());
    QVERIFY(read.value().capacity() <= std::size_t(bytes.size()) + 64);

    // A file that tells no size (as /proc's do) is read whole all the same.
    const wd::Result<std::string> told = wd::read_timed("/proc/self/status", 1 << 20);
    QVERIFY(told.ok());
    QVERIFY(told.value().find("VmRSS:") != std::string::npos);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
