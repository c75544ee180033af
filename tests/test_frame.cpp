// The window around the board: the menu's actions and their keys, the bar's
// height, practice of the levels reached, and what assistive technology reads.

#include "widget_testing.h"

#include "settings/settings.h"
#include "ui/game_actions.h"
#include "ui/game_window.h"
#include "ui/practice_dialog.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

using wd::Action;
using wd::testing::PlayFolder;
using wd::testing::corridor;
using wd::testing::trap;
using wd::testing::start_widget;
using wd::testing::when_shown;

namespace {

const QStringList meet = {"HHHHHHH", "H.MC..H", "H.....H", "HHHHHHH"};

// The board in its window, shown and active so that window shortcuts apply.
std::unique_ptr<wd::GameWindow> start_window()
{
    auto window = std::make_unique<wd::GameWindow>(start_widget().release());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window never became active");
    return window;
}

// Whether a selector row shows its level's drawing: its corner is the level's
// stone, where a row still waiting for its file is blank floor.
bool drawn(const QListWidgetItem* item)
{
    const QImage image = item->icon().pixmap(item->listWidget()->iconSize()).toImage();
    return !image.isNull() && QColor(image.pixel(0, 0)) == QColor(0x40, 0x40, 0x48);
}

// Answers whatever box an action opens, so no test waits on it.
void close_any_box()
{
    when_shown<QDialog>([](QDialog* box) { box->reject(); });
}

}  // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void init() { wd::settings::set_menu_bar_shown(true); }
    void cleanup() { wd::testing::stop_waiting(); }
    void shortcuts_trigger_their_action_once_data();
    void shortcuts_trigger_their_action_once();
    void board_keeps_its_size_under_the_menu_bar();
    void selector_opens_only_reached_levels_data();
    void selector_opens_only_reached_levels();
    void selector_answers_while_a_level_stalls();
    void practice_capture_is_never_ranked();
    void practice_asks_before_ending_a_ranked_game_data();
    void practice_asks_before_ending_a_ranked_game();
    void accessible_description_follows_play();
    void boxes_open_clear_of_the_board_data();
    void boxes_open_clear_of_the_board();
    void window_comes_back_as_it_was_data();
    void window_comes_back_as_it_was();
    void mute_option_unticks_sound();
};

void TestFrame::shortcuts_trigger_their_action_once_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("menu_bar");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int pad = Qt::KeypadModifier;
    const struct {
        const char* tag;
        int key, modifiers;
        Action action;
    } rows[] = {
        {"F2", Qt::Key_F2, none, Action::new_game},
        {"ctrl+N", Qt::Key_N, ctrl, Action::new_game},
        {"F5", Qt::Key_F5, none, Action::restart_level},
        {"P", Qt::Key_P, none, Action::pause},
        {"Pause", Qt::Key_Pause, none, Action::pause},
        {"Escape", Qt::Key_Escape, none, Action::pause},
        {"ctrl+H", Qt::Key_H, ctrl, Action::show_scores},
        {"F1", Qt::Key_F1, none, Action::show_help},
        {"F11", Qt::Key_F11, none, Action::full_screen},
        {"ctrl++", Qt::Key_Plus, ctrl, Action::zoom_in},
        {"ctrl+=", Qt::Key_Equal, ctrl, Action::zoom_in},
        {"keypad +", Qt::Key_Plus, ctrl | pad, Action::zoom_in},
        {"ctrl+-", Qt::Key_Minus, ctrl, Action::zoom_out},
        {"ctrl+0", Qt::Key_0, ctrl, Action::zoom_reset},
        {"M", Qt::Key_M, none, Action::toggle_sound},
        {"ctrl+M", Qt::Key_M, ctrl, Action::toggle_menu_bar},
        {"ctrl+Q", Qt::Key_Q, ctrl, Action::quit},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << row.key << row.modifiers << int(row.action) << true;
    // Hiding the bar takes no key away.
    QTest::newRow("F5, bar hidden") << int(Qt::Key_F5) << none << int(Action::restart_level) << false;
    QTest::newRow("P, bar hidden") << int(Qt::Key_P) << none << int(Action::pause) << false;
}

