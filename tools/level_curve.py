"""The difficulty curve of a level pack, measured by whiskerdash-bot.

    level_curve.py --bot PATH [--runs N] [--first-seed S] [--players deep,shallow]
                   [--speeds 2,4] [--max-ticks T] [--check [--slack P]] LEVEL.lvx...
    level_curve.py --bot PATH --each-won [--runs N] [--players deep] [--speeds 2] LEVEL.lvx...

Plays every level N times with each player model at each speed (a cat tick
every K of its moves: 2 is a quick player, 4 a slow one) and prints a Markdown
table of how often each cleared it and how many of its lost games a cat
ended by reaching the mouse, then how the stronger model's catches in won
games were made (a pushed enclosure only when every neighbour of the cat that
was open at the start was closed by a crate the player moved), and how alike
the models rank the levels (Spearman). With --check it also fails unless in at
least 30 levels some games are lost to a cat.

--each-won is the quick check for the test run: each model and speed plays
each level's seeds in turn until it wins one, and it fails naming any level
no seed won. The seeds are fixed, so the answer is exact.

With --check, fails (exit 1) unless, for every model and speed, level 1 is
cleared at least 90 % of the time, the mean of the last three levels is under
40 %, no level is cleared more than 15 points more often than the one before,
and every level is won at least once; and unless the models rank the levels
alike (Spearman at least 0.7 at each speed). How the catches were made is
reported, not checked. A short run measures each rate only to several points either way:
--slack P widens the bounds on rates by P points (level 1 at least 90 - P,
the last three under 40 + P, no rise over 15 + P) and asks only that some
model win each level."""

import argparse
import concurrent.futures
import os
import subprocess
import sys

KINDS = ("pushed enclosure", "bait pocket", "box already there")


