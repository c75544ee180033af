#include "recording.h"

#include "files/lines.h"
#include "game/board.h"

#include <charconv>
#include <cstdio>

namespace wd {

namespace {

constexpr std::size_t max_steps = 10'000'000;  // hours of play; more is not a recording

struct Way {
    char letter;
    int dx;
    int dy;
};
constexpr Way ways[] = {{'R', 1, 0}, {'L', -1, 0}, {'U', 0, -1}, {'D', 0, 1}};

constexpr const char* ending_names[] = {"left", "caught", "won", "failed"};
constexpr const char* begin_names[] = {"start", "next", "restart"};

// Splits off the next space-separated word.
std::string_view word(std::string_view& rest)
{
    const std::size_t end = rest.find(' ');
    const std::string_view taken = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return taken;
}

template <typename Number>
bool number(std::string_view text, Number& value, int base = 10)
{
    if (text.empty() || text[0] == '+')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

const char* ending_name(Recording::Ending ending)
{
    return ending_names[static_cast<int>(ending)];
}

void Recording::add_level(Begin begin, int number, std::uint64_t hash, int score, const std::string& file)
{
    Step step;
    step.kind = Step::Kind::level;
    step.begin = begin;
    step.number = number;
    step.hash = hash;
    step.score = score;
    step.file = file;
    steps.push_back(std::move(step));
}

void Recording::add_move(int dx, int dy)
{
    Step step;
    step.kind = Step::Kind::move;
    step.dx = dx;
    step.dy = dy;
    steps.push_back(step);
}

void Recording::add_tick()
{
    if (!steps.empty() && steps.back().kind == Step::Kind::tick) {
        ++steps.back().ticks;
        return;
    }
    steps.push_back(Step{});
}

const Recording::Step* Recording::last_level() const
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (step->kind == Step::Kind::level)
            return &*step;
    return nullptr;
}

int Recording::ticks() const
{
    int count = 0;
    for (const Step& step : steps)
        count += step.kind == Step::Kind::tick ? step.ticks : 0;
    return count;
}

std::string render(const Recording& r)
{
    std::string text = "whiskerdash recording " + std::to_string(Recording::format) + "\nrules "
        + std::to_string(Board::rules_version) + "\nmode " + (r.mode == Recording::Mode::ranked ? "ranked" : "practice")
        + "\nrandom " + std::to_string(r.random.front) + ' ' + std::to_string(r.random.rear);
    for (const std::int32_t w : r.random.words)
        text += ' ' + std::to_string(w);
    text += '\n';
    for (const Recording::Step& step : r.steps) {
        switch (step.kind) {
        case Recording::Step::Kind::level: {
            char hash[17];
            std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(step.hash));
            text += std::string("level ") + begin_names[static_cast<int>(step.begin)] + ' ' + std::to_string(step.number) + ' ' + hash + ' ' + std::to_string(step.score) + ' '
                + step.file + '\n';
            break;
        }
        case Recording::Step::Kind::move:
            for (const Way& way : ways)
                if (way.dx == step.dx && way.dy == step.dy)
                    text += std::string(1, way.letter) + '\n';
            break;
        case Recording::Step::Kind::tick: text += "t " + std::to_string(step.ticks) + '\n'; break;
        }
    }
    text += "end " + std::string(ending_name(r.ending)) + ' ' + std::to_string(r.score) + '\n';
    for (const std::string_view line : lines_of(r.table))
        text += "table " + std::string(line) + '\n';
    return text;
}

Result<Recording> parse_recording(std::string_view bytes)
{
    Recording r;
    int line_number = 0;
    bool ended = false;
    const auto fail = [&](const std::string& what, Problem::Kind kind = Problem::Kind::damaged) {
        return Problem{kind, 0, line_number > 0 ? "line " + std::to_string(line_number) + ": " + what : what};
    };
    if (!bytes.empty() && bytes.back() != '\n')
        return fail("the last line is cut off");
    for (std::string_view rest : lines_of(bytes)) {
        ++line_number;
        const std::string_view key = word(rest);
        if (line_number == 1) {
            int format = 0;
            if (key != "whiskerdash" || word(rest) != "recording" || !number(rest, format))
                return fail("not a Whiskerdash recording");
            if (format != Recording::format)
                return fail("a recording of format " + std::to_string(format) + ", this game plays format "
                                + std::to_string(Recording::format),
                            Problem::Kind::refused);
            continue;
        }
        if (line_number == 2) {
            int rules = 0;
            if (key != "rules" || !number(rest, rules))
                return fail("no rules version");
            if (rules != Board::rules_version)
                return fail("played under rules version " + std::to_string(rules) + ", this game's rules are version "
                                + std::to_string(Board::rules_version),
                            Problem::Kind::refused);
            continue;
        }
        if (key == "table" && ended) {
            r.table += std::string(rest) + '\n';
            continue;
        }
        if (ended)
            return fail("something after the end");
        if (r.steps.size() >= max_steps)
            return fail("too long for a recording", Problem::Kind::refused);
        if (key == "mode") {
            if (rest != "ranked" && rest != "practice")
                return fail("unknown mode");
            r.mode = rest == "ranked" ? Recording::Mode::ranked : Recording::Mode::practice;
        } else if (key == "random") {
            if (!number(word(rest), r.random.front) || !number(word(rest), r.random.rear) || r.random.front < 0
                || r.random.rear < 0 || r.random.front >= 31 || r.random.rear >= 31)
                return fail("a random state out of range");
            for (std::int32_t& w : r.random.words)
                if (!number(word(rest), w))
                    return fail("a random state cut short");
            if (!rest.empty())
                return fail("a random state too long");
        } else if (key == "level") {
            Recording::Step step;
            step.kind = Recording::Step::Kind::level;
            const std::string_view begin = word(rest);
            bool known = false;
            for (int b = 0; b < 3; ++b)
                if (begin == begin_names[b]) {
                    step.begin = static_cast<Recording::Begin>(b);
                    known = true;
                }
            if (!known)
                return fail("a level line that does not say how the level began");
            if (!number(word(rest), step.number) || step.number < -1 || !number(word(rest), step.hash, 16)
                || !number(word(rest), step.score) || step.score < 0 || rest.empty())
                return fail("a level line that is not HOW NUMBER HASH SCORE FILE");
            if ((step.begin == Recording::Begin::start) != r.steps.empty())
                return fail("a game starts once, with its first level");
            step.file = rest;
            r.steps.push_back(std::move(step));
        } else if (key == "t") {
            int ticks = 0;
            if (!number(rest, ticks) || ticks < 1 || ticks > static_cast<int>(max_steps))
                return fail("a tick count that is not a number");
            r.add_tick();
            r.steps.back().ticks += ticks - 1;
        } else if (key == "end") {
            const std::string_view ending = word(rest);
            bool known = false;
            for (int e = 0; e < 4; ++e)
                if (ending == ending_names[e]) {
                    r.ending = static_cast<Recording::Ending>(e);
                    known = true;
                }
            if (!known || !number(rest, r.score) || r.score < 0)
                return fail("an end line that is not ENDING SCORE");
            ended = true;
        } else {
            bool move = false;
            for (const Way& way : ways)
                if (key.size() == 1 && key[0] == way.letter && rest.empty()) {
                    r.add_move(way.dx, way.dy);
                    move = true;
                }
            if (!move)
                return fail("unknown line \"" + std::string(key) + "\"");
        }
    }
    if (line_number < 2)
        return fail("not a Whiskerdash recording");
    if (!ended)
        return fail("no end line: the recording is cut off");
    if (r.steps.empty() || r.steps.front().kind != Recording::Step::Kind::level)
        return fail("no level to begin with");
    return r;
}

}  // namespace wd
