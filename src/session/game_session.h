#pragma once
// One game from start to end: the board, the clock and the flow of play around
// the rules. The rules only step and say what happened; this decides what
// follows (a level's card, a cleared moment, the next level, a capture, the
// game over) and keeps the table. No widgets: the window shows it and forwards
// the player's keys, and the game-over dialogs are the window's.

#include "game/board.h"
#include "game/level_index.h"
#include "recording/recording_store.h"
#include "recording/recording.h"
#include "scores/hsc_table.h"
#include "scores/pending_save.h"
#include "scores/table_keeper.h"
#include "stats/statistics_file.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

namespace wd {

class GameSession : public QObject {
    Q_OBJECT

public:
    enum class State {
        ready,      // the level's card is up and the clock stopped, until the first move
        playing,
        paused,
        cleared,    // the level's last cat caught: a moment before the next level
        caught,     // the mouse and a cat met: a moment before the game over
        game_over,  // the window's dialogs are open
    };

    enum class Ending { caught, all_cleared, next_level_failed };

    struct GameOver {
        Ending ending = Ending::caught;
        int score = 0;
        QString level;  // as the player reads it: "level 5" or a file name
        std::optional<hsc::Slot> beaten;  // the entry the score takes, if any
        bool practice = false;            // never ranked
    };

    struct Timing {
        int tick_ms = 400;
        int cleared_ms = 1000;
        int caught_ms = 700;
    };

    // Where a data file of this name is read from.
    using Locate = std::function<QString(const QString&)>;

    explicit GameSession(const QString& table_path, Locate locate = {}, QObject* parent = nullptr);

    Board& board() { return state_board; }
    const Board& board() const { return state_board; }
    State state() const { return flow; }
    bool paused() const { return flow == State::paused; }
    // A level is being played: on its card, running or paused, not in a moment or over.
    bool in_play() const { return flow == State::ready || flow == State::playing || flow == State::paused; }
    void set_timing(const Timing& timing) { times = timing; }
    QTimer& game_clock() { return clock; }
    // Scripted runs start every level at once, without waiting for a key.
    void set_wait_for_player(bool wait) { wait_for_player = wait; }

    // Loads the table and level 1, then the level named on the command line.
    // The loader's problem when one cannot be played.
    Result<void> start(const QString& level_argument);

    // What the player reads about the level in play.
    QString level_title() const;  // "Level 3 · Cheese fence" or a file's name
    QString level_hint() const;
    QString level_label() const;  // "3", or the file's name when not a pack level
    bool pack_level() const { return numbered; }
    // No cat of this level can be caught any more, whatever the player does.
    bool stuck() const { return level_stuck; }
    // The last level was cleared: the game was won.
    bool won() const { return game_won; }
    int cheese_total() const { return level_cheese; }
    // The score the level in play began with: what F5 or a continued game starts from.
    int level_start_score() const { return level_entry_score; }
    int cheese_eaten() const { return level_eaten; }
    // Where the mouse and a cat met, while that is shown.
    Cell meeting() const { return meeting_cell; }

    // A move key: starts play from the card, then moves.
    void move(int dx, int dy);
    void timer_proc();
    // P, Pause, Escape: from the card it starts play; a cleared moment ends early.
    void toggle_pause();
    void lose_focus();
    // A box of the player's (help, scores) opens over play and closes again;
    // play it paused comes back to the level's card.
    void box_opened();
    void box_closed();
    bool box_open() const { return boxes_open > 0; }
    void new_game();
    void restart_level();
    // Practice only: play goes back two seconds (five ticks) within the level
    // in play, by playing the game's recording again up to there, and waits
    // paused. False when there is nothing to go back to.
    bool rewind();
    // A ranked game left in play at an earlier quit goes on from the start of
    // the level it was left on, with the score it began that level with, as
    // F5 would restart it; its recording goes on. Only on the first level's
    // card of a fresh game. The problem, saying why, when it cannot be played again.
    Result<void> continue_game(const Recording& left);
    bool fresh() const { return flow == State::ready && record.steps.size() == 1 && !in_practice(); }
    static constexpr int rewind_ticks = 5;
    // A practice game from this pack level (0 is the first) with a score of
    // 0, never ranked. The loader's problem when it cannot load; the game in
    // play then goes on.
    Result<void> start_practice(int level);
    bool in_practice() const { return practice_from >= 0; }
    // The pack's names and hints.
    const LevelIndex& level_index() const { return index; }
    // Where this session reads a level or the index of this name from.
    QString locate_file(const QString& name) const { return locate(name); }
    // Plays another pack: its levels and index found by `where`, from its
    // first level, in practice games, so the table and the counts stay the
    // shipped pack's. An empty `where` is the shipped pack again, in a fresh
    // ranked game. The loader's problem when its first level cannot be
    // played; the game in play then goes on.
    Result<void> play_pack(Locate where);
    bool own_pack() const { return playing_own_pack; }
    // Test-play: a practice game of this one level file, ended (won) by its
    // clearing, with no next level.
    Result<void> start_trial(const QString& level_file, const QString& name, const QString& hint);
    // The level in play from its last start as a recording of its own: the
    // record a clear offers, and a won test-play's proof.
    Recording level_recording() const;

