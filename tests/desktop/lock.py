#!/usr/bin/env python3
"""The locked game (kelo --locked) under real X11 window managers, with real input through the X
server (xdotool without --window), so that the window manager sees every key and click:
   lock.py KELO routes                 each escape route alone under openbox and metacity; after
                                       each the game is full screen, active and answers a key;
                                       then the author window, opened by a click and closed by a
                                       key and by a click, a message box answered, and (unlocked)
                                       an author window that the window manager minimizes
   lock.py KELO smash SECONDS [SEED]   a seeded flat-handed smash under each window manager,
                                       probed every few seconds; then typing quit ends it
   lock.py KELO before                 what the same routes do to the game without the lock
                                       (prints, judges nothing)"""
import os
import random
import re
import subprocess
import sys
import tempfile
import time

from kelo_session import Checks, KeloSession, ended_within, ending, wait_for

WINDOW_MANAGERS = {
    "openbox": ["openbox"],
    "metacity": ["metacity", "--replace", "--sm-disable"],
}
WIDTH, HEIGHT = 1280, 1024
# Where a maximized window's title bar and close box lie under these window managers.
TITLE_BAR = ("640", "8")
CLOSE_BOX = (str(WIDTH - 12), "8")

ROUTES = [
    ("Alt+F4", [["key", "alt+F4"]]),
    ("Alt+Tab", [["key", "alt+Tab"]]),
    ("Alt+Space, then a letter", [["key", "alt+space"], ["key", "n"]]),
    ("Super+D", [["key", "super+d"]]),
    ("Super+H", [["key", "super+h"]]),
    ("Ctrl+Alt+Left", [["key", "ctrl+alt+Left"]]),
    ("a double click on the title bar", [["mousemove", *TITLE_BAR], ["click", "--repeat", "2", "1"]]),
    ("a right click on the title bar", [["mousemove", *TITLE_BAR], ["click", "3"]]),
    ("a scroll on the title bar", [["mousemove", *TITLE_BAR], ["click", "4"], ["click", "5"]]),
    ("a click on the close box", [["mousemove", *CLOSE_BOX], ["click", "1"]]),
]


def real_input(session, *commands):
    """Input through the X server, as a keyboard and a mouse give it: the window manager sees it."""
    for command in commands:
        subprocess.run(["xdotool", *command], env=session.env, timeout=10, capture_output=True)


def answers_a_key(session, timeout=2.0):
    before = len(session.states())
    real_input(session, ["key", "a"])
    return wait_for(lambda: len(session.states()) > before, timeout=timeout)


def standing(session):
    """What is wrong with the game now: [] when it runs full screen, unmoved, active, and answers a
    key."""
    if session.game.poll() is not None:
        return [f"closed (status {session.game.returncode})"]
    wrong = []
    state = session.xprop("-id", session.window, "_NET_WM_STATE")
    if "_NET_WM_STATE_HIDDEN" in state or "IsViewable" not in subprocess.run(
            ["xwininfo", "-id", session.window], env=session.env, capture_output=True, text=True).stdout:
        wrong.append("hidden")
    if "_NET_WM_STATE_FULLSCREEN" not in state:
        wrong.append("not full screen")
    geometry = session.xdotool("getwindowgeometry", session.window)
    position = re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups()
    size = re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()
    if position != ("0", "0") or size != (str(WIDTH), str(HEIGHT)):
        wrong.append(f"at {','.join(position)}, {'x'.join(size)}")
    # The game's windows: the main window, and the author window or a message box while open.
    # A window that is just closing may leave none active for a moment: allow the window
    # manager a second to give the focus back.
    def active_window():
        found = re.findall(r"0x[0-9a-f]+", session.xprop("-root", "_NET_ACTIVE_WINDOW"))
        return int(found[0], 16) if found else 0

    def ours():
        return {int(w) for w in subprocess.run(["xdotool", "search", "--pid", str(session.game.pid)],
                                               env=session.env, capture_output=True, text=True).stdout.split()}

    if not wait_for(lambda: active_window() in ours() | {int(session.window)}, timeout=1.0):
        named = subprocess.run(["xdotool", "getwindowname", str(active_window())], env=session.env,
                               capture_output=True, text=True).stdout.strip()
        wrong.append(f"no window of the game is active ({named or 'none'})")
    stacking = re.findall(r"0x[0-9a-f]+", session.xprop("-root", "_NET_CLIENT_LIST_STACKING"))
    if stacking and int(stacking[-1], 16) not in ours() | {int(session.window)}:
        wrong.append("another program's window above the game")
    if not answers_a_key(session):
        wrong.append("deaf to keys")
    return wrong


def locked_session(kelo, name):
    return KeloSession(kelo, window_manager=WINDOW_MANAGERS[name], args=["--locked"],
                       env={"PULSE_SERVER": "unix:/nonexistent"})


