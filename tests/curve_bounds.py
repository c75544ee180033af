"""The curve tool's bounds, on made-up measures, and its bots run side by side: CI trusts its --check, so each
bound must fail just past its edge and hold just inside it.

    curve_bounds.py TOOLS_DIR"""

import os
import stat
import sys
import tempfile
import types

sys.path.insert(0, sys.argv[1])
import level_curve  # noqa: E402


def run(rates, wins=None):
    return types.SimpleNamespace(player="deep", speed=2, rates=rates, wins=wins or [1] * len(rates))


# (what, rates, wins, slack, problems expected)
CASES = [
    ("a falling curve", [100, 80, 70, 30, 20, 10], None, 0, 0),
    ("level 1 just under 90", [89, 80, 70, 30, 20, 10], None, 0, 1),
    ("level 1 at 90", [90, 80, 70, 30, 20, 10], None, 0, 0),
    ("the last three at 40", [100, 80, 70, 40, 40, 40], None, 0, 1),
    ("the last three just under 40", [100, 80, 70, 40, 40, 39], None, 0, 0),
    ("a rise of 15", [100, 50, 65, 30, 20, 10], None, 0, 0),
    ("a rise of 16", [100, 50, 66, 30, 20, 10], None, 0, 1),
    ("a rise of 16 within a slack of 1", [100, 50, 66, 30, 20, 10], None, 1, 0),
    ("a level never won", [100, 80, 70, 30, 20, 0], [9, 9, 9, 9, 9, 0], 0, 1),
    ("a level never won, within a slack", [100, 80, 70, 30, 20, 0], [9, 9, 9, 9, 9, 0], 1, 0),
]

failed = 0
for what, rates, wins, slack, expected in CASES:
    problems = list(level_curve.curve_problems(run(rates, wins), slack))
    if len(problems) != expected:
        failed += 1
        print(f"FAIL: {what}: {len(problems)} problems, expected {expected}: {problems}")

# Ties share their rank: a rank off by one would still look alike.
for what, a, b, expected in [("the same order, with ties", [1, 1, 2, 3], [5, 5, 7, 9], 1.0),
                             ("the opposite order", [1, 2, 3, 4], [40, 30, 20, 10], -1.0)]:
    if abs(level_curve.spearman(a, b) - expected) > 1e-9:
        failed += 1
        print(f"FAIL: Spearman of {what} is {level_curve.spearman(a, b):.2f}")

# The bots run in parallel: each result must land on its own level, model and speed.
# A stand-in bot wins as many of 10 games as its level's number plus its speed.
with tempfile.TemporaryDirectory() as folder:
    bot = os.path.join(folder, "bot")
    with open(bot, "w") as script:
        script.write('#!/bin/sh\nfor a; do last=$a; done\n'
                     'n=$(basename "$last" .lvx)\necho "$last $((n + $8)) 10 0 0 0 0 0 0"\n')
    os.chmod(bot, stat.S_IRWXU)
    levels = [str(n) + ".lvx" for n in range(6)]
    options = types.SimpleNamespace(bot=bot, runs=10, first_seed=1, max_ticks=1, each_won=False, levels=levels)
    for got in level_curve.play_all(options, ["deep", "shallow"], [2, 4]):
        if got.wins != [n + got.speed for n in range(6)]:
            failed += 1
            print(f"FAIL: {got.player} at every {got.speed} got {got.wins}")

print(f"{len(CASES) + 3 - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
