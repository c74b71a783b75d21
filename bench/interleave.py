#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times whole programs alternately in one run and prints them side by side.

usage: interleave.py [--runs N] [--warmup N] [--before SHELL] [--after SHELL]
                     -- NAME PROGRAM [ARG...] [::: NAME PROGRAM [ARG...]]...

Each round runs every command once, in turn; every other round goes in the
reverse order, so that neither command always follows the other. Only the
program itself is timed, from spawning it to reaping it: --before (say, a
clean-up) and --after (say, a check of what was written) run as shell
commands outside the timing, with BENCH_NAME set to the command's name; a
failing --after stops the benchmark. A command that exits non-zero also
stops it, with its standard error shown.

Prints, per command, wall-clock milliseconds (minimum, median, maximum) and
the median CPU time (user + system, children included), then each median
over the first command's.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def fail(message):
    sys.exit(f"interleave.py: {message}")


def parse(argv):
    options = {"runs": 30, "warmup": 1, "before": None, "after": None}
    i = 0
    while i < len(argv) and argv[i] != "--":
        name = argv[i].lstrip("-")
        if name not in options or i + 1 >= len(argv):
            fail(__doc__.split("\n\n")[1])
        value = argv[i + 1]
        options[name] = int(value) if name in ("runs", "warmup") else value
        i += 2
    commands, current = [], []
    for word in argv[i + 1:] + [":::"]:
        if word != ":::":
            current.append(word)
            continue
        if len(current) < 2:
            fail("each command needs a name and a program")
        program = shutil.which(current[1])
        if program is None:
            fail(f"no program {current[1]}")
        commands.append((current[0], program, current[1:]))
        current = []
    if not commands or options["runs"] < 1:
        fail(__doc__.split("\n\n")[1])
    return options, commands


def shell(script, name):
    if script:
        return subprocess.run(["sh", "-c", script], env=dict(os.environ, BENCH_NAME=name)).returncode
    return 0


def run_once(name, program, argv, options, errors):
    shell(options["before"], name)
    actions = [
        (os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
        (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
        (os.POSIX_SPAWN_DUP2, errors.fileno(), 2),
    ]
    errors.seek(0)
    errors.truncate()
    start = time.perf_counter_ns()
    pid = os.posix_spawn(program, argv, os.environ, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter_ns() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        errors.seek(0)
        sys.stderr.write(errors.read().decode(errors="replace")[-2000:])
        fail(f"{name} exited with {code}")
    if shell(options["after"], name) != 0:
        fail(f"the check after {name} failed")
    return wall / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3


def main():
    options, commands = parse(sys.argv[1:])
    wall = {name: [] for name, _, _ in commands}
    cpu = {name: [] for name, _, _ in commands}
    with tempfile.TemporaryFile() as errors:
        for round_number in range(options["warmup"] + options["runs"]):
            order = commands if round_number % 2 == 0 else commands[::-1]
            for name, program, argv in order:
                w, c = run_once(name, program, argv, options, errors)
                if round_number >= options["warmup"]:
                    wall[name].append(w)
                    cpu[name].append(c)

    width = max(len(name) for name, _, _ in commands)
    print(f"{'':{width}}  runs     min ms  median ms     max ms  cpu median ms")
    for name, _, _ in commands:
        w = wall[name]
        print(f"{name:{width}}  {len(w):4} {min(w):10.2f} {statistics.median(w):10.2f} {max(w):10.2f}"
              f" {statistics.median(cpu[name]):14.2f}")
    base = commands[0][0]
    ratio = lambda values, name: statistics.median(values[name]) / (statistics.median(values[base]) or float("nan"))
    for name, _, _ in commands[1:]:
        print(f"{name} / {base}: {ratio(wall, name):.2f} (wall medians), {ratio(cpu, name):.2f} (cpu medians)")


if __name__ == "__main__":
    main()
