#include "packs.h"

#include "bot/prove.h"
#include "files/replace.h"
#include "game/level.h"
#include "game/level_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace wd::packs {

namespace {

constexpr const char* no_proof = "not proved yet";

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString in(const QString& folder, const std::string& file) { return folder + '/' + QString::fromStdString(file); }

Problem problem(Problem::Kind kind, const std::string& text) { return Problem{kind, 0, text}; }
Problem with_file(const std::string& file, Problem p)
{
    p.text = file + ": " + p.text;
    return p;
}

// A file that is not there reads as nothing; any other failure is the problem.
Result<std::optional<std::string>> read_optional(const QString& path, std::size_t limit)
{
    Result<std::string> read = read_regular_file(local(path), limit + 1);
    if (!read.ok()) {
        if (read.problem().no_file())
            return std::optional<std::string>();
        return read.problem();
    }
    if (read.value().size() > limit)
        return problem(Problem::Kind::refused, "more than " + std::to_string(limit) + " bytes");
    return std::optional<std::string>(std::move(read.value()));
}

Result<void> write(const QString& path, std::string_view bytes)
{
    Result<void> written = replace_file(path, bytes, Links::refuse);
    if (!written.ok()) {
        Problem failed = written.problem();
        failed.text = QFileInfo(path).fileName().toStdString() + ": " + failed.text;
        return failed;
    }
    return {};
}

Result<void> remove(const QString& path)
{
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    if (!file.remove())
        return problem(Problem::Kind::cannot_write,
                       QFileInfo(path).fileName().toStdString() + ": cannot remove: " + file.errorString().toStdString());
    return {};
}

// The folder's name for a pack: ASCII letters and digits, dashes between words.
QString folder_name(const std::string& name)
{
    QString folder;
    for (const char c : name) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
        if (keep)
            folder += QChar(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        else if (!folder.isEmpty() && !folder.endsWith('-'))
            folder += '-';
        if (folder.size() >= 40)
            break;
    }
    while (folder.endsWith('-'))
        folder.chop(1);
    return folder.isEmpty() ? QStringLiteral("pack") : folder;
}

// A folder of its own, made here: an existing pack is never written into.
Result<QString> new_folder(const QString& data_folder, const std::string& name)
{
    const QString packs = packs_folder(data_folder);
    if (!QDir().mkpath(packs))
        return problem(Problem::Kind::cannot_write, local(packs) + ": cannot make the folder");
    const QString base = folder_name(name);
    QDir dir(packs);
    for (int n = 1; n <= 1000; ++n) {
        const QString folder = n == 1 ? base : base + '-' + QString::number(n);
        if (QFileInfo(dir.filePath(folder)).exists() || QFileInfo(dir.filePath(folder)).isSymLink())
            continue;
        if (dir.mkdir(folder))
            return folder;
        if (!QFileInfo(dir.filePath(folder)).exists())  // not lost to another game: the disk's refusal
            return problem(Problem::Kind::cannot_write, local(dir.filePath(folder)) + ": cannot make the folder");
    }
    return problem(Problem::Kind::refused, "no free folder name for the pack in " + local(packs));
}

PackSummary summary_of(const QString& path, const std::string& index, int levels)
{
    PackSummary summary;
    summary.path = path;
    summary.folder = QFileInfo(path).fileName();
    summary.name = pack_name(index).value_or(summary.folder.toStdString());
    summary.levels = levels;
    return summary;
}

// The number of level files from level000.lvx on, as the game finds them.
int count_levels(const QString& path)
{
    int count = 0;
    while (count < static_cast<int>(max_levels) && QFileInfo(in(path, level_file(count))).isFile())
        ++count;
    return count;
}

// Why the proof file's bytes do not prove the level, or nothing when they do.
std::string proof_state(const std::optional<std::string>& proof_bytes, const std::string& level_bytes,
                        const std::string& file, std::optional<Recording>& proof)
{
    proof.reset();
    if (!proof_bytes)
        return no_proof;
    Result<Recording> parsed = parse_recording(*proof_bytes);
    if (!parsed.ok())
        return file + ": its proof cannot be read: " + parsed.problem().text;
    if (const Result<void> holds = bot::proof_holds(parsed.value(), level_bytes, file); !holds.ok())
        return holds.problem().text;
    proof = std::move(parsed.value());
    return {};
}

std::vector<IndexEntry> entries_of(const Pack& pack)
{
    std::vector<IndexEntry> entries;
    for (const PackLevel& level : pack.levels)
        entries.push_back({level.name, level.hint});
    return entries;
}

Result<void> write_index(const Pack& pack)
{
    return write(in(pack.summary.path, std::string(index_file)), render_index(pack.summary.name, entries_of(pack)));
}

}  // namespace

