#pragma once
// The player's own packs of levels, each a folder in the data folder's
// packs/: levels.txt (the game's index, its first line naming the pack),
// level000.lvx, level001.lvx, ... in the game's format, and beside a level
// its proof, level000.proof (a recording of a game that clears it). A level is
// proved only while its proof replays to a win on its bytes as they are now.
// Every file is written whole through replace_file; nothing is written outside
// the pack's own folder.

#include "archive.h"

#include "files/problem.h"
#include "recording/recording.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace wd::packs {

struct PackSummary {
    std::string name;  // the player's name for it
    QString folder;    // its folder's name in packs/
    QString path;      // where the game finds its levels and index
    int levels = 0;
};

struct PackLevel {
    std::string file;  // level000.lvx
    std::string name;
    std::string hint;
    std::string bytes;
    std::optional<Recording> proof;  // only a proof that holds
    std::string unproved;            // "not proved yet", or why after a file's name; empty when proved
    bool proved() const { return proof.has_value(); }
};

struct Pack {
    PackSummary summary;
    std::vector<PackLevel> levels;
};

// <data folder>/packs
QString packs_folder(const QString& data_folder);
// The packs there, by folder; folders without a levels.txt are not packs, and
// a link to a folder elsewhere is not followed.
std::vector<PackSummary> list_packs(const QString& data_folder);
// A new empty pack under a folder named after it ("My pack" in my-pack, or
// my-pack-2 when that is taken).
Result<PackSummary> create_pack(const QString& data_folder, const std::string& name);
// The pack's index, levels and each proof's state. A level file that cannot
// be read is a problem: the pack is then not one the game can play through.
Result<Pack> read_pack(const QString& pack_path);

struct LevelDraft {
    std::string bytes;
    std::string name;
    std::string hint;
    std::optional<Recording> proof;  // a win on these bytes, from the bot or the player
};

struct SavedLevel {
    int number = 0;
    std::string unproved;  // why the level is not proved; empty when it is
};

// Saves the level as a new last one (replace < 0) or over level `replace`.
// Bytes the game refuses are not saved (Kind::refused, naming the cell). A
// proof that does not hold is not kept, and the level is saved unproved; with
// no proof given, the proof already there is kept only while it still holds.
Result<SavedLevel> save_level(const QString& pack_path, const LevelDraft& draft, int replace = -1);
// Removes level `number`; the ones after it move down one, with their proofs.
Result<void> delete_level(const QString& pack_path, int number);

// The pack as one .wdpack file's bytes.
Result<std::string> export_pack(const QString& pack_path);
Result<void> export_pack_file(const QString& pack_path, const QString& archive_path);

struct Imported {
    PackSummary pack;
    std::vector<std::string> unproved;  // "level003.lvx: why", for each level imported unproved
};

// A new pack from an archive's bytes, in a folder of its own: a damaged or
// hostile archive is refused whole, before anything is written.
Result<Imported> import_pack(const QString& data_folder, std::string_view archive);
Result<Imported> import_pack_file(const QString& data_folder, const QString& archive_path);

}  // namespace wd::packs
