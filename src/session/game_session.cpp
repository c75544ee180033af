#include "game_session.h"

#include "files/player_notices.h"
#include "files/tell.h"

#include "files/regular_file.h"
#include "game/dead_end.h"
#include "recording/replay.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace wd {

namespace {
constexpr std::size_t index_cap = 256 * 1024;  // a pack's names and hints take a few kilobytes

void warn(const QString& text)
{
    tell_stderr(text.toStdString());
}

int count_cheese(const Board& b)
{
    int count = 0;
    for (int y = 0; y < b.board_height; ++y)
        for (int x = 0; x < grid_cols && b.board[y][x]; ++x)
            count += b.board[y][x] == 'K';
    return count;
}
}  // namespace

GameSession::GameSession(const QString& table_path, Locate locate_file, QObject* parent)
    : QObject(parent)
    , locate(locate_file ? std::move(locate_file) : [](const QString& name) { return name; })
    , shipped_locate(locate)
    , scores(table_path, [](const QString& text) { player_notices::tell(text); })
{
    state_board.locate = [this](const std::string& name) {
        return QFile::encodeName(locate(QString::fromStdString(name))).toStdString();
    };
    clock.setTimerType(Qt::PreciseTimer);
    connect(&clock, &QTimer::timeout, this, &GameSession::timer_proc);
    moment.setSingleShot(true);
    connect(&moment, &QTimer::timeout, this, &GameSession::end_moment);
}

Result<void> GameSession::start(const QString& level_argument)
{
    reload_table();
    read_index();
    Result<void> result = state_board.load_numbered_level(0);
    if (result.ok() && !level_argument.isEmpty()) {
        result = state_board.load_level(QFile::encodeName(level_argument).toStdString());
        numbered = false;
    }
    if (!result.ok())
        return result;
    begin_recording(Recording::Mode::ranked);
    begin_level();
    return {};
}

void GameSession::read_index()
{
    index = {};
    const QString index_path = locate(QStringLiteral("levels.txt"));
    const Result<std::string> pack = read_regular_file(QFile::encodeName(index_path).toStdString(), index_cap);
    if (pack.ok())
        index = LevelIndex::parse(pack.value());
    else if (pack.problem().kind != Problem::Kind::missing)  // a pack without an index is fine; one that cannot be read is told
        player_notices::tell(QStringLiteral("%1: %2; the levels go without their names")
                         .arg(index_path, QString::fromStdString(pack.problem().text)));
}

Result<void> GameSession::play_pack(Locate where)
{
    if (!in_play())
        return Problem{Problem::Kind::refused, 0, {}};
    const Locate before = locate;
    const bool own_before = playing_own_pack;
    playing_own_pack = static_cast<bool>(where);
    locate = playing_own_pack ? std::move(where) : shipped_locate;
    read_index();
    const Result<void> started = playing_own_pack ? start_practice(0) : [this]() -> Result<void> {
        new_game();
        return {};
    }();
    if (!started.ok()) {
        locate = before;
        playing_own_pack = own_before;
        read_index();
    }
    return started;
}

Result<void> GameSession::start_trial(const QString& level_file, const QString& name, const QString& hint)
{
    trial_name = name;
    trial_hint = hint;
    if (Result<void> result = state_board.load_level(QFile::encodeName(level_file).toStdString()); !result.ok())
        return result;
    state_board.score = 0;
    single_level = true;
    practice_from = 0;
    numbered = false;
    begin_recording(Recording::Mode::practice);
    begin_level();
    return {};
}

Result<void> GameSession::drive_level(const Recording::Step& level, const std::string& bytes)
{
    if (Result<void> result = state_board.load_bytes(bytes, level.file); !result.ok())
        return result;
    state_board.level_number = level.number;
    state_board.score = level.score;
    numbered = level.number >= 0;
    wait_for_player = false;
    begin_level();
    return {};
}