QString packs_folder(const QString& data_folder) { return data_folder + QStringLiteral("/packs"); }

std::vector<PackSummary> list_packs(const QString& data_folder)
{
    std::vector<PackSummary> packs;
    const QDir dir(packs_folder(data_folder));
    for (const QString& folder : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
        const QString path = dir.filePath(folder);
        const Result<std::optional<std::string>> index = read_optional(in(path, std::string(index_file)), max_index_bytes);
        if (index.ok() && index.value())
            packs.push_back(summary_of(path, *index.value(), count_levels(path)));
    }
    return packs;
}

// The name itself, or with " (2)", " (3)"... when a pack there has it: the
// player picks packs by name.
std::string unused_name(const QString& data_folder, const std::string& name)
{
    const std::vector<PackSummary> packs = list_packs(data_folder);
    const auto taken = [&packs](const std::string& candidate) {
        return std::any_of(packs.begin(), packs.end(), [&](const PackSummary& p) { return p.name == candidate; });
    };
    std::string candidate = name;
    for (int n = 2; taken(candidate); ++n)
        candidate = clean_name(name + " (" + std::to_string(n) + ")");
    return candidate;
}

Result<PackSummary> create_pack(const QString& data_folder, const std::string& name)
{
    const std::string clean = unused_name(data_folder, clean_name(name));
    if (clean.empty())
        return problem(Problem::Kind::refused, "a pack needs a name");
    const Result<QString> folder = new_folder(data_folder, clean);
    if (!folder.ok())
        return folder.problem();
    const QString path = QDir(packs_folder(data_folder)).filePath(folder.value());
    const std::string index = render_index(clean, {});
    if (Result<void> written = write(in(path, std::string(index_file)), index); !written.ok()) {
        QDir().rmdir(path);
        return written.problem();
    }
    return summary_of(path, index, 0);
}

Result<Pack> read_pack(const QString& pack_path)
{
    const Result<std::optional<std::string>> index = read_optional(in(pack_path, std::string(index_file)), max_index_bytes);
    if (!index.ok())
        return with_file(local(pack_path) + "/levels.txt", index.problem());
    if (!index.value())
        return problem(Problem::Kind::missing, local(pack_path) + ": not a pack (no levels.txt)");
    const LevelIndex names = LevelIndex::parse(*index.value());
    Pack pack;
    for (int number = 0; number < static_cast<int>(max_levels); ++number) {
        PackLevel level;
        level.file = level_file(number);
        Result<std::string> bytes = read_level_file(local(in(pack_path, level.file)));
        if (!bytes.ok()) {
            if (bytes.problem().kind == Problem::Kind::missing)
                break;
            return with_file(level.file, bytes.problem());
        }
        level.bytes = std::move(bytes.value());
        if (const LevelInfo* info = names.find(level.file)) {
            level.name = info->name;
            level.hint = info->hint;
        }
        const Result<std::optional<std::string>> proof = read_optional(in(pack_path, proof_file(number)), max_proof_bytes);
        if (proof.ok())
            level.unproved = proof_state(proof.value(), level.bytes, level.file, level.proof);
        else
            level.unproved = proof_file(number) + ": " + proof.problem().text;
        pack.levels.push_back(std::move(level));
    }
    pack.summary = summary_of(pack_path, *index.value(), static_cast<int>(pack.levels.size()));
    return pack;
}

