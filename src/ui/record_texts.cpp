#include "record_texts.h"

#include <QCoreApplication>

namespace wd {

namespace {
constexpr int tick_ms = 400;  // the cats' clock: records compare ticks, players read seconds

}  // namespace

QString clear_time(int ticks)
{
    return QCoreApplication::translate("Records", "%1 s", "seconds").arg(double(ticks) * tick_ms / 1000.0, 0, 'f', 1);
}

QString record_summary(const LevelRecord& record)
{
    if (record.cheese < 0 && record.ticks < 0)
        return {};
    return QCoreApplication::translate("Records", "Most cheese %1 · Fastest clear %2")
        .arg(record.cheese)
        .arg(clear_time(record.ticks));
}

QStringList record_news_lines(const RecordNews& news)
{
    QStringList lines;
    if (news.cheese && news.before.cheese >= 0)
        lines << QCoreApplication::translate("Records", "New record: most cheese, %1 (was %2)")
                     .arg(news.clear.cheese)
                     .arg(news.before.cheese);
    if (news.ticks && news.before.ticks >= 0)
        lines << QCoreApplication::translate("Records", "New record: fastest clear, %1 (was %2)")
                     .arg(clear_time(news.clear.ticks), clear_time(news.before.ticks));
    return lines;
}

}  // namespace wd
