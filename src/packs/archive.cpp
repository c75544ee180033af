#include "archive.h"

#include "files/lines.h"
#include "game/level.h"

#include <charconv>
#include <cstdio>
#include <map>

namespace wd::packs {

namespace {

constexpr std::string_view pack_line_start = "# pack\t";

std::string numbered(int number, const char* extension)
{
    char name[32];
    std::snprintf(name, sizeof name, "level%03d.%s", number, extension);
    return name;
}

// Tabs and line breaks would split an index line: they become spaces.
std::string one_field(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    return out;
}

// A hostile name shown in a message: printable, and short.
std::string shown(std::string_view name)
{
    std::string out;
    for (const char c : name.substr(0, 60))
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return "\"" + out + (name.size() > 60 ? "...\"" : "\"");
}

// The level number of "levelNNN.lvx" or "levelNNN.proof", or -1 for any other name.
int level_number(std::string_view name, std::string_view extension)
{
    if (name.size() != 8 + extension.size() || name.substr(0, 5) != "level" || name.substr(8) != extension)
        return -1;
    int number = 0;
    for (const char c : name.substr(5, 3)) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

std::string level_file(int number) { return numbered(number, "lvx"); }
std::string proof_file(int number) { return numbered(number, "proof"); }

std::string clean_name(std::string_view name)
{
    std::string out;
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)
            out += c;
    if (out.size() > max_name_bytes) {
        std::size_t end = max_name_bytes;
        while (end > 0 && (static_cast<unsigned char>(out[end]) & 0xC0) == 0x80)
            --end;  // never half a UTF-8 character
        out.resize(end);
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(' ') + 1 - first);
}

std::string render_index(std::string_view pack_name, const std::vector<IndexEntry>& levels)
{
    std::string text = std::string(pack_line_start) + clean_name(pack_name) + '\n';
    for (std::size_t i = 0; i < levels.size(); ++i)
        text += level_file(static_cast<int>(i)) + '\t' + one_field(levels[i].name) + '\t' + one_field(levels[i].hint)
            + '\n';
    return text;
}

std::optional<std::string> pack_name(std::string_view index)
{
    const std::vector<std::string_view> lines = lines_of(index.substr(0, index.find('\n') + 1));
    if (lines.empty() || !lines.front().starts_with(pack_line_start))
        return std::nullopt;
    std::string name = clean_name(lines.front().substr(pack_line_start.size()));
    if (name.empty())
        return std::nullopt;
    return name;
}

std::string render_archive(const PackContents& pack)
{
    std::string text = std::string(archive_first_line) + '\n';
    const auto add = [&text](const std::string& name, const std::string& bytes) {
        text += "file " + name + ' ' + std::to_string(bytes.size()) + '\n' + bytes + '\n';
    };
    add(std::string(index_file), pack.index);
    for (std::size_t i = 0; i < pack.levels.size(); ++i) {
        add(level_file(static_cast<int>(i)), pack.levels[i].bytes);
        if (pack.levels[i].proof)
            add(proof_file(static_cast<int>(i)), *pack.levels[i].proof);
    }
    return text + "end\n";
}

Result<PackContents> parse_archive(std::string_view bytes)
{
    const auto fail = [](Problem::Kind kind, const std::string& what) { return Problem{kind, 0, what}; };
    if (bytes.size() > max_archive_bytes)
        return fail(Problem::Kind::refused, "larger than any pack (" + std::to_string(max_archive_bytes >> 20)
                                                + " MiB at most)");
    const std::size_t first_end = bytes.find('\n');
    const std::string_view first = bytes.substr(0, first_end);
    if (first_end == std::string_view::npos || first != archive_first_line) {
        if (first.starts_with("whiskerdash pack "))
            return fail(Problem::Kind::refused, "a pack of another format (" + shown(first) + "), this game reads "
                                                    + std::string(archive_first_line));
        return fail(Problem::Kind::damaged, "not a Whiskerdash pack");
    }
    std::optional<std::string> index;
    std::map<int, std::string> levels;
    std::map<int, std::string> proofs;
    std::size_t at = first_end + 1;
    for (int entry = 1;; ++entry) {
        const std::size_t line_end = bytes.find('\n', at);
        if (line_end == std::string_view::npos)
            return fail(Problem::Kind::damaged, "cut off before its end line");
        const std::string_view line = bytes.substr(at, line_end - at);
        at = line_end + 1;
        if (line == "end") {
            if (at != bytes.size())
                return fail(Problem::Kind::damaged, "bytes after its end line");
            break;
        }
        const std::string where = "entry " + std::to_string(entry);
        const std::size_t space = line.rfind(' ');
        if (!line.starts_with("file ") || space < 5)
            return fail(Problem::Kind::damaged, where + ": not a file entry: " + shown(line));
        const std::string_view name = line.substr(5, space - 5);
        const std::string_view size_text = line.substr(space + 1);
        std::size_t size = 0;
        const auto [size_end, size_error] = std::from_chars(size_text.data(), size_text.data() + size_text.size(), size);
        if (size_text.empty() || size_error != std::errc() || size_end != size_text.data() + size_text.size())
            return fail(Problem::Kind::damaged, where + " (" + shown(name) + "): no length");
        const int level = level_number(name, ".lvx");
        const int proof = level_number(name, ".proof");
        if (name != index_file && level < 0 && proof < 0)
            return fail(Problem::Kind::refused, where + ": " + shown(name)
                                                    + " is not a file a pack holds (levels.txt, levelNNN.lvx, levelNNN.proof)");
        const std::string file(name);
        const std::size_t limit = level >= 0 ? max_level_bytes : proof >= 0 ? max_proof_bytes : max_index_bytes;
        if (size > limit)
            return fail(Problem::Kind::refused, file + ": " + std::to_string(size) + " bytes, more than it may hold ("
                                                    + std::to_string(limit) + ")");
        if (bytes.size() - at < size + 1 || bytes[at + size] != '\n')
            return fail(Problem::Kind::damaged, file + ": cut off or longer than its length says");
        std::string content(bytes.substr(at, size));
        at += size + 1;
        const bool again = level >= 0 ? levels.contains(level) : proof >= 0 ? proofs.contains(proof) : index.has_value();
        if (again)
            return fail(Problem::Kind::damaged, file + ": given twice");
        if (level >= 0) {
            if (const std::vector<LevelProblem> problems = level_problems(content); !problems.empty())
                return fail(Problem::Kind::refused, "not a level the game plays: " + describe(file, problems.front()));
            levels.emplace(level, std::move(content));
        } else if (proof >= 0) {
            proofs.emplace(proof, std::move(content));
        } else {
            index = std::move(content);
        }
    }
    if (!index)
        return fail(Problem::Kind::damaged, "no levels.txt");
    if (levels.empty())
        return fail(Problem::Kind::damaged, "no levels");
    PackContents pack;
    pack.index = std::move(*index);
    // Numbered from 000 without a gap: the game stops at the first missing file.
    for (auto& [number, level] : levels) {
        if (number != static_cast<int>(pack.levels.size()))
            return fail(Problem::Kind::damaged, level_file(static_cast<int>(pack.levels.size())) + " is missing before "
                                                    + level_file(number));
        pack.levels.push_back({std::move(level), std::nullopt});
    }
    for (auto& [number, proof] : proofs) {
        if (number >= static_cast<int>(pack.levels.size()))
            return fail(Problem::Kind::damaged, proof_file(number) + ": a proof without its level");
        pack.levels[static_cast<std::size_t>(number)].proof = std::move(proof);
    }
    return pack;
}

}  // namespace wd::packs
