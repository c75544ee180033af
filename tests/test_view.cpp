// Pause, the keys around play, the strip's status, the scaling window and the
// repaint of only what changed.

#include "widget_testing.h"

#include "settings/settings.h"
#include "ui/game_actions.h"
#include "ui/help_page.h"
#include "ui/info_boxes.h"
#include "ui/key_map.h"
#include "ui/overlay.h"
#include "ui/overlay_now.h"
#include "ui/scene_renderer.h"
#include "ui/status_strip.h"
#include "ui/view_geometry.h"
#include "ui/gameover_dialogs.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QPaintEvent>
#include <QTextBrowser>
#include <QTranslator>

Q_DECLARE_METATYPE(wd::Overlay)

using wd::Action;
using wd::testing::PlayFolder;
using wd::testing::command_key;
using wd::testing::corridor;
using wd::testing::trap;
using wd::testing::frame;
using wd::testing::start_widget;
using wd::testing::when_shown;

namespace {


void send_key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false,
              QEvent::Type type = QEvent::KeyPress)
{
    QKeyEvent event(type, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&widget, &event);
}

QTimer* clock_of(MainWidget& widget)
{
    return &widget.session().game_clock();
}

using State = wd::GameSession::State;

QPoint mouse_of(MainWidget& widget)
{
    return {widget.game().mouse_x, widget.game().mouse_y};
}

// The cats' draws for one step of the first cat: left, no vertical, accepted.
void next_tick_moves_cat_left(MainWidget& widget)
{
    auto draws = std::make_shared<std::vector<double>>(std::vector<double>{0.1, 0.5, 0.0});
    widget.game().random = [draws, i = std::size_t(0)]() mutable {
        const double f = i < draws->size() ? (*draws)[i++] : 0.99;
        return int(f * 16777216.0);
    };
}

// Collects what the paint events were asked to cover.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

class TestView : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void geometry_for_window_sizes_data();
    void geometry_for_window_sizes();
    void actions_for_keys_data();
    void actions_for_keys();
    void status_text_data();
    void status_text();
    void pause_keys_stop_cats_and_moves_data();
    void pause_keys_stop_cats_and_moves();
    void focus_loss_pauses_but_game_over_boxes_do_not();
    void new_game_and_restart_level();
    void held_key_does_not_walk_into_a_new_level();
    void quit_key_closes_the_window();
    void scores_and_help_boxes_pause_play_data();
    void scores_and_help_boxes_pause_play();
    void zoom_keys_resize_and_are_remembered();
    void strip_marks_sound_off();
    void tick_repaints_only_the_cells_it_touched_data();
    void tick_repaints_only_the_cells_it_touched();
    void full_update_repaints_everything();
    void partial_repaint_below_1x_equals_a_full_one();
    void level_card_waits_for_the_first_move();
    void catch_repaints_only_its_burst();
    void card_stands_long_enough_to_read();
    void overlay_change_covers_what_goes_data();
    void overlay_change_covers_what_goes();
    void cards_fit_whole_in_every_language_data();
    void cards_fit_whole_in_every_language();
};

void TestView::cleanup()
{
    wd::testing::stop_waiting();
    wd::settings::set_zoom(0);
}

void TestView::geometry_for_window_sizes_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("target");
    // The shipped levels: 32 x 20 cells, 512 x 340 with the strip.
    QTest::newRow("start-up size") << QSize(512, 340) << 1.0 << QRect(0, 0, 512, 340);
    QTest::newRow("a little larger: 1x, centred") << QSize(600, 400) << 1.0 << QRect(44, 30, 512, 340);
    QTest::newRow("3x exactly") << QSize(1536, 1020) << 3.0 << QRect(0, 0, 1536, 1020);
    QTest::newRow("full HD: height allows 3x") << QSize(1920, 1080) << 3.0 << QRect(192, 30, 1536, 1020);
    QTest::newRow("4K: height allows 6x") << QSize(3840, 2160) << 6.0 << QRect(384, 60, 3072, 2040);
    QTest::newRow("half size: smooth reduction") << QSize(256, 170) << 0.5 << QRect(0, 0, 256, 170);
    QTest::newRow("narrow below 1x") << QSize(256, 400) << 0.5 << QRect(0, 115, 256, 170);
    QTest::newRow("empty window") << QSize(0, 0) << 1.0 << QRect(0, 0, 0, 0);
}

