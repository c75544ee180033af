#pragma once
// The board and every rule of play: loading levels, the mouse's moves and
// pushes, the trapped-cat pass, level advance and the cats' moves. Plain C++,
// so every rule runs without a display.

#include "level.h"
#include "random.h"

#include <cstdint>

#include <functional>
#include <string>
#include <vector>

namespace wd {

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

// What one rule call did, for the view to show and sound: counts since the
// caller last took them. Rules only add to these; the three level outcomes are
// the session's, which loads levels.
struct Events {
    int cheese_eaten = 0;
    int pushes = 0;         // moves that pushed a row of crates
    int cats_escaped = 0;   // covered cats that found a free neighbour
    int cats_caught = 0;    // covered cats with nowhere to go
    int levels_loaded = 0; // last cat of a level caught, next level loaded
    bool all_cleared = false;  // the last level was cleared: the game is won
    bool next_level_failed = false;  // the next level is there but cannot be played
    bool mouse_caught = false;       // the mouse and a cat met
    std::vector<Cell> caught_at;     // where each caught cat was covered
    std::vector<Cell> escaped_to;    // where each escaping cat went
    bool any() const
    {
        return cheese_eaten || pushes || cats_escaped || cats_caught || levels_loaded || all_cleared
            || next_level_failed || mouse_caught;
    }
};

// A cat steps onto floor, or onto the mouse it meets; never onto a wall,
// a crate, cheese or another cat.
constexpr bool cat_may_enter(char cell)
{
    return cell != 'H' && cell != 'B' && cell != 'K' && cell != 'C';
}

// The cell a move from (x, y) along (dx, dy) pushes the row of crates into:
// the first cell past the crates that start next to (x, y), or that next
// cell itself when it holds no crate. The row moves unless it is a wall.
// `at` reads a cell as Board::cell does, so the bot's own boards ask too.
template <typename CellAt>
Cell push_end(const CellAt& at, int x, int y, int dx, int dy)
{
    Cell end{x + dx, y + dy};
    while (at(end.x, end.y) == 'B') {
        end.x += dx;
        end.y += dy;
    }
    return end;
}

// Where a step left the game. The rules never load a level or end a game
// themselves: whoever called them acts on this.
enum class Outcome {
    playing,
    caught,         // the mouse and a cat met; both stand on the meeting cell in turn
    level_cleared,  // the last cat of the level was caught
};

// What loading the level after a cleared one came to.
enum class Advance {
    next_level,         // loaded: play goes on there
    all_cleared,        // there is no next level: the game is won
    next_level_failed,  // it is there but cannot be played
};

struct AdvanceResult {
    Advance kind = Advance::next_level;
    Result<void> load;
};

class Board {
public:
    // Returns a value as libc rand() does; only its low 24 bits are used.
    using RandomSource = std::function<int()>;
    // Receives the loader's trace text, already formatted.
    using TraceSink = std::function<void(const std::string&)>;
    // Where a numbered level file of this name is to be read from.
    using Locate = std::function<std::string(const std::string&)>;

    Board();

    int mouse_x = 0;
    int mouse_y = 0;
    int cat_count = 0;
    int cat_x[max_cats] = {};
    int cat_y[max_cats] = {};
    int board_width = 0;
    int board_height = 0;
    char board[grid_rows][grid_cols] = {};
    int score = 0;
    static constexpr int dir_dx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
    static constexpr int dir_dy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
    int level_number = -1;
    // The file the level came from.
    std::string level_source;
    std::uint64_t level_hash = 0;  // of the bytes the level was loaded from

    // The game's own random source, for a recording of where it stands; null
    // when `random` was replaced by another source.
    GlibcRandom* own_random() { return random.target<GlibcRandom>(); }

    // Added to by every rule; a caller of the plain moves reads and clears them.
    Events events;
    Events take_events()
    {
        Events taken = events;
        events = {};
        return taken;
    }

    RandomSource random;
    TraceSink trace;
    Locate locate;  // the name itself unless told otherwise

    // A cell outside the grid reads as a hard block, so no rule can leave it.
    char cell(int x, int y) const;
    // Writes outside the grid are dropped.
    void setscene(int x, int y, char c);

    // Done once at least one row is read. The problem's text names the file.
    // Kind::missing (no such file) and the kinds of a file there but not
    // readable, not a regular one, or empty leave zero rows in play;
    // Kind::refused (beyond the format's limits) changes nothing.
    Result<void> load_level(const std::string& path);
    // The same load from bytes already in memory; `name` is used in messages.
    Result<void> load_bytes(std::string_view bytes, const std::string& name);
    Result<void> load_next_level();
    // Sets the level number and loads that numbered level, as Play Again does with 0.
    Result<void> load_numbered_level(int number);
    static std::string level_file_name(int number);
    // The rules as they are: a recording made under other rules is not played.
    static constexpr int rules_version = 1;
    static constexpr int last_level_number = 999;  // level file names have three digits
    // After a step cleared the level: loads the next numbered one and adds
    // the matching level event.
    AdvanceResult advance_level();

    Outcome mouse_right() { return move_mouse(1, 0); }
    Outcome mouse_left() { return move_mouse(-1, 0); }
    Outcome mouse_up() { return move_mouse(0, -1); }
    Outcome mouse_down() { return move_mouse(0, 1); }
    // One move and the trapped-cat pass that follows every move.
    Outcome move_mouse(int dx, int dy);

    // Frees or removes each cat covered by a block.
    Outcome recalcscene();
    void delcat(int i);

    // Every cat makes one move, also after one has met the mouse.
    Outcome move_cats();

    // A step with what it did, and only what it did.
    struct Step {
        Outcome outcome = Outcome::playing;
        Events events;
    };
    Step step_mouse(int dx, int dy)
    {
        events = {};
        const Outcome outcome = move_mouse(dx, dy);
        return {outcome, take_events()};
    }
    Step step_cats()
    {
        events = {};
        const Outcome outcome = move_cats();
        return {outcome, take_events()};
    }

private:
    void apply_lines(const std::vector<LevelLine>& lines);
    double draw_fraction();
    bool in_rectangle(int x, int y) const;
};

}  // namespace wd
