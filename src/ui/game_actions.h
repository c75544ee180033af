#pragma once
// The commands of the key table as the window's actions, each with its keys
// as shortcuts. They belong to the board's widget and work across its whole
// window, with the menu bar shown or hidden.

#include "key_map.h"

#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <vector>

class QAction;
class QWidget;

namespace wd {

class GameActions : public QObject {
    Q_OBJECT

public:
    explicit GameActions(QWidget* owner);

    QAction* action(Action which) const { return actions.at(which); }
    QList<QAction*> in_menu(Menu menu) const;
    // Sets a toggle's tick without triggering it.
    void show_checked(Action which, bool on);
    // While the editor shows, only the window's own commands work: the
    // board's would act on a game nobody sees, and its letters draw.
    void set_editing(bool editing);

    // Each command that has keys, its name as the menus show it (without
    // the mnemonic) and its keys as the menus name them; with `every`, the
    // commands without keys too, with the menu they are in.
    struct KeyLine {
        QString name;
        QString keys;
    };
    static QList<KeyLine> key_lines(bool every = false);
    // Each command with its keys, a line each, for the Keys box.
    static QString keys_text();

signals:
    void triggered(wd::Action action);

private:
    std::map<Action, QAction*> actions;
    std::vector<QAction*> disabled_for_editing;
};

}  // namespace wd
