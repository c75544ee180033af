#include "waiting_entries.h"

#include "hsc_table.h"

#include "files/lines.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <unistd.h>

namespace wd::hsc {

namespace {

constexpr std::string_view first_line = "whiskerdash waiting entries 1\n";
constexpr std::size_t max_entries = 100;  // a game adds one per game over

QString prefix_of(const QString& target)
{
    return QFileInfo(target).fileName() + QStringLiteral(".waiting-");
}

// "<pid>-<n>", digits only: anything else beside the table is not ours.
bool ours(QStringView rest)
{
    const qsizetype dash = rest.indexOf(QLatin1Char('-'));
    if (dash <= 0 || dash + 1 == rest.size())
        return false;
    for (qsizetype i = 0; i < rest.size(); ++i)
        if (i != dash && !rest[i].isDigit())
            return false;
    return true;
}

}  // namespace

std::string waiting_text(const std::vector<WaitingEntry>& entries)
{
    std::string text(first_line);
    for (const WaitingEntry& entry : entries)
        text += std::to_string(entry.score) + ' ' + entry.name + '\n';
    return text;
}

std::optional<std::vector<WaitingEntry>> parse_waiting(std::string_view bytes)
{
    if (!bytes.starts_with(first_line) || !bytes.ends_with('\n'))
        return std::nullopt;
    bytes.remove_prefix(first_line.size());
    std::vector<WaitingEntry> entries;
    for (const std::string_view line : lines_of(bytes)) {
        if (entries.size() == max_entries)
            return std::nullopt;
        WaitingEntry entry;
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), entry.score);
        const std::size_t digits = static_cast<std::size_t>(end - line.data());
        if (error != std::errc() || entry.score < 0 || digits == 0 || line.substr(0, 1) == "+"
            || digits >= line.size() || line[digits] != ' ')
            return std::nullopt;
        entry.name = line.substr(digits + 1);
        // Only what the game itself would store: a table line stays a table line.
        if (clean_name(entry.name) != entry.name)
            return std::nullopt;
        entries.push_back(std::move(entry));
    }
    return entries;
}

QStringList waiting_files(const QString& target)
{
    const QFileInfo table(target);
    const QString prefix = prefix_of(target);
    QStringList found;
    for (const QString& name :
         QDir(table.absolutePath()).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name))
        if (ours(QStringView(name).mid(prefix.size())))
            found << table.absoluteDir().filePath(name);
    return found;
}

QString new_waiting_file(const QString& target)
{
    // The time keeps a later game that gets the same process id from this name.
    return QFileInfo(target).absoluteDir().filePath(
        prefix_of(target) + QStringLiteral("%1-%2").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace wd::hsc
