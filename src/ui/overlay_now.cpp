#include "overlay_now.h"

#include "record_texts.h"
#include "scene_renderer.h"
#include "session/game_session.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace wd {

namespace {

QPoint mouse_of(const GameSession& seen)
{
    return QPoint(seen.board().mouse_x, seen.board().mouse_y);
}
}  // namespace

Overlay overlay_now(const GameSession& seen, const OverlayInputs& in)
{
    using State = GameSession::State;
    Overlay now;
    now.flashes = in.flashes;
    switch (seen.state()) {
    case State::ready:
        now.card.title = seen.level_title();
        if (const QString hint = seen.level_hint(); !hint.isEmpty())
            now.card.lines << hint;
        now.card.lines << QCoreApplication::translate("Cards", "Press an arrow key to start");
        if (in.to_continue)
            now.card.lines << QCoreApplication::translate("Cards", "or C to continue level %1 with %n points",
                                                          "the game left last time", in.to_continue->score)
                                  .arg(in.to_continue->level);
        now.card.top = quietest_top(seen, now.card, mouse_of(seen), in.scale);
        now.card.faded = in.card_faded;
        break;
    case State::cleared:
        now.card.title = seen.pack_level()
            ? QCoreApplication::translate("Cards", "Level %1 cleared").arg(seen.level_label())
            : QCoreApplication::translate("Cards", "%1 cleared", "a level's file name").arg(seen.level_label());
        now.card.lines << QCoreApplication::translate("Cards", "Cheese %1 of %2 · Score %3")
                              .arg(seen.cheese_eaten())
                              .arg(seen.cheese_total())
                              .arg(seen.board().score);
        if (!in.watching)
            now.card.lines << record_news_lines(seen.record_news());
        // The catch that cleared the level stays in view beside the card.
        for (const Flash& flash : in.flashes)
            if (flash.kind == Flash::Kind::catch_burst)
                now.card.top = quietest_top(seen, now.card, flash.cell, in.scale);
        break;
    case State::caught:
    case State::game_over:
        if (seen.state() == State::caught || in.caught_kept) {
            now.show_meeting = true;
            now.meeting = QPoint(seen.meeting().x, seen.meeting().y);
        }
        break;
    case State::playing:
    case State::paused:
        if (seen.stuck()) {
            now.card.title = seen.in_practice()
                ? QCoreApplication::translate(
                      "Cards", "No way left to catch every cat \u2014 F5 restarts the level, Backspace goes back")
                : QCoreApplication::translate("Cards", "No way left to catch every cat \u2014 F5 restarts the level");
            now.card.top = quietest_top(seen, now.card, mouse_of(seen), in.scale);
        }
        break;
    }
    return now;
}

int quietest_top(const GameSession& seen, const Card& card, QPoint keep, double scale)
{
    const Board& b = seen.board();
    const QSize board(cell_size * b.board_width, cell_size * b.board_height);
    const QSize size = card_size(board, card, scale);
    const int left = (board.width() - size.width()) / 2;
    int best_top = -1;
    int best_cost = 0;
    // Every row it could stand on, centred first; the outer wall is the cheapest to hide.
    const int centred = (board.height() - size.height()) / 2;
    for (int top = centred, row = 0; top >= 0 && top <= board.height() - size.height();
         top = row * cell_size, ++row) {
        int cost = 0;
        for (int y = top / cell_size; y <= (top + size.height() - 1) / cell_size; ++y)
            for (int x = left / cell_size; x <= (left + size.width() - 1) / cell_size; ++x) {
                const char c = b.cell(x, y);
                if (std::abs(x - keep.x()) <= 1 && std::abs(y - keep.y()) <= 1)
                    cost += 1000;
                const bool rim = x == 0 || y == 0 || x == b.board_width - 1 || y == b.board_height - 1;
                cost += c == 'C' ? 20 : (c == 'B' || c == 'K') ? 3 : c == 'H' ? (rim ? 0 : 2) : 1;
            }
        if (best_top < 0 || cost < best_cost) {
            best_top = top;
            best_cost = cost;
        }
    }
    return best_top;
}

int card_reading_ms(const QString& title, const QString& hint)
{
    constexpr int least_ms = 4000;
    constexpr int ms_per_character = 60;  // about 200 words a minute
    return std::max(least_ms, 1000 + ms_per_character * int(title.size() + hint.size()));
}

}  // namespace wd