void GameSession::begin_recording(Recording::Mode mode)
{
    if (driven)
        return;
    if (record_open)
        finish_recording(Recording::Ending::left);  // the game before it was left unfinished
    record = {};
    record.mode = mode;
    next_begin = Recording::Begin::start;
    if (const GlibcRandom* random = state_board.own_random())
        record.random = random->state_now();
    record_open = true;
    game_moved = false;
}

void GameSession::finish_recording(Recording::Ending ending)
{
    if (!std::exchange(record_open, false))
        return;
    record.ending = ending;
    record.score = state_board.score;
    if (recordings)
        recordings->keep_last(record);
    if (statistics && !driven)
        statistics->save(0);  // another game holding the file: the next end or the quit saves it
}

QString GameSession::level_label() const
{
    if (numbered)
        return QString::number(state_board.level_number + 1);
    if (single_level && !trial_name.isEmpty())
        return trial_name;  // the drawing's name, not the file test-play reads it from
    return QFileInfo(QFile::decodeName(state_board.level_source.c_str())).fileName();
}

QString GameSession::level_title() const
{
    if (single_level && !trial_name.isEmpty())
        return trial_name;
    if (!numbered)
        return level_label();
    const LevelInfo* info = index.find(Board::level_file_name(state_board.level_number));
    const QString name = info ? QCoreApplication::translate("Levels", info->name.c_str())
                              : QString::fromStdString(Board::level_file_name(state_board.level_number));
    return tr("Level %1 · %2", "number and name").arg(level_label(), name);
}

QString GameSession::level_hint() const
{
    if (single_level)
        return trial_hint;
    const LevelInfo* info = numbered ? index.find(Board::level_file_name(state_board.level_number)) : nullptr;
    return info ? QCoreApplication::translate("Levels", info->hint.c_str()) : QString();
}

void GameSession::set_state(State next)
{
    flow = next;
    moment.stop();
    if (next == State::playing && !driven)
        clock.start(times.tick_ms);  // a fresh interval: no tick the moment play starts
    else
        clock.stop();
    emit stateChanged(next);
}

void GameSession::begin_level()
{
    level_entry_score = state_board.score;
    level_cheese = count_cheese(state_board);
    level_eaten = 0;
    game_won = false;
    level_stuck = false;  // told once the player's pushes leave no way
    set_state(wait_for_player ? State::ready : State::playing);
    record.add_level(std::exchange(next_begin, Recording::Begin::restart), numbered ? state_board.level_number : -1, state_board.level_hash, state_board.score,
                     numbered ? Board::level_file_name(state_board.level_number)
                              : QFile::encodeName(QFileInfo(QFile::decodeName(state_board.level_source.c_str()))
                                                      .absoluteFilePath())
                                    .toStdString());
    level_step = record.steps.size() - 1;
    if (const GlibcRandom* random = state_board.own_random())
        level_random = random->state_now();
    level_moved = false;
    news = {};
    emit levelBegun();
    if (numbered)
        emit levelReached(state_board.level_number);
    emit stepped(state_board.take_events());
}

void GameSession::count_move()
{
    Statistics* tally = counts();
    if (!tally)
        return;
    tally->games += !std::exchange(game_moved, true);
    if (numbered)
        tally->levels[state_board.level_number].attempts += !std::exchange(level_moved, true);
}

// The cleared level's counts, and its recording from its start offered as a record.
void GameSession::count_clear()
{
    if (Statistics* tally = counts()) {
        ++tally->levels_cleared;
        if (numbered)
            ++tally->levels[state_board.level_number].clears;
    }
    if (!recordings || driven || !numbered || level_step >= record.steps.size())
        return;
    Recording level = level_recording();
    level.ending = Recording::Ending::won;  // cleared by the step being handled, before the state says so
    news = recordings->offer_record(level, level_eaten);
}

