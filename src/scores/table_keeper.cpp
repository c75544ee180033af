#include "table_keeper.h"

namespace wd::hsc {

TableKeeper::TableKeeper(const QString& path, ScoreStore::NoticeSink notice) : store(path, std::move(notice)) {}

bool TableKeeper::enter(Slot slot, const std::string& typed, int score)
{
    own_name = clean_name(typed);
    if (!store.add(shown, slot, own_name, score))
        return false;
    own_score = score;
    return true;
}

std::optional<int> TableKeeper::own_entry_index() const
{
    if (own_score < 0)
        return std::nullopt;
    return shown.find(own_name, own_score);
}

}  // namespace wd::hsc
