#!/usr/bin/env python3
"""Throughput of the game against the I/O floor.

Plays a scripted game of examines through the real binary with its output thrown away,
and, in turn in the same run, the same input through bench/io_floor (the same reads,
flushes and output volume, and nothing else). Prints the ratio of the median times and
the game's peak memory at two sizes, which should be the same.

Usage: bench/throughput.py BUILD_DIR [--passes N] [--rounds K]
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time

from peak_memory import peak_memory


def script(passes):
    # Examining never spends the day, so the bear lives through any number of them.
    return b"Bruno " + b"6 " * passes + b"0\n"


def seconds_to_run(command, input_path):
    """Runs command with input_path on stdin and its output thrown away; returns the wall time."""
    with open(input_path, "rb") as stdin:
        start = time.perf_counter()
        subprocess.run(command, stdin=stdin, stdout=subprocess.DEVNULL, check=True)
        return time.perf_counter() - start


def output_size(game, input_path):
    with open(input_path, "rb") as stdin:
        return len(subprocess.run([game], stdin=stdin, capture_output=True, check=True).stdout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--passes", type=int, default=200_000)
    parser.add_argument("--rounds", type=int, default=9)
    args = parser.parse_args()
    game = os.path.join(args.build_dir, "tumblewood")
    floor = os.path.join(args.build_dir, "tumblewood_io_floor")

    with tempfile.TemporaryDirectory() as work:
        peaks = {}
        for passes in (2_000, args.passes):
            path = os.path.join(work, f"{passes}.in")
            with open(path, "wb") as out:
                out.write(script(passes))
            peaks[passes] = peak_memory([game], work, input_path=path)

        path = os.path.join(work, f"{args.passes}.in")
        reads = args.passes + 2  # the name, every examine, the final 0
        block = output_size(game, path) // reads
        game_times, floor_times = [], []
        for _ in range(args.rounds):
            game_times.append(seconds_to_run([game], path))
            floor_times.append(seconds_to_run([floor, str(block)], path))

    game_median = statistics.median(game_times)
    floor_median = statistics.median(floor_times)
    print(f"passes: {args.passes}, rounds: {args.rounds}, output per read: {block} bytes")
    print(f"game median:  {game_median * 1000:.1f} ms")
    print(f"floor median: {floor_median * 1000:.1f} ms")
    print(f"ratio: {game_median / floor_median:.3f} (target 1.10 or less)")
    # The machine's own noise shows in how far single rounds stray from the ratio of medians.
    rounds = sorted(g / f for g, f in zip(game_times, floor_times))
    print(f"single rounds: {rounds[0]:.3f} to {rounds[-1]:.3f}, "
          f"median {statistics.median(rounds):.3f}")
    for passes, peak in peaks.items():
        print(f"game peak memory at {passes} passes: {peak} KiB")


if __name__ == "__main__":
    main()
