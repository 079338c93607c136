#!/usr/bin/env python3
"""The locked game (kelo --locked) on Wayland compositors, typed at through the compositor:
- sway (headless, run with the game as an unprivileged user, as sway refuses root), with wtype
  keeping one virtual keyboard open for the whole session: its kill binding $mod+Shift+q, its
  workspace keys, its full-screen and floating toggles; after each the game is still full
  screen, focused and answers a key, and typing quit ends it;
- a message box under sway, which leaves the keyboard with the full-screen window: a key
  answers it, and the quit word typed while it is open ends the game (unlocked, the box stays
  deaf: the control);
- Xwayland under sway with QT_QPA_PLATFORM=xcb in the environment: the locked game runs on
  Wayland all the same and holds against sway's workspace key (the control, forced onto X11 with
  -platform xcb, is taken away by it, and says so);
- weston, which lacks keyboard-shortcuts-inhibit, nested in Xvfb and typed at through it: the game
  says so once on stderr and in its window, and weston's maximize key does not end it.
   lock_wayland.py KELO"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from kelo_session import Checks, ended_within, ending, pixel, read_state_log, start_xvfb, wait_for

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

    def start_game(self, args=("--locked",), env=None):
        errors = open(os.path.join(self.dir, "kelo.err"), "w")
        saved = self.env
        self.env = dict(saved, KELO_STATE_LOG=self.log, **(env or {}))
        try:
            self.game = self.run([self.kelo, *args], stdout=subprocess.DEVNULL, stderr=errors)
        finally:
            self.env = saved
        return self.game

    def window_facts(self):
        return [line["window"] for line in read_state_log(self.log) if "window" in line][-1]

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


def start_sway(session, xwayland=False):
    """sway, headless, as nobody, with one virtual keyboard open for the whole session (keys typed
    meanwhile are not lost); with Xwayland started at once where asked. Returns Xwayland's
    display, or None."""
    config = os.path.join(session.dir, "sway.config")
    with open(config, "w") as f:
        f.write(SWAY_CONFIG + ("xwayland force\n" if xwayland else "xwayland disable\n"))
    os.chown(config, NOBODY, NOBODY)
    x_sockets = set(os.listdir("/tmp/.X11-unix")) if os.path.isdir("/tmp/.X11-unix") else set()
    session.env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
    session.run(["sway", "-c", config], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.wait_for_display()

    def ipc():
        return [n for n in os.listdir(session.dir) if n.startswith("sway-ipc")]
    # sway makes its socket after the Wayland one, sometimes a while after.
    if not wait_for(ipc, timeout=20):
        raise RuntimeError("sway made no IPC socket")
    session.env["SWAYSOCK"] = os.path.join(session.dir, ipc()[0])
    session.run(["wtype", "-s", "1200000"])
    if not xwayland:
        return None
    new = []
    wait_for(lambda: new.extend(set(os.listdir("/tmp/.X11-unix")) - x_sockets) or new, timeout=20)
    return ":" + new[0][1:] if new else None


def choose_japanese(session):
    """Japanese from the language list by the keyboard (sway's headless seat has no pointer):
    Tab to the list, Up picks English and the focus goes back to the pistol, then again, Down
    picks Japanese."""
    to_the_list = ["-k", "Tab"] * 3
    session.call(["wtype", *to_the_list, "-k", "Up"])
    time.sleep(0.3)
    session.call(["wtype", *to_the_list, "-k", "Down"])


def game_started(session):
    return wait_for(lambda: len(session.states()) >= 1 and game_node(session) is not None, timeout=20)


def sway(kelo, check):
    with UserSession(kelo) as session:
        start_sway(session)
        session.start_game(env={"QT_QPA_PLATFORM": "wayland"})
        started = game_started(session)
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


def boxes(session):
    """The game's windows in sway's tree but its main window: message boxes."""
    tree = json.loads(session.call(["swaymsg", "-t", "get_tree"]).stdout or "{}")
    nodes, found = [tree], []
    while nodes:
        node = nodes.pop()
        if node.get("pid") == session.game.pid and node.get("name") != "Dorrakan Kelo":
            found.append(node)
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    return found


def sway_message_box(kelo, check):
    """Japanese chosen where no Japanese font is installed opens a box; sway leaves the keyboard
    with the full-screen window."""
    fonts = tempfile.mkdtemp(prefix="kelo-fonts-")
    with open(os.path.join(fonts, "fonts.conf"), "w") as f:
        f.write(f'<?xml version="1.0"?><fontconfig><dir>/usr/share/fonts/truetype/liberation</dir>'
                f'<cachedir>{fonts}</cachedir></fontconfig>')
    os.chmod(fonts, 0o755)
    os.chmod(os.path.join(fonts, "fonts.conf"), 0o644)
    for locked in (False, True):
        with UserSession(kelo) as session:
            start_sway(session)
            session.start_game(args=["--locked"] if locked else [],
                               env={"QT_QPA_PLATFORM": "wayland", "FONTCONFIG_FILE": os.path.join(fonts, "fonts.conf")})
            if not game_started(session):
                check(False, f"sway: the {'locked' if locked else 'unlocked'} game starts")
                continue
            time.sleep(0.5)
            if not locked:
                session.call(["wtype", "-M", "logo", "f", "-m", "logo"])  # full screen, as locked
                time.sleep(0.3)
            choose_japanese(session)
            opened = wait_for(lambda: boxes(session), timeout=5)
            time.sleep(0.3)
            before = len(session.states())
            session.call(["wtype", "-k", "Return"])
            answered = wait_for(lambda: len(session.states()) > before, timeout=2)
            if not locked:
                check(opened and not answered, f"sway: unlocked and full screen, a box opens ({opened}) and "
                                               f"Return does not reach it ({'answered' if answered else 'deaf'})")
                continue
            shown = session.states()[before]["messages"] if answered else "no answer"
            check(opened and shown == ["No Available Japanese Font"] and not standing(session),
                  f"sway: locked, Return answers the box: {shown}, {', '.join(standing(session)) or 'the game stands'}")
            choose_japanese(session)
            opened = wait_for(lambda: boxes(session), timeout=5)
            typed = time.monotonic()
            session.call(["wtype", "quit"])
            took, status = ended_within(session.game, 5, since=typed)
            check(opened and status == 0, f"sway: quit typed while a box is open ends the game: "
                                          f"{ending(took, status)}")


def sway_xwayland(kelo, check):
    """QT_QPA_PLATFORM=xcb in a Wayland session: the locked game asks for Wayland all the same.
    The control is forced onto X11 (-platform xcb), where sway ignores its grabs."""
    for forced in (True, False):
        with UserSession(kelo) as session:
            display = start_sway(session, xwayland=True)
            if display is None:
                check(False, "sway: Xwayland started")
                return
            args = ["--locked"] + (["-platform", "xcb"] if forced else [])
            session.start_game(args=args, env={"QT_QPA_PLATFORM": "xcb", "DISPLAY": display})
            if not game_started(session):
                check(False, f"sway: the locked game starts with QT_QPA_PLATFORM=xcb: {session.errors()[-500:]}")
                continue
            time.sleep(0.5)
            session.call(["wtype", "-M", "logo", "2", "-m", "logo"])
            time.sleep(0.5)
            wrong = standing(session)
            if forced:
                said = "Xwayland" in session.errors() and "qt6-wayland" in session.errors()
                check(wrong and said, f"sway: the control, locked on X11 through Xwayland: $mod+2 takes it away "
                                      f"({', '.join(wrong) or 'it stays'}), and it says why on stderr ({said})")
            else:
                check(not wrong, f"sway: QT_QPA_PLATFORM=xcb, locked: on Wayland all the same, $mod+2: "
                                 f"{', '.join(wrong) or 'the game stays'}")


def weston(kelo, check):
    """weston nested in an Xvfb window, typed at through that X server. It lacks the protocol:
    the parent is told in the window and on stderr; Super+Shift+M (weston's maximize key) takes
    the game out of full screen, which must not end it."""
    xvfb, display = start_xvfb("1280x1024x24")
    try:
        with UserSession(kelo) as session:
            session.env["DISPLAY"] = display
            session.run(["weston", "--backend=x11-backend.so", "--socket=kelo-weston", "--use-pixman",
                         "--width=1200", "--height=900"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            session.wait_for_display("kelo-weston")
            session.start_game(env={"QT_QPA_PLATFORM": "wayland", "DISPLAY": ""})
            started = wait_for(lambda: len(session.states()) >= 1, timeout=20)
            time.sleep(1)
            shot = os.path.join(session.dir, "weston.png")
            subprocess.run(["import", "-display", display, "-window", "root", shot], check=True, timeout=30)
            notice = pixel(shot, 600, 450)
            said = session.errors().count("shortcuts stay on")
            check(started and said == 1 and notice == (32, 48, 96),
                  f"weston: the locked game says once on stderr ({said} times) and in its window "
                  f"(colour {notice}) that the compositor keeps its shortcuts")
            env = dict(os.environ, DISPLAY=display)
            subprocess.run(["xdotool", "mousemove", "600", "450", "click", "1"], env=env)
            time.sleep(0.3)
            subprocess.run(["xdotool", "key", "super+shift+m"], env=env)
            time.sleep(1)
            facts = session.window_facts()
            left_full_screen = facts["height"] < 900  # weston's panel shows again
            before = len(session.states())
            subprocess.run(["xdotool", "key", "a"], env=env)
            answers = wait_for(lambda: len(session.states()) > before, timeout=2)
            check(left_full_screen and session.game.poll() is None and answers,
                  f"weston: its maximize key takes the game out of full screen ({left_full_screen}) and the game "
                  f"lives on ({ending(None, None) if session.game.poll() is None else session.game.returncode}), "
                  f"answering keys ({answers})")
    finally:
        xvfb.terminate()


def main():
    kelo = sys.argv[1]
    check = Checks()
    sway(kelo, check)
    sway_message_box(kelo, check)
    sway_xwayland(kelo, check)
    weston(kelo, check)
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
