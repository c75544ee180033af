// The player's packs: levels saved and deleted with their proofs in step, a
// pack file that brings a pack back byte for byte, and one that is damaged or
// hostile refused whole, or its unproved levels named.

#include "bot/prove.h"
#include "packs/packs.h"
#include "proof_testing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

using wd::Recording;
namespace packs = wd::packs;
using wd::testing::trap;
using wd::testing::won;

Q_DECLARE_METATYPE(std::string)

namespace {

// Every file under `folder`, by its path there.
std::map<QString, QByteArray> files_under(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        files[QDir(folder).relativeFilePath(file.fileName())] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
    }
    return files;
}

// A pack of three levels, the middle one unproved, the last one's name odd.
packs::PackSummary three_levels(const QString& data)
{
    const wd::Result<packs::PackSummary> made = packs::create_pack(data, "Tea time");
    if (!made.ok())
        qFatal("%s", made.problem().text.c_str());
    packs::save_level(made.value().path, {trap(0), "Kettle", "Push the row from its end.", won(0)});
    packs::save_level(made.value().path, {trap(1), "Cup", "", std::nullopt});
    packs::save_level(made.value().path, {trap(2), "Saucer \xc3\xa9\tand spoon", "two\nlines", won(2)});
    return made.value();
}

std::string entry(const std::string& name, const std::string& bytes)
{
    return "file " + name + ' ' + std::to_string(bytes.size()) + '\n' + bytes + '\n';
}

const std::string index_text = "# pack\tSome pack\nlevel000.lvx\tOne\t\n";
const std::string head = "whiskerdash pack 1\n" + entry("levels.txt", index_text);

}  // namespace

class TestPacks : public QObject {
    Q_OBJECT

private slots:
    void levels_and_proofs_stay_in_step();
    void folder_names_data();
    void folder_names();
    void export_then_import_is_byte_for_byte();
    void imports_are_refused_whole_or_marked_unproved_data();
    void imports_are_refused_whole_or_marked_unproved();
};

void TestPacks::levels_and_proofs_stay_in_step()
{
    QTemporaryDir data;
    const QString pack = three_levels(data.path()).path;
    const auto state = [&pack] {
        QStringList seen;
        const wd::Result<packs::Pack> read = packs::read_pack(pack);
        for (const packs::PackLevel& level : read.ok() ? read.value().levels : std::vector<packs::PackLevel>{})
            seen << QString::fromStdString(level.name + (level.proved() ? " proved" : " unproved"));
        return seen.join(", ");
    };
    QCOMPARE(state(), "Kettle proved, Cup unproved, Saucer \u00e9 and spoon proved");
    // The first level's proof moves down with the ones after it: renamed, it still holds.
    QVERIFY(packs::delete_level(pack, 0).ok());
    QCOMPARE(state(), "Cup unproved, Saucer \u00e9 and spoon proved");
    QVERIFY(!QFile::exists(pack + "/level002.lvx") && !QFile::exists(pack + "/level002.proof"));
    QVERIFY(!QFile::exists(pack + "/level000.proof"));
    // Named after where it now lies, so watching it reads this level's file.
    const wd::Recording moved = packs::read_pack(pack).value().levels[1].proof.value();
    QCOMPARE(moved.steps.front().file, std::string("level001.lvx"));
    QCOMPARE(moved.steps.front().number, 1);
    // A new name on the same bytes keeps the proof; other bytes drop it.
    QVERIFY(packs::save_level(pack, {trap(2), "Plate", "", std::nullopt}, 1).ok());
    QCOMPARE(state(), "Cup unproved, Plate proved");
    QCOMPARE(packs::save_level(pack, {trap(3), "Plate", "", std::nullopt}, 1).value().number, 1);
    QCOMPARE(state(), "Cup unproved, Plate unproved");
    QVERIFY(!QFile::exists(pack + "/level001.proof"));
    // A proof of other bytes is not kept; the level is.
    const wd::Result<packs::SavedLevel> wrong = packs::save_level(pack, {trap(4), "Bowl", "", won(0)});
    QVERIFY(wrong.ok());
    QVERIFY(QString::fromStdString(wrong.value().unproved).contains("other bytes"));
    QCOMPARE(state(), "Cup unproved, Plate unproved, Bowl unproved");
    // Bytes the game refuses are not saved, and the reason names the cell.
    const wd::Result<packs::SavedLevel> two_mice =
        packs::save_level(pack, {wd::testing::level_text({"HHHHH", "HMMCH", "HHHHH"}), "Two", "", std::nullopt});
    QVERIFY(!two_mice.ok());
    QVERIFY2(two_mice.problem().text.starts_with("level003.lvx:2:"), two_mice.problem().text.c_str());
    QVERIFY(!packs::delete_level(pack, 3).ok());
    QCOMPARE(packs::list_packs(data.path()).front().levels, 3);
}

