#include "scores/hsc_file.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace hsc = wd::hsc;

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

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestHscFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void round_trip_byte_for_byte_data();
    void round_trip_byte_for_byte();
    void missing_file_gives_builtin_table();
    void untrusted_file_is_reported_and_kept_data();
    void untrusted_file_is_reported_and_kept();
    void failed_save_is_reported();
    void save_interrupted_before_commit_keeps_old_file();

private:
    QTemporaryDir dir;
};

void TestHscFile::round_trip_byte_for_byte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("shipped") << QByteArray(hsc::default_table().data(), hsc::default_table().size());
    QTest::newRow("exactly 999 bytes") << table_of_size(999);
    QTest::newRow("empty names and headers") << QByteArray("\n\n") + QByteArray(".....0\n").repeated(10);
}

void TestHscFile::round_trip_byte_for_byte()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir.filePath("round.dat");
    write(path, bytes);
    char text[hsc::text_capacity];
    const hsc::FileState state = hsc::read_table(path, text);
    QVERIFY2(state.warning.isEmpty(), qPrintable(state.warning));
    QVERIFY(state.may_write);
    QCOMPARE(QByteArray(text), bytes);
    QVERIFY(!hsc::write_table(path, text));
    QCOMPARE(contents(path), bytes);
}

void TestHscFile::missing_file_gives_builtin_table()
{
    const QString path = dir.filePath("absent.dat");
    char text[hsc::text_capacity];
    const hsc::FileState state = hsc::read_table(path, text);
    QVERIFY(state.may_write);
    QVERIFY(state.warning.isEmpty());
    QCOMPARE(std::string_view(text), hsc::default_table());
    QVERIFY(!hsc::write_table(path, text));
    QCOMPARE(contents(path), QByteArray(hsc::default_table().data()));
}

void TestHscFile::untrusted_file_is_reported_and_kept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("1000 bytes") << table_of_size(1000) << "longer than 999 bytes";
    QTest::newRow("empty") << QByteArray("") << "file is empty";
    QTest::newRow("byte 0xFF") << QByteArray("x\xff") << "byte 0xFF at offset 1";
    QTest::newRow("nine entries") << QByteArray("\n\n") + QByteArray("a.1\n").repeated(9) << "has 9 entry lines, not 10";
    QTest::newRow("a folder") << QByteArray() << "cannot read";
}

void TestHscFile::untrusted_file_is_reported_and_kept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = dir.filePath("bad.dat");
    QFile::remove(path);
    QDir(dir.path()).rmdir("bad.dat");
    if (bytes.isNull())
        QVERIFY(QDir(dir.path()).mkdir("bad.dat"));
    else
        write(path, bytes);

    char text[hsc::text_capacity];
    const hsc::FileState state = hsc::read_table(path, text);
    QVERIFY(!state.may_write);
    QVERIFY2(state.warning.startsWith(path + ": " + reason), qPrintable(state.warning));
    QVERIFY(state.warning.endsWith("leaving the file as it is"));
    QCOMPARE(std::string_view(text), hsc::default_table());
}

void TestHscFile::failed_save_is_reported()
{
    write(dir.filePath("not-a-folder"), "x");
    const QString path = dir.filePath("not-a-folder/hsc.dat");
    const auto failure = hsc::write_table(path, hsc::default_table());
    QVERIFY(failure);
    QVERIFY(failure->startsWith(path + ": cannot save the high scores: "));
}

void TestHscFile::save_interrupted_before_commit_keeps_old_file()
{
    // What a crash between writing and committing leaves behind.
    QTemporaryDir own;
    const QString path = own.filePath("hsc.dat");
    const QByteArray old = table_of_size(500);
    write(path, old);
    {
        QSaveFile pending(path);
        QVERIFY(pending.open(QIODevice::WriteOnly));
        pending.write("half a tab");
    }
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(own.path()).entryList(QDir::Files), QStringList{"hsc.dat"});
}

QTEST_GUILESS_MAIN(TestHscFile)
#include "test_hsc_file.moc"
