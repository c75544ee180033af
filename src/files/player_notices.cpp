#include "player_notices.h"

#include "tell.h"

#include <QMutex>

namespace wd::player_notices {

namespace {
QMutex guard;
QStringList waiting;
}  // namespace

void tell(const QString& sentence)
{
    tell_stderr(sentence.toStdString());
    const QMutexLocker locked(&guard);
    if (!waiting.contains(sentence))
        waiting << sentence;
}

QStringList take()
{
    const QMutexLocker locked(&guard);
    return std::exchange(waiting, {});
}

}  // namespace wd::player_notices
