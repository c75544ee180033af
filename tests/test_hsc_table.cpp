#include "scores/hsc_table.h"

#include <QtTest>

#include <cstring>

namespace hsc = wd::hsc;

namespace {

// A table with entries 20 bytes wide; scores 100, 90, ..., 10.
std::string small_table()
{
    std::string text = "Best mice\n\n";
    const char* names[] = {"ann", "bob", "cy", "dee", "", "fay", "gus", "hal", "ivy", "jo"};
    for (int i = 0; i < 10; ++i) {
        const std::string score = std::to_string(100 - 10 * i);
        const std::string name = names[i];
        text += name + std::string(19 - name.size() - score.size(), '.') + score + "\n";
    }
    return text;
}

struct Table {
    char text[hsc::text_capacity];
    std::string traced;
    explicit Table(std::string_view bytes) { hsc::set_text(text, bytes); }
    std::optional<hsc::Slot> rank(int score)
    {
        return hsc::rank(text, score, [this](const std::string& line) { traced += line; });
    }
    QStringList lines() const { return QString::fromUtf8(text).split('\n'); }
};

}  // namespace

class TestHscTable : public QObject {
    Q_OBJECT

private slots:
    void shipped_and_builtin_tables_are_in_format();
    void format_problems_data();
    void format_problems();
    void rank_data();
    void rank();
    void trace_lines();
    void insert_at_first_and_tenth();
    void insert_keeps_every_line_width_data();
    void insert_keeps_every_line_width();
    void clean_name_data();
    void clean_name();
    void score_too_wide_leaves_table_alone_data();
    void score_too_wide_leaves_table_alone();
    void rank_never_leaves_the_text_data();
    void rank_never_leaves_the_text();
    void own_entry_is_found_data();
    void own_entry_is_found();
};

void TestHscTable::shipped_and_builtin_tables_are_in_format()
{
    QVERIFY(hsc::check_format(hsc::default_table()).ok());
    QFile shipped(QStringLiteral(WHISKERDASH_DATA_DIR "/hsc.dat"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    const wd::Result<void> format = hsc::check_format(std::string_view(bytes.constData(), bytes.size()));
    QVERIFY2(format.ok(), format.ok() ? "" : format.problem().text.c_str());
}

void TestHscTable::format_problems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray good = QByteArray::fromStdString(small_table());

    QTest::newRow("over 999 bytes") << good + QByteArray(990, 'x') << "longer than 999 bytes";
    QTest::newRow("byte 0xFF") << QByteArray(good).replace("ann", "a\xff" "n") << "byte 0xFF at offset 12";
    QTest::newRow("zero byte") << QByteArray(good).replace("bob", QByteArray("b\0b", 3)) << "byte 0x00 at offset 32";
    QTest::newRow("carriage return") << QByteArray(good).replace("Best mice\n", "Best mice\r\n") << "byte 0x0D at offset 9";
    QTest::newRow("empty") << QByteArray("") << "file is empty";
    QTest::newRow("no final line feed") << good.chopped(1) << "last line has no line feed";
    QTest::newRow("nine entries") << good.left(good.size() - 20) << "has 9 entry lines, not 10";
    QTest::newRow("eleven entries") << good + "kim.............5\n" << "has 11 entry lines, not 10";
    QTest::newRow("unequal width") << QByteArray(good).replace("fay.", "fay..")
                                   << "line 8: entry is 21 bytes wide, line 3 is 20";
    QTest::newRow("no filler") << QByteArray(good).replace("cy...............80", "cyxxxxxxxxxxxxxxx80")
                               << "line 5: no '.' between name and score";
    QTest::newRow("long name") << QByteArray(good).replace("cy...............80", "cyyyyyyyyyyyyyyyyyyy.80").replace("hal", "h")
                               << "line 5: entry is 24 bytes wide, line 3 is 20";
    QTest::newRow("name over 19 bytes")
        << QByteArray("a\nb\n") + QByteArray("nnnnnnnnnnnnnnnnnnnn.1\n").repeated(10) << "line 3: name longer than 19 bytes";
    QTest::newRow("a name of 19 bytes is in format")
        << QByteArray("a\nb\n") + QByteArray("nnnnnnnnnnnnnnnnnnn.1\n").repeated(10) << "";
    QTest::newRow("score not a number") << QByteArray(good).replace("..70", "..7x") << "line 6: score is not a decimal number";
    QTest::newRow("score beyond int") << QByteArray("a\nb\n") + QByteArray("n.99999999999\n").repeated(10)
                                      << "line 3: score is not a decimal number";
    QTest::newRow("missing score") << QByteArray("a\nb\n") + QByteArray("name........\n").repeated(10)
                                   << "line 3: score is not a decimal number";
}

void TestHscTable::format_problems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const wd::Result<void> found = hsc::check_format(std::string_view(bytes.constData(), bytes.size()));
    QCOMPARE(found.ok() ? QString() : QString::fromStdString(found.problem().text), problem);
}

