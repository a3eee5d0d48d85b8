#!/usr/bin/env python3
"""Low-noise strength estimate against GNU Go, line by line.

Against `gnugo --level 1` the games fall into a few lines: the engine's
moves follow from the position, and GNU Go's replies vary only where its own
randomness picks among near-equal moves, mostly at its first move. Twenty or
two hundred games then mostly measure which lines GNU Go happened to pick.
This script groups games by GNU Go's first move ("the line") and weighs each
line's result by how often GNU Go picks it, so that two builds can be
compared on the same lines.

  sample  N  plays N games with the engine as Black and N as White against
             GNU Go moving freely; prints each line's results and the
             weighted win rate, and with --save writes the line weights.
  compare    plays each saved line again with GNU Go's first move forced
             (--reps games a line, three times as many as White, whose lines
             vary more) and prints the weighted win rate and mean margin.

Scoring is GNU Go's final_score (Japanese counting), komi 5.5 by default.
Example:
  scripts/strength_lines.py sample 100 --save /tmp/lines.json
  scripts/strength_lines.py compare --weights /tmp/lines.json --reps 2 \\
      --engine "other-build/src/cli/kazaori-cli gtp"
"""
import argparse
import collections
import json
import re
import shlex
import subprocess
import sys
from multiprocessing import Pool

COLUMNS = "ABCDEFGHJKLMNOPQRST"


class Gtp:
    def __init__(self, argv):
        self.p = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True)

    def __call__(self, command):
        self.p.stdin.write(command + "\n")
        self.p.stdin.flush()
        lines = []
        while True:
            line = self.p.stdout.readline()
            if line == "":
                raise RuntimeError(f"engine closed on '{command}'")
            if line.strip() == "" and lines:
                break
            if line.strip():
                lines.append(line.rstrip())
        if lines[0].startswith("?"):
            raise RuntimeError(f"'{command}' refused: {lines[0]}")
        return "\n".join([lines[0][1:].strip()] + lines[1:])

    def close(self):
        try:
            self("quit")
        except (RuntimeError, OSError):
            pass
        self.p.kill()


def play_game(job):
    """One game; returns (our colour, GNU Go's first move, our margin), the
    margin None when an engine failed."""
    try:
        return play_one(job)
    except (RuntimeError, OSError) as e:
        print(f"game failed: {e}", file=sys.stderr)
        return job[4], None, None


def play_one(job):
    engine, gnugo, size, komi, ours, forced, seed = job
    us = Gtp(shlex.split(engine))
    # An explicit seed a game: without one GNU Go seeds from the clock, and
    # games started in the same second repeat each other.
    them = Gtp([gnugo, "--mode", "gtp", "--level", "1", "--seed", str(seed)])
    scorer = Gtp([gnugo, "--mode", "gtp"])
    players = (us, them, scorer)
    try:
        for e in players:
            e(f"boardsize {size}")
            e("clear_board")
            e(f"komi {komi}")
        colour, passes, moves, first = "B", 0, 0, None
        while passes < 2 and moves < 3 * size * size:
            mover = us if colour == ours else them
            generated = not (mover is them and first is None and forced)
            move = mover(f"genmove {colour}") if generated else forced
            if move.lower() == "resign":
                # A resignation counts as a loss by the whole board.
                loss = float(size * size)
                return ours, first, loss if mover is them else -loss
            if mover is them and first is None:
                first = move.upper()
            for e in players:
                if e is not mover or not generated:
                    e(f"play {colour} {move}")
            passes = passes + 1 if move.lower() == "pass" else 0
            colour = "W" if colour == "B" else "B"
            moves += 1
        result = scorer("final_score")
    finally:
        for e in players:
            e.close()
    m = re.match(r"([BW])\+([\d.]+)", result)
    if not m:
        raise RuntimeError(f"the scorer answered '{result}'")
    margin = float(m.group(2))
    return ours, first, margin if m.group(1) == ours else -margin


def report(results, weights):
    """Prints each line and the weighted estimate per colour."""
    by = collections.defaultdict(list)
    failed = sum(margin is None for _, _, margin in results)
    if failed:
        print(f"{failed} games failed and are left out")
    for ours, first, margin in results:
        if margin is not None:
            by[(ours, first)].append(margin)
    for colour in "BW":
        lines = {k[1]: v for k, v in by.items() if k[0] == colour}
        if not lines:
            continue
        w = weights.get(colour) or {k: len(v) for k, v in lines.items()}
        total = sum(w[k] for k in lines if k in w)
        win = mean = 0.0
        for first in sorted(lines, key=lambda k: -w.get(k, 0)):
            xs = lines[first]
            share = w.get(first, 0) / total if total else 0
            win += share * sum(x > 0 for x in xs) / len(xs)
            mean += share * sum(xs) / len(xs)
            print(f"  {colour} {first:5} weight {share:5.3f}  " +
                  " ".join(f"{x:+.1f}" for x in xs))
        print(f"{colour}: weighted win rate {win:.3f}, mean margin {mean:+.1f}")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("mode", choices=["sample", "compare"])
    ap.add_argument("games", type=int, nargs="?", default=50)
    ap.add_argument("--engine", default="build/src/cli/kazaori-cli gtp")
    ap.add_argument("--gnugo", default="/usr/games/gnugo")
    ap.add_argument("--size", type=int, default=9)
    ap.add_argument("--komi", type=float, default=5.5)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--save")
    ap.add_argument("--weights")
    ap.add_argument("--reps", type=int, default=1)
    ap.add_argument("--seed", type=int, default=1, help="GNU Go's seed of the first game")
    a = ap.parse_args()
    base = (a.engine, a.gnugo, a.size, a.komi)
    if a.mode == "sample":
        jobs = [base + (c, None) for c in "BW" for _ in range(a.games)]
        weights = {}
    else:
        if not a.weights:
            sys.exit("compare needs --weights from a sample run")
        with open(a.weights) as f:
            weights = json.load(f)
        jobs = [base + (c, first) for c in "BW" for first in weights.get(c, {})
                for _ in range(a.reps * (3 if c == "W" else 1))]
    jobs = [job + (a.seed + k,) for k, job in enumerate(jobs)]
    with Pool(a.jobs) as pool:
        results = pool.map(play_game, jobs)
    report(results, weights)
    if a.mode == "sample" and a.save:
        counts = {c: dict(collections.Counter(f for o, f, m in results
                                              if o == c and m is not None))
                  for c in "BW"}
        with open(a.save, "w") as f:
            json.dump(counts, f, indent=1)


if __name__ == "__main__":
    main()
