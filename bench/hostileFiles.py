#!/usr/bin/env python3
"""Crash and mutation runs against the built mousecfgctl and the virtual mouse.

kill: mousecfgctl import is killed with SIGKILL at a random moment; afterwards every profile name in
Config.ini must have a usable file, and no lock or temporary file may be left.
mutants: Config.ini and a profile file get random byte damage; `apply --full` must exit without a
crash or hang and the mouse must get a left click on its first button (decoded from the state file
the virtual mouse keeps).
Usage: bench/hostileFiles.py [BUILD_DIR] [KILLS] [MUTANTS]"""
import os, random, shutil, signal, subprocess, sys, tempfile, time, glob, configparser

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
kills = int(sys.argv[2]) if len(sys.argv) > 2 else 100
mutants = int(sys.argv[3]) if len(sys.argv) > 3 else 100
ctl = os.path.join(build, "bin", "mousecfgctl")
rng = random.Random(12)


def fresh_dir():
    d = tempfile.mkdtemp(prefix="mousecfg-hostile-")
    for name in ("DefaultProfile.bin", "Configs"):
        src = os.path.join(build, "bin", name)
        (shutil.copytree if os.path.isdir(src) else shutil.copy)(src, os.path.join(d, name))
    return d


def env_for(d, state=None):
    e = dict(os.environ, MOUSECFG_APP_DIR=d, MOUSECFG_DEVICE="virtual", QT_QPA_PLATFORM="offscreen")
    if state:
        e["MOUSECFG_SIM_STATE"] = state
    return e


def make_conf(d, path):
    prof = open(os.path.join(d, "Configs/Profile/Profile 1.prof"), encoding="utf-8").read()
    body = prof.split("[PROFILE]", 1)[1]
    out = ["[MouseName]", "Name=Kestrel M7", "", "[Config]", "ProfileID=2"]
    out += ["Profile%d=Imported %d" % (i + 1, i + 1) for i in range(5)]
    for i in range(5):
        out += ["", "[PROFILE_%d]" % i, body.strip()]
    open(path, "w", encoding="utf-8").write("\n".join(out) + "\n")


def names_have_files(d):
    cp = configparser.RawConfigParser(strict=False)
    cp.optionxform = str
    cp.read(os.path.join(d, "Configs/Config.ini"), encoding="utf-8")
    bad = []
    for i in range(1, 6):
        name = cp.get("Config", "Profile%d" % i, fallback="")
        f = os.path.join(d, "Configs/Profile", name + ".prof")
        if not name or not os.path.isfile(f) or "BUTTON_INFO_0_Fun" not in open(f, errors="replace").read():
            bad.append(name)
    return bad


def litter(d):
    return [p for p in glob.glob(os.path.join(d, "**/*"), recursive=True)
            if p.endswith(".lock") or ".tmp" in os.path.basename(p) or os.path.basename(p).startswith("qt_temp")]


def kill_runs():
    dangling = left = 0
    for _ in range(kills):
        d = fresh_dir()
        conf = os.path.join(d, "import.conf")
        make_conf(d, conf)
        p = subprocess.Popen([ctl, "import", conf], env=env_for(d), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(rng.uniform(0.0, 0.25))
        p.send_signal(signal.SIGKILL)
        p.wait()
        dangling += bool(names_have_files(d))
        left += bool(litter(d))
        shutil.rmtree(d)
    print("kill -9 during import: %d runs, %d left a name without a usable file, %d left lock/temp files"
          % (kills, dangling, left))


def first_button_slot(log):
    # The button block's frame at address 2 starts with the slot of the first button.
    for line in open(log, errors="replace"):
        b = line.split()
        if len(b) > 11 and b[0] == ">" and b[4] == "03" and b[5] == "02" and b[6] == "00":
            return " ".join(b[9:13])
    return None


def apply_full(d):
    log = os.path.join(d, "frames.log")
    e = env_for(d)
    e["MOUSECFG_FRAME_LOG"] = log
    r = subprocess.run([ctl, "apply", "--full"], env=e, capture_output=True, timeout=20)
    return r, (first_button_slot(log) if os.path.exists(log) else None)


def mutate(path):
    data = bytearray(open(path, "rb").read())
    for _ in range(rng.randint(1, 40)):
        op = rng.random()
        pos = rng.randrange(len(data)) if data else 0
        if op < 0.4 and data:
            data[pos] = rng.randrange(256)
        elif op < 0.7 and data:
            del data[pos:pos + rng.randint(1, 200)]
        else:
            data[pos:pos] = bytes(rng.randrange(256) for _ in range(rng.randint(1, 30)))
    open(path, "wb").write(bytes(data))


def mutant_runs():
    d = fresh_dir()
    factory = apply_full(d)[1]
    shutil.rmtree(d)
    crashes = hangs = nonzero = told = no_left = 0
    codes = {}
    for _ in range(mutants):
        d = fresh_dir()
        target = rng.choice(["Configs/Config.ini", "Configs/Profile/Profile 1.prof"])
        mutate(os.path.join(d, target))
        try:
            r, slot = apply_full(d)
            crashes += r.returncode < 0 or r.returncode in (134, 139)
            nonzero += r.returncode != 0
            told += bool(r.stderr.strip())
            if r.returncode == 0 and (slot is None or slot == "00 00 00 00"):
                no_left += 1
            if r.returncode != 0:
                codes[r.returncode] = codes.get(r.returncode, 0) + 1
        except subprocess.TimeoutExpired:
            hangs += 1
        shutil.rmtree(d)
    print("random mutants of Config.ini / profile 1: %d runs, %d crashes, %d hangs, %d non-zero exits, "
          "exit codes %s, %d told on stderr, %d sent a first button without its function "
          "(factory first slot: %s)" % (mutants, crashes, hangs, nonzero, codes, told, no_left, factory))


if __name__ == "__main__":
    kill_runs()
    mutant_runs()
