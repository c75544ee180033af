#include "settings.h"

#include <QSettings>

namespace wd::settings {

namespace {
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("whiskerdash"),
                     QStringLiteral("whiskerdash"));
}

std::function<void(const QString&)>& failure_sink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}

// Writes now, so a failure is known while the player can still be told.
void keep(QSettings& settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError && failure_sink())
        failure_sink()(QStringLiteral("%1: cannot save the settings; they last only for this run")
                           .arg(settings.fileName()));
}

void set(const QString& key, const QVariant& value)
{
    QSettings settings = store();
    settings.setValue(key, value);
    keep(settings);
}
}  // namespace

QString file_name() { return store().fileName(); }
void on_write_failure(std::function<void(const QString&)> tell) { failure_sink() = std::move(tell); }

QString last_name() { return store().value(QStringLiteral("player/name")).toString(); }
void set_last_name(const QString& name) { set(QStringLiteral("player/name"), name); }

int zoom()
{
    const int value = store().value(QStringLiteral("view/zoom"), 0).toInt();
    return value > 0 && value <= 64 ? value : 0;  // a hand-edited value cannot blow up the window
}
void set_zoom(int zoom) { set(QStringLiteral("view/zoom"), zoom); }

bool sound_on() { return store().value(QStringLiteral("sound/on"), true).toBool(); }
void set_sound_on(bool on) { set(QStringLiteral("sound/on"), on); }

}  // namespace wd::settings