void TestView::geometry_for_window_sizes()
{
    QFETCH(QSize, window);
    QFETCH(double, scale);
    QFETCH(QRect, target);
    const wd::ViewGeometry view(window, QSize(512, 320), wd::strip_height);
    QCOMPARE(view.scale(), scale);
    QCOMPARE(view.target(), target);
    QCOMPARE(view.strip().height() + view.board().height(), target.height());
    if (window.isEmpty())
        return;
    if (scale >= 1.0) {
        const int s = int(scale);
        QCOMPARE(view.board_to_window(QRect(16, 16, 16, 16)),
                 QRect(target.x() + 16 * s, target.y() + 20 * s + 16 * s, 16 * s, 16 * s));
        // Mapping back covers the very cell.
        QCOMPARE(view.window_to_board(view.board_to_window(QRect(16, 16, 16, 16))), QRect(16, 16, 16, 16));
    } else {
        // A reduced cell still maps to pixels inside the board's part.
        QVERIFY(view.board().contains(view.board_to_window(QRect(496, 304, 16, 16))));
    }
}

void TestView::actions_for_keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("action");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int pad = Qt::KeypadModifier;
    QTest::newRow("up arrow") << int(Qt::Key_Up) << none << int(Action::move_up);
    QTest::newRow("ctrl+right arrow still moves") << int(Qt::Key_Right) << ctrl << int(Action::move_right);
    QTest::newRow("keypad 8") << int(Qt::Key_8) << pad << int(Action::move_up);
    QTest::newRow("keypad 4") << int(Qt::Key_4) << pad << int(Action::move_left);
    QTest::newRow("keypad 6") << int(Qt::Key_6) << pad << int(Action::move_right);
    QTest::newRow("keypad 2") << int(Qt::Key_2) << pad << int(Action::move_down);
    QTest::newRow("keypad up, num lock off") << int(Qt::Key_Up) << pad << int(Action::move_up);
    QTest::newRow("8 of the main row") << int(Qt::Key_8) << none << int(Action::none);
    QTest::newRow("W") << int(Qt::Key_W) << none << int(Action::move_up);
    QTest::newRow("A") << int(Qt::Key_A) << none << int(Action::move_left);
    QTest::newRow("S") << int(Qt::Key_S) << none << int(Action::move_down);
    QTest::newRow("D") << int(Qt::Key_D) << none << int(Action::move_right);
    QTest::newRow("ctrl+W is no move") << int(Qt::Key_W) << ctrl << int(Action::none);
    QTest::newRow("P") << int(Qt::Key_P) << none << int(Action::pause);
    QTest::newRow("Pause") << int(Qt::Key_Pause) << none << int(Action::pause);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << int(Action::pause);
    QTest::newRow("alt+P") << int(Qt::Key_P) << int(Qt::AltModifier) << int(Action::none);
    QTest::newRow("F2") << int(Qt::Key_F2) << none << int(Action::new_game);
    QTest::newRow("ctrl+N") << int(Qt::Key_N) << ctrl << int(Action::new_game);
    QTest::newRow("F5") << int(Qt::Key_F5) << none << int(Action::restart_level);
    QTest::newRow("ctrl+Q") << int(Qt::Key_Q) << ctrl << int(Action::quit);
    QTest::newRow("Q alone") << int(Qt::Key_Q) << none << int(Action::none);
    QTest::newRow("ctrl+H") << int(Qt::Key_H) << ctrl << int(Action::show_scores);
    QTest::newRow("F1") << int(Qt::Key_F1) << none << int(Action::show_help);
    QTest::newRow("F11") << int(Qt::Key_F11) << none << int(Action::full_screen);
    QTest::newRow("ctrl++") << int(Qt::Key_Plus) << ctrl << int(Action::zoom_in);
    QTest::newRow("ctrl+= (plus without shift)") << int(Qt::Key_Equal) << ctrl << int(Action::zoom_in);
    QTest::newRow("ctrl+-") << int(Qt::Key_Minus) << ctrl << int(Action::zoom_out);
    QTest::newRow("ctrl+0") << int(Qt::Key_0) << ctrl << int(Action::zoom_reset);
    QTest::newRow("M") << int(Qt::Key_M) << none << int(Action::toggle_sound);
    QTest::newRow("Return") << int(Qt::Key_Return) << none << int(Action::none);
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << int(Action::zoom_in);
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << pad << int(Action::zoom_out);
}

