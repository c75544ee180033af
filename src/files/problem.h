#pragma once
// What went wrong, in one shape for every layer: what kind of fault it was (what
// callers act on), the system's errno where there is one, and the sentence the
// player reads. Result<T> holds either the value asked for or such a problem.

#include <string>
#include <utility>
#include <variant>

namespace wd {

struct Problem {
    enum class Kind {
        missing,        // nothing answers to the name
        dangling_link,  // only a symbolic link to nothing answers to it
        not_regular,    // a folder, FIFO, socket or device
        cannot_open,    // `error` says why
        cannot_read,    // `error` says why
        cannot_write,   // `error` says why
        too_slow,       // no answer within the time given (a stalled mount)
        busy,           // another game holds its lock: worth another try later
        empty,          // there, but nothing in it
        damaged,        // out of format
        refused,        // well formed, but beyond the limits this game plays
    };
    Kind kind = Kind::damaged;
    int error = 0;     // errno, when the system said why
    std::string text;  // the player's sentence

    // Nothing there to read: a caller may start afresh.
    bool no_file() const { return kind == Kind::missing || kind == Kind::dangling_link; }
};

// Either the value or the problem. Asking a problem for its value (or a value for
// its problem) throws std::bad_variant_access rather than reading garbage.
template <typename T>
class Result {
public:
    Result(T value) : held(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem) : held(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return held.index() == 0; }
    const T& value() const& { return std::get<0>(held); }
    T& value() & { return std::get<0>(held); }
    T&& value() && { return std::get<0>(std::move(held)); }
    const Problem& problem() const { return std::get<1>(held); }

private:
    std::variant<T, Problem> held;
};

// An action: done, or the problem.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Problem problem) : held(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return held.index() == 0; }
    const Problem& problem() const { return std::get<1>(held); }

private:
    std::variant<std::monostate, Problem> held;
};

}  // namespace wd