// One key, one action: neither the board's own key handling nor a second
// shortcut does it again (a pause toggled twice would not pause).
void TestFrame::shortcuts_trigger_their_action_once()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, action);
    QFETCH(bool, menu_bar);
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    wd::settings::set_menu_bar_shown(menu_bar);
    auto window = start_window();
    QCOMPARE(window->menuBar()->isVisible(), menu_bar);
    QSignalSpy spy(&window->board()->actions_of(), &wd::GameActions::triggered);
    close_any_box();
    QTest::keyClick(window->board(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<Action>(), Action(action));
    if (Action(action) == Action::pause)
        QVERIFY(window->board()->paused());
    if (Action(action) == Action::quit)
        QVERIFY(!window->isVisible());
}

void TestFrame::board_keeps_its_size_under_the_menu_bar()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    const QSize bare = start_widget()->size();
    auto window = start_window();
    MainWidget* board = window->board();
    QCOMPARE(board->size(), bare);
    const int bar = window->menuBar()->height();
    QVERIFY(bar > 0);
    QCOMPARE(window->height(), bare.height() + bar);

    QTest::keyClick(board, Qt::Key_M, Qt::ControlModifier);  // hidden
    QTRY_COMPARE(window->height(), bare.height());
    QCOMPARE(board->size(), bare);
    QVERIFY(!wd::settings::menu_bar_shown());
    QTest::keyClick(board, Qt::Key_M, Qt::ControlModifier);  // back
    QTRY_COMPARE(window->height(), bare.height() + bar);
    QCOMPARE(board->size(), bare);
}

void TestFrame::selector_opens_only_reached_levels_data()
{
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("open");  // a letter a level: o open, x locked
    QTest::newRow("a first game") << 0 << "oxx";
    QTest::newRow("level 2 reached") << 1 << "oox";
    QTest::newRow("the last reached") << 2 << "ooo";
    QTest::newRow("beyond the pack") << 40 << "ooo";
}

void TestFrame::selector_opens_only_reached_levels()
{
    QFETCH(int, highest);
    QFETCH(QString, open);
    PlayFolder folder;
    for (const char* file : {"level000.lvx", "level001.lvx", "level002.lvx", "level004.lvx"})
        folder.level(file, corridor);  // the pack ends where a number is missing
    // The index names no first level: every row comes from the files read.
    wd::PracticeDialog dialog(wd::LevelIndex::parse("level001.lvx\tSecond\n"), highest, 0,
                              [](const std::string& file) { return file; });
    QSignalSpy filled(&dialog, &wd::PracticeDialog::filled);
    QVERIFY(filled.wait());
    QCOMPARE(dialog.list()->count(), 3);
    QCOMPARE(dialog.list()->iconSize(), QSize(8 * 4, 4 * 4));
    QVERIFY(drawn(dialog.list()->item(0)));

    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (int row = 0; row < dialog.list()->count(); ++row) {
        QListWidgetItem* item = dialog.list()->item(row);
        dialog.list()->setCurrentItem(item);
        const bool is_open = open[row] == QLatin1Char('o');
        QCOMPARE(bool(item->flags() & Qt::ItemIsEnabled), is_open);
        QCOMPARE(dialog.chosen(), is_open ? std::optional<int>(row) : std::nullopt);
        QCOMPARE(ok->isEnabled(), is_open);
        if (row == 1 && is_open)
            QCOMPARE(item->text(), QStringLiteral("2 · Second"));
    }
}

