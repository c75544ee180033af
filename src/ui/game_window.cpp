#include "game_window.h"

#include "../settings/settings.h"
#include "editor_room.h"
#include "main_widget.h"
#include "window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>

namespace wd {

GameWindow::GameWindow(MainWidget* board) : game(board)
{
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(board->windowTitle());
    const QSize board_size = board->size();
    pages = new QStackedWidget(this);
    pages->addWidget(board);
    setCentralWidget(pages);
    board->setFocus();  // keys go to the board, never to the bar
    for (const Menu entry : menus) {
        QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Menu", menu_title(entry)));
        connect(menu, &QMenu::aboutToShow, board, &MainWidget::menu_opened);
        connect(menu, &QMenu::aboutToHide, board, &MainWidget::menu_closed);
        const QList<QAction*> actions = board->actions_of().in_menu(entry);
        addActions(actions);  // their keys work with the bar hidden and a page in the board's place too
        for (QAction* action : actions) {
            // Quit and the help's own boxes after a line, as desktop games have them.
            if (action == board->actions_of().action(Action::quit) || action == board->actions_of().action(Action::about))
                menu->addSeparator();
            menu->addAction(action);
        }
    }
    connect(&board->actions_of(), &GameActions::triggered, this, [this](Action action) {
        if (action == Action::toggle_menu_bar)
            set_menu_bar_shown(!menu_wanted);
        if (action == Action::play_pack || action == Action::edit_levels)
            room->open_packs(action == Action::edit_levels);
    });
    room = new EditorRoom(*this, *board);
    menu_wanted = settings::menu_bar_shown();
    show_menu_bar_as_chosen();
    // The board at its start-up size, the bar above it.
    fit_around(board_size);

    // The game's boxes open beside the window, clear of the board and the mouse.
    qApp->installEventFilter(new BoxPlacement(
        this,
        [this] {
            const QRect board = game->view().board();
            return QRect(game->mapToGlobal(board.topLeft()), board.size());
        },
        [this] {
            const Board& b = game->game();
            const QRect cell = game->view().board_to_window(
                QRect(b.mouse_x * cell_size, b.mouse_y * cell_size, cell_size, cell_size));
            return game->mapToGlobal(cell.center());
        }));
    // A quit signal closes no window: the place is kept as the program ends.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameWindow::save_placement);
}

void GameWindow::add_page(QWidget* page)
{
    pages->addWidget(page);
}

QWidget* GameWindow::page() const
{
    return pages->currentWidget();
}

void GameWindow::show_page(QWidget* page)
{
    if (pages->currentWidget() == game && !board_borrowed)
        board_size = game->size();
    page->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    pages->setCurrentWidget(page);
    if (!isFullScreen() && !isMaximized()) {
        QSize wanted = page->sizeHint().expandedTo(page->minimumSizeHint()).expandedTo(board_size);
        if (const QScreen* on = screen())
            wanted = wanted.boundedTo(on->availableGeometry().size() * 9 / 10);
        fit_around(wanted);
    }
}

void GameWindow::show_board(bool borrowed)
{
    board_borrowed = borrowed;
    if (pages->currentWidget() == game)
        return;
    // A page out of sight must not hold the window at its own minimum size.
    pages->currentWidget()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    pages->setCurrentWidget(game);
    game->setFocus();
    if (!borrowed && !isFullScreen() && !isMaximized() && board_size.isValid())
        fit_around(board_size);
}

void GameWindow::restore_placement()
{
    const QByteArray saved = settings::window_geometry();
    if (saved.isEmpty() || !restoreGeometry(saved))
        return;
    // A window saved on a screen since taken away, or larger than this one, comes back on it.
    if (QScreen* on = screen(); on && !isMaximized() && !isFullScreen()) {
        const QRect available = on->availableGeometry();
        const QSize size = frameGeometry().size().boundedTo(available.size())
            - (frameGeometry().size() - geometry().size());
        if (size != this->size())
            resize(size);
        move(kept_on_screen(QRect(frameGeometry().topLeft(), frameGeometry().size()), available));
    }
}

void GameWindow::save_placement()
{
    settings::set_window_geometry(saveGeometry());
}

int GameWindow::menu_bar_height(int width) const
{
    if (!menuBar()->isVisibleTo(this))
        return 0;
    const int wrapped = menuBar()->heightForWidth(width);  // a narrow board's bar takes two rows
    return wrapped > 0 ? wrapped : menuBar()->sizeHint().height();
}

void GameWindow::fit_around(QSize board_size)
{
    resize(board_size.width(), board_size.height() + menu_bar_height(board_size.width()));
}

void GameWindow::set_menu_bar_shown(bool shown)
{
    menu_wanted = shown;
    settings::set_menu_bar_shown(shown);
    const QSize board_size = game->size();
    const bool was_shown = menuBar()->isVisibleTo(this);
    show_menu_bar_as_chosen();
    // The board keeps its size: the window takes or gives the bar's height.
    if (!isFullScreen() && !isMaximized() && was_shown != menuBar()->isVisibleTo(this))
        fit_around(board_size);
}

void GameWindow::show_menu_bar_as_chosen()
{
    menuBar()->setVisible(menu_wanted && !isFullScreen());
    game->actions_of().show_checked(Action::toggle_menu_bar, menu_wanted);
}

void GameWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange) {
        show_menu_bar_as_chosen();
        game->actions_of().show_checked(Action::full_screen, isFullScreen());
    }
    QMainWindow::changeEvent(e);
}

}  // namespace wd

namespace wd {

// Quit, Ctrl+Q and the close button all come here; a quit signal does not.
void GameWindow::closeEvent(QCloseEvent* e)
{
    // A logging-out desktop is never asked, as for the game.
    if ((!qApp->isSavingSession() && !room->changes_settled()) || !game->may_quit()) {
        e->ignore();
        return;
    }
    save_placement();
    QMainWindow::closeEvent(e);
}

}  // namespace wd
