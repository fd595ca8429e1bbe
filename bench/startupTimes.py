#!/usr/bin/env python3
"""Start-up of the real program to its first painted window, under Xvfb (started here when there is
no DISPLAY), with the virtual mouse; medians of N runs. When Debian's Piper is installed, its time to
a visible window is measured on the same display, runs interleaved, and the ratio printed.

usage: bench/startupTimes.py [BUILD_DIR] [RUNS]"""
import os
import shutil
import statistics
import subprocess
import sys
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 7


def visible_window(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True)
    return out.returncode == 0 and out.stdout.strip() != ""


def time_ours(phases):
    """Launch to first paint in ms; each phase mark's time since the previous one, and the main
    thread's CPU time in it, go into phases."""
    env = dict(os.environ, MOUSECFG_DEVICE="virtual", MOUSECFG_STARTUP_PROBE="quit")
    start = time.monotonic_ns()
    proc = subprocess.Popen([os.path.join(BUILD, "bin", "mousecfg")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    painted = None
    previous, previous_cpu = start, 0
    for line in proc.stderr:
        if line.startswith("mousecfg-phase-ns="):
            stamp, cpu, name = line.split("=", 1)[1].rstrip("\n").split(" ", 2)
            phases.setdefault(name, []).append(((int(stamp) - previous) / 1e6, (int(cpu) - previous_cpu) / 1e6))
            previous, previous_cpu = int(stamp), int(cpu)
        elif line.startswith("mousecfg-first-paint-ns="):
            painted = int(line.split("=")[1])
    proc.wait(timeout=20)
    if painted is None:
        sys.exit("mousecfg never painted (exit %d)" % proc.returncode)
    phases.setdefault("first paint done", []).append(((painted - previous) / 1e6, None))
    return (painted - start) / 1e6


def time_visible(command, env=None):
    """Launch to a visible window of the process, polled the same way for every program."""
    start = time.monotonic_ns()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    try:
        while not visible_window(proc.pid):
            if proc.poll() is not None or time.monotonic_ns() - start > 20e9:
                ended = proc.poll()
                if ended is not None:
                    print("%s ended with %d: %s" % (command[0], ended, proc.stderr.read().strip()[-300:]),
                          file=sys.stderr)
                return None
            time.sleep(0.002)
        return (time.monotonic_ns() - start) / 1e6
    finally:
        proc.kill()
        proc.wait()


def main():
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable] + sys.argv)
    have_piper = shutil.which("piper") is not None
    if have_piper and not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
    ours_env = dict(os.environ, MOUSECFG_DEVICE="virtual")
    ours_command = [os.path.join(BUILD, "bin", "mousecfg")]
    time_ours({})  # warm the file cache, as a second start by a user would find it
    painted, ours, piper = [], [], []
    phases = {}
    for _ in range(RUNS):
        painted.append(time_ours(phases))
        t = time_visible(ours_command, ours_env)
        if t is None:
            sys.exit("mousecfg showed no window (it ended or took over 20 s)")
        ours.append(t)
        if have_piper:
            t = time_visible(["piper"])
            if t is not None:
                piper.append(t)
    print("mousecfg: where the time to the first paint goes (medians, ms since the mark before;")
    print("          main thread CPU in the phase beside it, the rest is waiting or other threads):")
    for name, times in phases.items():
        wall = statistics.median(t[0] for t in times)
        cpus = [t[1] for t in times if t[1] is not None]
        cpu = "%6.1f" % statistics.median(cpus) if cpus else "     -"
        print("  %-20s %6.1f %s" % (name, wall, cpu))
    print("mousecfg: launch to first painted window   %7.1f ms (median of %d; min %.1f)"
          % (statistics.median(painted), RUNS, min(painted)))
    mine = statistics.median(ours)
    print("mousecfg: launch to visible window (polled) %6.1f ms (median of %d; min %.1f)" % (mine, RUNS, min(ours)))
    if piper:
        theirs = statistics.median(piper)
        print("piper:    launch to visible window (polled) %6.1f ms (median of %d; min %.1f)"
              % (theirs, len(piper), min(piper)))
        print("ratio mousecfg / piper, same polling        %7.2f (goal: at most 0.50)" % (mine / theirs))
    else:
        print("piper not installed: no peer figure")


main()