void TestFrame::selector_answers_while_a_level_stalls()
{
    if (qEnvironmentVariableIsEmpty("WD_SLOW"))
        QSKIP("needs the slow-read shim: ctest runs it as selector_with_a_stalled_level");
    PlayFolder folder;
    for (const char* file : {"level000.lvx", "level001.lvx", "level002.lvx"})
        folder.level(file, corridor);
    wd::PracticeDialog dialog(wd::LevelIndex::parse("level000.lvx\tFirst\nlevel001.lvx\tSecond\n"), 2, 0,
                              [](const std::string& file) { return file; });
    QSignalSpy filled(&dialog, &wd::PracticeDialog::filled);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* list = dialog.list();
    QCOMPARE(list->count(), 2);  // the index's, before any file is read
    QCOMPARE(dialog.chosen(), std::optional<int>(0));

    // The first drawn while the second's read hangs: the dialog takes keys meanwhile.
    QTRY_VERIFY(drawn(list->item(0)));
    QCOMPARE(list->item(1)->text(), QStringLiteral("2 · Second"));
    QTest::keyClick(list, Qt::Key_Right);
    QCOMPARE(dialog.chosen(), std::optional<int>(1));

    // Given up after a second: unavailable, and no longer chosen; the third found past the index.
    QVERIFY(filled.wait());
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QStringLiteral("2 · unavailable"));
    QVERIFY2(list->item(1)->toolTip().endsWith(QStringLiteral("level001.lvx: cannot read: no answer within a second")),
             qPrintable(list->item(1)->toolTip()));
    QVERIFY(!(list->item(1)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(dialog.chosen(), std::nullopt);
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(drawn(list->item(2)));
}

void TestFrame::practice_capture_is_never_ranked()
{
    PlayFolder folder;
    folder.level("level000.lvx", trap);
    folder.level("level001.lvx", meet);
    QByteArray table = "Best\n\n";
    for (int i = 0; i < 10; ++i)
        table += "old..............5\n";
    folder.file("hsc.dat", table);
    auto widget = start_widget();
    QSignalSpy reached(&widget->session(), &wd::GameSession::levelReached);
    QTest::keyClick(widget.get(), Qt::Key_Right);  // traps the cat: level 2 reached
    wd::testing::settle(*widget);
    QCOMPARE(reached.count(), 1);
    QCOMPARE(wd::settings::highest_level(), 1);

    QVERIFY(widget->session().start_practice(1).ok());
    QVERIFY(widget->session().in_practice());
    QCOMPARE(widget->game().score, 0);
    widget->game().score = 2500;  // would take the first place
    widget->session().toggle_pause();  // off its card

    // Every box in turn: a name dialog that should not be there is closed
    // too, so the test fails rather than waits.
    QStringList opened;
    std::function<void(QDialog*)> answer = [&opened, &answer](QDialog* box) {
        opened << box->metaObject()->className();
        auto* message_box = qobject_cast<QMessageBox*>(box);
        if (!message_box) {
            when_shown<QDialog>(answer);
            box->reject();
            return;
        }
        opened << message_box->informativeText();
        for (QAbstractButton* button : message_box->buttons())
            if (button->text() == QStringLiteral("Play Again"))
                button->click();
    };
    when_shown<QDialog>(answer);
    QTest::keyClick(widget.get(), Qt::Key_Right);  // onto the cat
    wd::testing::settle(*widget);
    QCOMPARE(opened.value(0), QStringLiteral("QMessageBox"));  // no name asked
    QVERIFY2(opened.value(1).contains(QStringLiteral("practice game is not ranked")), qPrintable(opened.value(1)));
    QCOMPARE(folder.read("hsc.dat"), table);
    // Play Again practises the same level.
    QCOMPARE(widget->game().level_number, 1);
    QVERIFY(widget->session().in_practice());
}

void TestFrame::practice_asks_before_ending_a_ranked_game_data()
{
    QTest::addColumn<bool>("leave");
    QTest::newRow("kept") << false;
    QTest::newRow("left") << true;
}

void TestFrame::practice_asks_before_ending_a_ranked_game()
{
    QFETCH(bool, leave);
    PlayFolder folder;
    folder.level("level000.lvx", trap);
    auto widget = start_widget();
    widget->game().score = 30;  // points at stake, as F2 and Ctrl+Q ask for
    QString question;
    when_shown<QDialog>([&question, leave](QDialog* selector) {
        when_shown<QMessageBox>([&question, leave](QMessageBox* box) {
            question = box->text();
            if (leave) {
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == QStringLiteral("&Practise"))
                        button->click();
            } else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        // Level 1 is listed once its file has been read on the selector's thread.
        auto* levels = qobject_cast<wd::PracticeDialog*>(selector);
        QTRY_VERIFY_WITH_TIMEOUT(levels && levels->chosen(), 10000);
        selector->accept();
    });
    widget->actions_of().action(wd::Action::practice)->trigger();
    QCOMPARE(question, QStringLiteral("Abandon this game with 30 points and practise level 1?"));
    QCOMPARE(widget->session().in_practice(), leave);
    QCOMPARE(widget->game().score, leave ? 0 : 30);
}

void TestFrame::accessible_description_follows_play()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    auto widget = start_widget();
    QCOMPARE(widget->accessibleName(), QStringLiteral("Game board"));
    QCOMPARE(widget->accessibleDescription(), QStringLiteral("Level 1, score 0, cats left 1"));
    QTest::keyClick(widget.get(), Qt::Key_Right);  // cheese
    QCOMPARE(widget->accessibleDescription(), QStringLiteral("Level 1, score 10, cats left 1"));
    wd::testing::command_key(*widget, Qt::Key_P);
    QCOMPARE(widget->accessibleDescription(), QStringLiteral("Level 1, score 10, cats left 1, paused"));
}

void TestFrame::boxes_open_clear_of_the_board_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("window");  // its board under 60 pixels of menu bar and strip
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<QPoint>("fallback");  // where it must go when nothing is clear, else (-1,-1)
    const QPoint clear(-1, -1);
    const QRect hd(0, 0, 1920, 1080);
    const QRect small(0, 0, 1024, 768);
    QTest::newRow("1920x1080, centred") << hd << QRect(704, 320, 512, 380) << QPoint(960, 540) << clear;
    QTest::newRow("1920x1080, at the right edge") << hd << QRect(1400, 300, 512, 380) << QPoint(1500, 500) << clear;
    QTest::newRow("1920x1080, 2x") << hd << QRect(100, 0, 1024, 700) << QPoint(500, 300) << clear;
    QTest::newRow("1024x768, top left") << small << QRect(0, 0, 512, 380) << QPoint(100, 100) << clear;
    QTest::newRow("1024x768, bottom right") << small << QRect(512, 388, 512, 380) << QPoint(900, 700) << clear;
    // Full screen: over the corner of the board away from the mouse.
    QTest::newRow("full screen, mouse top left") << small << small << QPoint(50, 80) << QPoint(594, 378);
    QTest::newRow("full screen, mouse bottom right") << small << small << QPoint(1000, 700) << QPoint(0, 60);
}

