// Long random play over every shipped level and over generated ones, checking
// the board after every single step.

#include "board_invariants.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace wd::testing;

namespace {

constexpr int steps_per_level = 5000;

// A level within the hard limits, with or without a ring, rows of mixed length.
std::string generated_level(Lcg& random)
{
    const int height = 1 + random() % 30;
    const int width = 1 + random() % 50;
    const bool ring = random() % 4 != 0;
    const char kinds[] = "....BBBKHx C";
    std::string text;
    int cats = 0;
    for (int y = 0; y < height; ++y) {
        int length = random() % 6 == 0 ? random() % 80 : width;
        if (y == 0 && length == 0)
            length = 1;  // an empty first row is refused
        std::string row;
        for (int x = 0; x < length; ++x) {
            char c = kinds[random() % (sizeof kinds - 1)];
            if (c == 'C' && ++cats > wd::max_cats)
                c = '.';
            if (ring && (y == 0 || y == height - 1 || x == 0 || x == length - 1))
                c = 'H';
            row += c;
        }
        text += row + "\n";
    }
    // The mouse somewhere within the drawn width, the first row's length.
    const std::size_t first_row = text.find('\n');
    std::size_t at = static_cast<std::size_t>(random()) % text.size();
    const std::size_t before = at == 0 ? std::string::npos : text.rfind('\n', at - 1);
    const std::size_t line_start = before == std::string::npos ? 0 : before + 1;
    if (at - line_start >= first_row)
        at = line_start + (at - line_start) % first_row;
    text[at] = text[at] == '\n' ? text[at] : 'M';
    if (text.find('M') == std::string::npos)
        text.insert(0, "M\n");
    return text;
}

void soak(const std::string& level, const std::string& name, unsigned seed)
{
    QuietBoard b;
    Lcg random{seed};
    b.random = [&random] { return random(); };
    QVERIFY2(b.load_bytes(level, name).ok(), name.c_str());
    for (int step = 0; step < steps_per_level; ++step) {
        const unsigned choice = static_cast<unsigned>(random());
        if (play_step(b, choice) != wd::Outcome::playing)
            b.load_bytes(level, name);  // Play Again, on this level
        const std::string broken = broken_invariant(b);
        if (!broken.empty())
            QFAIL(qPrintable(QString("%1, step %2 (%3): %4").arg(QString::fromStdString(name)).arg(step)
                                 .arg(choice % 5).arg(QString::fromStdString(broken))));
        b.traced.clear();
    }
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void shipped_levels_data();
    void shipped_levels();
    void generated_levels();
};

void TestSoak::shipped_levels_data()
{
    QTest::addColumn<QString>("path");
    const QDir data(QStringLiteral(WHISKERDASH_DATA_DIR));
    for (const QString& name : data.entryList({"*.lvx"}))
        QTest::newRow(qPrintable(name)) << data.filePath(name);
    QVERIFY(data.entryList({"*.lvx"}).size() >= 2);
}

void TestSoak::shipped_levels()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    soak(file.readAll().toStdString(), path.toStdString(), 7);
}

void TestSoak::generated_levels()
{
    // No level file exists in this folder, so clearing a level ends the game.
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    Lcg random{2024};
    for (int i = 0; i < 40; ++i)
        soak(generated_level(random), "generated " + std::to_string(i), static_cast<unsigned>(i));
}

QTEST_GUILESS_MAIN(TestSoak)
#include "test_soak.moc"
