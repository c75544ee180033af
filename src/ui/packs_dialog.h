#pragma once
// Game > Play a pack and Game > Edit levels: the shipped pack and the
// player's own, each with its levels drawn small and whether each is proved;
// from here a pack is played, a level opened in the editor, and packs made,
// imported and exported.
#include "files/problem.h"
#include "recording/recording.h"
#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace wd {

class PacksDialog : public QDialog {
    Q_OBJECT

public:
    struct Choice {
        enum class What { play, edit, new_level, watch_proof } what = What::play;
        QString pack;    // the pack's folder; empty for the shipped pack
        int level = -1;  // the level to edit
    };
    // `data_folder` holds packs/; `editing` makes opening a level the default.
    // `select`: the pack to show first (the one used last).
    PacksDialog(const QString& data_folder, bool editing, const QString& select = {}, QWidget* parent = nullptr);
    const std::optional<Choice>& choice() const { return chosen; }
    QListWidget* pack_list() const { return packs; }
    QListWidget* level_list() const { return levels; }
    // Imports the archive at `path` and selects the new pack; says what came of
    // it in the dialog. False when it was refused.
    bool import_file(const QString& path);

private:
    void fill_packs(const QString& select = {});
    void show_pack();
    QString selected_pack() const;
    void choose(Choice::What what);
    void new_pack();
    void import_pack();
    void export_pack();
    void delete_level();
    QString data;
    QListWidget* packs;
    QListWidget* levels;
    QLabel* state;
    QPushButton* play;
    QPushButton* edit;
    QPushButton* add;
    QPushButton* remove;
    QPushButton* exporting;
    QPushButton* watching;
    std::optional<Choice> chosen;
};

// Reads a level of the shipped pack or of a player's pack, with its name and
// hint: for the editor to open. The problem names the file.
struct PackLevelText {
    QByteArray bytes;
    QString name;
    QString hint;
    std::optional<Recording> proof;  // one that holds on these bytes
};
Result<PackLevelText> read_pack_level(const QString& pack, int level);

// Asks the player for a new pack's name and makes the pack: its folder, or
// empty when the player gave up or it could not be made (said in a box).
QString ask_new_pack(QWidget* over, const QString& data_folder);

}  // namespace wd