// A move is the board's own key; any other key is the shortcut of at most one
// of the window's actions, found by the window's shortcuts as a player's key is.
void TestView::actions_for_keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, action);
    const wd::Arrows arrows{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    const Action move = wd::move_for(key, Qt::KeyboardModifiers(modifiers), arrows);
    QWidget window;
    auto* actions = new wd::GameActions(&window);
    QSignalSpy triggered(actions, &wd::GameActions::triggered);
    command_key(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(triggered.count() <= 1);
    const Action command = triggered.isEmpty() ? Action::none : triggered.first().first().value<Action>();
    QVERIFY2(move == Action::none || command == Action::none, "a move key is no command's shortcut");
    QCOMPARE(int(move != Action::none ? move : command), action);
}

void TestView::status_text_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("text");
    QTest::newRow("wide") << false << 1000 << "Level 4 \u00b7 Cats left 7";
    QTest::newRow("paused, wide") << true << 1000 << "Paused \u00b7 press P to play";
    QTest::newRow("no room at all") << false << 3 << "";
}

void TestView::status_text()
{
    QFETCH(bool, paused);
    QFETCH(int, room);
    QFETCH(QString, text);
    const QFont font;
    wd::StripState state;
    state.level = 3;
    state.cats = 7;
    state.paused = paused;
    QCOMPARE(wd::strip_status_text(state, font, room), text);
    // Narrower room gives shorter text that still fits.
    for (int narrower = 200; narrower > 0; narrower -= 10) {
        const QString fitted = wd::strip_status_text(state, font, narrower);
        QVERIFY(QFontMetrics(font).horizontalAdvance(fitted) <= narrower);
    }
}

void TestView::pause_keys_stop_cats_and_moves_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("P") << int(Qt::Key_P);
    QTest::newRow("Pause") << int(Qt::Key_Pause);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestView::pause_keys_stop_cats_and_moves()
{
    QFETCH(int, key);
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    QVERIFY(clock_of(*widget)->isActive());

    PaintSpy spy;
    widget->installEventFilter(&spy);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    spy.painted = {};
    command_key(*widget, Qt::Key(key));
    QVERIFY(widget->paused());
    QVERIFY(!clock_of(*widget)->isActive());
    QTRY_VERIFY(spy.painted.contains(widget->view().board()));  // dimmed all over
    const QImage paused_frame = frame(*widget);
    next_tick_moves_cat_left(*widget);
    widget->session().timer_proc();  // a tick that was already queued
    send_key(*widget, Qt::Key_Right);
    QCOMPARE(mouse_of(*widget), QPoint(1, 1));
    QCOMPARE(widget->game().cat_x[0], 6);
    QCOMPARE(widget->game().score, 0);
    QCOMPARE(frame(*widget), paused_frame);

    command_key(*widget, Qt::Key(key));
    QVERIFY(!widget->paused());
    // A fresh interval: the cats wait a whole tick after resuming.
    QVERIFY(clock_of(*widget)->isActive());
    QVERIFY(clock_of(*widget)->remainingTime() > 300);
    QVERIFY(frame(*widget) != paused_frame);  // no longer dimmed
    send_key(*widget, Qt::Key_Right);
    QCOMPARE(widget->game().score, 10);
}

