#include "startup_steps.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace wd::startup_steps {

namespace {
double ms(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
}  // namespace

void mark(const char* step)
{
    static const bool on = std::getenv("WHISKERDASH_STARTUP_STEPS") != nullptr;
    if (!on)
        return;
    static const double began = ms(CLOCK_MONOTONIC);
    static std::vector<std::string> told;
    if (std::find(told.begin(), told.end(), step) != told.end())
        return;
    told.emplace_back(step);
    std::fprintf(stderr, "startup %s %.2f %.2f\n", step, ms(CLOCK_MONOTONIC) - began, ms(CLOCK_PROCESS_CPUTIME_ID));
}

}  // namespace wd::startup_steps
