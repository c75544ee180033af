#include "game_over_flow.h"

#include "files/player_notices.h"
#include "gameover_dialogs.h"
#include "main_widget.h"
#include "recording/recording_store.h"
#include "replay_check.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace wd {

GameOverFlow::GameOverFlow(MainWidget& window, GameSession& play, RecordingStore& recordings, QPixmap winner)
    : QObject(&window), window(window), play(play), recordings(recordings), winner(std::move(winner))
{
}

QString GameOverFlow::name_to_offer() const
{
    const QString remembered = play.last_name();
    return !remembered.isEmpty() ? remembered : settings::last_name();
}

// The window's edge-to-edge rectangle of the meeting cell, in screen pixels.
QRect GameOverFlow::meeting_on_screen() const
{
    if (!caught_shown)
        return {};
    const QRect cell = marked_cell_rect(window.view(), QPoint(play.meeting().x, play.meeting().y));
    return QRect(window.mapToGlobal(cell.topLeft()), cell.size());
}

void GameOverFlow::mousedead(const GameSession::GameOver& over)
{
    if (play.state() != GameSession::State::game_over)
        return;  // the program ended first, and ranked the game itself
    caught_shown = over.ending == GameSession::Ending::caught;
    window.printscene();
    if (over.beaten && play.awaiting_name()) {
        play.enter_name(ask_name(&window, over.score, over.beaten->index + 1, name_to_offer(), meeting_on_screen()));
        settings::set_last_name(play.last_name());
    }
    show_table_box(over);
}

void GameOverFlow::watching_left()
{
    // It opens once the key that left the recording is handled.
    if (const auto over = std::exchange(back_to_table, std::nullopt))
        QMetaObject::invokeMethod(this, [this, over = *over] { show_table_box(over); }, Qt::QueuedConnection);
}

void GameOverFlow::show_table_box(const GameSession::GameOver& over)
{
    using Ending = GameSession::Ending;
    GameOverText text;
    switch (over.ending) {
    case Ending::caught:
        text.heading = QCoreApplication::translate("GameOverBox", "Caught!");
        text.detail = QCoreApplication::translate("GameOverBox", "Caught on %1 with %n points.",
                                                  "%1 is \"level 5\" or a file name", over.score)
                          .arg(over.level);
        break;
    case Ending::all_cleared:
        text.heading = QCoreApplication::translate("GameOverBox", "All levels cleared!");
        text.detail =
            QCoreApplication::translate("GameOverBox", "You cleared every level with %n points.", nullptr, over.score);
        text.icon = winner;
        break;
    case Ending::next_level_failed:
        text.heading = QCoreApplication::translate("GameOverBox", "The next level could not be loaded.");
        text.detail = QCoreApplication::translate("GameOverBox", "Reached %1 with %n points.",
                                                  "%1 is \"level 5\" or a file name", over.score)
                          .arg(over.level);
        break;
    }
    if (over.practice)
        text.detail += QLatin1Char('\n') + QCoreApplication::translate("GameOverBox", "A practice game is not ranked.");
    text.table = QString::fromUtf8(play.table_text());
    text.own_entry = play.own_entry_index();
    text.notices = player_notices::take();
    const std::string table = play.table_text();
    recordings.wait(1000);  // this game's entry may still be on its way to the disk
    for (int i = 0; i < hsc::entry_count; ++i)
        text.recordings << recordings.entry_path(table, i).value_or(QString());
    text.replays = [](const QString& file) { return check_recording_quietly(file); };
    TableChoice choice;
    while ((choice = show_table(&window, text, meeting_on_screen(),
                                {&play.pending_save(), [this] { return play.own_entry_index(); }}))
           == TableChoice::watch) {
        if (window.watch(text.recordings.value(entry_to_watch(text).value_or(-1)))) {
            back_to_table = over;
            return;
        }
    }
    caught_shown = false;
    switch (choice) {
    case TableChoice::play_again: play.play_again(); break;
    case TableChoice::quit: window.window()->close(); break;
    case TableChoice::watch:
    case TableChoice::none: play.resume_after_box(); break;
    }
    window.printscene();
}

}  // namespace wd