void TestView::focus_loss_pauses_but_game_over_boxes_do_not()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHH", "HMCKH", "HHHHH"});
    auto widget = start_widget();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(widget.get(), &deactivate);
    QVERIFY(widget->paused());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(widget.get(), &activate);
    QVERIFY(widget->paused());  // coming back does not resume by itself
    command_key(*widget, Qt::Key_P);
    QVERIFY(!widget->paused());

    // The game-over box takes the focus from the window: play goes on after it.
    bool answered = false;
    when_shown<QMessageBox>([&](QMessageBox* box) {
        QEvent lost(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(widget.get(), &lost);
        answered = true;
        box->defaultButton()->click();
    });
    send_key(*widget, Qt::Key_Right);  // onto the cat
    wd::testing::settle(*widget);
    QVERIFY(answered);
    QVERIFY(!widget->paused());
    QCOMPARE(widget->session().state(), State::ready);  // Play Again waits on its card
    QVERIFY(!clock_of(*widget)->isActive());
}

void TestView::new_game_and_restart_level()
{
    PlayFolder folder;
    folder.level("level000.lvx", trap);
    folder.level("level001.lvx", corridor);
    auto widget = start_widget();
    widget->game().score = 30;
    send_key(*widget, Qt::Key_Right);  // traps the cat: level 1 with 30 points
    QCOMPARE(widget->session().state(), State::cleared);
    QCOMPARE(widget->game().level_number, 0);  // the cleared level stays for its moment
    wd::testing::settle(*widget);
    QCOMPARE(widget->game().level_number, 1);
    send_key(*widget, Qt::Key_Right);  // cheese
    QCOMPARE(widget->game().score, 40);

    command_key(*widget, Qt::Key_F5);
    QCOMPARE(widget->game().score, 30);
    QCOMPARE(widget->game().level_number, 1);
    QCOMPARE(std::string(widget->game().board[1]), std::string("HMK...CH"));

    // With points at stake a new game asks first, keeping the game by default.
    wd::testing::when_shown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    command_key(*widget, Qt::Key_F2);
    QCOMPARE(widget->game().score, 30);
    QCOMPARE(widget->game().level_number, 1);
    command_key(*widget, Qt::Key_P);
    wd::testing::when_shown<QMessageBox>([](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QStringLiteral("&New game"))
                button->click();
    });
    command_key(*widget, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(widget->game().score, 0);
    QCOMPARE(widget->game().level_number, 0);
    QCOMPARE(std::string(widget->game().board[1]), std::string("HMBCHH"));
    QVERIFY(!widget->paused());  // a new game waits on its card, not paused
    QCOMPARE(widget->session().state(), State::ready);
}

void TestView::held_key_does_not_walk_into_a_new_level()
{
    PlayFolder folder;
    folder.level("level000.lvx", trap);
    folder.level("level001.lvx", corridor);
    auto widget = start_widget();
    send_key(*widget, Qt::Key_Right);
    wd::testing::settle(*widget);
    QCOMPARE(widget->game().level_number, 1);
    send_key(*widget, Qt::Key_Right, Qt::NoModifier, true);  // the key is still held
    QCOMPARE(mouse_of(*widget), QPoint(1, 1));
    send_key(*widget, Qt::Key_Right, Qt::NoModifier, false, QEvent::KeyRelease);
    send_key(*widget, Qt::Key_Right);
    QCOMPARE(mouse_of(*widget), QPoint(2, 1));
    send_key(*widget, Qt::Key_Right, Qt::NoModifier, true);  // repeats count again
    QCOMPARE(mouse_of(*widget), QPoint(3, 1));
}

void TestView::quit_key_closes_the_window()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    widget->show();
    QVERIFY(widget->isVisible());
    command_key(*widget, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!widget->isVisible());
    widget.reset();
    QVERIFY(!QFile::exists("hsc.dat"));  // as any close: written only for an entry not yet saved
}

