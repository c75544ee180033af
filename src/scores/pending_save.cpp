#include "pending_save.h"
#include "files/tell.h"


namespace wd::hsc {

PendingSave::PendingSave(ScoreStore& store, Table& text, QObject* parent)
    : QObject(parent)
    , store(store)
    , text(text)
{
    retry.setInterval(retry_ms);
    connect(&retry, &QTimer::timeout, this, &PendingSave::try_again);
}

QString PendingSave::waiting_notice() const
{
    return QStringLiteral("%1: another game is saving; your entry waits and is saved as soon as it is done "
                          "(should this game end first, it waits in a file beside the table for the next game)")
        .arg(store.path());
}

void PendingSave::save()
{
    if (!store.has_unsaved())
        return;
    if (store.save_within(text, 0, false) != ScoreStore::Saved::lock_busy) {
        retry.stop();  // saved, or failed for a reason told already
        return;
    }
    if (!retry.isActive()) {
        store.notify(waiting_notice());
        retry.start();
    }
}

void PendingSave::save_before_exit()
{
    retry.stop();
    if (store.has_unsaved() && store.save_within(text, ScoreStore::exit_wait_ms, false) == ScoreStore::Saved::lock_busy)
        store.keep_waiting();
}

void PendingSave::try_again()
{
    if (!store.has_unsaved()) {
        retry.stop();
        return;
    }
    switch (store.save_within(text, 0, false)) {
    case ScoreStore::Saved::lock_busy: return;
    case ScoreStore::Saved::yes: {
        retry.stop();
        const QString notice = QStringLiteral("%1: your entry is saved").arg(store.path());
        // Told in the open box, not kept for the next one.
        tell_stderr(notice.toStdString());
        emit savedLate(QString::fromUtf8(text.c_str()), notice);
        return;
    }
    case ScoreStore::Saved::failed: retry.stop(); return;
    }
}

}  // namespace wd::hsc