def names():
    """Level names from the builder, when it lies beside this script."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.dont_write_bytecode = True  # nothing lands in the source tree
    try:
        import make_levels
        return [name for name, _, _ in make_levels.LEVELS]
    except ImportError:
        return []


def play_level(options, player, speed, level):
    """One model at one speed on one level, a bot process of its own:
    (rate, wins, catches by kind, share of lost games a cat ended)."""
    done = subprocess.run(
        [options.bot, "--player", player, "--runs", str(options.runs), "--first-seed", str(options.first_seed),
         "--moves-per-tick", str(speed), "--max-ticks", str(options.max_ticks)]
        + (["--until-won"] if options.each_won else []) + [level],
        capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"whiskerdash-bot --player {player} failed ({done.returncode}): {done.stderr}")
    lines = done.stdout.splitlines()
    if len(lines) != 1:
        sys.exit(f"whiskerdash-bot reported {len(lines)} lines for one level")
    fields = lines[0].split()
    won, games = int(fields[1]), int(fields[2])
    return (100.0 * won / games, won, [int(n) for n in fields[5:8]],
            100.0 * int(fields[8]) / (games - won) if games > won else 0.0)


class Run:
    """One model at one speed over the pack: per level (rate, wins, catches by kind)."""

    def __init__(self, player, speed, levels):
        self.player, self.speed, self.levels = player, speed, levels
        self.rates = [level[0] for level in self.levels]
        self.wins = [level[1] for level in self.levels]
        self.catches = [sum(level[2][k] for level in self.levels) for k in range(len(KINDS))]


def play_all(options, players, speeds):
    """Every model, speed and level, one bot a core, so no core idles while a slow model finishes."""
    keys = [(player, speed, n) for player in players for speed in speeds for n in range(len(options.levels))]

    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        results = dict(zip(keys, pool.map(lambda key: play_level(options, key[0], key[1], options.levels[key[2]]),
                                          keys)))
    return [Run(player, speed, [results[(player, speed, n)] for n in range(len(options.levels))])
            for player in players for speed in speeds]


def ranks(values):
    """Ranks from 1, ties sharing their mean rank."""
    order = sorted(range(len(values)), key=lambda i: values[i])
    result = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            result[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return result


def spearman(a, b):
    ra, rb = ranks(a), ranks(b)
    n = len(a)
    ma, mb = sum(ra) / n, sum(rb) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(ra, rb))
    va = sum((x - ma) ** 2 for x in ra)
    vb = sum((y - mb) ** 2 for y in rb)
    return cov / (va * vb) ** 0.5 if va and vb else 0.0


def curve_problems(run, slack=0.0):
    who = f"{run.player} at a tick every {run.speed} moves:"
    rates = run.rates
    if rates[0] < 90 - slack:
        yield f"{who} level 1 is cleared only {rates[0]:.0f} % of the time"
    tail = rates[-3:]
    if sum(tail) / len(tail) >= 40 + slack:
        yield f"{who} the last three levels are cleared {sum(tail) / len(tail):.0f} % of the time"
    for n in range(1, len(rates)):
        if rates[n] > rates[n - 1] + 15 + slack:
            yield f"{who} level {n + 1} ({rates[n]:.0f} %) is easier than level {n} ({rates[n - 1]:.0f} %)"
    if not slack:
        for n, won in enumerate(run.wins):
            if won == 0:
                yield f"{who} level {n + 1} was never cleared"


def shares(runs):
    total = [sum(run.catches[k] for run in runs) for k in range(len(KINDS))]
    count = sum(total)
    return [100.0 * n / count if count else 0.0 for n in total], count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bot", required=True)
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--first-seed", type=int, default=1)
    parser.add_argument("--players", default="deep,shallow")
    parser.add_argument("--speeds", default="2,4")
    parser.add_argument("--max-ticks", type=int, default=1500)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--slack", type=float, default=0.0)
    parser.add_argument("--each-won", action="store_true")
    parser.add_argument("levels", nargs="+")
    options = parser.parse_args()
    options.levels = sorted(options.levels, key=os.path.basename)
    players = options.players.split(",")
    speeds = [int(k) for k in options.speeds.split(",")]

    runs = play_all(options, players, speeds)
    by = {(run.player, run.speed): run for run in runs}
    if options.each_won:
        unwon = [f"{os.path.basename(options.levels[n])} was not won by {run.player} at a tick every "
                 f"{run.speed} moves in {options.runs} seeds from {options.first_seed}"
                 for run in runs for n, won in enumerate(run.wins) if not won]
        for problem in unwon:
            print("FAIL:", problem)
        print(f"{len(options.levels)} levels, each won within {options.runs} fixed seeds" if not unwon else "")
        return 1 if unwon else 0
    columns = [(player, speed) for player in players for speed in speeds]
    # The stronger model is the one that wins more games in all.
    strongest = max(players, key=lambda p: sum(sum(by[(p, k)].wins) for k in speeds))
    titles = names() if len(names()) == len(options.levels) else [os.path.basename(p) for p in options.levels]

    # Levels as the player counts them: level 1 is level000.lvx.
    print("| level | name | " + " | ".join(f"{p}, every {k}" for p, k in columns)
          + f" | {strongest}: pushed, bait, box | lost to a cat |")
    print("|---|---|" + "---|" * len(columns) + "---|---|")
    for n, title in enumerate(titles):
        kinds = [sum(by[(strongest, k)].levels[n][2][j] for k in speeds) for j in range(len(KINDS))]
        captured = sum(by[c].levels[n][3] for c in columns) / len(columns)
        print(f"| {n + 1} | {title} | " + " | ".join(f"{by[c].rates[n]:.0f} %" for c in columns)
              + f" | {kinds[0]}, {kinds[1]}, {kinds[2]} | {captured:.0f} % |")
    print(f"\n{options.runs} games a level, model and speed, seeds {options.first_seed} to "
          f"{options.first_seed + options.runs - 1}; a game is lost when the mouse is caught or after "
          f"{options.max_ticks} ticks. The catches count the cats caught in won games at both speeds; the last "
          f"column is the share of lost games that a cat ended, over every model and speed.\n")

    found = []
    for run in runs:
        found += curve_problems(run, options.slack)
    # A few games may miss a hard level's rare win: one model's win proves it.
    if options.slack:
        for n in range(len(options.levels)):
            if not any(run.wins[n] for run in runs):
                found.append(f"level {n + 1} was never cleared by any model")
    if len(players) > 1:
        for k in speeds:
            rho = spearman(by[(players[0], k)].rates, by[(players[1], k)].rates)
            print(f"- Rank agreement of {players[0]} and {players[1]}, tick every {k} moves: Spearman {rho:.2f}")
            if rho < 0.7:
                found.append(f"the models rank the levels differently at a tick every {k} moves ({rho:.2f})")
    percent, count = shares([by[(strongest, k)] for k in speeds])
    print(f"- Catches in {strongest}'s won games ({count}): "
          + ", ".join(f"{KINDS[k]} {percent[k]:.1f} %" for k in range(len(KINDS))))

    hunted = sum(1 for n in range(len(options.levels)) if any(by[c].levels[n][3] > 0 for c in columns))
    print(f"- Levels where a cat reached the mouse in some lost game: {hunted} of {len(options.levels)}")
    if hunted < 30:
        found.append(f"in only {hunted} levels did a cat reach the mouse in some game, not 30")
    if options.check:
        for problem in found:
            print("FAIL:", problem)
        return 1 if found else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