def routes(kelo, check):
    for name in WINDOW_MANAGERS:
        with locked_session(kelo, name) as session:
            check(standing(session) == [], f"{name}: locked, full screen and active at start")
            for route, commands in ROUTES:
                real_input(session, *commands)
                time.sleep(0.5)  # let the window manager act, if it can
                wrong = standing(session)
                check(not wrong, f"{name}: {route}: {', '.join(wrong) or 'the game stays'}")
            author_window(session, name, check)
        with KeloSession(kelo, window_manager=WINDOW_MANAGERS[name],
                         env={"PULSE_SERVER": "unix:/nonexistent"}) as session:
            minimized_author_window(session, name, check)
    message_box(kelo, check)


def author_window(session, name, check):
    """In the lock the author window opens with a click and closes with any key or click."""
    x, y = session.point(240 + 700, 720 + 240)
    for closing, commands in (("a key", [["key", "x"]]), ("a click", [["mousemove", "600", "500"], ["click", "1"]])):
        before = len(session.states())
        real_input(session, ["mousemove", str(x), str(y)], ["click", "1"])
        opened = wait_for(lambda: len(session.states()) > before and session.state()["authorpekro"]["shown"])
        check(opened, f"{name}: a click on the author button opens the author window")
        before = len(session.states())
        real_input(session, *commands)
        closed = wait_for(lambda: len(session.states()) > before and not session.state()["authorpekro"]["shown"])
        time.sleep(0.3)
        wrong = standing(session)
        check(closed and not wrong, f"{name}: {closing} closes the author window, and the game stands: "
                                    f"{'closed' if closed else 'still open'}{', ' if wrong else ''}{', '.join(wrong)}")


def without_japanese_font():
    """A fontconfig file that shows Liberation only: choosing Japanese then opens a message box."""
    fonts = tempfile.mkdtemp(prefix="kelo-fonts-")
    config = os.path.join(fonts, "fonts.conf")
    with open(config, "w") as f:
        f.write(f'<?xml version="1.0"?><fontconfig><dir>/usr/share/fonts/truetype/liberation</dir>'
                f'<cachedir>{fonts}</cachedir></fontconfig>')
    return {"PULSE_SERVER": "unix:/nonexistent", "FONTCONFIG_FILE": config}


def choose_japanese(session):
    """Clicks the language list's second entry, Japanese, and waits for the box that says there is
    no Japanese font; returns the box's window, or None."""
    x, y = session.point(240 + 300, 1680 + 135 + 225)
    # Through the X server: on the screen, where an unlocked window lies below its title bar.
    info = subprocess.run(["xwininfo", "-id", session.window], env=session.env, capture_output=True,
                          text=True).stdout
    left, top = (re.search(rf"Absolute upper-left {axis}:\s+(-?\d+)", info).group(1) for axis in "XY")
    real_input(session, ["mousemove", str(x + int(left)), str(y + int(top))], ["click", "1"])
    found = []
    wait_for(lambda: found.extend(message_boxes(session)) or found, timeout=5)
    return found[0] if found else None


def message_boxes(session):
    """The game's message boxes on screen: its windows but the main and the author window."""
    shown = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "Dorrakan2"], env=session.env,
                           capture_output=True, text=True).stdout.split()
    return [w for w in shown if w != session.window and w not in session.windows("Info of Author")]


def message_box(kelo, check):
    """A message box in the lock is answered as anywhere: here, Japanese chosen where fontconfig
    shows no Japanese font."""
    with KeloSession(kelo, window_manager=WINDOW_MANAGERS["openbox"], args=["--locked"],
                     env=without_japanese_font()) as session:
        before = len(session.states())
        choose_japanese(session)
        time.sleep(0.3)
        real_input(session, ["key", "Return"])
        answered = wait_for(lambda: len(session.states()) > before)
        shown = session.states()[before]["messages"] if answered else "no answer"
        wrong = standing(session)
        check(shown == ["No Available Japanese Font"] and not wrong,
              f"openbox: a message box in the lock is answered with Return, and the game stands: "
              f"{shown} {', '.join(wrong)}")


def minimized_author_window(session, name, check):
    """Unlocked too: an author window that the window manager minimizes closes, so the main
    window never sits disabled behind a hidden one."""
    before = len(session.states())
    session.click_at(240 + 700, 720 + 240)
    opened = wait_for(lambda: len(session.states()) > before and session.state()["authorpekro"]["shown"])
    author = session.windows("Info of Author")
    check(opened and author, f"{name}, unlocked: the author window opens")
    if not author:
        return
    time.sleep(0.3)
    before = len(session.states())
    session.xdotool("windowminimize", author[0])
    closed = wait_for(lambda: len(session.states()) > before and not session.state()["authorpekro"]["shown"])
    session.xdotool("windowactivate", "--sync", session.window)
    check(closed and answers_a_key(session),
          f"{name}, unlocked: the minimized author window closes and the game answers keys again")


