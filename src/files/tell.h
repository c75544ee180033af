#pragma once
// The one place problems are written to standard error, each a line
// "whiskerdash: " and the sentence, for a player who started the game from a
// terminal and for the logs. Standard output carries the trace lines alone.

#include <string_view>

namespace wd {

void tell_stderr(std::string_view sentence);

}  // namespace wd