Recording GameSession::level_recording() const
{
    Recording level;
    if (level_step >= record.steps.size())
        return level;
    level.mode = Recording::Mode::practice;
    level.random = level_random;
    level.steps.assign(record.steps.begin() + std::ptrdiff_t(level_step), record.steps.end());
    level.steps.front().begin = Recording::Begin::start;
    level.steps.front().score = 0;
    level.ending = flow == State::cleared || (flow == State::game_over && game_won) ? Recording::Ending::won
                   : flow == State::caught || flow == State::game_over           ? Recording::Ending::caught
                                                                                  : Recording::Ending::left;
    level.score = state_board.score - level_entry_score;
    return level;
}

void GameSession::move(int dx, int dy)
{
    if (flow == State::ready)
        set_state(State::playing);
    if (flow != State::playing)
        return;
    record.add_move(dx, dy);
    count_move();
    after_step(state_board.step_mouse(dx, dy));
}

void GameSession::timer_proc()
{
    if (flow != State::playing)
        return;
    record.add_tick();
    if (Statistics* tally = counts())
        tally->played_ms += times.tick_ms;
    after_step(state_board.step_cats());
}

void GameSession::after_step(const Board::Step& step)
{
    const Outcome outcome = step.outcome;
    const Events& events = step.events;
    level_eaten += events.cheese_eaten;
    if (Statistics* tally = counts()) {
        tally->cheese_eaten += events.cheese_eaten;
        tally->cats_caught += events.cats_caught;
    }
    // Only a push, or cheese eaten out of a fence, changes what can still be trapped.
    if ((events.pushes > 0 || events.cheese_eaten > 0) && outcome == Outcome::playing)
        level_stuck = !can_still_clear(state_board);
    if (outcome == Outcome::caught) {
        meeting_cell = {state_board.mouse_x, state_board.mouse_y};
        set_state(State::caught);
        if (!driven)
            moment.start(times.caught_ms);
    } else if (outcome == Outcome::level_cleared) {
        count_clear();
        set_state(State::cleared);
        if (!driven)
            moment.start(times.cleared_ms);
    }
    emit stepped(events);
}

void GameSession::end_moment()
{
    if (flow == State::caught) {
        end_game(Ending::caught);
        return;
    }
    if (flow != State::cleared)
        return;
    if (single_level) {
        end_game(Ending::all_cleared);
        return;
    }
    const Board cleared = state_board;
    const AdvanceResult next = state_board.advance_level();
    const Events events = state_board.take_events();
    if (next.kind == Advance::next_level) {
        next_begin = Recording::Begin::next;
        begin_level();
        emit stepped(events);
        return;
    }
    // The cleared board stays in view behind the box.
    state_board = cleared;
    if (next.kind == Advance::next_level_failed)
        warn(QString::fromStdString(next.load.problem().text));
    emit stepped(events);
    end_game(next.kind == Advance::all_cleared ? Ending::all_cleared : Ending::next_level_failed);
}

void GameSession::toggle_pause()
{
    switch (flow) {
    case State::ready:
    case State::paused: set_state(State::playing); break;
    case State::playing: set_state(State::paused); break;
    case State::cleared: end_moment(); break;
    case State::caught:
    case State::game_over: break;
    }
}

void GameSession::lose_focus()
{
    if (flow == State::playing)
        set_state(State::paused);
}

void GameSession::box_opened()
{
    if (boxes_open++ > 0)
        return;  // a box over a box: the first one paused play
    paused_by_box = flow == State::playing;
    if (paused_by_box)
        set_state(State::paused);
}

void GameSession::box_closed()
{
    if (boxes_open == 0 || --boxes_open > 0)
        return;
    if (std::exchange(paused_by_box, false) && flow == State::paused)
        set_state(State::ready);
}

void GameSession::new_game()
{
    if (playing_own_pack) {
        (void)start_practice(0);  // another pack's games are never ranked; its first level was played before
        return;
    }
    if (in_play()) {
        practice_from = -1;
        begin_recording(Recording::Mode::ranked);
        start_over(0, true, [this] { return state_board.load_numbered_level(0); });
    }
}

