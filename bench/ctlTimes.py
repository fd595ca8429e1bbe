#!/usr/bin/env python3
"""Wall time of mousecfgctl commands against the virtual mouse (default latency), next to the protocol
floor: 10 ms after each write times the frames the command sent (counted from MOUSECFG_FRAME_LOG).

Each command runs RUNS times in a fresh copy of the build's installation; the median is printed.
`apply` runs after an `apply --full`, so it has nothing to send; `set dpi` changes and sends one DPI stage.
Give another MOUSECFGCTL to compare builds (commands it does not know exit 64).
Usage: bench/ctlTimes.py [BUILD_DIR] [RUNS] [MOUSECFGCTL]"""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
ctl = os.path.abspath(sys.argv[3]) if len(sys.argv) > 3 else os.path.join(build, "bin", "mousecfgctl")
WRITE_PAUSE_MS = 10


def fresh_dir():
    d = tempfile.mkdtemp(prefix="mousecfg-ctltimes-")
    for name in ("DefaultProfile.bin", "Configs"):
        src = os.path.join(build, "bin", name)
        (shutil.copytree if os.path.isdir(src) else shutil.copy)(src, os.path.join(d, name))
    return d


def run(d, args):
    log = os.path.join(d, "frames.log")
    if os.path.exists(log):
        os.remove(log)
    env = dict(os.environ, MOUSECFG_APP_DIR=d, MOUSECFG_DEVICE="virtual", MOUSECFG_FRAME_LOG=log)
    start = time.perf_counter()
    done = subprocess.run([ctl] + args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = (time.perf_counter() - start) * 1000
    frames = 0
    if os.path.exists(log):
        with open(log) as f:
            frames = sum(1 for line in f if line.startswith("> "))
    return elapsed, frames, done.returncode


# name, command, commands run first in the same folder (not timed)
CASES = [
    ("apply --full", ["apply", "--full"], []),
    ("apply", ["apply"], [["apply", "--full"]]),
    ("set dpi", ["set", "dpi", "2", "1650"], [["apply", "--full"]]),
    ("status", ["status"], []),
    ("get --json", ["get", "--json"], []),
]

print(f"{'command':<14}{'median ms':>10}{'frames':>8}{'floor ms':>10}{'exit':>6}")
for name, args, before in CASES:
    times, frames, code = [], 0, 0
    for _ in range(runs):
        d = fresh_dir()
        for b in before:
            run(d, b)
        ms, frames, code = run(d, args)
        times.append(ms)
        shutil.rmtree(d, ignore_errors=True)
    print(f"{name:<14}{statistics.median(times):>10.0f}{frames:>8}{frames * WRITE_PAUSE_MS:>10}{code:>6}")
