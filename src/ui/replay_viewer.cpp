#include "replay_viewer.h"

#include "recording/replay.h"
#include "game/level.h"

#include <QFile>
#include <QFileInfo>

namespace wd {

namespace {
constexpr int tick_ms = 400;
constexpr int move_ms = 60;      // moves between two ticks come this far apart
constexpr int cleared_ms = 1000; // the cleared card, as in play
constexpr int speeds[][2] = {{1, 4}, {1, 2}, {1, 1}, {2, 1}, {4, 1}, {8, 1}};  // numerator, denominator
constexpr int speed_count = 6;
}  // namespace

Result<std::unique_ptr<ReplayViewer>> ReplayViewer::open(const Recording& recording,
                                                         const std::function<QString(const QString&)>& locate,
                                                         QObject* parent)
{
    std::vector<std::string> levels;
    for (const Recording::Step& step : recording.steps) {
        if (step.kind != Recording::Step::Kind::level)
            continue;
        Result<std::string> file = recorded_level(
            step, read_level_file(QFileInfo(QString::fromStdString(step.file)).isAbsolute()
                                      ? step.file
                                      : QFile::encodeName(locate(QString::fromStdString(step.file))).toStdString()));
        if (!file.ok())
            return file.problem();
        levels.push_back(std::move(file).value());
    }
    return std::unique_ptr<ReplayViewer>(new ReplayViewer(recording, std::move(levels), parent));
}

ReplayViewer::ReplayViewer(const Recording& recording, std::vector<std::string> levels, QObject* parent)
    : QObject(parent)
    , recorded(recording)
    , level_bytes(std::move(levels))
    , shown(QString())
{
    for (const Recording::Step& step : recording.steps) {
        if (step.kind != Recording::Step::Kind::tick) {
            steps.push_back(step);
            continue;
        }
        Recording::Step one = step;
        one.ticks = 1;
        steps.insert(steps.end(), std::size_t(step.ticks), one);
    }
    shown.set_driven();
    shown.board().trace = [](const std::string&) {};  // the live game's traces are the game's own
    shown.board().own_random()->restore(recording.random);
    connect(&shown, &GameSession::stepped, this, &ReplayViewer::changed);
    connect(&shown, &GameSession::stateChanged, this, &ReplayViewer::changed);
    pace.setSingleShot(true);
    connect(&pace, &QTimer::timeout, this, &ReplayViewer::play_next);
    play_one();  // the first level, on view at once
    pace.start(delay_ms());
}

QString ReplayViewer::speed_text() const
{
    const int* s = speeds[speed];
    return s[1] == 1 ? QStringLiteral("%1\u00d7").arg(s[0]) : QStringLiteral("1/%1\u00d7").arg(s[1]);
}

int ReplayViewer::delay_ms() const
{
    if (finished())
        return 0;
    const Recording::Step& step = steps[next];
    int ms = step.kind == Recording::Step::Kind::tick    ? tick_ms
             : step.kind == Recording::Step::Kind::move ? move_ms
             : shown.state() == GameSession::State::cleared ? cleared_ms
                                                            : 0;
    return ms * speeds[speed][1] / speeds[speed][0];
}

bool ReplayViewer::play_one()
{
    if (finished())
        return false;
    const Recording::Step& step = steps[next++];
    switch (step.kind) {
    case Recording::Step::Kind::level: {
        shown.drive_level(step, level_bytes[next_level++]);  // checked when opened
        return false;
    }
    case Recording::Step::Kind::move: shown.move(step.dx, step.dy); return false;
    case Recording::Step::Kind::tick: shown.timer_proc(); return true;
    }
    return false;
}

void ReplayViewer::play_next()
{
    play_one();
    if (!finished())
        pace.start(delay_ms());
    emit changed();
}

void ReplayViewer::toggle_pause()
{
    if (pace.isActive())
        pace.stop();
    else if (!finished())
        pace.start(delay_ms());
    emit changed();
}

void ReplayViewer::faster()
{
    speed = std::min(speed + 1, speed_count - 1);
    emit changed();
}

void ReplayViewer::slower()
{
    speed = std::max(speed - 1, 0);
    emit changed();
}

void ReplayViewer::step_tick()
{
    if (!paused())
        return;
    while (!finished() && !play_one()) {
    }
    emit changed();
}

}  // namespace wd
