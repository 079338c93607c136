#!/usr/bin/env python3
"""The locked game against the desktop around the child, under real X11 window managers: each
route in a fresh session, beside the same route on an unlocked game, which must show that the
route does act (a route that does nothing cannot pass).
   lock_desktop.py KELO requests   what pagers, task bars and other programs ask of the window
                                   manager (another workspace shown, the game moved to one, the
                                   desktop shown, the game iconified, its full screen ended), and
                                   another program's window opening: under openbox, metacity and
                                   icewm the locked game is back within half a second
   lock_desktop.py KELO gaps       a message box answered with Return and a workspace key typed
                                   at once, three times (openbox, metacity); and the start-up:
                                   another client tries to take the keyboard from the moment
                                   the window can be seen; and 10 s locked and idle"""
import re
import subprocess
import sys
import threading
import time

from kelo_session import Checks, KeloSession, idle_cost, wait_for
from lock import WINDOW_MANAGERS, choose_japanese, message_boxes, real_input, standing, without_japanese_font
from x11_client import XClient

MANAGERS = dict(WINDOW_MANAGERS, icewm=["icewm"])
BACK_WITHIN = 0.5  # seconds


def ask(message, *data, about_game=True):
    """A request another client sends to the window manager about the game's window, or about
    the screen."""
    def send(session, client):
        client.send(session.window if about_game else client.root, message, list(data))
    return send


