// The player's packs: levels saved and deleted with their proofs in step, a
// pack file that brings a pack back byte for byte, and one that is damaged or
// hostile refused whole, or its unproved levels named.

#include "bot/prove.h"
#include "packs/packs.h"
#include "testing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

using wd::Recording;
namespace packs = wd::packs;

Q_DECLARE_METATYPE(std::string)

namespace {

// A cat behind a crate, `gap` cells of floor and a cheese away from the mouse.
std::string trap(int gap)
{
    const std::string walls(static_cast<std::size_t>(gap) + 6, 'H');
    return wd::testing::level_text({walls, "HM" + std::string(static_cast<std::size_t>(gap), '.') + "KBCH", walls});
}

// The player's win on trap(gap): walk right until the crate covers the cat.
Recording won(int gap)
{
    Recording r;
    r.mode = Recording::Mode::practice;
    r.random = wd::GlibcRandom(1).state_now();
    r.add_level(Recording::Begin::start, -1, wd::fnv1a(trap(gap)), 0, "test-play.lvx");
    for (int i = 0; i < gap + 2; ++i)
        r.add_move(1, 0);
    r.ending = Recording::Ending::won;
    r.score = 10;
    return r;
}

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
    void export_then_import_is_byte_for_byte_data();
    void export_then_import_is_byte_for_byte();
    void hostile_or_damaged_files_are_refused_whole_data();
    void hostile_or_damaged_files_are_refused_whole();
    void levels_whose_proof_fails_come_in_unproved_data();
    void levels_whose_proof_fails_come_in_unproved();
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
    const wd::Result<packs::SavedLevel> changed = packs::save_level(pack, {trap(3), "Plate", "", std::nullopt}, 1);
    QVERIFY(changed.ok());
    QCOMPARE(changed.value().number, 1);
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
    QTest::newRow("words") << QStringList{"My pack!"} << QStringList{"my-pack"};
    QTest::newRow("taken twice") << QStringList{"Cats", "cats", "CATS"} << QStringList{"cats", "cats-2", "cats-3"};
    QTest::newRow("a path") << QStringList{"../../etc/x"} << QStringList{"etc-x"};
    QTest::newRow("no letters") << QStringList{"\u00e9\u00e9 ..."} << QStringList{"pack"};
    QTest::newRow("only spaces") << QStringList{"   "} << QStringList{""};
}

void TestPacks::folder_names()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, folders);
    QTemporaryDir data;
    for (int i = 0; i < names.size(); ++i) {
        const wd::Result<packs::PackSummary> made = packs::create_pack(data.path(), names[i].toStdString());
        QCOMPARE(made.ok() ? made.value().folder : QString(), folders[i]);
        if (made.ok())
            QCOMPARE(made.value().name, names[i].trimmed().toStdString());
    }
    QCOMPARE(int(packs::list_packs(data.path()).size()), int(folders.count(QString()) ? 0 : folders.size()));
}

void TestPacks::export_then_import_is_byte_for_byte_data()
{
    QTest::addColumn<bool>("hand_made");
    QTest::newRow("made by the game") << false;
    // An index edited by hand and a proof that is no recording travel as they are.
    QTest::newRow("files edited by hand") << true;
}

void TestPacks::export_then_import_is_byte_for_byte()
{
    QFETCH(bool, hand_made);
    QTemporaryDir data;
    const packs::PackSummary pack = three_levels(data.path());
    if (hand_made) {
        QFile index(pack.path + "/levels.txt");
        QVERIFY(index.open(QIODevice::Append));
        index.write(QByteArray("# a note\r\n\0zero\n\nend\n", 21));
        index.close();
        QFile proof(pack.path + "/level001.proof");
        QVERIFY(proof.open(QIODevice::WriteOnly));
        proof.write("file level009.lvx 3\nend\n\xff");
    }
    const wd::Result<std::string> exported = packs::export_pack(pack.path);
    QVERIFY2(exported.ok(), exported.ok() ? "" : exported.problem().text.c_str());
    const QString file = data.filePath("tea.wdpack");
    QVERIFY(packs::export_pack_file(pack.path, file).ok());
    // Into another data folder, and beside itself under a new folder name.
    QTemporaryDir other;
    for (const QString& into : {other.path(), data.path()}) {
        const wd::Result<packs::Imported> imported = packs::import_pack_file(into, file);
        QVERIFY2(imported.ok(), imported.ok() ? "" : imported.problem().text.c_str());
        QCOMPARE(imported.value().pack.folder, into == data.path() ? "tea-time-2" : "tea-time");
        QCOMPARE(imported.value().pack.name, std::string("Tea time"));
        QCOMPARE(files_under(imported.value().pack.path), files_under(pack.path));
        QCOMPARE(imported.value().unproved.size(), std::size_t(1));
        QCOMPARE(packs::export_pack(imported.value().pack.path).value(), exported.value());
    }
}

