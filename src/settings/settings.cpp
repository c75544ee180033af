#include "settings.h"

#include <QSettings>

namespace wd::settings {

namespace {
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("whiskerdash"),
                     QStringLiteral("whiskerdash"));
}
}  // namespace

QString last_name() { return store().value(QStringLiteral("player/name")).toString(); }
void set_last_name(const QString& name) { store().setValue(QStringLiteral("player/name"), name); }

int zoom()
{
    const int value = store().value(QStringLiteral("view/zoom"), 0).toInt();
    return value > 0 && value <= 64 ? value : 0;  // a hand-edited value cannot blow up the window
}
void set_zoom(int zoom) { store().setValue(QStringLiteral("view/zoom"), zoom); }

bool sound_on() { return store().value(QStringLiteral("sound/on"), true).toBool(); }
void set_sound_on(bool on) { store().setValue(QStringLiteral("sound/on"), on); }

}  // namespace wd::settings
