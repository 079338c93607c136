#!/usr/bin/env python3
"""The real kelo on Wayland (a headless weston, Qt's wayland platform): twenty start-ups in a
row stay up, maximized as the compositor configured, with no protocol error. Weston's headless
back end has no input devices, so no keys are typed here.
   wayland_startups.py KELO [RUNS]"""
import os
import subprocess
import sys
import tempfile
import time

from kelo_session import read_state_log, wait_for

WIDTH, HEIGHT = 1280, 1024


def start_once(kelo, env, folder, run):
    """One start-up; returns what went wrong, or None."""
    log = os.path.join(folder, f"state-{run}.log")
    errors = os.path.join(folder, f"kelo-{run}.err")
    with open(errors, "w") as err:
        game = subprocess.Popen([kelo], env=dict(env, KELO_STATE_LOG=log), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=err)
    try:
        def maximized():
            windows = [line["window"] for line in read_state_log(log) if "window" in line]
            framed = any("first_frame" in line for line in read_state_log(log))
            return framed and windows and windows[-1]["maximized"] and windows[-1]["width"] >= WIDTH * 0.9
        shown = wait_for(maximized, 20, every=0.02)
        time.sleep(0.5)  # a compositor that objects to the window disconnects it by now
        alive = game.poll() is None
    finally:
        if game.poll() is None:
            game.terminate()
            game.wait(10)
    with open(errors, encoding="utf-8", errors="replace") as f:
        stderr = f.read()
    windows = [line["window"] for line in read_state_log(log) if "window" in line]
    if not alive:
        return f"exited with status {game.returncode}: {stderr[-500:]}"
    if not shown:
        return f"not maximized: {windows[-1:] or 'no window'}"
    if "protocol error" in stderr.lower() or "does not match" in stderr:
        return f"a protocol error: {stderr[-500:]}"
    return None


def main():
    kelo = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    folder = tempfile.mkdtemp(prefix="kelo-wayland-")
    os.chmod(folder, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=folder, WAYLAND_DISPLAY="kelo-test", QT_QPA_PLATFORM="wayland",
               PULSE_SERVER="unix:/nonexistent")
    env.pop("DISPLAY", None)
    with open(os.path.join(folder, "weston.log"), "w") as weston_log:
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=kelo-test", "--use-pixman",
                                   f"--width={WIDTH}", f"--height={HEIGHT}", "--idle-time=0"],
                                  env=env, stdin=subprocess.DEVNULL, stdout=weston_log, stderr=weston_log)
    failures = []
    try:
        if not wait_for(lambda: os.path.exists(os.path.join(folder, "kelo-test")), 10):
            raise RuntimeError("weston did not start")
        for run in range(runs):
            problem = start_once(kelo, env, folder, run)
            if problem:
                failures.append(f"start-up {run + 1}: {problem}")
        sizes = {(w["width"], w["height"]) for run in range(runs)
                 for w in [line["window"] for line in read_state_log(os.path.join(folder, f"state-{run}.log"))
                           if "window" in line][-1:]}
        print(f"{runs - len(failures)} of {runs} start-ups stayed up, maximized; window sizes {sorted(sizes)}")
    finally:
        weston.terminate()
        weston.wait(10)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
