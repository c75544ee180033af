#include "settings.h"
#include "files/player_notices.h"
#include "files/tell.h"

#include "files/file_lock.h"
#include "files/regular_file.h"
#include "files/replace.h"
#include "settings_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>


namespace wd::settings {

namespace {

// A few lines of text: anything bigger is not a settings file of this game,
// and reading or rewriting it would hold up play.
constexpr qint64 size_cap = 64 * 1024;
constexpr int retry_ms = 250;
// At quit there is no later: the lock is tried again for this long.
constexpr int quit_wait_ms = 2000;
// A write holds the lock for a millisecond or so, and the lock is never waited
// for but at quit: one a second old was left by a game that hung or died, and
// is taken over well within the quit's wait.
constexpr int stale_lock_ms = 1000;

struct Store {
    bool loaded = false;
    bool writable = true;  // false: this run's settings live in memory only
    QSet<QString> unsaved;  // changed in this run and not yet in the file
    Values values;
    QSet<QString> changed;  // set in this run: these win over the file's
    QTimer* retry = nullptr;
};

Store& the()
{
    static Store store;
    return store;
}

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/whiskerdash");
}

QString file_path()
{
    return folder() + QStringLiteral("/whiskerdash.conf");
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Stops all writing for this run, with one warning.
void keep_in_memory(const QString& why)
{
    Store& store = the();
    if (!store.writable)
        return;
    store.writable = false;
    store.unsaved.clear();
    const QString text = QStringLiteral("%1; the settings of this run are kept in memory only").arg(why);
    player_notices::tell(text);
}

// The settings are the player's own file, and a link or a second name is
// something the player made on purpose: left as it is, never written through.
constexpr Links links = Links::refuse;

Problem problem(Problem::Kind kind, const QString& text)
{
    return {kind, 0, text.toStdString()};
}

QString text_of(const Problem& problem)
{
    return QString::fromStdString(problem.text);
}

// Whether the file (or its lock) may be touched: only a regular file of one
// name, of a settings file's size, or nothing.
Result<void> usable(const QString& path, bool check_size)
{
    const Result<qint64> there = refusal(path, links);
    if (!there.ok()) {
        Problem refused = there.problem();
        // The system's reason alone; a file refused for what it is stays as it is.
        refused.text = (refused.kind == Problem::Kind::cannot_open ? QStringLiteral("%1: %2")
                                                                     : QStringLiteral("%1: %2, left as it is"))
                           .arg(path, text_of(refused))
                           .toStdString();
        return refused;
    }
    if (check_size && there.value() > size_cap)
        return problem(Problem::Kind::refused,
                       QStringLiteral("%1: %2 bytes, too big for a settings file; left as it is").arg(path).arg(there.value()));
    return {};
}

// The file's values (none when there is no file), or why it cannot be read.
Result<Values> read_values()
{
    const QString path = file_path();
    if (const Result<void> use = usable(path, true); !use.ok())
        return use.problem();
    const Result<std::string> file = read_timed(native(path).toStdString(), size_cap + 1);
    if (!file.ok() && file.problem().no_file())
        return Values();
    if (!file.ok())
        return Problem{file.problem().kind, file.problem().error, refused_read(path, file.problem()).toStdString()};
    if (file.value().size() > static_cast<std::size_t>(size_cap))
        return problem(Problem::Kind::refused, QStringLiteral("%1: too big for a settings file; left as it is").arg(path));
    return parse_ini(QByteArray::fromStdString(file.value()));
}

Store& loaded()
{
    Store& store = the();
    if (store.loaded)
        return store;
    store.loaded = true;
    Result<Values> read = read_values();
    if (!read.ok()) {
        keep_in_memory(text_of(read.problem()));
        return store;
    }
    store.values = std::move(read).value();
    if (const Result<void> lock = usable(file_path() + QStringLiteral(".lock"), false); !lock.ok())
        keep_in_memory(text_of(lock.problem()));
    return store;
}

void schedule_retry();

const QString level_key = QStringLiteral("progress/highest_level");

int level_in(const Values& values)
{
    return std::max(values.value(level_key).toInt(), 0);
}

// One try at putting this run's changes in the file; `wait_ms` for the lock.
// Not the toolkit's QSettings, though it too re-reads the file under a lock
// and writes only its own keys: the last writer of a key wins there, so a game
// at level 3 still writes over another's 6; its sync() waits for a live lock
// with no bound (32 s measured, the game frozen); and a failed write leaves
// no reason to tell the player.
void write_now(int wait_ms)
{
    Store& store = the();
    if (!store.writable || store.unsaved.isEmpty())
        return;
    const QString path = file_path();
    if (!QDir().mkpath(folder())) {
        keep_in_memory(QStringLiteral("%1: cannot make the settings folder").arg(folder()));
        return;
    }
    const QString lock_path = path + QStringLiteral(".lock");
    if (const Result<void> use = usable(lock_path, false); !use.ok()) {
        keep_in_memory(text_of(use.problem()));
        return;
    }
    const FileLock lock(lock_path, stale_lock_ms, wait_ms);
    if (lock.busy()) {
        schedule_retry();  // another game is writing: later, never waiting here
        return;
    }
    if (!lock.held()) {
        keep_in_memory(text_of(lock.problem()));
        return;
    }
    remove_dead_saves(path);
    Result<Values> read = read_values();
    if (!read.ok()) {
        keep_in_memory(text_of(read.problem()));
        return;
    }
    Values merged = std::move(read).value();
    // Progress never goes back: another game may have gone further since this one read the file.
    if (store.changed.contains(level_key))
        store.values.insert(level_key, QString::number(std::max(level_in(merged), level_in(store.values))));
    for (const QString& key : std::as_const(store.changed))
        merged.insert(key, store.values.value(key));
    const QByteArray text = write_ini(merged);
    const std::string_view bytes(text.constData(), std::size_t(text.size()));
    if (const Result<void> saved = replace_file(path, bytes, links); !saved.ok()) {
        keep_in_memory(QStringLiteral("%1: cannot save the settings: %2").arg(path, text_of(saved.problem())));
        return;
    }
    store.unsaved.clear();
}

// The last try, at quit; what another game's lock still keeps out is told.
void write_at_quit()
{
    write_now(quit_wait_ms);
    Store& store = the();
    if (!store.writable || store.unsaved.isEmpty())
        return;
    QStringList keys = store.unsaved.values();
    keys.sort();
    tell_stderr(QStringLiteral("%1: another game kept it locked for %2 s; not saved: %3")
                    .arg(file_path())
                    .arg(quit_wait_ms / 1000)
                    .arg(keys.join(QStringLiteral(", ")))
                    .toStdString());
}

void schedule_retry()
{
    Store& store = the();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;  // written at the next change
    if (!store.retry) {
        store.retry = new QTimer(app);
        store.retry->setSingleShot(true);
        store.retry->setInterval(retry_ms);
        QObject::connect(store.retry, &QTimer::timeout, [] { write_now(0); });
        QObject::connect(app, &QCoreApplication::aboutToQuit, [] { write_at_quit(); });
    }
    store.retry->start();
}

QString value(const QString& key, const QString& fallback = {})
{
    return loaded().values.value(key, fallback);
}

void set(const QString& key, const QString& text)
{
    Store& store = loaded();
    store.values.insert(key, text);
    store.changed.insert(key);
    store.unsaved.insert(key);
    write_now(0);
}

}  // namespace

QString file_name()
{
    return file_path();
}


QString last_name() { return value(QStringLiteral("player/name")); }
void set_last_name(const QString& name) { set(QStringLiteral("player/name"), name); }

int zoom()
{
    const int value = settings::value(QStringLiteral("view/zoom")).toInt();
    return value > 0 && value <= 64 ? value : 0;  // a hand-edited value cannot blow up the window
}
void set_zoom(int zoom) { set(QStringLiteral("view/zoom"), QString::number(zoom)); }

QByteArray window_geometry()
{
    return QByteArray::fromBase64(value(QStringLiteral("view/geometry")).toLatin1());
}
void set_window_geometry(const QByteArray& geometry)
{
    if (geometry != window_geometry())
        set(QStringLiteral("view/geometry"), QString::fromLatin1(geometry.toBase64()));
}

namespace {
// A switch that is on unless the file says "false".
bool on_unless_off(const QString& key) { return value(key, QStringLiteral("true")) != QLatin1String("false"); }
void set_switch(const QString& key, bool on) { set(key, on ? QStringLiteral("true") : QStringLiteral("false")); }
}  // namespace

bool sound_on() { return on_unless_off(QStringLiteral("sound/on")); }
void set_sound_on(bool on) { set_switch(QStringLiteral("sound/on"), on); }

bool menu_bar_shown() { return on_unless_off(QStringLiteral("view/menu_bar")); }
void set_menu_bar_shown(bool shown) { set_switch(QStringLiteral("view/menu_bar"), shown); }

int highest_level()
{
    return level_in(loaded().values);  // the selector opens what the pack holds up to it
}
void note_level_reached(int level)
{
    if (level > highest_level())
        set(level_key, QString::number(level));
}

}  // namespace wd::settings
