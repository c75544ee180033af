#include "random.h"

namespace wd {

GlibcRandom::GlibcRandom(unsigned seed)
{
    // As glibc's srandom_r: seed 0 means 1, then a Lehmer sequence fills the
    // table, and the first 310 outputs are thrown away.
    std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    state[0] = word;
    for (int i = 1; i < degree; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0)
            word += 2147483647;
        state[i] = word;
    }
    front = separation;
    rear = 0;
    for (int i = 0; i < degree * 10; ++i)
        (*this)();
}

void GlibcRandom::restore(const State& saved)
{
    state = saved.words;
    front = saved.front % degree;
    rear = saved.rear % degree;
}

int GlibcRandom::operator()()
{
    // Unsigned sums wrap as glibc's do; the low bit is dropped.
    const auto sum = static_cast<std::uint32_t>(state[front]) + static_cast<std::uint32_t>(state[rear]);
    state[front] = static_cast<std::int32_t>(sum);
    const int result = static_cast<int>(sum >> 1);
    front = (front + 1) % degree;
    rear = (rear + 1) % degree;
    return result;
}

}  // namespace wd