void TestView::scores_and_help_boxes_pause_play_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("shows_table");
    QTest::addColumn<bool>("paused_before");
    QTest::newRow("ctrl+H: high scores") << int(Qt::Key_H) << int(Qt::ControlModifier) << true << false;
    QTest::newRow("F1: help") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << false;
    QTest::newRow("F1 over a paused game") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << true;
    QTest::newRow("ctrl+H over a paused game") << int(Qt::Key_H) << int(Qt::ControlModifier) << true << true;
}

void TestView::scores_and_help_boxes_pause_play()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, shows_table);
    QFETCH(bool, paused_before);
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    if (paused_before)
        command_key(*widget, Qt::Key_P);
    QString shown;
    bool paused_while_open = false;
    when_shown<QDialog>([&](QDialog* box) {
        paused_while_open = widget->paused() && !clock_of(*widget)->isActive();
        if (auto* message = qobject_cast<QMessageBox*>(box)) {
            shown = message->text();
            message->escapeButton()->click();
        } else if (auto* page = box->findChild<QTextBrowser*>()) {
            shown = page->toPlainText();
            box->reject();
        }
    });
    command_key(*widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (shows_table) {
        QCOMPARE(shown, wd::table_markup(QString::fromUtf8(widget->table_text()), {}));
    } else {
        // The help names every command, and every key of it as the menus name it.
        for (QAction* action : widget->actions()) {
            QVERIFY2(shown.contains(action->text().remove('&').remove(QChar(0x2026))), qPrintable(action->text()));
            for (const QKeySequence& keys : action->shortcuts())
                QVERIFY2(shown.contains(keys.toString(QKeySequence::NativeText)), qPrintable(keys.toString()));
        }
    }
    QVERIFY(paused_while_open);
    // Play the box paused comes back on the level's card; a game paused before stays paused.
    QCOMPARE(widget->session().state(), paused_before ? State::paused : State::ready);
    QVERIFY(!clock_of(*widget)->isActive());
    QCOMPARE(mouse_of(*widget), QPoint(1, 1));
}