Result<void> GameSession::start_practice(int level)
{
    if (!in_play())
        return Problem{Problem::Kind::refused, 0, {}};  // the selector is offered only in play
    const Board before = state_board;
    if (Result<void> result = state_board.load_numbered_level(level); !result.ok()) {
        state_board = before;
        return result;
    }
    state_board.score = 0;
    practice_from = level;
    numbered = true;
    begin_recording(Recording::Mode::practice);
    paused_by_box = false;  // the selector's box: the new level waits on its card
    begin_level();
    return {};
}

void GameSession::restart_level()
{
    if (in_play())
        start_over(level_entry_score, numbered, [this] { return state_board.load_level(state_board.level_source); });
}

bool GameSession::rewind()
{
    if (!in_practice() || !in_play() || driven || !state_board.own_random())
        return false;
    // The steps of the level in play, and how many of its ticks stay.
    std::size_t begin = record.steps.size();
    while (begin > 0 && record.steps[begin - 1].kind != Recording::Step::Kind::level)
        --begin;
    int ticks = 0;
    for (std::size_t i = begin; i < record.steps.size(); ++i)
        ticks += record.steps[i].kind == Recording::Step::Kind::tick ? record.steps[i].ticks : 0;
    if (begin == 0 || begin == record.steps.size())
        return false;
    const int keep = std::max(0, ticks - rewind_ticks);
    Recording back = record;
    back.steps.resize(begin);
    for (std::size_t i = begin, kept = 0; i < record.steps.size() && int(kept) < keep; ++i) {
        Recording::Step step = record.steps[i];
        if (step.kind == Recording::Step::Kind::tick) {
            step.ticks = std::min(step.ticks, keep - int(kept));
            kept += std::size_t(step.ticks);
        }
        back.steps.push_back(step);
    }
    Board again = state_board;
    again.trace = [](const std::string&) {};  // the levels were read and traced once already
    Outcome outcome = Outcome::playing;
    const auto read = [this](const std::string& file) {
        return read_level_file(QFileInfo(QString::fromStdString(file)).isAbsolute()
                                   ? file
                                   : QFile::encodeName(locate(QString::fromStdString(file))).toStdString());
    };
    if (!play_steps(again, back, read, outcome).ok() || outcome != Outcome::playing)
        return false;
    again.trace = state_board.trace;
    const int eaten_before = level_eaten;
    const int cats_before = state_board.cat_count;
    state_board = again;
    record = back;
    level_eaten = level_cheese - count_cheese(state_board);
    // What was undone was never done: the time spent stays played.
    if (Statistics* tally = counts()) {
        tally->cheese_eaten = std::max(0LL, tally->cheese_eaten - (eaten_before - level_eaten));
        tally->cats_caught = std::max(0LL, tally->cats_caught - (state_board.cat_count - cats_before));
    }
    level_stuck = !can_still_clear(state_board);
    set_state(State::paused);
    emit stepped(state_board.take_events());
    return true;
}

Result<void> GameSession::continue_game(const Recording& left)
{
    const Recording::Step* level = left.last_level();
    // Offered only for a ranked game with a level, on a fresh game's card.
    if (!fresh() || left.mode != Recording::Mode::ranked || !level || !state_board.own_random())
        return Problem{Problem::Kind::refused, 0, {}};
    Board again = state_board;
    again.trace = [](const std::string&) {};
    Outcome outcome = Outcome::playing;
    const auto path = [this](const std::string& file) {
        return QFileInfo(QString::fromStdString(file)).isAbsolute()
            ? file
            : QFile::encodeName(locate(QString::fromStdString(file))).toStdString();
    };
    if (const Result<void> played = play_steps(again, left, [&path](const std::string& file) {
            return read_level_file(path(file));
        }, outcome); !played.ok())
        return played;
    if (outcome == Outcome::caught)
        return Problem{Problem::Kind::refused, 0, tr("that game had ended").toStdString()};
    again.trace = state_board.trace;
    again.level_source = path(level->file);  // where this run finds it
    state_board = again;
    record = left;
    record_open = true;
    numbered = level->number >= 0;
    level_entry_score = level->score;
    practice_from = -1;
    game_moved = true;  // counted as a game when it was first played
    restart_level();
    return {};
}

