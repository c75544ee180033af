#include "testing.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <fstream>

#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using wd::Problem;
using wd::testing::QuietBoard;
using wd::testing::level_text;

Q_DECLARE_METATYPE(std::string)

namespace {

struct Snapshot {
    char board[wd::grid_rows][wd::grid_cols];
    int fields[7];
    explicit Snapshot(const wd::Board& b)
        : fields{b.mouse_x, b.mouse_y, b.cat_count, b.board_width, b.board_height, b.score, b.level_number}
    {
        std::memcpy(board, b.board, sizeof board);
    }
    bool operator==(const Snapshot& other) const
    {
        return std::memcmp(board, other.board, sizeof board) == 0
            && std::memcmp(fields, other.fields, sizeof fields) == 0;
    }
};

std::string repeat(char c, int n)
{
    return std::string(static_cast<std::size_t>(n), c);
}

}  // namespace

class TestLevelLoader : public QObject {
    Q_OBJECT

private slots:
    void rows_as_read_data();
    void rows_as_read();
    void trace_of_a_row();
    void short_row_keeps_old_bytes_beyond_its_zeros();
    void full_row_terminator_spills_into_next_row();
    void largest_level_stays_inside_grid();
    void mouse_and_cats_in_reading_order();
    void missing_or_empty_file_leaves_no_rows_data();
    void missing_or_empty_file_leaves_no_rows();
    void refused_file_changes_nothing_data();
    void refused_file_changes_nothing();
    void refused_file_prints_no_trace();
    void file_names();
    void next_level_counts_up();
    void numbered_levels_are_located();
    void cells_outside_grid_are_hard();
};

void TestLevelLoader::rows_as_read_data()
{
    QTest::addColumn<std::string>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("width");

    QTest::newRow("plain") << std::string("HHHH\nHM.H\nHHHH\n") << QStringList{"HHHH", "HM.H", "HHHH"} << 4;
    QTest::newRow("last line without line feed loses its last byte")
        << std::string("HHHH\nHMKH\nHHHH") << QStringList{"HHHH", "HMKH", "HHH"} << 4;
    QTest::newRow("carriage returns stay as cells")
        << std::string("HHHH\r\nHM.H\r\n") << QStringList{"HHHH\r", "HM.H\r"} << 5;
    QTest::newRow("empty line is a row of length 0")
        << std::string("HHH\n\nHMH\n") << QStringList{"HHH", "", "HMH"} << 3;
    QTest::newRow("rows of different lengths; width from row 0")
        << std::string("HH\nHMHHH\n") << QStringList{"HH", "HMHHH"} << 2;
    QTest::newRow("other bytes kept") << std::string("H x#M\n") << QStringList{"H x#M"} << 5;
}

void TestLevelLoader::rows_as_read()
{
    QFETCH(std::string, file);
    QFETCH(QStringList, rows);
    QFETCH(int, width);
    QuietBoard b;
    QVERIFY(b.load_bytes(file, "x.lvx").ok());
    QCOMPARE(b.board_height, rows.size());
    QCOMPARE(b.board_width, width);
    for (int y = 0; y < rows.size(); ++y)
        QCOMPARE(QString::fromStdString(b.row(y)), rows[y]);
}

void TestLevelLoader::trace_of_a_row()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHH", "HMCH", "HHHH"}).ok());
    QVERIFY(b.traced.starts_with("reading line 0\n  HHHH\n\nreading line 1\n  HMCH\n\n"));

    QuietBoard last;
    QVERIFY(last.load_bytes("HMH\nHHH", "x.lvx").ok());
    QCOMPARE(QString::fromStdString(last.traced), QStringLiteral("reading line 0\n  HMH\n\nreading line 1\n  HHH\n"));
}

void TestLevelLoader::short_row_keeps_old_bytes_beyond_its_zeros()
{
    QuietBoard b;
    QVERIFY(b.load({repeat('H', 10), "HM" + repeat('K', 7) + "H", repeat('H', 10)}).ok());
    QVERIFY(b.load({"HHHH", "HM", "HHHH"}).ok());
    QCOMPARE(b.board[1][2], '\0');
    QCOMPARE(b.board[1][3], '\0');
    QCOMPARE(b.board[1][4], 'K');  // left from the earlier level
    QCOMPARE(b.board[0][5], '\0');
    QCOMPARE(b.board[0][6], 'H');
    QCOMPARE(b.board_width, 4);
}