void TestHscTable::rank_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("line");  // 0: enters nowhere

    QTest::newRow("beats the first") << 101 << 3;
    QTest::newRow("ties the first") << 100 << 4;
    QTest::newRow("between") << 75 << 6;
    QTest::newRow("beats the tenth") << 11 << 12;
    QTest::newRow("ties the tenth") << 10 << 0;
    QTest::newRow("zero") << 0 << 0;
}

void TestHscTable::rank()
{
    QFETCH(int, score);
    QFETCH(int, line);
    Table t(small_table());
    const auto slot = t.rank(score);
    QCOMPARE(bool(slot), line != 0);
    if (slot) {
        QCOMPARE(slot->start, std::size_t(11 + 20 * (line - 3)));
        QCOMPARE(slot->length, std::size_t(20));
    }
    QCOMPARE(t.traced.size() - QString::fromStdString(t.traced).remove('\n').size(),
             std::size_t(line ? line - 2 : 10));
}

void TestHscTable::trace_lines()
{
    Table t(small_table());
    t.rank(85);
    QCOMPARE(QString::fromStdString(t.traced),
             QStringLiteral("0:ann,100, hsc=100,scr=85\n1:bob,90, hsc=90,scr=85\n2:cy,80, hsc=80,scr=85\n"));
    Table none(small_table());
    none.rank(5);
    QVERIFY(none.traced.ends_with("8:ivy,20, hsc=20,scr=5\n9:jo,10, hsc=10,scr=5\n"));
    QVERIFY(none.traced.find("4:,60, hsc=60,scr=5\n") != std::string::npos);  // the empty name
}

void TestHscTable::insert_at_first_and_tenth()
{
    Table first(small_table());
    QVERIFY(hsc::insert_entry(first.text, *first.rank(150), "zed", 150));
    QStringList lines = first.lines();
    QCOMPARE(lines[2], QStringLiteral("zed.............150"));
    QCOMPARE(lines[3], QStringLiteral("ann.............100"));
    QCOMPARE(lines[11], QStringLiteral("ivy..............20"));  // old tenth dropped
    QCOMPARE(std::strlen(first.text), small_table().size());

    Table tenth(small_table());
    QVERIFY(hsc::insert_entry(tenth.text, *tenth.rank(15), "", 15));
    lines = tenth.lines();
    QCOMPARE(lines[10], QStringLiteral("ivy..............20"));
    QCOMPARE(lines[11], QStringLiteral(".................15"));
    QCOMPARE(QByteArray(tenth.text).left(191), QByteArray::fromStdString(small_table()).left(191));
}

void TestHscTable::insert_keeps_every_line_width_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("line");

    QTest::newRow("fits") << "abc" << 120 << "abc.............120";
    QTest::newRow("19 bytes and a short score") << "abcdefghijklmnopqrs" << 101 << "abcdefghijklmno.101";
    QTest::newRow("long score") << "abcdefghij" << 123456789 << "abcdefghi.123456789";
    QTest::newRow("wide characters cut whole") << QString::fromUtf8("ééééééééé") << 1000000 << QString::fromUtf8("ééééé..1000000");
}

void TestHscTable::insert_keeps_every_line_width()
{
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QString, line);
    Table t(small_table());
    QVERIFY(hsc::insert_entry(t.text, *t.rank(score), hsc::clean_name(name.toStdString()), score));
    QCOMPARE(t.lines()[2], line);
    QVERIFY(hsc::check_format(t.text).ok());
    QCOMPARE(std::strlen(t.text), small_table().size());
}

