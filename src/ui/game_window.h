#pragma once
// The game's main window: the board's widget in the middle and a menu bar of
// its actions above it. The board keeps its own size; the window is as much
// taller as the menu bar is high, and loses the bar in full screen or when
// the player hides it.

#include <QMainWindow>
#include <QSize>


class QStackedWidget;

namespace wd {

class EditorRoom;
class MainWidget;

class GameWindow : public QMainWindow {
    Q_OBJECT

public:
    // Takes the board's widget, which has its start-up size already.
    explicit GameWindow(MainWidget* board);

    MainWidget* board() const { return game; }
    // The board, or a page in its place (the editor): the window keeps the
    // board's size for the board and the page's own for a page.
    void add_page(QWidget* page);
    void show_page(QWidget* page);
    // `borrowed`: the board shows a page's test-play, at the page's size.
    void show_board(bool borrowed = false);
    QWidget* page() const;
    EditorRoom* editor_room() const { return room; }
    void set_menu_bar_shown(bool shown);
    // The size, place and state the window had when it last closed, if any.
    void restore_placement();
    void save_placement();

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void show_menu_bar_as_chosen();
    int menu_bar_height(int width) const;
    void fit_around(QSize board_size);

    MainWidget* game;
    QStackedWidget* pages;
    EditorRoom* room;
    QSize board_size;  // the board's, while a page stands in its place
    bool board_borrowed = false;
    bool menu_wanted = true;
};

}  // namespace wd
