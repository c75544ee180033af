#pragma once
// The player's own levels in the game's window: Game > Play a pack and
// Game > Edit levels open the packs; the editor takes the board's place, its
// test-play runs on the board, and a level is saved into a pack of the
// player's with its proof: a won test-play, or a win the bot found.
#include "recording/recording.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <cstdint>
#include <functional>
#include <optional>

class QByteArray;

namespace wd {

class GameWindow;
class LevelEditor;
class MainWidget;

class EditorRoom : public QObject {
    Q_OBJECT

public:
    EditorRoom(GameWindow& window, MainWidget& board);
    ~EditorRoom() override;
    // The packs, to play one (`editing` false) or to open a level in the editor.
    void open_packs(bool editing);
    // Imports a pack file given on the command line, in the packs' dialog.
    void import_file(const QString& path);
    bool editing() const;
    // A drawing with changes is saved or thrown away as the player says
    // before the editor goes (Back, or the window closing); false to stay.
    bool changes_settled();
    LevelEditor* editor() const { return page; }
    // Where this run keeps the player's packs.
    static QString data_folder();

private:
    void edit(const QString& pack, int level);
    void show_editor();
    void leave_editor();
    void test_play(const QByteArray& bytes, const QString& name, const QString& hint);
    void test_play_ended(const std::optional<Recording>& won);
    void save(const QByteArray& bytes, const QString& name, const QString& hint);
    void prove(const QByteArray& bytes);
    void play_pack(const QString& pack);
    void say(const QString& text);
    // A win on these bytes, if one is known.
    std::optional<Recording> proof_for(const QByteArray& bytes) const;
    GameWindow& window;
    MainWidget& board;
    LevelEditor* page = nullptr;
    QString pack;     // the player's pack the level is saved into; empty: asked at the first save
    int number = -1;  // its place there; -1 until saved
    QString last_pack;  // shown first when the packs open again
    std::optional<Recording> proof;
    std::uint64_t proof_hash = 0;
    QPointer<QThread> proving;           // the bot at work, if it is
    std::function<void()> stop_proving;  // asks it to stop after the game it plays
};

}  // namespace wd
