#include "files/write_errors.h"
#include "scores/hsc_file.h"
#include "file_testing.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hsc = wd::hsc;
using wd::testing::contents;
using wd::testing::write;
using Kind = wd::Problem::Kind;

namespace {

QByteArray table_of_size(int total)
{
    // Ten entries of 33 bytes; the first header line takes up the rest.
    QByteArray entries;
    for (int i = 0; i < 10; ++i) {
        const QByteArray score = QByteArray::number(1000 - 100 * i);
        entries += "mouse" + QByteArray(32 - 5 - score.size(), '.') + score + "\n";
    }
    return QByteArray(total - 330 - 2, 'h') + "\n\n" + entries;
}

// Runs a save in a child process under a file-size limit, set up as the
// game's start-up does: a start-up that lets SIGXFSZ end the program shows
// as a status of -1. Returns the child's exit status and the reason it reported.
std::pair<int, QString> save_with_size_limit(const QString& path, rlim_t limit, const QByteArray& text)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {-1, "pipe failed"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        wd::let_size_limit_fail_writes();
        const wd::Result<void> saved = hsc::write_table(path, std::string_view(text.constData(), text.size()));
        const std::string said = saved.ok() ? std::string() : saved.problem().text;
        [[maybe_unused]] const ssize_t sent = ::write(channel[1], said.data(), said.size());
        ::_exit(saved.ok() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray said;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(said)};
}

}  // namespace

class TestHscFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void round_trip_byte_for_byte_data();
    void round_trip_byte_for_byte();
    void missing_file_reads_as_missing();
    void out_of_format_file_is_damaged_data();
    void out_of_format_file_is_damaged();
    void only_regular_files_are_read_data();
    void only_regular_files_are_read();
    void failed_save_is_reported();
    void full_disk_keeps_the_old_file_data();
    void full_disk_keeps_the_old_file();
    void read_only_table_is_not_replaced();
    void save_through_a_link_keeps_the_link_data();
    void save_through_a_link_keeps_the_link();
    void damaged_file_moves_aside_without_replacing();

private:
    QTemporaryDir dir;
};

void TestHscFile::round_trip_byte_for_byte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("shipped") << QByteArray(hsc::default_table().data(), hsc::default_table().size());
    QTest::newRow("exactly 999 bytes") << table_of_size(999);
    QTest::newRow("empty names and headers") << QByteArray("\n\n") + QByteArray(".....0\n").repeated(10);
    QTest::newRow("names of 19 bytes") << QByteArray("\n\n") + QByteArray("nnnnnnnnnnnnnnnnnnn.1\n").repeated(10);
}

void TestHscFile::round_trip_byte_for_byte()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir.filePath("round.dat");
    write(path, bytes);
    const wd::Result<std::string> read = hsc::read_file(path);
    QVERIFY(read.ok());
    QCOMPARE(QByteArray::fromStdString(read.value()), bytes);
    QVERIFY(hsc::write_table(path, read.value()).ok());
    QCOMPARE(contents(path), bytes);
}

void TestHscFile::missing_file_reads_as_missing()
{
    const QString path = dir.filePath("absent.dat");
    const wd::Result<std::string> read = hsc::read_file(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.problem().kind, Kind::missing);
    QVERIFY(hsc::write_table(path, hsc::default_table()).ok());
    QCOMPARE(contents(path), QByteArray(hsc::default_table().data()));
}

void TestHscFile::out_of_format_file_is_damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("1000 bytes") << table_of_size(1000) << "longer than 999 bytes";
    QTest::newRow("empty") << QByteArray("") << "file is empty";
    QTest::newRow("byte 0xFF") << QByteArray("x\xff") << "byte 0xFF at offset 1";
    QTest::newRow("nine entries") << QByteArray("\n\n") + QByteArray("a.1\n").repeated(9) << "has 9 entry lines, not 10";
}

void TestHscFile::out_of_format_file_is_damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = dir.filePath("bad.dat");
    write(path, bytes);
    const wd::Result<std::string> read = hsc::read_file(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.problem().kind, Kind::damaged);
    QCOMPARE(QString::fromStdString(read.problem().text), reason);
    QCOMPARE(contents(path), bytes);
}

void TestHscFile::only_regular_files_are_read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder" << "not a regular file (a folder)";
    QTest::newRow("FIFO") << "fifo" << "not a regular file (a FIFO)";
    QTest::newRow("link to a FIFO") << "link" << "not a regular file (a FIFO)";
    QTest::newRow("socket") << "socket" << "not a regular file (a socket)";
    if (::geteuid() == 0)  // only root makes a device node; CI runs as root
        QTest::newRow("device") << "device" << "not a regular file (a device)";
    QTest::newRow("inside a file") << "inside" << "Not a directory";
}

