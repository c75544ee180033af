#include "announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>

namespace wd {

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class ApplicationAccessible : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("wd::MainWidget", "Whiskerdash");
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* factory(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("wd::Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    if (class_name == QLatin1String("QApplication") && object == QCoreApplication::instance())
        return new ApplicationAccessible;
    return nullptr;
}

const bool factory_installed = [] {
    QAccessible::installFactory(factory);
    return true;
}();

}  // namespace

Announcer::Announcer(QWidget* board) : QWidget(board)
{
    Q_UNUSED(factory_installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::say(const QString& text, const QRect& where)
{
    if (text == said && isVisible()) {
        setGeometry(where);
        return;
    }
    said = text;
    // Every new text appears anew: a screen reader announces a notification as
    // it is shown, while a name changing on an object without focus goes unsaid.
    hide();
    if (text.isEmpty())
        return;
    setGeometry(where.isEmpty() ? QRect(0, 0, 1, 1) : where);
    show();
}

}  // namespace wd