REQUESTS = [
    ("a pager shows workspace 2", [ask("_NET_CURRENT_DESKTOP", 1, 0, about_game=False)]),
    ("a pager moves the game to workspace 3", [ask("_NET_WM_DESKTOP", 2, 2)]),
    ("a task bar shows the desktop", [ask("_NET_SHOWING_DESKTOP", 1, about_game=False)]),
    ("a task bar iconifies the game", [ask("WM_CHANGE_STATE", 3)]),
    ("a client ends its full screen and maximized state",
     [ask("_NET_WM_STATE", 0, "_NET_WM_STATE_FULLSCREEN", 0, 2),
      ask("_NET_WM_STATE", 0, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ", 2)]),
]


def facts(session):
    """What a route may change of the game: whether it is viewable and where, the workspace shown,
    the active window, and the topmost window."""
    info = subprocess.run(["xwininfo", "-id", session.window], env=session.env, capture_output=True,
                          text=True).stdout
    return {"viewable": "IsViewable" in info,
            "geometry": re.findall(r"(?:Absolute|Width|Height).*", info),
            "workspace": session.xprop("-root", "_NET_CURRENT_DESKTOP").strip(),
            "active": (re.findall(r"0x[0-9a-f]+", session.xprop("-root", "_NET_ACTIVE_WINDOW")) or ["none"])[0],
            "top": (re.findall(r"0x[0-9a-f]+", session.xprop("-root", "_NET_CLIENT_LIST_STACKING")) or ["none"])[-1]}


def session_with_workspaces(kelo, manager, locked, env=None):
    session = KeloSession(kelo, window_manager=MANAGERS[manager], args=["--locked"] if locked else [],
                          env=env or {"PULSE_SERVER": "unix:/nonexistent"})
    session.__enter__()
    with XClient(session.display) as client:
        client.send(client.root, "_NET_NUMBER_OF_DESKTOPS", [4])  # some start with one
    wait_for(lambda: "= 4" in session.xprop("-root", "_NET_NUMBER_OF_DESKTOPS"), timeout=2)
    return session


def another_window(session, client):
    session.other = subprocess.Popen(["xmessage", "-center", "another program"], env=session.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Once the other window is up, the window manager has acted on it.
    wait_for(lambda: session.windows("^xmessage$"), timeout=5)


def run_route(kelo, manager, locked, actions):
    """The route in a fresh session: (what is wrong with the locked game afterwards, or whether
    the route changed anything of the unlocked one, with the facts before and after)."""
    session = session_with_workspaces(kelo, manager, locked)
    session.other = None
    try:
        time.sleep(0.3)
        before = facts(session)
        with XClient(session.display) as client:
            for action in actions:
                action(session, client)
        if locked:
            # The window manager acts at once; the game must be back (shown, full screen, in
            # front) within half a second of the request.
            sent = time.monotonic()
            time.sleep(0.1)
            back = wait_for(lambda: not standing_quick(session), timeout=BACK_WITHIN - 0.1, every=0.02)
            took = time.monotonic() - sent
            print(f"  {manager}: back after {took * 1000:.0f} ms" if back else f"  {manager}: not back", flush=True)
            return ([] if back else [f"not back after {took * 1000:.0f} ms"]) + standing(session)
        time.sleep(0.7)
        after = facts(session)
        return [f"{key}: {before[key]} -> {after[key]}" for key in before if before[key] != after[key]]
    finally:
        if session.other:
            session.other.terminate()
        session.__exit__()


def standing_quick(session):
    """What is plainly wrong without typing a key: hidden, not full screen, not in front."""
    f = facts(session)
    state = session.xprop("-id", session.window, "_NET_WM_STATE")
    wrong = [] if f["viewable"] else ["hidden"]
    wrong += [] if "FULLSCREEN" in state else ["not full screen"]
    wrong += [] if f["top"] == f["active"] else ["not in front"]
    return wrong


def requests(kelo, check):
    routes = REQUESTS + [("another program's window opens", [another_window])]
    for manager in MANAGERS:
        for route, actions in routes:
            if manager == "icewm" and route.startswith(("another", "a client ends")):
                continue  # the workspace and task bar requests on a third window manager
            acted = run_route(kelo, manager, False, actions)
            wrong = run_route(kelo, manager, True, actions)
            check(acted and not wrong,
                  f"{manager}: {route}: unlocked, it acts ({'; '.join(acted) or 'no effect'}); locked, "
                  f"the game is back within {BACK_WITHIN} s: {', '.join(wrong) or 'it is'}")


def message_box_gap(kelo, check):
    """A box answered with Return and a workspace key at once: the key reaches the game, not the
    window manager, so the workspace stays; unlocked, the same keys switch it."""
    for manager in ("openbox", "metacity"):
        for locked in (False, True):
            session = session_with_workspaces(kelo, manager, locked, env=without_japanese_font())
            try:
                switched, answered = 0, 0
                for _ in range(3):
                    workspace = session.xprop("-root", "_NET_CURRENT_DESKTOP")
                    if choose_japanese(session) is None:
                        break
                    time.sleep(0.2)
                    real_input(session, ["key", "--delay", "0", "Return", "ctrl+alt+Right"])
                    answered += wait_for(lambda: not message_boxes(session), timeout=3)
                    time.sleep(0.3)
                    switched += session.xprop("-root", "_NET_CURRENT_DESKTOP") != workspace
                    real_input(session, ["key", "ctrl+alt+Left"])  # back, unlocked
                    time.sleep(0.2)
                wrong = standing(session) if locked else []
            finally:
                session.__exit__()
            if locked:
                check(answered == 3 and switched == 0 and not wrong,
                      f"{manager}: locked, a box answered with Return and Ctrl+Alt+Right at once, 3 times: "
                      f"{answered} answered, the workspace switched {switched} times, {', '.join(wrong) or 'the game stands'}")
            else:
                check(answered == 3 and switched == 3,
                      f"{manager}: unlocked, the same keys switch the workspace ({switched} of 3 times)")


def start_up_gap(kelo, check):
    """From before the game starts, another client tries to take the keyboard every 2 ms: the
    locked game holds it from the moment its window can be seen and keeps it; the unlocked one
    never takes it."""
    for manager in ("openbox", "metacity"):
        for locked in (False, True):
            probe = {}
            thread = None

            def start_probe(env):
                nonlocal thread
                thread = threading.Thread(target=probe_start, args=(env, probe))
                thread.start()

            with KeloSession(kelo, window_manager=MANAGERS[manager], args=["--locked"] if locked else [],
                             env={"PULSE_SERVER": "unix:/nonexistent"}, before_game=start_probe):
                thread.join(30)
            free_after_seen, free_later = probe.get("free_after_seen", 99.0), probe.get("free_later", -1)
            if locked:
                check(free_after_seen <= 0.1 and free_later == 0,
                      f"{manager}: locked, another client trying from the start: the keyboard is held "
                      f"{free_after_seen * 1000:.0f} ms after the window can be seen, and free "
                      f"{free_later} times in the next 2 s")
            else:
                check(free_later > 100, f"{manager}: unlocked, another client takes the keyboard at will "
                                        f"({free_later} times in 2 s)")


def probe_start(env, probe):
    """Beside the starting game: tries the keyboard until the game's window can be seen, then
    until the game holds it; notes how long it stayed free after the window could be seen, and
    how often it was free in the 2 s after that."""
    with XClient(env["DISPLAY"]) as client:
        seen, deadline = None, time.monotonic() + 25
        while seen is None and time.monotonic() < deadline:
            client.try_grab_keyboard()
            if subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Dorrakan Kelo"], env=env,
                              capture_output=True, text=True).stdout.split():
                seen = time.monotonic()
        if seen is None:
            return
        held_at = None
        while held_at is None and time.monotonic() < seen + 5:
            if not client.try_grab_keyboard():
                held_at = time.monotonic()
            time.sleep(0.002)
        probe["free_after_seen"] = (held_at or seen + 5) - seen
        probe["free_later"] = client.keyboard_free_for(2.0)


def idle(kelo, check):
    """Locked and untouched, the game waits for events: no timer wakes it."""
    with KeloSession(kelo, window_manager=MANAGERS["openbox"], args=["--locked"],
                     env={"PULSE_SERVER": "unix:/nonexistent"}) as session:
        time.sleep(2)  # start-up settles
        ticks, switches = idle_cost(session.game.pid, 10)
        check(ticks <= 2 and switches <= 20,
              f"openbox: locked and idle for 10 s: {ticks} CPU ticks, {switches} context switches")


def main():
    kelo, what = sys.argv[1], sys.argv[2]
    check = Checks()
    if what == "requests":
        requests(kelo, check)
    else:
        message_box_gap(kelo, check)
        start_up_gap(kelo, check)
        idle(kelo, check)
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