void TestHscFile::only_regular_files_are_read()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir own;
    QString path = own.filePath("hsc.dat");
    if (kind == "folder")
        QVERIFY(QDir(own.path()).mkdir("hsc.dat"));
    if (kind == "fifo" || kind == "link")
        QCOMPARE(::mkfifo(QFile::encodeName(own.filePath("fifo")).constData(), 0600), 0);
    if (kind == "fifo")
        path = own.filePath("fifo");
    if (kind == "link")
        QVERIFY(QFile::link(own.filePath("fifo"), path));
    if (kind == "device")  // the null device, made here: no system file is ever at stake
        QCOMPARE(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, ::makedev(1, 3)), 0);
    if (kind == "socket") {
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(std::size_t(native.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, native.constData(), native.size());
        QCOMPARE(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(server);
    }
    if (kind == "inside") {
        write(own.filePath("plain"), "x");
        path = own.filePath("plain/hsc.dat");
    }
    // Opening a FIFO for reading blocks until a writer comes; that must never happen.
    QElapsedTimer clock;
    clock.start();
    const wd::Result<std::string> read = hsc::read_file(path);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!read.ok());
    // Neither started afresh nor moved aside: left as it is.
    QVERIFY(!read.problem().no_file() && read.problem().kind != Kind::damaged);
    QCOMPARE(QString::fromStdString(read.problem().text), reason);
    const wd::Result<void> failure = hsc::write_table(path, hsc::default_table());
    QVERIFY(!failure.ok());
    const QString said = QString::fromStdString(failure.problem().text);
    QVERIFY2(said.startsWith(path + ": cannot save the high scores: "), qPrintable(said));
    if (kind == "fifo" || kind == "socket" || kind == "device") {
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QVERIFY(!S_ISREG(info.st_mode));  // left as it is
    }
}

void TestHscFile::failed_save_is_reported()
{
    write(dir.filePath("not-a-folder"), "x");
    const QString path = dir.filePath("not-a-folder/hsc.dat");
    const wd::Result<void> failure = hsc::write_table(path, hsc::default_table());
    QVERIFY(!failure.ok());
    QVERIFY(QString::fromStdString(failure.problem().text).startsWith(path + ": cannot save the high scores: "));
}

void TestHscFile::full_disk_keeps_the_old_file_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for part of the table") << 100;
}

void TestHscFile::full_disk_keeps_the_old_file()
{
    QFETCH(int, limit);
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray old = table_of_size(500);
    write(path, old);
    const auto [status, reason] = save_with_size_limit(path, static_cast<rlim_t>(limit), table_of_size(900));
    QCOMPARE(status, 1);
    QCOMPARE(reason, path + ": cannot save the high scores: File too large");
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"hsc.dat"});

    // The same save without the limit goes through.
    const auto [free_status, free_reason] = save_with_size_limit(path, RLIM_INFINITY, table_of_size(900));
    QCOMPARE(free_status, 0);
    QCOMPARE(contents(path), table_of_size(900));
}

void TestHscFile::read_only_table_is_not_replaced()
{
    if (::geteuid() == 0)
        QSKIP("root may write any file: run as another user (scripts/test does)");
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray old = table_of_size(500);
    write(path, old);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const wd::Result<void> failure = hsc::write_table(path, hsc::default_table());
    QVERIFY(!failure.ok());
    QCOMPARE(QString::fromStdString(failure.problem().text), path + ": cannot save the high scores: Permission denied");
    QCOMPARE(failure.problem().error, EACCES);
    QCOMPARE(contents(path), old);
}

void TestHscFile::save_through_a_link_keeps_the_link_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("one link") << "link";
    QTest::newRow("a chain of two links") << "chain";
    QTest::newRow("a second name (hard link)") << "hard";
}

void TestHscFile::save_through_a_link_keeps_the_link()
{
    QFETCH(QString, kind);
    QTemporaryDir own;
    const QString real = own.filePath("scores/real.dat");
    QVERIFY(QDir(own.path()).mkdir("scores"));
    write(real, table_of_size(500));
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString path = own.filePath("hsc.dat");
    if (kind == "link")
        QVERIFY(QFile::link(real, path));
    if (kind == "chain") {
        QVERIFY(QFile::link("real.dat", own.filePath("scores/link2")));  // relative to its own folder
        QVERIFY(QFile::link("scores/link2", path));
    }
    if (kind == "hard")
        QCOMPARE(::link(QFile::encodeName(real).constData(), QFile::encodeName(path).constData()), 0);
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &before), 0);

    QVERIFY(hsc::write_table(path, hsc::default_table()).ok());
    QCOMPARE(QFileInfo(path).isSymLink(), kind != "hard");
    if (kind == "chain")
        QVERIFY(QFileInfo(own.filePath("scores/link2")).isSymLink());
    QCOMPARE(contents(real), QByteArray(hsc::default_table().data()));
    QCOMPARE(contents(path), QByteArray(hsc::default_table().data()));
    if (kind == "hard") {
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);  // still one file of two names
        QCOMPARE(after.st_nlink, nlink_t(2));
    }
    QCOMPARE(QFile::permissions(real) & QFileDevice::Permissions(0x7077),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QCOMPARE(QDir(own.filePath("scores")).entryList(QDir::Files | QDir::Hidden | QDir::System),
             (kind == "chain" ? QStringList{"link2", "real.dat"} : QStringList{"real.dat"}));
}

void TestHscFile::damaged_file_moves_aside_without_replacing()
{
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    for (int n = 0; n < 3; ++n) {
        write(path, "damaged " + QByteArray::number(n));
        const wd::Result<QString> moved = hsc::move_aside(path);
        QVERIFY2(moved.ok(), moved.ok() ? "" : moved.problem().text.c_str());
        QCOMPARE(moved.value(), path + ".damaged" + (n ? "." + QString::number(n) : QString()));
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(contents(path + ".damaged"), QByteArray("damaged 0"));
    QCOMPARE(contents(path + ".damaged.1"), QByteArray("damaged 1"));
    QCOMPARE(contents(path + ".damaged.2"), QByteArray("damaged 2"));
}

QTEST_GUILESS_MAIN(TestHscFile)
#include "test_hsc_file.moc"