void GameSession::play_again()
{
    if (flow == State::game_over) {
        begin_recording(in_practice() ? Recording::Mode::practice : Recording::Mode::ranked);
        if (single_level)
            start_over(0, false, [this] { return state_board.load_level(state_board.level_source); });
        else
            start_over(0, true, [this, level = std::max(practice_from, 0)] { return state_board.load_numbered_level(level); });
    }
}

void GameSession::resume_after_box()
{
    if (flow == State::game_over)
        set_state(State::playing);
}

// Plays a level from its start with this score. A level that can no longer be
// loaded ends the program with its message, the ended board still drawn.
bool GameSession::start_over(int score, bool pack_level, const std::function<Result<void>()>& load)
{
    const Board before = state_board;
    state_board.score = score;
    if (const Result<void> result = load(); !result.ok()) {
        state_board = before;
        set_state(State::game_over);  // nothing moves until the program ends
        emit cannotContinue(QString::fromStdString(result.problem().text));
        return false;
    }
    numbered = pack_level;
    begin_level();
    return true;
}

void GameSession::end_game(Ending ending)
{
    game_won = ending == Ending::all_cleared;
    set_state(State::game_over);
    reload_table();  // as other games in this folder may have left it
    GameOver over;
    over.ending = ending;
    over.score = state_board.score;
    over.level = numbered ? tr("level %1", "where a game ended").arg(level_label()) : level_label();
    over.practice = in_practice();
    if (!over.practice) {
        record.table = scores.table().bytes();  // what the ranking below was made against
        over.beaten = scores.table().rank(state_board.score, [](const std::string& line) {
            std::fputs(line.c_str(), stdout);
        });
    }
    beaten_slot = over.beaten;
    finish_recording(ending == Ending::caught        ? Recording::Ending::caught
                     : ending == Ending::all_cleared ? Recording::Ending::won
                                                     : Recording::Ending::failed);
    if (!ending_program)
        emit gameOver(over);
}

std::optional<GameSession::Ending> GameSession::ending_after_cleared() const
{
    if (flow != State::cleared)
        return std::nullopt;
    if (single_level)
        return Ending::all_cleared;
    Board next = state_board;
    next.trace = [](const std::string&) {};  // a look ahead, not a level load
    switch (next.advance_level().kind) {
    case Advance::next_level: return std::nullopt;
    case Advance::all_cleared: return Ending::all_cleared;
    case Advance::next_level_failed: return Ending::next_level_failed;
    }
    return std::nullopt;
}

bool GameSession::quit_loses_points() const
{
    if (in_practice() || state_board.score == 0)
        return false;
    return in_play() || (flow == State::cleared && !ending_after_cleared());
}

void GameSession::end_program(const QString& name)
{
    if (std::exchange(ending_program, true))
        return;
    // A ranked game with points left in play waits to be continued.
    if (quit_loses_points() && recordings && record_open) {
        Recording left = record;
        left.ending = Recording::Ending::left;
        left.score = state_board.score;
        recordings->keep_to_continue(left);
    }
    if (flow == State::caught)
        end_game(Ending::caught);
    else if (const auto ending = ending_after_cleared())
        end_game(*ending);
    if (flow == State::game_over && beaten_slot)
        enter_name(name);
    finish_recording(Recording::Ending::left);
    scores.save_before_exit();
    if (statistics)
        statistics->save(2000);
    (void)player_notices::take();  // no box is left to show them; standard error had them
}

void GameSession::enter_name(const QString& typed)
{
    const std::optional<hsc::Slot> beaten = std::exchange(beaten_slot, std::nullopt);
    if (flow != State::game_over || !beaten)
        return;
    if (scores.enter(*beaten, typed.toStdString(), state_board.score)) {
        if (recordings)
            recordings->keep_for_entry(record, scores.last_name(), state_board.score,
                                       std::string(scores.table().bytes()));
        scores.save();  // at once, so a crash later cannot lose it
    }
}

void GameSession::reload_table()
{
    scores.reload();
}


}  // namespace wd