void TestHscTable::clean_name_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("plain") << QByteArray("Pip") << QByteArray("Pip");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("dots") << QByteArray("a.b.") << QByteArray("a_b_");
    QTest::newRow("line feed and tab") << QByteArray("a\nb\tc") << QByteArray("a_b_c");
    QTest::newRow("byte 0xFF") << QByteArray("a\xff" "b") << QByteArray("a_b");
    QTest::newRow("cut at 19 bytes") << QByteArray("abcdefghijklmnopqrstuvwxyz") << QByteArray("abcdefghijklmnopqrs");
    QTest::newRow("no half character") << QByteArray("abcdefghijklmnopq\xc3\xa9\xc3\xa9")
                                       << QByteArray("abcdefghijklmnopq\xc3\xa9");
    QTest::newRow("emoji kept whole") << QByteArray("\xf0\x9f\x90\xad mouse") << QByteArray("\xf0\x9f\x90\xad mouse");
    QTest::newRow("C1 control") << QByteArray("a\xc2\x85" "b") << QByteArray("a_b");
    QTest::newRow("broken UTF-8") << QByteArray("a\xc3(b") << QByteArray("a_(b");
}

void TestHscTable::clean_name()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, stored);
    const std::string name = hsc::clean_name(std::string_view(typed.constData(), typed.size()));
    QCOMPARE(QByteArray::fromStdString(name), stored);
    QVERIFY(name.size() <= hsc::max_field);
}

void TestHscTable::score_too_wide_leaves_table_alone_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("line");  // empty: refused
    // Entries three bytes wide: a score needs its digits and one dot.
    QTest::newRow("five digits") << 12345 << "";
    QTest::newRow("digits exactly fill the line") << 123 << "";
    QTest::newRow("room for one dot") << 12 << ".12";
}

void TestHscTable::score_too_wide_leaves_table_alone()
{
    QFETCH(int, score);
    QFETCH(QString, line);
    const std::string narrow = "h\nh\n" + [] {
        std::string entries;
        for (int i = 0; i < 10; ++i)
            entries += "a.1\n";
        return entries;
    }();
    Table t(narrow);
    const auto slot = t.rank(score);
    QVERIFY(slot);
    QCOMPARE(hsc::insert_entry(t.text, *slot, "x", score), !line.isEmpty());
    if (line.isEmpty()) {
        QCOMPARE(std::string(t.text), narrow);
    } else {
        QCOMPARE(t.lines()[2], line);
        QVERIFY(hsc::check_format(t.text).ok());
    }
}

void TestHscTable::rank_never_leaves_the_text_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("one line feed") << QByteArray("head\n");
    QTest::newRow("headers only") << QByteArray("a\nb\n");
    QTest::newRow("three entries") << QByteArray("a\nb\nx.5\ny.4\nz.3\n");
    QTest::newRow("no final line feed") << QByteArray("a\nb\nx.5");
    QTest::newRow("999 bytes of dots") << QByteArray("a\nb\n") + QByteArray(995, '.');
}

void TestHscTable::rank_never_leaves_the_text()
{
    QFETCH(QByteArray, bytes);
    Table t(std::string_view(bytes.constData(), bytes.size()));
    const auto slot = t.rank(-1000);
    QVERIFY(!slot);
    const auto low = t.rank(1000);
    if (low)
        QVERIFY(low->start + low->length <= std::strlen(t.text));
}

// The run's own entry is found by its score and its name as the line kept it.
void TestHscTable::own_entry_is_found_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<int>("sought_score");
    QTest::addColumn<int>("line");
    QTest::newRow("best") << "Ann" << 120 << "Ann" << 120 << 0;
    QTest::newRow("tenth") << "Ann" << 15 << "Ann" << 15 << 9;
    QTest::newRow("name cut to fit its line") << "Annabel-Lee the Brave" << 120 << "Annabel-Lee the Brave" << 120 << 0;
    QTest::newRow("the line below") << "Ann" << 120 << "ann" << 100 << 1;
    QTest::newRow("another name, same score") << "Ann" << 120 << "Bea" << 120 << -1;
    QTest::newRow("same name, another score") << "Ann" << 120 << "Ann" << 110 << -1;
}

void TestHscTable::own_entry_is_found()
{
    QFETCH(QString, entered);
    QFETCH(int, score);
    QFETCH(QString, sought);
    QFETCH(int, sought_score);
    QFETCH(int, line);
    hsc::Table table(small_table());
    QVERIFY(table.insert(score, entered.toStdString()));
    QCOMPARE(table.find(sought.toStdString(), sought_score).value_or(-1), line);
}

QTEST_GUILESS_MAIN(TestHscTable)
#include "test_hsc_table.moc"
