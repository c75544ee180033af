#pragma once
// The cats' own random source: the sequence of an unseeded glibc rand(), on a
// state no library in the process can re-seed or draw from.

#include <array>
#include <cstdint>

namespace wd {

// glibc's TYPE_3 additive feedback generator (x[i] = x[i-3] + x[i-31]), seed 1.
class GlibcRandom {
public:
    explicit GlibcRandom(unsigned seed = 1);
    // A value in [0, RAND_MAX], as rand() would return it next.
    int operator()();

    // Everything the next values depend on, to play a game again from here.
    struct State {
        std::array<std::int32_t, 31> words{};
        int front = 0;
        int rear = 0;
        bool operator==(const State&) const = default;
    };
    State state_now() const { return {state, front, rear}; }
    void restore(const State& saved);

private:
    static constexpr int degree = 31;
    static constexpr int separation = 3;
    std::array<std::int32_t, degree> state{};
    int front = separation;  // glibc's fptr and rptr, as indexes into `state`
    int rear = 0;
};

}  // namespace wd