void TestPacks::folder_names_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("taken twice") << QStringList{"Cats!", "cats", "CATS"} << QStringList{"cats", "cats-2", "cats-3"};
    QTest::newRow("a path") << QStringList{"../../etc/x"} << QStringList{"etc-x"};
    QTest::newRow("no letters") << QStringList{"\u00e9\u00e9 ..."} << QStringList{"pack"};
    QTest::newRow("no name") << QStringList{"   "} << QStringList{""};
}

void TestPacks::folder_names()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, folders);
    QTemporaryDir data;
    for (int i = 0; i < names.size(); ++i) {
        const wd::Result<packs::PackSummary> made = packs::create_pack(data.path(), names[i].toStdString());
        QCOMPARE(made.ok() ? made.value().folder : QString(), folders[i]);
    }
}

void TestPacks::export_then_import_is_byte_for_byte()
{
    QTemporaryDir data;
    const packs::PackSummary pack = three_levels(data.path());
    // An index edited by hand and a proof that is no recording travel as they are.
    QFile index(pack.path + "/levels.txt");
    QVERIFY(index.open(QIODevice::Append));
    index.write(QByteArray("# a note\r\n\0zero\n\nend\n", 21));
    index.close();
    QFile proof(pack.path + "/level001.proof");
    QVERIFY(proof.open(QIODevice::WriteOnly));
    proof.write("file level009.lvx 3\nend\n\xff");
    proof.close();
    const wd::Result<std::string> exported = packs::export_pack(pack.path);
    QVERIFY2(exported.ok(), exported.ok() ? "" : exported.problem().text.c_str());
    const QString file = data.filePath("tea.wdpack");
    QVERIFY(packs::export_pack_file(pack.path, file).ok());
    // Into another data folder, and beside itself under a new folder and name.
    QTemporaryDir other;
    for (const QString& into : {other.path(), data.path()}) {
        const bool beside = into == data.path();
        const wd::Result<packs::Imported> imported = packs::import_pack_file(into, file);
        QVERIFY2(imported.ok(), imported.ok() ? "" : imported.problem().text.c_str());
        QCOMPARE(imported.value().pack.folder, beside ? "tea-time-2" : "tea-time");
        QCOMPARE(imported.value().pack.name, std::string(beside ? "Tea time (2)" : "Tea time"));
        std::map<QString, QByteArray> got = files_under(imported.value().pack.path), sent = files_under(pack.path);
        if (beside) {  // only the index's naming line differs
            QCOMPARE(got["levels.txt"], sent["levels.txt"].replace("Tea time\n", "Tea time (2)\n"));
        }
        QCOMPARE(got, sent);
        QCOMPARE(imported.value().unproved.size(), std::size_t(1));
        if (!beside)
            QCOMPARE(packs::export_pack(imported.value().pack.path).value(), exported.value());
    }
}