void TestView::zoom_keys_resize_and_are_remembered()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    const QSize one(8 * 16, 4 * 16 + 20);
    {
        auto widget = start_widget();
        QCOMPARE(widget->size(), one);
        command_key(*widget, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(widget->size(), one);  // never below 1x
        command_key(*widget, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(widget->size(), one * 2);
        command_key(*widget, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(widget->size(), one * 3);
        QCOMPARE(widget->view().scale(), 3.0);
        command_key(*widget, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(widget->size(), one * 2);
        QCOMPARE(wd::settings::zoom(), 2);
        command_key(*widget, Qt::Key_Plus, Qt::ControlModifier);
        for (int i = 0; i < 20; ++i)
            command_key(*widget, Qt::Key_Plus, Qt::ControlModifier);
        // Never larger than the screen.
        const QSize available = widget->screen()->availableGeometry().size();
        QVERIFY(widget->width() <= available.width() && widget->height() <= available.height());
        command_key(*widget, Qt::Key_Minus, Qt::ControlModifier);
        const int remembered = wd::settings::zoom();
        QVERIFY(remembered >= 2);
        auto next_run = start_widget();
        QCOMPARE(next_run->size(), one * remembered);
        command_key(*next_run, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(next_run->size(), one);
    }
    QCOMPARE(wd::settings::zoom(), 1);
    QCOMPARE(start_widget()->size(), one);
}

void TestView::strip_marks_sound_off()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHHHHHHHHHHHHHHHHH", "HM................CH", "HHHHHHHHHHHHHHHHHHHH"});
    auto widget = start_widget();
    const bool was_on = widget->sound_on();
    if (!was_on)
        command_key(*widget, Qt::Key_M);
    const QImage on = frame(*widget).copy(0, 0, widget->width(), wd::strip_height);
    command_key(*widget, Qt::Key_M);
    QVERIFY(!widget->sound_on());
    const QImage off = frame(*widget).copy(0, 0, widget->width(), wd::strip_height);
    // The mark sits at the right end; the score at the left is untouched.
    const int score_part = 70;
    QCOMPARE(off.copy(0, 0, score_part, wd::strip_height), on.copy(0, 0, score_part, wd::strip_height));
    QVERIFY(off.copy(widget->width() - 20, 0, 20, wd::strip_height) != on.copy(widget->width() - 20, 0, 20, wd::strip_height));
    command_key(*widget, Qt::Key_M);
    QCOMPARE(frame(*widget).copy(0, 0, widget->width(), wd::strip_height), on);
    if (!was_on)
        command_key(*widget, Qt::Key_M);
}

void TestView::tick_repaints_only_the_cells_it_touched_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
    QTest::newRow("3x, off centre") << 3;
}

void TestView::tick_repaints_only_the_cells_it_touched()
{
    QFETCH(int, zoom);
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    clock_of(*widget)->stop();  // ticks come from the test alone
    widget->resize(widget->size() * zoom + QSize(zoom == 3 ? 7 : 0, zoom == 3 ? 5 : 0));
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    settle();
    PaintSpy spy;
    widget->installEventFilter(&spy);

    next_tick_moves_cat_left(*widget);
    widget->session().timer_proc();
    settle();
    QCOMPARE(widget->game().cat_x[0], 5);
    const wd::ViewGeometry view = widget->view();
    QCOMPARE(spy.painted, QRegion(view.board_to_window(QRect(5 * 16, 16, 32, 16))));

    // Cheese eaten: the mouse's two cells and the strip, whose score changed.
    spy.painted = {};
    send_key(*widget, Qt::Key_Right);
    settle();
    QCOMPARE(spy.painted, QRegion(view.board_to_window(QRect(16, 16, 32, 16))) + view.strip());

    // Nothing changed: nothing is sent.
    spy.painted = {};
    widget->game().random = [] { return 0x666666; };  // the cat holds still
    widget->session().timer_proc();
    settle();
    QVERIFY(spy.painted.isEmpty());
}

void TestView::full_update_repaints_everything()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    widget->resize(300, 200);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    settle();
    PaintSpy spy;
    widget->installEventFilter(&spy);
    widget->repaint();
    QCOMPARE(spy.painted, QRegion(widget->rect()));
    // Around the picture is the background colour, painted by the game itself.
    const QImage shown = frame(*widget);
    QCOMPARE(shown.pixelColor(0, 0), wd::SceneRenderer::background());
    QCOMPARE(shown.pixelColor(299, 199), wd::SceneRenderer::background());
    QVERIFY(widget->testAttribute(Qt::WA_OpaquePaintEvent));
}

void TestView::partial_repaint_below_1x_equals_a_full_one()
{
    PlayFolder folder;
    // A crate's hard edge moves: a reduction blends it into the cell beside.
    folder.level("level000.lvx", {"HHHHHHHH", "HMB....H", "H......H", "HHHHHHHH"});
    auto widget = start_widget();
    clock_of(*widget)->stop();
    widget->resize(widget->size() * 11 / 20);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    settle();
    QVERIFY(!widget->view().whole());
    QTest::qWait(50);
    QImage patched = frame(*widget);
    PaintSpy spy;
    widget->installEventFilter(&spy);
    send_key(*widget, Qt::Key_Right);
    settle();
    QVERIFY(!spy.painted.isEmpty());
    // Only what was asked to repaint, painted over the old frame, gives the new one.
    const QRegion asked = spy.painted;
    QVERIFY(asked.boundingRect().width() < widget->width() / 2);
    widget->render(&patched, asked.boundingRect().topLeft(), asked, QWidget::RenderFlags());
    // Qt rounds a clipped smooth reduction a level differently here and there.
    const QImage full = frame(*widget);
    int worst = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x) {
            const QRgb a = full.pixel(x, y), b = patched.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("a pixel differs by %1").arg(worst)));
}