MODIFIERS = ["alt", "ctrl", "super", "shift"]
KEYS = (list("abcdefghijklmnopqrstuvwxyz0123456789") +
        ["space", "Return", "Tab", "Escape", "BackSpace", "Delete", "Left", "Right", "Up", "Down", "Home",
         "End", "Prior", "Next", "Insert", "Print", "Menu", "Super_L", "Alt_L", "Control_L", "minus",
         "comma", "period", "slash", "XF86AudioMute", "XF86AudioRaiseVolume", "XF86AudioPlay", "XF86Mail",
         "XF86WWW", "XF86Calculator", "XF86Search", "XF86HomePage"] +
        [f"F{n}" for n in range(1, 13)])


def smash_action(rng):
    """One thing a flat hand or a fist does: a chord of 1 to 5 keys, or a click, drag or scroll
    anywhere."""
    if rng.random() < 0.7:
        chord = rng.sample(MODIFIERS, rng.randint(0, 3)) + rng.sample(KEYS, rng.randint(1, 2))
        return [["key", "+".join(chord[:5])]]
    x, y = str(rng.randrange(WIDTH)), str(rng.randrange(HEIGHT))
    kind = rng.random()
    if kind < 0.4:
        return [["mousemove", x, y], ["click", str(rng.choice([1, 1, 2, 3]))]]
    if kind < 0.7:
        return [["mousemove", x, y], ["mousedown", "1"],
                ["mousemove", str(rng.randrange(WIDTH)), str(rng.randrange(HEIGHT))], ["mouseup", "1"]]
    return [["mousemove", x, y], ["click", "--repeat", str(rng.randint(1, 4)), str(rng.choice([4, 5, 6, 7]))]]


def quiet(session, timeout=10.0):
    """Waits until the game has handled what was typed: its log stops growing for half a second."""
    deadline = time.monotonic() + timeout
    size, since = -1, time.monotonic()
    while time.monotonic() < deadline:
        now = len(session.states())
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= 0.5:
            return
        time.sleep(0.05)


def smash(kelo, seconds, seed, check):
    rng = random.Random(seed)
    print(f"smash: seed {seed}, {seconds} s per window manager")
    for name in WINDOW_MANAGERS:
        with locked_session(kelo, name) as session:
            started = time.monotonic()
            survived, probes, answered, actions, lost = None, 0, 0, 0, []
            next_probe = started + 3
            while time.monotonic() - started < seconds:
                real_input(session, *smash_action(rng))
                actions += 1
                if time.monotonic() >= next_probe:
                    quiet(session)
                    wrong = standing(session)
                    probes += 1
                    answered += "deaf to keys" not in wrong
                    if wrong and survived is None:
                        survived = time.monotonic() - started
                        lost = wrong
                    if session.game.poll() is not None:
                        break
                    next_probe = time.monotonic() + 3
            survived = seconds if survived is None else survived
            check(not lost, f"{name}: {actions} smash actions, survived {survived:.0f} of {seconds} s, "
                            f"{answered} of {probes} probe keys answered{': ' + ', '.join(lost) if lost else ''}")
            quiet(session)
            typed = time.monotonic()
            real_input(session, ["key", "q", "u", "i", "t"])
            took, status = ended_within(session.game, 5, since=typed)
            check(status == 0 and took < 1, f"{name}: typing quit ends the game: {ending(took, status)}")


def before(kelo):
    """The same routes on the unlocked game, each in a fresh session: what each did before."""
    for name in WINDOW_MANAGERS:
        for route, commands in ROUTES:
            with KeloSession(kelo, window_manager=WINDOW_MANAGERS[name],
                             env={"PULSE_SERVER": "unix:/nonexistent"}) as session:
                real_input(session, *commands)
                time.sleep(0.5)
                state = session.xprop("-id", session.window, "_NET_WM_STATE")
                wrong = [w for w in standing(session) if w != "not full screen" and not w.startswith("at ")]
                if session.game.poll() is None and "_NET_WM_STATE_MAXIMIZED_VERT" not in state:
                    wrong.append("shrunk")
                print(f"{name}: {route}: {', '.join(wrong) or 'no effect'}", flush=True)


def main():
    kelo, what = sys.argv[1], sys.argv[2]
    check = Checks()
    if what == "routes":
        routes(kelo, check)
    elif what == "smash":
        seed = int(sys.argv[4]) if len(sys.argv) > 4 else random.SystemRandom().randrange(2**32)
        smash(kelo, int(sys.argv[3]), seed, check)
    else:
        before(kelo)
        return 0
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