void TestLevelLoader::full_row_terminator_spills_into_next_row()
{
    QuietBoard b;
    QVERIFY(b.load({"HMH", "HHH", "HHH"}).ok());
    // Two rows; the second, with 80 cells, is the last line: its read's zero
    // lands on column 0 of the row after it.
    QVERIFY(b.load({"HMH", repeat('H', 80)}).ok());
    QCOMPARE(b.row(1), repeat('H', 80));
    QCOMPARE(b.board[1][80], '\0');
    QCOMPARE(b.board[2][0], '\0');
    QCOMPARE(b.board[2][1], 'H');
}

void TestLevelLoader::largest_level_stays_inside_grid()
{
    std::string file;
    for (int y = 0; y < wd::grid_rows; ++y)
        file += (y == 40 ? "M" + repeat('C', 79) : repeat('H', 80)) + "\n";
    file.replace(file.find(repeat('C', 79)) + 60, 19, repeat('.', 19));  // 60 cats in all
    QuietBoard b;
    QVERIFY(b.load_bytes(file, "big.lvx").ok());
    QCOMPARE(b.board_height, 81);
    QCOMPARE(b.board_width, 80);
    QCOMPARE(b.cat_count, 60);
    QCOMPARE(b.board[80][79], 'H');
    QCOMPARE(b.board[80][80], '\0');
}

void TestLevelLoader::mouse_and_cats_in_reading_order()
{
    QuietBoard b;
    QVERIFY(b.load({"HHHHHHHHH", "HM..C...H", "H.C....CH", "H.....M.H", "HHHHHHHHH"}).ok());
    QCOMPARE(b.cat_count, 3);
    QCOMPARE(QPoint(b.cat_x[0], b.cat_y[0]), QPoint(4, 1));
    QCOMPARE(QPoint(b.cat_x[1], b.cat_y[1]), QPoint(2, 2));
    QCOMPARE(QPoint(b.cat_x[2], b.cat_y[2]), QPoint(7, 2));
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(6, 3));  // the later 'M'
    QCOMPARE(b.board[1][1], 'M');                          // the earlier stays a cell
}

void TestLevelLoader::missing_or_empty_file_leaves_no_rows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("kind");
    // Only a missing file ends a pack as won: a dangling link is a fault to tell.
    const auto kind = [](Problem::Kind kind) { return static_cast<int>(kind); };
    const int not_regular = kind(Problem::Kind::not_regular);
    QTest::newRow("missing") << "absent.lvx" << QByteArray() << "cannot open: No such file" << kind(Problem::Kind::missing);
    QTest::newRow("dangling link") << "dangling.lvx" << QByteArray() << "cannot open: No such file"
                                   << kind(Problem::Kind::dangling_link);
    QTest::newRow("empty") << "empty.lvx" << QByteArray("") << "file is empty" << kind(Problem::Kind::empty);
    QTest::newRow("a folder") << "folder.lvx" << QByteArray() << "is a directory, not a regular file" << not_regular;
    // Opening these could block for ever or act on a device: refused before opening.
    QTest::newRow("a FIFO") << "fifo.lvx" << QByteArray() << "is a FIFO, not a regular file" << not_regular;
    QTest::newRow("a socket") << "socket.lvx" << QByteArray() << "is a socket, not a regular file" << not_regular;
    if (::geteuid() == 0)  // only root makes a device node; CI runs as root
        QTest::newRow("a device") << "device.lvx" << QByteArray() << "is a device, not a regular file" << not_regular;
    QTest::newRow("unreadable") << "locked.lvx" << QByteArray("HMH\n") << "cannot open: Permission denied"
                                << kind(Problem::Kind::cannot_open);
}

