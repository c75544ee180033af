#include "recording_store.h"
#include "files/tell.h"

#include "files/file_lock.h"
#include "files/lines.h"
#include "files/regular_file.h"
#include "files/replace.h"
#include "game/level.h"
#include "scores/hsc_table.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <mutex>

namespace wd {

namespace {

const QString index_name = QStringLiteral("entries.txt");
const QString records_name = QStringLiteral("records.txt");
constexpr std::size_t index_cap = 64 * 1024;

// The side index: "SCORE<TAB>NAME<TAB>FILE" a line.
struct IndexLine {
    int score = 0;
    std::string name;
    std::string file;
};

std::vector<IndexLine> parse_index(const std::string& bytes)
{
    std::vector<IndexLine> lines;
    for (const std::string_view text : lines_of(bytes)) {
        const std::string line(text);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        IndexLine entry;
        if (tab2 == std::string::npos
            || std::from_chars(line.data(), line.data() + tab1, entry.score).ptr != line.data() + tab1)
            continue;  // not ours: a damaged line only loses its recording
        entry.name = line.substr(tab1 + 1, tab2 - tab1 - 1);
        entry.file = line.substr(tab2 + 1);
        if (entry.file.find('/') == std::string::npos && !entry.file.empty())
            lines.push_back(std::move(entry));
    }
    return lines;
}

std::string read_small(const QString& path)
{
    Result<std::string> file = read_timed(QFile::encodeName(path).toStdString(), index_cap);
    return file.ok() ? std::move(file).value() : std::string();
}

}  // namespace

RecordingStore::RecordingStore(const QString& folder) : where(folder), writer(std::make_unique<QThreadPool>())
{
    writer->setMaxThreadCount(1);
    held = parse_records(read_small(where + QLatin1Char('/') + records_name));
}

RecordingStore::~RecordingStore()
{
    // A write stuck on a stalled disk must not hold the program's end: its
    // thread is left to the process's exit.
    if (!wait(3000)) {
        tell_stderr(where.toStdString() + ": a recording could not be written in time");
        (void)writer.release();
    }
}

bool RecordingStore::wait(int ms)
{
    return writer->waitForDone(ms);
}

QString RecordingStore::last_path() const
{
    return where + QStringLiteral("/last.wdr");
}

namespace {
// Runs on the writer's thread, and copies what it needs: it may outlive the store.
void write_file(const QString& folder, const QString& path, const std::string& bytes)
{
    QDir().mkpath(folder);
    // Beside the table, and kept as the table is: through a link, and in place for a second name.
    if (const Result<void> saved = replace_file(path, bytes, Links::follow); !saved.ok())
        tell_stderr(QStringLiteral("%1: cannot keep the recording: %2")
                        .arg(path, QString::fromStdString(saved.problem().text))
                        .toStdString());
}
}  // namespace

void RecordingStore::keep_last(const Recording& recording)
{
    writer->start([folder = where, path = last_path(), bytes = render(recording)] { write_file(folder, path, bytes); });
}

QString RecordingStore::continue_path() const
{
    return where + QStringLiteral("/continue.wdr");
}

void RecordingStore::keep_to_continue(const Recording& recording)
{
    writer->start([folder = where, path = continue_path(), bytes = render(recording)] {
        write_file(folder, path, bytes);
    });
}

void RecordingStore::drop_continue()
{
    writer->start([path = continue_path()] { QFile::remove(path); });
}

void RecordingStore::keep_for_entry(const Recording& recording, const std::string& name, int score,
                                    const std::string& table)
{
    writer->start([where = where, bytes = render(recording), name, score, table] {
        // A name of its own for each: two entries of one name and score may differ.
        const std::string file = "entry-" + std::to_string(fnv1a(bytes)) + ".wdr";
        write_file(where, where + QLatin1Char('/') + QString::fromStdString(file), bytes);
        // Only what the table still holds stays: older recordings go with their entries.
        const std::vector<hsc::Entry> entries = hsc::entries(table);
        std::vector<IndexLine> kept;
        for (IndexLine& line : parse_index(read_small(where + QLatin1Char('/') + index_name))) {
            const bool held = std::any_of(entries.begin(), entries.end(), [&line](const hsc::Entry& e) {
                return e.score == line.score && e.name == line.name;
            });
            if (held)
                kept.push_back(std::move(line));
            else if (line.file != file)
                QFile::remove(where + QLatin1Char('/') + QString::fromStdString(line.file));
        }
        // Under the name as the table shows it: a long one is cut to fit its line.
        std::string shown = name;
        for (const hsc::Entry& e : entries)
            if (e.score == score && name.starts_with(e.name))
                shown = e.name;
        kept.push_back({score, shown, file});
        std::string index;
        for (const IndexLine& line : kept)
            index += std::to_string(line.score) + '\t' + line.name + '\t' + line.file + '\n';
        write_file(where, where + QLatin1Char('/') + index_name, index);
    });
}

std::optional<QString> RecordingStore::entry_path(const std::string& table, int index) const
{
    const std::vector<hsc::Entry> entries = hsc::entries(table);
    if (index < 0 || index >= int(entries.size()))
        return std::nullopt;
    const hsc::Entry& entry = entries[std::size_t(index)];
    // The newest recording of that name and score: the index keeps them in order.
    std::optional<QString> found;
    for (const IndexLine& line : parse_index(read_small(where + QLatin1Char('/') + index_name)))
        if (line.score == entry.score && line.name == entry.name
            && QFile::exists(where + QLatin1Char('/') + QString::fromStdString(line.file)))
            found = where + QLatin1Char('/') + QString::fromStdString(line.file);
    return found;
}

LevelRecords RecordingStore::records() const
{
    LevelRecords merged = parse_records(read_small(where + QLatin1Char('/') + records_name));
    for (const auto& [hash, record] : held) {
        LevelRecord& kept = merged[hash];
        kept = with(kept, beats(kept, record.cheese, record.ticks), record.cheese, record.ticks);
    }
    return merged;
}

RecordNews RecordingStore::offer_record(const Recording& level, int cheese)
{
    const Recording::Step* begun = level.steps.empty() ? nullptr : &level.steps.front();
    if (!begun || begun->kind != Recording::Step::Kind::level)
        return {};
    const int ticks = level.ticks();
    LevelRecord& mine = held[begun->hash];
    const RecordNews news = beats(mine, cheese, ticks);
    mine = with(mine, news, cheese, ticks);
    if (!news.any())
        return news;
    writer->start([where = where, hash = begun->hash, bytes = render(level), cheese, ticks] {
        // Another game may be keeping a record of this level too: one at a time.
        QDir().mkpath(where);
        // Held while a record's files are written, on the writer's own thread:
        // one a second old is a game that hung or died, taken over within the wait.
        const FileLock lock(where + QStringLiteral("/records.lock"), 1000, 2000);
        if (!lock.held()) {
            tell_stderr(lock.problem().text + "; a level's record is not kept");
            return;
        }
        const QString index = where + QLatin1Char('/') + records_name;
        LevelRecords records = parse_records(read_small(index));
        const RecordNews still = beats(records[hash], cheese, ticks);
        if (!still.any())
            return;
        for (const bool kind : {true, false})
            if (kind ? still.cheese : still.ticks)
                write_file(where, where + QLatin1Char('/') + QString::fromStdString(record_file(hash, kind)), bytes);
        records[hash] = with(records[hash], still, cheese, ticks);
        write_file(where, index, render_records(records));
    });
    return news;
}

std::optional<QString> RecordingStore::record_path(std::uint64_t hash, bool cheese) const
{
    const QString path = where + QLatin1Char('/') + QString::fromStdString(record_file(hash, cheese));
    if (!QFile::exists(path))
        return std::nullopt;
    return path;
}

}  // namespace wd