Result<SavedLevel> save_level(const QString& pack_path, const LevelDraft& draft, int replace)
{
    Result<Pack> read = read_pack(pack_path);
    if (!read.ok())
        return read.problem();
    Pack& pack = read.value();
    const int count = static_cast<int>(pack.levels.size());
    if (replace >= count)
        return problem(Problem::Kind::refused, "the pack has no " + level_file(replace));
    if (replace < 0 && count >= static_cast<int>(max_levels))
        return problem(Problem::Kind::refused, "a pack holds at most " + std::to_string(max_levels) + " levels");
    SavedLevel saved{replace < 0 ? count : replace, {}};
    const std::string file = level_file(saved.number);
    if (draft.bytes.size() > max_level_bytes)
        return problem(Problem::Kind::refused, file + ": larger than any level");
    if (const std::vector<LevelProblem> problems = level_problems(draft.bytes); !problems.empty())
        return problem(Problem::Kind::refused, describe(file, problems.front()));

    // The proof given, or the one kept, named after where it now lies.
    std::optional<Recording> proof;
    if (draft.proof)
        proof = bot::proof_for(*draft.proof, saved.number, file);
    else if (replace >= 0 && pack.levels[static_cast<std::size_t>(replace)].proof)
        proof = pack.levels[static_cast<std::size_t>(replace)].proof;
    if (proof) {
        if (const Result<void> holds = bot::proof_holds(*proof, draft.bytes, file); !holds.ok()) {
            saved.unproved = holds.problem().text;
            proof.reset();
        }
    } else {
        saved.unproved = no_proof;
    }

    if (Result<void> written = write(in(pack_path, file), draft.bytes); !written.ok())
        return written.problem();
    const QString proof_path = in(pack_path, proof_file(saved.number));
    if (Result<void> kept = proof ? write(proof_path, render(*proof)) : remove(proof_path); !kept.ok())
        return kept.problem();
    PackLevel level;
    level.name = draft.name;
    level.hint = draft.hint;
    if (replace < 0)
        pack.levels.push_back(level);
    else
        pack.levels[static_cast<std::size_t>(replace)] = level;
    if (Result<void> indexed = write_index(pack); !indexed.ok())
        return indexed.problem();
    return saved;
}

Result<void> delete_level(const QString& pack_path, int number)
{
    Result<Pack> read = read_pack(pack_path);
    if (!read.ok())
        return read.problem();
    Pack& pack = read.value();
    const int count = static_cast<int>(pack.levels.size());
    if (number < 0 || number >= count)
        return problem(Problem::Kind::refused, "the pack has no " + level_file(number));
    // Each later level moves down one, its proof renamed with it.
    for (int to = number; to + 1 < count; ++to) {
        const PackLevel& from = pack.levels[static_cast<std::size_t>(to + 1)];
        if (Result<void> moved = write(in(pack_path, level_file(to)), from.bytes); !moved.ok())
            return moved;
        const QString proof_path = in(pack_path, proof_file(to));
        const Result<void> proof = from.proof ? write(proof_path, render(bot::proof_for(*from.proof, to, level_file(to))))
                                              : remove(proof_path);
        if (!proof.ok())
            return proof;
    }
    for (const std::string& last : {level_file(count - 1), proof_file(count - 1)})
        if (Result<void> removed = remove(in(pack_path, last)); !removed.ok())
            return removed;
    pack.levels.erase(pack.levels.begin() + number);
    return write_index(pack);
}

