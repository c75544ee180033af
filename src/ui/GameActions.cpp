#include "GameActions.h"

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

QString GameActions::keys_text()
{
    QStringList names;
    QStringList keys;
    names << QCoreApplication::translate("Menu", "Move");
    keys << QCoreApplication::translate("Menu", "Arrow keys, W A S D, keypad 8 4 6 2");
    for (const Command& command : commands()) {
        const QList<QKeySequence> sequences = keys_of(command);
        if (sequences.isEmpty())
            continue;
        QString name = menu_text(command);
        name.remove(QLatin1Char('&')).remove(QChar(0x2026));
        QStringList texts;
        for (const QKeySequence& sequence : sequences)
            texts << sequence.toString(QKeySequence::NativeText);
        names << name;
        keys << texts.join(QStringLiteral(", "));
    }
    qsizetype widest = 0;
    for (const QString& name : std::as_const(names))
        widest = std::max(widest, name.size());
    QStringList lines;
    for (qsizetype i = 0; i < names.size(); ++i)
        lines << names[i].leftJustified(widest + 2) + keys[i];
    return lines.join(QLatin1Char('\n'));
}

}  // namespace wd