void TestPacks::imports_are_refused_whole_or_marked_unproved_data()
{
    QTest::addColumn<std::string>("archive");
    QTest::addColumn<QString>("refused");   // part of the reason; empty when imported
    QTest::addColumn<QString>("unproved");  // how the import names the level unproved; empty when proved
    const std::string level = trap(0);
    const auto pack = [&level](const std::string& proof) {
        return head + entry("level000.lvx", level) + (proof.empty() ? "" : entry("level000.proof", proof)) + "end\n";
    };
    std::string largest = std::string(80, 'H') + '\n' + "HM" + std::string(76, '.') + "CH\n";
    for (int row = 2; row < 80; ++row)
        largest += 'H' + std::string(78, '.') + "H\n";
    largest += std::string(80, 'H') + '\n';
    Recording turned = won(0);
    turned.steps[1].dx = -1;

    QTest::newRow("proved") << pack(wd::render(won(0))) << QString() << QString();
    QTest::newRow("no proof") << pack("") << QString() << "level000.lvx: not proved yet";
    QTest::newRow("a win on other bytes") << pack(wd::render(won(1))) << QString() << "level000.lvx: the proof was played on other bytes";
    QTest::newRow("a move turned round") << pack(wd::render(turned)) << QString() << "level000.lvx: the proof does not clear";
    QTest::newRow("a proof that is no recording") << pack("R\nR\n") << QString() << "level000.lvx: its proof cannot be read";
    QTest::newRow("the largest level") << head + entry("level000.lvx", largest) + "end\n" << QString() << "not proved yet";

    const std::string good = pack("");
    const auto refused = [](const char* name, const std::string& archive, const char* why) {
        QTest::newRow(name) << archive << QString(why) << QString();
    };
    refused("up a folder", head + entry("../level000.lvx", level) + "end\n", "entry 2: \"../level000.lvx\" is not");
    refused("in a folder", head + entry("x/level000.lvx", level) + "end\n", "\"x/level000.lvx\" is not");
    refused("four digits", head + entry("level0000.lvx", level) + "end\n", "is not a file a pack holds");
    refused("a level of 82 lines", head + entry("level000.lvx", std::string(82 * 81, 'H')) + "end\n",
            "level000.lvx: 6642 bytes, more than it may hold (6561)");
    refused("two mice", head + entry("level000.lvx", wd::testing::level_text({"HHHHH", "HMMCH", "HHHHH"})) + "end\n",
            "not a level the game plays: level000.lvx:2:");
    refused("a length past the end", head + "file level000.lvx 900\n" + level + "end\n", "level000.lvx: cut off");
    refused("a length short of the bytes", head + "file level000.lvx 5\n" + level + "end\n", "cut off or longer");
    refused("no end", good.substr(0, good.size() - 4), "cut off before its end line");
    refused("more after the end", good + "file level001.lvx 0\n\n", "bytes after its end line");
    refused("a later format", "whiskerdash pack 2\n" + good.substr(19), "a pack of another format");
    refused("a gap", head + entry("level000.lvx", level) + entry("level002.lvx", level) + "end\n",
            "level001.lvx is missing before level002.lvx");
    refused("a proof alone", head + entry("level000.lvx", level) + entry("level001.proof", "") + "end\n",
            "level001.proof: a proof without its level");
    refused("a level twice", head + entry("level000.lvx", level) + entry("level000.lvx", level) + "end\n",
            "level000.lvx: given twice");
    refused("larger than any pack", good + std::string(packs::max_archive_bytes, '\n'), "larger than any pack");
}

void TestPacks::imports_are_refused_whole_or_marked_unproved()
{
    QFETCH(std::string, archive);
    QFETCH(QString, refused);
    QFETCH(QString, unproved);
    QTemporaryDir data;
    QVERIFY(packs::create_pack(data.path(), "Some pack").ok());
    const auto before = files_under(data.path());
    const wd::Result<packs::Imported> imported = packs::import_pack(data.path(), archive);
    QCOMPARE(imported.ok(), refused.isEmpty());
    if (!imported.ok()) {
        QVERIFY2(QString::fromStdString(imported.problem().text).contains(refused), imported.problem().text.c_str());
        QCOMPARE(files_under(data.path()), before);
        QVERIFY(!QFile::exists(data.filePath("level000.lvx")) && !QFile::exists(QDir::tempPath() + "/level000.lvx"));
        return;
    }
    QCOMPARE(imported.value().pack.folder, "some-pack-2");  // never into the pack of that name
    const wd::Result<packs::Pack> pack = packs::read_pack(imported.value().pack.path);
    QVERIFY(pack.ok());
    QCOMPARE(pack.value().levels.size(), std::size_t(1));
    QCOMPARE(pack.value().levels[0].name, std::string("One"));
    QCOMPARE(pack.value().levels[0].proved(), unproved.isEmpty());
    const QString said = imported.value().unproved.empty() ? QString() : QString::fromStdString(imported.value().unproved[0]);
    QVERIFY2(unproved.isEmpty() ? said.isEmpty() : said.contains(unproved), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestPacks)
#include "test_packs.moc"
