#include "game_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QWidget>

namespace wd {

namespace {
QString menu_text(const Command& command)
{
    return QCoreApplication::translate("Menu", command.text);
}
}  // namespace

GameActions::GameActions(QWidget* owner) : QObject(owner)
{
    for (const Command& command : commands()) {
        auto* action = new QAction(menu_text(command), owner);
        action->setShortcuts(keys_of(command));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(command.checkable);
        // Holding a key down zooms on; it never opens box after box.
        action->setAutoRepeat(command.action == Action::zoom_in || command.action == Action::zoom_out);
        connect(action, &QAction::triggered, this, [this, which = command.action] { emit triggered(which); });
        owner->addAction(action);
        actions[command.action] = action;
    }
}

QList<QAction*> GameActions::in_menu(Menu menu) const
{
    QList<QAction*> found;
    for (const Command& command : commands())
        if (command.menu == menu)
            found << actions.at(command.action);
    return found;
}

void GameActions::show_checked(Action which, bool on)
{
    QAction* toggle = actions.at(which);
    const QSignalBlocker quiet(toggle);
    toggle->setChecked(on);
}

void GameActions::set_editing(bool editing)
{
    for (const auto& [which, action] : actions) {
        if (window_command(which))
            continue;
        if (editing) {
            if (action->isEnabled())
                disabled_for_editing.push_back(action);
            action->setEnabled(false);
        }
    }
    if (!editing)
        for (QAction* action : std::exchange(disabled_for_editing, {}))
            action->setEnabled(true);
}

QList<GameActions::KeyLine> GameActions::key_lines(bool every)
{
    QList<KeyLine> lines;
    for (const Command& command : commands()) {
        const QList<QKeySequence> sequences = keys_of(command);
        if (sequences.isEmpty() && !every)
            continue;
        QString name = menu_text(command);
        name.remove(QLatin1Char('&')).remove(QChar(0x2026));
        QStringList texts;
        for (const QKeySequence& sequence : sequences)
            texts << sequence.toString(QKeySequence::NativeText);
        if (sequences.isEmpty())
            texts << QCoreApplication::translate("Menu", "%1 menu", "where a command without keys is found")
                         .arg(QCoreApplication::translate("Menu", menu_title(command.menu)).remove(QLatin1Char('&')));
        lines.append({name, texts.join(QStringLiteral(", "))});
    }
    return lines;
}

QString GameActions::keys_text()
{
    QList<KeyLine> all = key_lines();
    all.prepend({QCoreApplication::translate("Menu", "Move"),
                 QCoreApplication::translate("Menu", "Arrow keys, W A S D, keypad 8 4 6 2")});
    all.append({QCoreApplication::translate("Menu", "In a replay"),
                QCoreApplication::translate("Menu", "P pause, + and - speed, → a tick, Esc leave")});
    qsizetype widest = 0;
    for (const KeyLine& line : std::as_const(all))
        widest = std::max(widest, line.name.size());
    QStringList lines;
    for (const KeyLine& line : std::as_const(all))
        lines << line.name.leftJustified(widest + 2) + line.keys;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace wd