void TestView::level_card_waits_for_the_first_move()
{
    PlayFolder folder;
    folder.level("level000.lvx", {"HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH", "HM.K.........................H",
                                  "H............................H", "H............................H",
                                  "H............................H", "H...........................CH",
                                  "HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH"});
    folder.file("levels.txt", "level000.lvx\tFirst steps\tPush a row of crates.\n");
    auto widget = start_widget({}, wd::testing::Start::ready);
    const wd::Card& card = widget->overlay().card;
    QCOMPARE(card.title, QStringLiteral("Level 1 \u00b7 First steps"));
    QCOMPARE(card.lines, (QStringList{"Push a row of crates.", "Press an arrow key to start"}));
    const QRect shown = wd::card_rect(widget->view(), card);
    QVERIFY(!shown.isEmpty());
    QVERIFY(!shown.intersects(widget->view().board_to_window(QRect(16, 16, 16, 16))));  // the mouse stays in sight
    const QImage before = frame(*widget);
    QVERIFY(qGray(before.pixel(shown.center())) < 0x60);
    QVERIFY(!clock_of(*widget)->isActive());

    const bool sound = widget->sound_on();
    command_key(*widget, Qt::Key_M);  // other keys work without starting play
    QCOMPARE(widget->sound_on(), !sound);
    QVERIFY(!clock_of(*widget)->isActive());
    command_key(*widget, Qt::Key_M);
    send_key(*widget, Qt::Key_Right);
    QCOMPARE(mouse_of(*widget), QPoint(2, 1));
    QVERIFY(clock_of(*widget)->isActive());
    QVERIFY(widget->overlay().card.empty());
    QCOMPARE(frame(*widget).pixel(shown.center()), wd::SceneRenderer::background().rgb());
}

void TestView::catch_repaints_only_its_burst()
{
    PlayFolder folder;
    // A crate pushed onto a walled-in cat; a second cat keeps the level going.
    folder.level("level000.lvx", {"HHHHHHHHHHHH", "H..KHH.....H", "H.MBCH..B.CH", "H..HHH.....H", "HHHHHHHHHHHH"});
    auto widget = start_widget();
    clock_of(*widget)->stop();
    widget->resize(widget->size() * 2);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    settle();
    PaintSpy spy;
    widget->installEventFilter(&spy);
    send_key(*widget, Qt::Key_Right);
    settle();
    QCOMPARE(widget->game().cat_count, 1);
    const wd::ViewGeometry view = widget->view();
    const QRect burst = wd::marked_cell_rect(view, QPoint(4, 2));
    QVERIFY(spy.painted.contains(burst));
    QCOMPARE(spy.painted, QRegion(view.board_to_window(QRect(2 * 16, 2 * 16, 48, 16))) + burst + view.strip());

    // The burst fades by itself, repainting only its own cells, then stops.
    spy.painted = {};
    QTRY_VERIFY(widget->overlay().flashes.empty());
    settle();
    QCOMPARE(spy.painted, QRegion(burst));
    QCOMPARE(widget->game().cell(4, 2), 'B');
}

void TestView::card_stands_long_enough_to_read()
{
    // A short card keeps the old four seconds; a long hint stays until it can be read.
    QCOMPARE(wd::card_reading_ms(QStringLiteral("Level 2 · A row of crates"), QStringLiteral("Push a row.")), 4000);
    const QString hint(160, QLatin1Char('x'));
    QVERIFY(wd::card_reading_ms(QStringLiteral("Level 9 · Spiral"), hint) >= 50 * (16 + hint.size()));
}