Result<std::string> export_pack(const QString& pack_path)
{
    const Result<std::optional<std::string>> index = read_optional(in(pack_path, std::string(index_file)), max_index_bytes);
    if (!index.ok())
        return with_file(std::string(index_file), index.problem());
    if (!index.value())
        return problem(Problem::Kind::missing, local(pack_path) + ": not a pack (no levels.txt)");
    PackContents contents;
    contents.index = *index.value();
    for (int number = 0; number < count_levels(pack_path); ++number) {
        const Result<std::optional<std::string>> level = read_optional(in(pack_path, level_file(number)), max_level_bytes);
        if (!level.ok() || !level.value())
            return with_file(level_file(number), level.ok() ? problem(Problem::Kind::missing, "gone") : level.problem());
        const Result<std::optional<std::string>> proof = read_optional(in(pack_path, proof_file(number)), max_proof_bytes);
        if (!proof.ok())
            return with_file(proof_file(number), proof.problem());
        contents.levels.push_back({*level.value(), proof.value()});
    }
    // Only what an import takes: the player hears now, not the friend later.
    std::string archive = render_archive(contents);
    if (const Result<PackContents> checked = parse_archive(archive); !checked.ok())
        return checked.problem();
    return archive;
}

Result<void> export_pack_file(const QString& pack_path, const QString& archive_path)
{
    const Result<std::string> archive = export_pack(pack_path);
    if (!archive.ok())
        return archive.problem();
    Result<void> written = replace_file(archive_path, archive.value(), Links::follow);
    if (!written.ok()) {
        Problem failed = written.problem();
        failed.text = local(archive_path) + ": " + failed.text;
        return failed;
    }
    return {};
}

Result<Imported> import_pack(const QString& data_folder, std::string_view archive)
{
    Result<PackContents> parsed = parse_archive(archive);
    if (!parsed.ok())
        return parsed.problem();
    PackContents& contents = parsed.value();
    const std::string given = pack_name(contents.index).value_or("Imported pack");
    const std::string name = unused_name(data_folder, given);
    if (name != given) {
        // The index's first line names the pack: a second copy gets a name of its own.
        const std::size_t end = contents.index.find('\n');
        const bool named = pack_name(contents.index).has_value();
        contents.index = render_index(name, {})
            + (named && end != std::string::npos ? contents.index.substr(end + 1) : contents.index);
    }
    const Result<QString> folder = new_folder(data_folder, name);
    if (!folder.ok())
        return folder.problem();
    const QString path = QDir(packs_folder(data_folder)).filePath(folder.value());
    // Names made here from numbers, never taken from the file.
    std::vector<QString> written;
    const auto put = [&](const std::string& file, const std::string& bytes) {
        written.push_back(in(path, file));
        return write(written.back(), bytes);
    };
    Imported imported;
    Result<void> done = put(std::string(index_file), contents.index);
    for (std::size_t i = 0; i < contents.levels.size() && done.ok(); ++i) {
        const int number = static_cast<int>(i);
        const ArchiveLevel& level = contents.levels[i];
        done = put(level_file(number), level.bytes);
        if (done.ok() && level.proof)
            done = put(proof_file(number), *level.proof);
        std::optional<Recording> proof;
        if (const std::string why = proof_state(level.proof, level.bytes, level_file(number), proof);
            done.ok() && !why.empty())
            imported.unproved.push_back(why == no_proof ? level_file(number) + ": " + why : why);
    }
    if (!done.ok()) {
        for (const QString& file : written)
            QFile::remove(file);
        QDir().rmdir(path);
        return done.problem();
    }
    imported.pack = summary_of(path, contents.index, static_cast<int>(contents.levels.size()));
    return imported;
}

Result<Imported> import_pack_file(const QString& data_folder, const QString& archive_path)
{
    const Result<std::string> read = read_regular_file(local(archive_path), max_archive_bytes + 1);
    if (!read.ok())
        return with_file(local(archive_path), read.problem());
    Result<Imported> imported = import_pack(data_folder, read.value());
    if (!imported.ok())
        return with_file(local(archive_path), imported.problem());
    return imported;
}

}  // namespace wd::packs