    // A session driven by a recording instead of the clock and the player: it
    // never runs a clock or a moment of its own, keeps no table and records
    // nothing. Each recorded level begins with drive_level(); the recorded
    // moves and ticks are move() and timer_proc().
    void set_driven() { driven = true; }
    Result<void> drive_level(const Recording::Step& level, const std::string& bytes);

    // Every game is recorded as it is played; with a store, each one that ends
    // is kept as the last game, and one that makes the table with its entry.
    const Recording& recording() const { return record; }
    void keep_recordings_in(RecordingStore* store) { recordings = store; }

    // Each level cleared in this run offers its recording as a record; what
    // the last clear beat, shown on its cleared card.
    const RecordNews& record_news() const { return news; }
    // What every game counts (games, clears, cats, cheese, time, each pack
    // level's attempts and clears), saved at each game's end and at quit.
    void keep_statistics_in(StatisticsFile* file) { statistics = file; }

    // The game-over dialogs' side: the table as it stands, what it could not
    // save, the name for the beaten entry, and the choice. The window opens
    // them once the step that ended the game has returned (a queued
    // gameOver), and they answer with these commands.
    const char* table_text() const { return scores.table().c_str(); }
    // The entry still waiting for another game's lock, if any.
    hsc::PendingSave& pending_save() { return scores.pending_save(); }
    const QString& table_path() const { return scores.path(); }
    void reload_table();
    // The entry made this run, if any: its line in the table as it stands now.
    std::optional<int> own_entry_index() const { return scores.own_entry_index(); }
    QString last_name() const { return QString::fromStdString(scores.last_name()); }
    // The ended game's score takes an entry: the name is still to come.
    bool awaiting_name() const { return flow == State::game_over && beaten_slot.has_value(); }
    void enter_name(const QString& typed);
    void play_again();
    void resume_after_box();  // the box closed without a choice
    // The program is ending, by any means. A game that has ended but is not
    // ranked yet (the meeting still marked, the last level's cleared card, the
    // name not yet asked) is ranked now under `name`; then what the table
    // still lacks is saved, or left waiting beside it. Says nothing more.
    void end_program(const QString& name);
    // A ranked game with points would be thrown away by quitting now.
    bool quit_loses_points() const;

signals:
    // After every rule step and every level load, with what the step did.
    void stepped(const wd::Events& events);
    void stateChanged(wd::GameSession::State state);
    void gameOver(const wd::GameSession::GameOver& over);
    // A level to start over with cannot be loaded any more: the program ends.
    void cannotContinue(const QString& message);
    // A pack level has begun (0 is the first).
    void levelReached(int level);
    // Any level has begun, from its start: what was shown of the one before goes.
    void levelBegun();

private:
    void set_state(State next);
    void read_index();
    void after_step(const Board::Step& step);
    void begin_level();
    void end_moment();
    void end_game(Ending ending);
    bool start_over(int score, bool pack_level, const std::function<Result<void>()>& load);
    void begin_recording(Recording::Mode mode);
    void finish_recording(Recording::Ending ending);
    // What this run counts, or nothing for a driven session, another pack's
    // game or a test-play (their level numbers are not the shipped ones) or none kept.
    Statistics* counts()
    {
        return statistics && !driven && !playing_own_pack && !single_level ? &statistics->unsaved() : nullptr;
    }
    void count_move();
    void count_clear();
    // How the game ends once the cleared moment is over, if it does.
    std::optional<Ending> ending_after_cleared() const;

    Board state_board;
    State flow = State::ready;
    Timing times;
    bool wait_for_player = true;
    QTimer clock;
    QTimer moment;
    Locate locate;
    Locate shipped_locate;  // the pack the game ranks
    bool playing_own_pack = false;
    bool single_level = false;  // test-play: a clear wins
    QString trial_name, trial_hint;  // its card's, as the editor has them
    LevelIndex index;

    bool numbered = true;  // the level is a pack level, not a named file
    int level_entry_score = 0;
    int level_cheese = 0;
    int level_eaten = 0;
    Cell meeting_cell;
    bool paused_by_box = false;
    int boxes_open = 0;
    bool game_won = false;
    bool level_stuck = false;
    std::optional<hsc::Slot> beaten_slot;  // the entry the ended game may take

    hsc::TableKeeper scores;
    int practice_from = -1;  // the level a practice game started at, or -1 in a ranked game
    bool ending_program = false;  // nobody is left to answer the game-over dialogs
    bool driven = false;
    Recording record;
    Recording::Begin next_begin = Recording::Begin::start;  // how the level about to begin came
    bool record_open = false;  // a game is being recorded and not yet kept
    RecordingStore* recordings = nullptr;
    GlibcRandom::State level_random;  // the random source where the level in play began
    std::size_t level_step = 0;       // its first step in the recording
    RecordNews news;
    StatisticsFile* statistics = nullptr;
    bool game_moved = false;   // counted as a game played
    bool level_moved = false;  // counted as an attempt
};

}  // namespace wd