void TestView::overlay_change_covers_what_goes_data()
{
    QTest::addColumn<wd::Overlay>("before");
    QTest::addColumn<wd::Overlay>("after");
    wd::Overlay card;
    card.card.title = QStringLiteral("Level 1");
    wd::Overlay burst;
    burst.flashes = {{wd::Flash::Kind::catch_burst, QPoint(3, 2), 400}};
    wd::Overlay older = burst;
    older.flashes[0].age_ms = 500;
    wd::Overlay marked;
    marked.show_meeting = true;
    marked.meeting = QPoint(5, 1);
    QTest::newRow("card goes") << card << wd::Overlay{};
    QTest::newRow("burst goes") << burst << wd::Overlay{};
    QTest::newRow("card comes") << wd::Overlay{} << card;
    QTest::newRow("burst ages") << burst << older;
    QTest::newRow("mark goes as a card comes") << marked << card;
    QTest::newRow("nothing changes") << card << card;
}

void TestView::overlay_change_covers_what_goes()
{
    QFETCH(wd::Overlay, before);
    QFETCH(wd::Overlay, after);
    const wd::ViewGeometry view(QSize(384, 244), QSize(192, 112), wd::strip_height);
    const QRegion change = wd::overlay_change(view, before, after);
    const QRegion gone = wd::overlay_region(view, before);
    const QRegion come = wd::overlay_region(view, after);
    QVERIFY(!gone.isEmpty() || !come.isEmpty());
    if (before == after) {
        QVERIFY(change.isEmpty());
        return;
    }
    // All that went and all that came, and no more: the rest of the board stays.
    QCOMPARE(change.intersected(gone), gone);
    QCOMPARE(change.intersected(come), come);
    QCOMPARE(change.subtracted(gone + come), QRegion());
}

void TestView::cards_fit_whole_in_every_language_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("cells");
    for (const char* language : {"C", "de", "fr", "es"})
        for (const int scale : {1, 3})
            for (const QSize cells : {QSize(32, 21), QSize(12, 9)})
                QTest::addRow("%s %dx %dx%d", language, scale, cells.width(), cells.height())
                    << QString::fromLatin1(language) << scale << cells;
}

// Each card, in each language, at 1x and 3x: every line inside the card and the
// board and no wider than its place, every word of the text shown whole.
void TestView::cards_fit_whole_in_every_language()
{
    QFETCH(QString, language);
    QFETCH(int, scale);
    QFETCH(QSize, cells);
    if (language != QLatin1String("C"))
        QVERIFY(!wd::install_translations(QLocale(language)).isEmpty());
    const auto tr = [](const char* context, const char* text) { return QCoreApplication::translate(context, text); };
    const wd::Card cards[] = {
        {tr("Cards", "No way left to catch every cat \u2014 F5 restarts the level"), {}},
        {tr("Cards", "Level %1 cleared").arg(40), {tr("Cards", "Cheese %1 of %2 \u00b7 Score %3")}},
        {"Level 40 \u00b7 " + tr("Levels", "Side by side"),  // the longest hint
         {tr("Levels", "The field stops short of the walls: the lanes open onto the floor at their ends, and the "
                       "cats can come out."),
          tr("Cards", "Press an arrow key to start")}},
    };
    const QSize board = cells * wd::cell_size;
    const wd::ViewGeometry view(wd::ViewGeometry::size_at(scale, board, wd::strip_height), board, wd::strip_height);
    for (const wd::Card& card : cards) {
        const wd::CardLayout layout = wd::card_layout(view, card);
        const QStringList shown = layout.title_lines + layout.lines;
        QCOMPARE(layout.title_lines.join(' '), card.title.simplified());
        QCOMPARE(layout.lines.join(' '), card.lines.join(' ').simplified());
        QVERIFY(view.board().contains(layout.rect));
        QCOMPARE(layout.text_rects.size(), shown.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QFontMetrics metrics(i < layout.title_lines.size() ? layout.title_font : layout.line_font);
            QVERIFY2(layout.rect.contains(layout.text_rects[i]), qPrintable(shown[i]));
            QVERIFY2(metrics.horizontalAdvance(shown[i]) <= layout.text_rects[i].width(), qPrintable(shown[i]));
        }
    }
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTEST_MAIN(TestView)
#include "test_view.moc"
