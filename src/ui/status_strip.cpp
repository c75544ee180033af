#include "status_strip.h"

#include "scene_renderer.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace wd {

namespace {
// The strip's texts share one translation context.
struct Strip {
    Q_DECLARE_TR_FUNCTIONS(StatusStrip)
};

constexpr int score_x = 18;
constexpr int baseline = 18;
constexpr int margin = 4;
constexpr int mark_width = 14;

QString score_text(int score)
{
    return QString::asprintf(":%05d", score);
}

// A loudspeaker struck through: sound is off.
void paint_sound_off(QPainter& painter, int right)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal x = right - mark_width;
    QPainterPath speaker;
    speaker.moveTo(x + 1, 8);
    speaker.lineTo(x + 4, 8);
    speaker.lineTo(x + 8, 4);
    speaker.lineTo(x + 8, 16);
    speaker.lineTo(x + 4, 12);
    speaker.lineTo(x + 1, 12);
    speaker.closeSubpath();
    painter.fillPath(speaker, Qt::black);
    painter.setPen(QPen(QColor(0xB0, 0x20, 0x20), 1.6));
    painter.drawLine(QPointF(x, 17), QPointF(x + mark_width - 1, 3));
    painter.restore();
}
}  // namespace

QString strip_status_text(const StripState& state, const QFont& font, int room)
{
    const QFontMetrics metrics(font);
    const QString level = QString::number(state.level + 1);
    QStringList candidates;
    if (!state.replay.isEmpty())
        candidates = {Strip::tr("Replay %1 · Level %2 · Cats %n", "speed, level", state.cats).arg(state.replay, level),
                      Strip::tr("Replay %1", "speed").arg(state.replay), Strip::tr("Replay")};
    else if (state.paused)
        candidates = {Strip::tr("Paused · press P to play"), Strip::tr("Paused · P"), Strip::tr("Paused")};
    else if (state.won)
        candidates = {Strip::tr("All levels cleared"), Strip::tr("Cleared")};
    else if (!state.file.isEmpty())
        candidates = {Strip::tr("%1 · Cats left %n", "the level's file name", state.cats).arg(state.file),
                      Strip::tr("%1 · Cats %n", "the level's file name", state.cats).arg(state.file),
                      Strip::tr("Cats %n", nullptr, state.cats)};
    else if (state.practice)
        candidates = {Strip::tr("Practice · Level %1 · Cats left %n", nullptr, state.cats).arg(level),
                      Strip::tr("Practice · L%1 · C%n", "shortest: level and cats", state.cats).arg(level),
                      Strip::tr("L%1 · C%n", "shortest: level and cats", state.cats).arg(level)};
    else
        candidates = {Strip::tr("Level %1 · Cats left %n", nullptr, state.cats).arg(level),
                      Strip::tr("Level %1 · Cats %n", nullptr, state.cats).arg(level),
                      Strip::tr("L%1 · C%n", "shortest: level and cats", state.cats).arg(level)};
    for (const QString& text : candidates)
        if (metrics.horizontalAdvance(text) <= room)
            return text;
    return {};
}

void paint_strip(QPainter& painter, const StripState& state, const QPixmap& cheese, const QFont& font, int width)
{
    painter.fillRect(QRect(0, 0, width, strip_height), SceneRenderer::background());
    painter.drawPixmap(2, 2, cheese);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString score = score_text(state.score);
    painter.drawText(score_x, baseline, score);

    int right = width - margin;
    if (state.sound_off) {
        paint_sound_off(painter, right);
        right -= mark_width + margin;
    }
    const int left = score_x + QFontMetrics(font).horizontalAdvance(score) + 2 * margin;
    const QString status = strip_status_text(state, font, right - left);
    if (!status.isEmpty())
        painter.drawText(right - QFontMetrics(font).horizontalAdvance(status), baseline, status);
}

}  // namespace wd
