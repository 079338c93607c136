#!/usr/bin/env python3
"""The locked game (kelo --locked) on Wayland compositors, typed at through the compositor:
- sway (headless, run with the game as an unprivileged user, as sway refuses root), with wtype
  keeping one virtual keyboard open for the whole session: its kill binding $mod+Shift+q, its
  workspace keys, its full-screen and floating toggles; after each the game is still full
  screen, focused and answers a key, and typing quit ends it;
- weston, which lacks keyboard-shortcuts-inhibit: the game says so once and stays full screen.
   lock_wayland.py KELO"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from kelo_session import Checks, ended_within, ending, read_state_log, wait_for

NOBODY = 65534
SWAY_CONFIG = """set $mod Mod4
output HEADLESS-1 resolution 1280x1024
bindsym $mod+Shift+q kill
bindsym Mod1+F4 kill
bindsym $mod+1 workspace number 1
bindsym $mod+2 workspace number 2
bindsym $mod+Shift+2 move container to workspace number 2
bindsym $mod+f fullscreen toggle
bindsym $mod+Shift+space floating toggle
bindsym $mod+Shift+e exit
"""
ROUTES = [
    ("$mod+Shift+q (kill)", ["-M", "logo", "-M", "shift", "q", "-m", "shift", "-m", "logo"]),
    ("Alt+F4", ["-M", "alt", "-k", "F4", "-m", "alt"]),
    ("$mod+2 (another workspace)", ["-M", "logo", "2", "-m", "logo"]),
    ("$mod+Shift+2 (moved to another workspace)", ["-M", "logo", "-M", "shift", "2", "-m", "shift", "-m", "logo"]),
    ("$mod+f (full screen off)", ["-M", "logo", "f", "-m", "logo"]),
    ("$mod+Shift+space (floating)", ["-M", "logo", "-M", "shift", "space", "-m", "shift", "-m", "logo"]),
]


class UserSession:
    """A private, unprivileged directory with a copy of kelo in it, for a compositor and the game
    run as nobody."""

    def __init__(self, kelo):
        self.dir = tempfile.mkdtemp(prefix="kelo-wayland-")
        self.kelo = os.path.join(self.dir, "kelo")
        shutil.copy(kelo, self.kelo)
        for path in (self.dir, self.kelo):
            os.chown(path, NOBODY, NOBODY)
        os.chmod(self.dir, 0o700)
        self.log = os.path.join(self.dir, "state.log")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.dir, HOME=self.dir, PULSE_SERVER="unix:/nonexistent")
        self.processes = []

    def run(self, command, **kwargs):
        process = subprocess.Popen(["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", *command],
                                   env=self.env, stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def call(self, command):
        return subprocess.run(["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", *command],
                              env=self.env, capture_output=True, text=True, timeout=10)

    def wait_for_display(self, prefix="wayland-"):
        def sockets():
            return [n for n in os.listdir(self.dir) if n.startswith(prefix) and not n.endswith(".lock")]
        if not wait_for(sockets, timeout=20):
            raise RuntimeError("the compositor made no Wayland socket")
        self.env["WAYLAND_DISPLAY"] = sockets()[0]

    def start_game(self):
        errors = open(os.path.join(self.dir, "kelo.err"), "w")
        self.game = self.run([self.kelo, "--locked"], stdout=subprocess.DEVNULL, stderr=errors)
        self.env_game = dict(self.env, QT_QPA_PLATFORM="wayland", KELO_STATE_LOG=self.log)
        return self.game

    def states(self):
        return [line for line in read_state_log(self.log) if "controls" in line]

    def errors(self):
        with open(os.path.join(self.dir, "kelo.err"), encoding="utf-8", errors="replace") as f:
            return f.read()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.dir, ignore_errors=True)


def game_node(session):
    """The game's window in sway's tree, or None."""
    tree = json.loads(session.call(["swaymsg", "-t", "get_tree"]).stdout or "{}")
    nodes = [tree]
    while nodes:
        node = nodes.pop()
        if node.get("pid") == session.game.pid:
            return node
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    return None


def answers_a_key(session):
    before = len(session.states())
    session.call(["wtype", "a"])
    return wait_for(lambda: len(session.states()) > before, timeout=2)


def standing(session):
    if session.game.poll() is not None:
        return [f"closed (status {session.game.returncode})"]
    node = game_node(session)
    wrong = []
    if node is None or not node.get("visible"):
        wrong.append("hidden")
    if node is None or node.get("fullscreen_mode") != 1:
        wrong.append("not full screen")
    if node is None or not node.get("focused"):
        wrong.append("not focused")
    if not answers_a_key(session):
        wrong.append("deaf to keys")
    return wrong


def sway(kelo, check):
    with UserSession(kelo) as session:
        config = os.path.join(session.dir, "sway.config")
        with open(config, "w") as f:
            f.write(SWAY_CONFIG)
        os.chown(config, NOBODY, NOBODY)
        session.env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        session.run(["sway", "-c", config], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        session.wait_for_display()
        session.env["SWAYSOCK"] = next(os.path.join(session.dir, n) for n in os.listdir(session.dir)
                                       if n.startswith("sway-ipc"))
        # One virtual keyboard for the whole session: keys typed meanwhile are not lost.
        session.run(["wtype", "-s", "1200000"])
        session.env.update(QT_QPA_PLATFORM="wayland", KELO_STATE_LOG=session.log)
        session.start_game()
        started = wait_for(lambda: len(session.states()) >= 1 and game_node(session) is not None, timeout=20)
        check(started, "sway: the locked game starts")
        if not started:
            return
        time.sleep(0.5)
        check(standing(session) == [] and "shortcuts" not in session.errors(),
              f"sway: full screen, focused, and the compositor passes its shortcuts to the game: "
              f"{standing(session)} {session.errors().strip()}")
        for route, keys in ROUTES:
            session.call(["wtype", *keys])
            time.sleep(0.5)
            wrong = standing(session)
            check(not wrong, f"sway: {route}: {', '.join(wrong) or 'the game stays'}")
        typed = time.monotonic()
        session.call(["wtype", "quit"])
        took, status = ended_within(session.game, 5, since=typed)
        check(status == 0 and took < 1, f"sway: typing quit ends the game: {ending(took, status)}")


def weston(kelo, check):
    with UserSession(kelo) as session:
        session.run(["weston", "--backend=headless-backend.so", "--socket=kelo-weston", "--use-pixman",
                     "--width=1280", "--height=1024"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        session.wait_for_display("kelo-weston")
        session.env.update(QT_QPA_PLATFORM="wayland", KELO_STATE_LOG=session.log)
        session.start_game()
        started = wait_for(lambda: len(session.states()) >= 1, timeout=20)
        time.sleep(0.5)
        said = session.errors().count("shortcuts stay on")
        check(started and session.game.poll() is None and said == 1,
              f"weston: the locked game runs, and says once that the compositor keeps its shortcuts ({said} times)")


def main():
    kelo = sys.argv[1]
    check = Checks()
    sway(kelo, check)
    weston(kelo, check)
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
