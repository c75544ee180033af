#pragma once
// Where start-up goes, step by step, for the bench. Off unless the
// environment has WHISKERDASH_STARTUP_STEPS; then the end of each step is
// told on standard error as "startup STEP WALL_MS CPU_MS": the time since
// main began, and the CPU the whole process has used (the loader's before
// main included). Each step is told the first time only. Costs one look at
// the environment when off.

namespace wd::startup_steps {

void mark(const char* step);

}  // namespace wd::startup_steps
