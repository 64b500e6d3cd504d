#!/usr/bin/env python3
"""Times whole processes for the benchmarks, each started straight from here with posix_spawn.

A shell forking for every run would add its own copying to every case alike (two to three
milliseconds on a small virtual machine, as long as the whole search) and pull every ratio
towards 1. One untimed run of each case finds its files in the page cache; then RUNS rounds of
every case in turn. Prints a line per case: its name and its wall times in microseconds. OUTPUT is
written afresh by each run, so it ends with what the last case printed.

    spawn_times.py RUNS OUTPUT < CASES

A case is one line of fields separated by 0x1F: its name, then the words of its command.
Words NAME=VALUE before a command set its environment, "|" joins the commands of a
pipeline, and "> FILE" as the last two words sends its output there instead of to OUTPUT.
"""
import os
import sys
import time


def parse(line):
    name, *words = line.rstrip("\n").split("\x1f")
    target = None
    if len(words) >= 2 and words[-2] == ">":
        target = words.pop()
        words.pop()
    stages, stage = [], []
    for word in words + ["|"]:
        if word != "|":
            stage.append(word)
            continue
        env = dict(os.environ)
        while stage and "=" in stage[0] and stage[0].split("=", 1)[0].isidentifier():
            key, value = stage.pop(0).split("=", 1)
            env[key] = value
        stages.append((env, stage))
        stage = []
    return name, stages, target


def run(case, output_path):
    _, stages, target = case
    output = os.open(output_path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    sink = os.open(target, os.O_WRONLY) if target else output
    pids, upstream = [], None
    start = time.perf_counter_ns()
    for number, (env, argv) in enumerate(stages):
        last = number == len(stages) - 1
        read_end, write_end = (None, None) if last else os.pipe()
        actions = [(os.POSIX_SPAWN_DUP2, output, 2),
                   (os.POSIX_SPAWN_DUP2, sink if last else write_end, 1)]
        if upstream is not None:
            actions.append((os.POSIX_SPAWN_DUP2, upstream, 0))
        pids.append(os.posix_spawnp(argv[0], argv, env, file_actions=actions))
        if upstream is not None:
            os.close(upstream)
        if not last:
            os.close(write_end)
            upstream = read_end
    for pid in pids:
        os.waitpid(pid, 0)
    elapsed = time.perf_counter_ns() - start
    if target:
        os.close(sink)
    os.close(output)
    return elapsed // 1000


def main():
    runs = int(sys.argv[1])
    output = sys.argv[2]
    cases = [parse(line) for line in sys.stdin if line.strip()]
    times = {case[0]: [] for case in cases}
    for case in cases:
        run(case, output)
    for _ in range(runs):
        for case in cases:
            times[case[0]].append(run(case, output))
    for case in cases:
        print(case[0], *times[case[0]])


main()
