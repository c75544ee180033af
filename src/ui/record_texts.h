#pragma once
// How a level's records read: on the cleared card and in the practice selector.

#include "recording/level_records.h"

#include <QStringList>

namespace wd {

// A clear's time by the cats' clock: "34.0 s".
QString clear_time(int ticks);
// "Most cheese 14 · Fastest clear 34.0 s", or empty with no clear yet.
QString record_summary(const LevelRecord& record);
// A line for each record the clear beat; none for a level's first clear,
// which sets the records without beating any.
QStringList record_news_lines(const RecordNews& news);

}  // namespace wd
