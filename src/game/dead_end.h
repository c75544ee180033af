#pragma once
// Telling the player when a level can no longer be cleared: a cheap check that
// errs only one way. It answers false only when some cat can never be caught,
// whatever the player does; true means a way may still be left.

#include "board.h"

namespace wd {

bool can_still_clear(const Board& board);

}  // namespace wd
