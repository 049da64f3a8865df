#!/usr/bin/env python3
"""Start-up time and peak memory of the game against the plain-C I/O floor.

Starts the game on empty input, so that it greets, asks for the name, meets the end of
input and ends; and, side by side in the same run, bench/io_floor.c, which writes a
greeting of the same size, flushes, reads once and ends. hyperfine times both in rounds
(it gives every command an empty standard input); GNU time gives each one's peak memory.
Prints the ratios, game over floor.

Usage: bench/startup.py BUILD_DIR [--game PATH] [--rounds K] [--runs N]
BUILD_DIR holds tumblewood_io_floor_c. The game measured is the one in BUILD_DIR's
tarball, stripped as players get it, else BUILD_DIR/tumblewood, unless --game names another.
"""
import argparse
import glob
import json
import os
import shlex
import shutil
import statistics
import subprocess
import sys
import tarfile
import tempfile

from peak_memory import peak_memory


def shipped_game(build_dir, work):
    """The game binary as the tarball in build_dir ships it, unpacked into work, or the one
    built in build_dir when there is no tarball; and a name for it."""
    tarballs = glob.glob(os.path.join(build_dir, "tumblewood-*.tar.gz"))
    if len(tarballs) != 1:
        built = os.path.join(build_dir, "tumblewood")
        return built, built
    with tarfile.open(tarballs[0]) as tarball:
        member = next(m for m in tarball.getmembers() if m.name.endswith("/tumblewood"))
        member.name = "tumblewood"
        tarball.extract(member, work)
    return os.path.join(work, "tumblewood"), f"tumblewood from {tarballs[0]}"


def greeting_size(game):
    return len(subprocess.run([game], stdin=subprocess.DEVNULL, capture_output=True,
                              check=True).stdout)


def median_seconds(commands, runs, work):
    """Times the commands in one hyperfine run; returns their median times in seconds."""
    report = os.path.join(work, "times.json")
    named = []
    for name, command in commands:
        named += ["--command-name", name, shlex.join(command)]
    # Its report goes to the JSON file; its warnings about outliers are left out, since the
    # spread of the rounds shows the machine's noise.
    timing = subprocess.run(["hyperfine", "--shell=none", "--style", "basic", "--warmup", "20",
                             "--runs", str(runs), "--export-json", report] + named,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if timing.returncode != 0:
        sys.exit(f"startup.py: hyperfine failed:\n{timing.stderr}")
    with open(report) as times:
        return {result["command"]: result["median"] for result in json.load(times)["results"]}


def start_up_rounds(game, floor, rounds, runs, work):
    """Game and floor times per round, the two taking turns to go first, so that a change
    in the machine's load mid-run weighs on both alike."""
    game_times, floor_times = [], []
    for round_number in range(rounds):
        commands = [("game", game), ("floor", floor)]
        if round_number % 2:
            commands.reverse()
        medians = median_seconds(commands, runs, work)
        game_times.append(medians["game"])
        floor_times.append(medians["floor"])
    return game_times, floor_times


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--game", help="the game binary to measure instead")
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--runs", type=int, default=200, help="runs of each per round")
    args = parser.parse_args()
    if shutil.which("hyperfine") is None:
        sys.exit("startup.py: needs hyperfine (apt-get install hyperfine)")
    with tempfile.TemporaryDirectory() as work:
        path, name = (args.game, args.game) if args.game else shipped_game(args.build_dir, work)
        game = [os.path.abspath(path)]
        floor = [os.path.abspath(os.path.join(args.build_dir, "tumblewood_io_floor_c")), "0"]
        for program in (game[0], floor[0]):
            if not os.access(program, os.X_OK):
                sys.exit(f"startup.py: no {program}; cmake --workflow --preset portable "
                         "builds the game and the floor")
        floor.append(str(greeting_size(game[0])))
        game_times, floor_times = start_up_rounds(game, floor, args.rounds, args.runs, work)
        game_peak = peak_memory(game, work, rounds=9)
        floor_peak = peak_memory(floor, work, rounds=9)

    game_time, floor_time = statistics.median(game_times), statistics.median(floor_times)
    rounds = sorted(g / f for g, f in zip(game_times, floor_times))
    print(f"game: {name}")
    print(f"start-up, {args.rounds} rounds of {args.runs} runs each: "
          f"game {game_time * 1000:.3f} ms, floor {floor_time * 1000:.3f} ms (medians)")
    print(f"start-up ratio: {game_time / floor_time:.2f} (target 1.00 or less); "
          f"single rounds {rounds[0]:.2f} to {rounds[-1]:.2f}")
    print(f"peak memory: game {game_peak} KiB, floor {floor_peak} KiB, "
          f"ratio {game_peak / floor_peak:.2f} (target 1.20 or less)")


if __name__ == "__main__":
    main()
