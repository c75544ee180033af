#!/usr/bin/env python3
"""Puts realistic faults into the code one at a time and runs the tests against
each: a fault the tests do not notice is a test missing. Usage:

    tools/mutation_test.py [--build DIR] [--only ROOM] [--list]

Each fault is one textual change in one file. The build folder (build/mutate by
default, configured like the test build) is rebuilt after every change; the
headless and widget suites run first, and the real-program tests only when
those did not notice. The tree is always restored, also on Ctrl+C."""

import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (room, file, what the fault is, text as it is, text with the fault)
FAULTS = [
    # The rules.
    ("rules", "src/game/board.cpp", "a push stopped by a crate beyond the row",
     "while (cell(x + (blocks + 1) * dx, y + (blocks + 1) * dy) == 'B')",
     "while (cell(x + (blocks + 1) * dx, y + (blocks + 1) * dy) == 'X')"),
    ("rules", "src/game/board.cpp", "cheese worth 1",
     "score += 10;", "score += 1;"),
    ("rules", "src/game/board.cpp", "an escape onto cheese",
     "if (cell(nx, ny) == '.') {", "if (cell(nx, ny) == '.' || cell(nx, ny) == 'K') {"),
    ("rules", "src/game/board.cpp", "escapes tried from the last neighbour",
     "for (int j = 0; j < 8; ++j) {", "for (int j = 7; j >= 0; --j) {"),
    ("rules", "src/game/board.cpp", "the level cleared one cat early",
     "if (cat_count == 0)\n            return Outcome::level_cleared;",
     "if (cat_count <= 1)\n            return Outcome::level_cleared;"),
    ("rules", "src/game/board.cpp", "cats allowed onto cheese",
     "if (target == 'H' || target == 'B' || target == 'K' || target == 'C')",
     "if (target == 'H' || target == 'B' || target == 'C')"),
    ("rules", "src/game/board.cpp", "the cats' rectangle one row too tall",
     "return x >= 0 && y >= 0 && x < board_width && y < board_height;",
     "return x >= 0 && y >= 0 && x < board_width && y <= board_height;"),
    ("rules", "src/game/board.cpp", "closeness never sharpens",
     "if (d < 4.0)", "if (d < 0.0)"),
    ("rules", "src/game/board.cpp", "a meeting on the mouse's move not reported",
     "return met ? Outcome::caught : after;", "return after;"),
    ("rules", "src/game/board.cpp", "a cat's meeting not reported",
     "return met ? Outcome::caught : Outcome::playing;", "return Outcome::playing;"),
    ("rules", "src/game/board.cpp", "a missing next level taken for a broken one",
     "} else if (result.load.problem().kind == Problem::Kind::missing) {",
     "} else if (result.load.problem().kind != Problem::Kind::missing) {"),
    ("rules", "src/game/level.cpp", "one more cat than the list holds",
     "max_cats", "max_cats + 1"),
    # The flow of play.
    ("session", "src/session/game_session.cpp", "the card does not wait",
     "set_state(wait_for_player ? State::ready : State::playing);", "set_state(State::playing);"),
    ("session", "src/session/game_session.cpp", "a box over a paused game resumes it on the card",
     "if (std::exchange(paused_by_box, false) && flow == State::paused)",
     "if (std::exchange(paused_by_box, false) || flow == State::paused)"),
    ("session", "src/session/game_session.cpp", "ticks run in every state",
     "void GameSession::tick()\n{\n    if (flow != State::playing)\n        return;",
     "void GameSession::tick()\n{"),
    ("session", "src/session/game_session.cpp", "a restart starts with the score of now",
     "start_over(level_entry_score, numbered,", "start_over(state_board.score, numbered,"),
    ("session", "src/session/game_session.cpp", "the capture skips its moment",
     "moment.start(times.caught_ms);", "end_game(Ending::caught);"),
    ("session", "src/session/game_session.cpp", "an entry made outside a game over",
     "if (flow != State::game_over || !beaten)", "if (!beaten)"),
    ("session", "src/session/game_session.cpp", "a win taken for a caught mouse",
     "game_won = ending == Ending::all_cleared;", "game_won = false;"),
    # The view.
    ("view", "src/ui/view_geometry.cpp", "the board drawn one strip lower",
     "return QRect(top.left(), top.bottom() + 1,", "return QRect(top.left(), top.bottom() + 2,"),
    ("view", "src/ui/scene_renderer.cpp", "a changed cell not redrawn",
     "if (x < columns && drawn_[std::size_t(y) * columns + x] != c) {",
     "if (x < columns && drawn_[std::size_t(y) * columns + x] == c) {"),
    ("view", "src/ui/status_strip.cpp", "the player's level counted from 0",
     "const QString level = QString::number(state.level + 1);", "const QString level = QString::number(state.level);"),
    ("view", "src/ui/main_widget.cpp", "the dim of a pause not repainted",
     "if (now.paused != shown_strip.paused)", "if (false)"),
    ("view", "src/ui/main_widget.cpp", "auto-repeat walks into a new level",
     "        repeats_blocked = true;\n    }", "        repeats_blocked = false;\n    }"),
    ("view", "src/ui/main_widget.cpp", "focus loss ignored",
     "        play.lose_focus();", "        ;"),
    ("view", "src/ui/main_widget.cpp", "the card over the mouse",
     "                    cost += 1000;", "                    cost += 0;"),
    ("view", "src/ui/gameover_dialogs.cpp", "dialogs over the meeting cell",
     "if (keep_clear.isEmpty() || !parent)", "if (true)"),
    ("view", "src/ui/gameover_dialogs.cpp", "places numbered from 0",
     "arg(entry + 1, 2)", "arg(entry, 2)"),
    ("view", "src/ui/key_map.cpp", "keypad 8 moves down",
     "case Qt::Key_8: return Action::move_up;", "case Qt::Key_8: return Action::move_down;"),
    # The table and its file.
    ("files", "src/scores/hsc_table.cpp", "a tie beats an entry",
     "if (score > value)", "if (score >= value)"),
    ("files", "src/scores/hsc_table.cpp", "a 19-byte name refused",
     "if (dot > max_field)", "if (dot > max_field - 1)"),
    ("files", "src/scores/hsc_table.cpp", "a table without its last line feed accepted",
     "if (bytes.back() != '\\n')", "if (false)"),
    ("files", "src/scores/score_store.cpp", "unsaved entries cleared before the write",
     "    if (const auto error = write_table(file, merged)) {", "    unsaved.clear();\n    if (const auto error = write_table(file, merged)) {"),
    ("files", "src/scores/score_store.cpp", "a save that never takes the lock",
     "    if (lock->tryLock(wait_ms)) {", "    if (true) {"),
    ("files", "src/files/regular_file.cpp", "a failed read taken for the end of the file",
     "                result = failed(Problem::Kind::cannot_read, errno);", "                break;"),
    ("sound", "src/sound/wav_check.cpp", "a truncated effect accepted",
     "if (riff_end > bytes.size())", "if (riff_end > bytes.size() + 1000000)"),
    ("sound", "src/sound/wav_check.cpp", "an oversized effect accepted",
     "if (bytes.size() > max_effect_bytes)", "if (false)"),
    ("sound", "src/sound/wav_check.cpp", "a chunk past the end accepted",
     "if (body + size > riff_end)", "if (body + size > riff_end + 8)"),
    ("sound", "src/game/random.cpp", "the cats' sequence off by one draw",
     "return result;", "return result + 1;"),
    ("settings", "src/settings/settings.cpp", "a settings link written through",
     "if (!S_ISREG(info.st_mode))", "if (S_ISDIR(info.st_mode))"),
    ("settings", "src/settings/settings.cpp", "a huge settings file read",
     "constexpr qint64 size_cap = 64 * 1024;", "constexpr qint64 size_cap = 1024 * 1024 * 1024;"),
    ("files", "src/files/regular_file.cpp", "a folder read as a file",
     "} else if (!S_ISREG(info.st_mode)) {", "} else if (S_ISDIR(info.st_mode) && false) {"),
    # The window's frame and practice.
    ("session", "src/session/game_session.cpp", "a practice game ranked",
     "    if (!over.practice)\n", "    if (true)\n"),
    ("view", "src/ui/practice_dialog.cpp", "a level past the highest reached open",
     "level.open = number <= highest_reached;", "level.open = number <= highest_reached + 1;"),
    ("view", "src/ui/game_window.cpp", "the window not grown by the menu bar",
     "resize(board_size.width(), board_size.height() + menu_bar_height(board_size.width()));", "resize(board_size);"),
    ("settings", "src/settings/settings.cpp", "the highest level reached never raised",
     "if (level > highest_level())", "if (level > highest_level() + 1)"),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, **kwargs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "mutate"))
    parser.add_argument("--only", help="only the faults of this room")
    parser.add_argument("--match", help="only the faults whose description holds this text")
    parser.add_argument("--list", action="store_true", help="list the faults and whether each still applies")
    parser.add_argument("--e2e", action="store_true", help="run the real-program tests on a survivor too")
    options = parser.parse_args()

    faults = [f for f in FAULTS if (not options.only or f[0] == options.only)
              and (not options.match or options.match in f[2])]
    if options.list:
        for room, path, what, before, _ in faults:
            text = open(os.path.join(ROOT, path)).read()
            print(f"{room:8} {'ok ' if text.count(before) >= 1 else 'GONE'} {path}: {what}")
        return 0

    if not os.path.exists(os.path.join(options.build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", options.build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True, capture_output=True)
    subprocess.run(["cmake", "--build", options.build], check=True, capture_output=True)

    results = {}
    for room, path, what, before, after in faults:
        full = os.path.join(ROOT, path)
        original = open(full).read()
        if before not in original:
            print(f"{room:8} skipped (text gone) {path}: {what}", flush=True)
            continue
        started = time.monotonic()
        try:
            with open(full, "w") as out:
                out.write(original.replace(before, after, 1))
            build = run(["cmake", "--build", options.build])
            if build.returncode != 0:
                verdict = "killed (does not build)"
            else:
                quick = run(["ctest", "--test-dir", options.build, "-j", str(os.cpu_count() or 2), "--timeout", "120",
                             "-E", "e2e|shipped_levels_measured"])
                if quick.returncode != 0:
                    verdict = "killed"
                elif options.e2e and run(["ctest", "--test-dir", options.build, "-L", "e2e"]).returncode != 0:
                    verdict = "killed (real program)"
                else:
                    verdict = "SURVIVED"
        finally:
            with open(full, "w") as out:
                out.write(original)
        results.setdefault(room, []).append(verdict != "SURVIVED")
        print(f"{room:8} {verdict:24} {time.monotonic() - started:5.0f} s  {path}: {what}", flush=True)

    subprocess.run(["cmake", "--build", options.build], capture_output=True)
    total = sum(len(r) for r in results.values())
    killed = sum(sum(r) for r in results.values())
    for room, kills in results.items():
        print(f"{room}: {sum(kills)}/{len(kills)}")
    print(f"all: {killed}/{total} = {100.0 * killed / max(total, 1):.1f} %")
    return 0


if __name__ == "__main__":
    sys.exit(main())
