"""The difficulty curve of a level pack, measured by whiskerdash-bot.

    level_curve.py --bot PATH [--runs N] [--first-seed S] [--speeds 2,3,4] [--check] LEVEL.lvx...

Prints a Markdown table: for each level, how often the bot cleared it with a
cat tick every K of its moves (K = 2 is a quick player, 4 a slow one), and
its mean moves and ticks per cleared game at the moderate speed, 3.
With --check, fails (exit 1) unless, at the moderate speed, the first level is
cleared at least 90 % of the time, the last level and the mean of the last
three less than 50 %, no level more than 15 points more often than the one
before it, and every level at least once."""

import argparse
import os
import subprocess
import sys

MODERATE = 3


def names():
    """Level names from the builder, when it lies beside this script."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    try:
        import make_levels
        return [name for name, _, _ in make_levels.LEVELS]
    except ImportError:
        return []


def measure(bot, levels, runs, first_seed, speed):
    out = subprocess.run([bot, "--runs", str(runs), "--first-seed", str(first_seed), "--moves-per-tick", str(speed)]
                         + levels, capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit(f"whiskerdash-bot failed ({out.returncode}): {out.stderr}")
    results = []
    for line in out.stdout.splitlines():
        path, won, games, moves, ticks = line.split()[:5]  # the catch counts follow
        results.append((100.0 * int(won) / int(games), int(won), float(moves), float(ticks)))
    if len(results) != len(levels):
        sys.exit(f"whiskerdash-bot reported {len(results)} of {len(levels)} levels")
    return results


def problems(rates, wins):
    if rates[0] < 90:
        yield f"level 1 is cleared only {rates[0]:.0f} % of the time"
    if rates[-1] >= 50:
        yield f"the last level is cleared {rates[-1]:.0f} % of the time"
    tail = rates[-3:]
    if sum(tail) / len(tail) >= 50:
        yield f"the last levels are cleared {sum(tail) / len(tail):.0f} % of the time"
    for n in range(1, len(rates)):
        if rates[n] > rates[n - 1] + 15:
            yield f"level {n + 1} ({rates[n]:.0f} %) is easier than level {n} ({rates[n - 1]:.0f} %)"
    for n, won in enumerate(wins):
        if won == 0:
            yield f"level {n + 1} was never cleared"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bot", required=True)
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--first-seed", type=int, default=1)
    parser.add_argument("--speeds", default="2,3,4")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("levels", nargs="+")
    options = parser.parse_args()
    levels = sorted(options.levels, key=os.path.basename)
    speeds = [int(k) for k in options.speeds.split(",")]
    if MODERATE not in speeds:
        speeds.append(MODERATE)
    table = {k: measure(options.bot, levels, options.runs, options.first_seed, k) for k in speeds}
    titles = names() if len(names()) == len(levels) else [os.path.basename(path) for path in levels]

    # Levels as the player counts them: level 1 is level000.lvx.
    print(f"| level | name | " + " | ".join(f"cleared, tick every {k} moves" for k in speeds)
          + f" | moves, ticks (every {MODERATE}) |")
    print("|---|---|" + "---|" * len(speeds) + "---|")
    for n, title in enumerate(titles):
        moderate = table[MODERATE][n]
        print(f"| {n + 1} | {title} | " + " | ".join(f"{table[k][n][0]:.0f} %" for k in speeds)
              + f" | {moderate[2]:.0f}, {moderate[3]:.0f} |")
    print(f"\n{options.runs} games a level and speed, seeds {options.first_seed} to "
          f"{options.first_seed + options.runs - 1}; a game is lost when the mouse is caught or after 1500 ticks.")

    if options.check:
        found = list(problems([r[0] for r in table[MODERATE]], [r[1] for r in table[MODERATE]]))
        for problem in found:
            print("FAIL:", problem)
        return 1 if found else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
