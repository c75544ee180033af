#pragma once
// `whiskerdash --replay FILE --check`: a recorded game played again without a
// window, as fast as the rules run.

#include <QString>

#include <cstddef>

namespace wd {

// The most a recording file may hold: far beyond hours of play.
inline constexpr std::size_t recording_cap = 64 << 20;

// Prints the game's trace lines as the live game printed them; 0 when the
// recorded end and score come again, 1 when not, 2 when the recording cannot
// be played (told on standard error, naming the file).
int check_recording(const QString& file);
// The same without a word: whether the recording plays again to its recorded
// end and score. Safe on any thread.
bool check_recording_quietly(const QString& file);

}  // namespace wd