void TestPacks::hostile_or_damaged_files_are_refused_whole_data()
{
    QTest::addColumn<std::string>("archive");
    QTest::addColumn<QString>("why");
    const std::string level = trap(0);
    const std::string good = head + entry("level000.lvx", level) + "end\n";
    QTest::newRow("as made") << good << QString();
    std::string largest = std::string(80, 'H') + '\n' + "HM" + std::string(76, '.') + "CH\n";
    for (int row = 2; row < 80; ++row)
        largest += 'H' + std::string(78, '.') + "H\n";
    largest += std::string(80, 'H') + '\n';
    QTest::newRow("the largest level") << head + entry("level000.lvx", largest) + "end\n" << QString();
    QTest::newRow("up a folder") << head + entry("../level000.lvx", level) + "end\n" << "entry 2: \"../level000.lvx\" is not";
    QTest::newRow("in a folder") << head + entry("x/level000.lvx", level) + "end\n" << "\"x/level000.lvx\" is not";
    QTest::newRow("a path of its own") << head + entry("/tmp/level000.lvx", level) + "end\n" << "is not a file a pack holds";
    QTest::newRow("four digits") << head + entry("level0000.lvx", level) + "end\n" << "is not a file a pack holds";
    QTest::newRow("a level of 82 lines") << head + entry("level000.lvx", std::string(82 * 81, 'H')) + "end\n"
                                         << "level000.lvx: 6642 bytes, more than it may hold (6561)";
    QTest::newRow("two mice") << head + entry("level000.lvx", wd::testing::level_text({"HHHHH", "HMMCH", "HHHHH"})) + "end\n"
                              << "not a level the game plays: level000.lvx:2:";
    QTest::newRow("a length past the end") << head + "file level000.lvx 900\n" + level + "end\n" << "level000.lvx: cut off";
    QTest::newRow("a length short of the bytes")
        << head + "file level000.lvx 5\n" + level + "end\n" << "level000.lvx: cut off or longer";
    QTest::newRow("no length") << head + "file level000.lvx\n" + level + "end\n" << "not a file entry";
    QTest::newRow("a negative length") << head + "file level000.lvx -3\n" + level + "end\n" << "no length";
    QTest::newRow("no end") << head + entry("level000.lvx", level) << "cut off before its end line";
    QTest::newRow("more after the end") << good + "file level001.lvx 0\n\n" << "bytes after its end line";
    QTest::newRow("a later format") << "whiskerdash pack 2\n" + good.substr(19) << "a pack of another format";
    QTest::newRow("not a pack") << std::string("PK\3\4") << "not a Whiskerdash pack";
    QTest::newRow("a gap") << head + entry("level000.lvx", level) + entry("level002.lvx", level) + "end\n"
                           << "level001.lvx is missing before level002.lvx";
    QTest::newRow("a proof alone") << head + entry("level000.lvx", level) + entry("level001.proof", "") + "end\n"
                                   << "level001.proof: a proof without its level";
    QTest::newRow("a level twice") << head + entry("level000.lvx", level) + entry("level000.lvx", level) + "end\n"
                                   << "level000.lvx: given twice";
    QTest::newRow("no index") << "whiskerdash pack 1\n" + entry("level000.lvx", level) + "end\n" << "no levels.txt";
    QTest::newRow("no levels") << head + "end\n" << "no levels";
    QTest::newRow("larger than any pack") << good + std::string(packs::max_archive_bytes, '\n') << "larger than any pack";
}

void TestPacks::hostile_or_damaged_files_are_refused_whole()
{
    QFETCH(std::string, archive);
    QFETCH(QString, why);
    QTemporaryDir data;
    QVERIFY(packs::create_pack(data.path(), "Some pack").ok());
    const auto before = files_under(data.path());
    const wd::Result<packs::Imported> imported = packs::import_pack(data.path(), archive);
    if (why.isEmpty()) {
        QVERIFY2(imported.ok(), imported.ok() ? "" : imported.problem().text.c_str());
        QCOMPARE(imported.value().pack.folder, "some-pack-2");  // never into the pack of that name
        QCOMPARE(files_under(imported.value().pack.path).size(), std::size_t(2));
        return;
    }
    QVERIFY(!imported.ok());
    QVERIFY2(QString::fromStdString(imported.problem().text).contains(why), imported.problem().text.c_str());
    QCOMPARE(files_under(data.path()), before);
    QCOMPARE(QDir(packs::packs_folder(data.path())).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    QVERIFY(!QFile::exists(data.filePath("level000.lvx")) && !QFile::exists(QDir::tempPath() + "/level000.lvx"));
}

void TestPacks::levels_whose_proof_fails_come_in_unproved_data()
{
    QTest::addColumn<std::string>("proof");  // empty: none
    QTest::addColumn<QString>("why");        // empty: proved
    Recording turned = won(0);
    turned.steps[1].dx = -1;
    QTest::newRow("its own win") << wd::render(won(0)) << QString();
    QTest::newRow("no proof") << std::string() << "level000.lvx: not proved yet";
    QTest::newRow("a win on other bytes") << wd::render(won(1)) << "level000.lvx: the proof was played on other bytes";
    QTest::newRow("a move turned round") << wd::render(turned) << "level000.lvx: the proof does not clear the level";
    QTest::newRow("not a recording") << std::string("R\nR\nR\n") << "level000.lvx: its proof cannot be read";
}

void TestPacks::levels_whose_proof_fails_come_in_unproved()
{
    QFETCH(std::string, proof);
    QFETCH(QString, why);
    QTemporaryDir data;
    const std::string archive = head + entry("level000.lvx", trap(0)) + (proof.empty() ? "" : entry("level000.proof", proof)) + "end\n";
    const wd::Result<packs::Imported> imported = packs::import_pack(data.path(), archive);
    QVERIFY(imported.ok());
    const wd::Result<packs::Pack> pack = packs::read_pack(imported.value().pack.path);
    QVERIFY(pack.ok());
    QCOMPARE(pack.value().levels.size(), std::size_t(1));
    QCOMPARE(pack.value().levels[0].name, std::string("One"));
    QCOMPARE(pack.value().levels[0].proved(), why.isEmpty());
    QCOMPARE(imported.value().unproved.size(), std::size_t(why.isEmpty() ? 0 : 1));
    if (!why.isEmpty())
        QVERIFY2(QString::fromStdString(imported.value().unproved[0]).startsWith(why), imported.value().unproved[0].c_str());
}

QTEST_GUILESS_MAIN(TestPacks)
#include "test_packs.moc"