void TestFrame::boxes_open_clear_of_the_board()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, window);
    QFETCH(QPoint, mouse);
    QFETCH(QPoint, fallback);
    const QRect board = window.adjusted(0, 60, 0, 0);
    const QSize table(430, 390);  // the game-over box
    const QRect placed(wd::place_beside(table, window, board, screen, mouse), table);
    const QString at = QStringLiteral("at %1,%2").arg(placed.x()).arg(placed.y());
    QVERIFY2(screen.contains(placed), qPrintable(at));
    if (fallback == QPoint(-1, -1))
        QVERIFY2(!placed.intersects(board), qPrintable(at));
    else
        QCOMPARE(placed.topLeft(), fallback);
}

void TestFrame::window_comes_back_as_it_was_data()
{
    QTest::addColumn<QRect>("set");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("moved and resized") << QRect(50, 60, 700, 500) << false << QRect(50, 60, 700, 500);
    QTest::newRow("maximised") << QRect(50, 60, 300, 200) << true << QRect();
    // The offscreen screen is 800x800: a window saved hanging off it comes back on it.
    QTest::newRow("half off the screen") << QRect(600, 700, 400, 300) << false << QRect(400, 500, 400, 300);
}

void TestFrame::window_comes_back_as_it_was()
{
    QFETCH(QRect, set);
    QFETCH(bool, maximised);
    QFETCH(QRect, expected);
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    {
        auto window = start_window();
        window->setGeometry(set);
        if (maximised)
            window->showMaximized();
        QTRY_COMPARE(window->isMaximized(), maximised);
        QVERIFY(window->close());
    }
    auto window = std::make_unique<wd::GameWindow>(start_widget().release());
    window->restore_placement();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->isMaximized(), maximised);
    if (!maximised) {
        QCOMPARE(window->size(), expected.size());
        // Give or take the frame, which a window has only once shown.
        const QSize frame = window->frameGeometry().size() - window->size();
        const QPoint off = window->geometry().topLeft() - expected.topLeft();
        QVERIFY2(std::abs(off.x()) <= frame.width() && std::abs(off.y()) <= frame.height(),
                 qPrintable(QStringLiteral("at %1,%2").arg(window->x()).arg(window->y())));
    }
    window->showNormal();
    window->close();
}

void TestFrame::mute_option_unticks_sound()
{
    PlayFolder folder;
    folder.level("level000.lvx", corridor);
    wd::settings::set_sound_on(true);
    auto widget = start_widget();
    QAction* sound = widget->actions_of().action(Action::toggle_sound);
    QVERIFY(sound->isChecked());
    widget->start_muted();
    QVERIFY(!sound->isChecked());
    QVERIFY(!widget->sound_on());
    QVERIFY(wd::settings::sound_on());  // for this run only
}

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