void TestLevelLoader::missing_or_empty_file_leaves_no_rows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QFETCH(int, kind);
    QTemporaryDir dir;
    const QString path = name.startsWith('/') ? name : dir.filePath(name);
    const QByteArray native = QFile::encodeName(path);
    int socket_fd = -1;
    if (name == "folder.lvx") {
        QDir(dir.path()).mkdir(name);
    } else if (name == "dangling.lvx") {
        QVERIFY(QFile::link(dir.filePath("gone.lvx"), path));
    } else if (name == "fifo.lvx") {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (name == "device.lvx") {  // the null device, made here: no system file is at stake
        QCOMPARE(::mknod(native.constData(), S_IFCHR | 0600, ::makedev(1, 3)), 0);
    } else if (name == "socket.lvx") {
        socket_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(static_cast<std::size_t>(native.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
        QCOMPARE(::bind(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    } else if (name == "locked.lvx") {
        if (::geteuid() == 0)
            QSKIP("root reads any file");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(file.setPermissions({}));
    } else if (!content.isNull() && !name.startsWith('/')) {
        QFile(path).open(QIODevice::WriteOnly);
    }

    QuietBoard b;
    QVERIFY(b.load({"HHHHHH", "H.MC.H", "HHHHHH"}).ok());
    const wd::Result<void> result = b.load_level(path.toStdString());
    if (socket_fd >= 0)
        ::close(socket_fd);
    QVERIFY(!result.ok());
    QCOMPARE(static_cast<int>(result.problem().kind), kind);
    const std::string& message = result.problem().text;
    QVERIFY2(QString::fromStdString(message).startsWith(path + ": " + reason), message.c_str());
    QCOMPARE(b.board_height, 0);
    QCOMPARE(b.cat_count, 0);
    QCOMPARE(b.board_width, 6);
    QCOMPARE(QPoint(b.mouse_x, b.mouse_y), QPoint(2, 1));
    QCOMPARE(b.row(1), std::string("H.MC.H"));
}

void TestLevelLoader::refused_file_changes_nothing_data()
{
    QTest::addColumn<std::string>("file");
    QTest::addColumn<QString>("message");

    std::string many_lines = "HMH\n";
    for (int i = 0; i < 81; ++i)
        many_lines += "HHH\n";
    std::string many_cats = "HM" + repeat('C', 70) + "H\n" + "H" + repeat('C', 31) + "H\n";

    QTest::newRow("82 lines") << many_lines << "bad.lvx:82: more than 81 lines";
    QTest::newRow("81 cells") << ("HM" + repeat('H', 79) + "\n") << "bad.lvx:1:81: line longer than 80 cells";
    QTest::newRow("81 cells on the last line without line feed")
        << ("HMH\n" + repeat('H', 82)) << "bad.lvx:2:81: line longer than 80 cells";
    QTest::newRow("101 cats") << many_cats << "bad.lvx:2:32: more than 100 cats";
    QTest::newRow("no mouse") << level_text({"HHH", "HCH", "HHH"}) << "bad.lvx: no mouse ('M') in the level";
    QTest::newRow("zero byte") << std::string("HHH\nHM\0H\nHHH\n", 13) << "bad.lvx:2:3: zero byte";
    QTest::newRow("line starting with zero") << std::string("HMH\n\0HH\n", 8) << "bad.lvx:2:1: zero byte";
    // A board of no width would give a window of no width.
    QTest::newRow("empty first row") << level_text({"", "HMCH", "HHHH"})
                                     << "bad.lvx:1:1: first row is empty: the board would have no width";
    QTest::newRow("first row only a line feed cut from the last line") << std::string("H")
                                     << "bad.lvx:1:1: first row is empty: the board would have no width";
    // Only the first row's width is drawn: a mouse beyond it could not be seen.
    QTest::newRow("mouse right of the drawn board")
        << level_text({"HHHH", "HC.H", "H..H.M", "HHHH"})
        << "bad.lvx:3:6: mouse outside the drawn board, which is 4 cells wide (the first row's length)";
    QTest::newRow("the played mouse is the last one")
        << level_text({"HHHH", "HMCH", "HHHHHM"})
        << "bad.lvx:3:6: mouse outside the drawn board, which is 4 cells wide (the first row's length)";
}

void TestLevelLoader::refused_file_changes_nothing()
{
    QFETCH(std::string, file);
    QFETCH(QString, message);
    QuietBoard b;
    QVERIFY(b.load({"HHHHH", "HM.CH", "HHHHH"}).ok());
    b.score = 30;
    const Snapshot before(b);
    const wd::Result<void> result = b.load_bytes(file, "bad.lvx");
    QVERIFY(!result.ok());
    QCOMPARE(result.problem().kind, Problem::Kind::refused);
    QCOMPARE(QString::fromStdString(result.problem().text), message);
    QVERIFY(Snapshot(b) == before);
    QCOMPARE(b.cat_count, 1);
}

void TestLevelLoader::refused_file_prints_no_trace()
{
    QuietBoard b;
    const wd::Result<void> result = b.load({"HHH", "HCH", "HHH"});
    QVERIFY(!result.ok());
    QCOMPARE(result.problem().kind, Problem::Kind::refused);
    QVERIFY(b.traced.empty());
}

void TestLevelLoader::file_names()
{
    QCOMPARE(wd::Board::level_file_name(0), std::string("level000.lvx"));
    QCOMPARE(wd::Board::level_file_name(1), std::string("level001.lvx"));
    QCOMPARE(wd::Board::level_file_name(42), std::string("level042.lvx"));
    QCOMPARE(wd::Board::level_file_name(1000), std::string("level1000.lvx"));
}

void TestLevelLoader::next_level_counts_up()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    std::ofstream("level000.lvx") << level_text({"HHHH", "HMCH", "HHHH"});
    std::ofstream("level001.lvx") << level_text({"HHHHH", "HM.CH", "HHHHH"});
    QuietBoard b;
    QVERIFY(b.load_next_level().ok());
    QCOMPARE(b.level_number, 0);
    QVERIFY(b.load_level("level000.lvx").ok());
    QCOMPARE(b.level_number, 0);  // a named file leaves the number alone
    QVERIFY(b.load_next_level().ok());
    QCOMPARE(b.level_number, 1);
    QCOMPARE(b.board_width, 5);
    const wd::Result<void> gone = b.load_next_level();
    QVERIFY(!gone.ok());
    QCOMPARE(gone.problem().kind, Problem::Kind::missing);
    QCOMPARE(b.level_number, 2);
}

void TestLevelLoader::numbered_levels_are_located()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QDir(dir.path()).mkdir("installed"));
    std::ofstream("installed/level000.lvx") << level_text({"HHHH", "HMCH", "HHHH"});
    std::ofstream("installed/level001.lvx") << level_text({"HHHHH", "HM.CH", "HHHHH"});
    QuietBoard b;
    std::vector<std::string> asked;
    b.locate = [&asked](const std::string& name) {
        asked.push_back(name);
        return "installed/" + name;
    };
    QVERIFY(b.load_next_level().ok());
    QVERIFY(b.load_next_level().ok());
    QCOMPARE(b.board_width, 5);
    QVERIFY(b.load_numbered_level(0).ok());  // Play Again
    QCOMPARE(b.level_number, 0);
    QCOMPARE(b.board_width, 4);
    QVERIFY(b.load_next_level().ok());
    const wd::Result<void> gone = b.load_next_level();
    QVERIFY(!gone.ok());
    QCOMPARE(gone.problem().kind, Problem::Kind::missing);
    QCOMPARE(gone.problem().text, std::string("installed/level002.lvx: cannot open: No such file or directory"));
    QCOMPARE(asked, (std::vector<std::string>{"level000.lvx", "level001.lvx", "level000.lvx", "level001.lvx",
                                              "level002.lvx"}));
}

void TestLevelLoader::cells_outside_grid_are_hard()
{
    QuietBoard b;
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(81, 5), QPoint(5, 81), QPoint(1000, -1000)}) {
        QCOMPARE(b.cell(p.x(), p.y()), 'H');
        b.setscene(p.x(), p.y(), '.');  // dropped, nothing written
    }
    QCOMPARE(b.cell(80, 80), '\0');
    b.setscene(80, 80, 'K');
    QCOMPARE(b.board[80][80], 'K');
}

QTEST_GUILESS_MAIN(TestLevelLoader)
#include "test_level_loader.moc"
