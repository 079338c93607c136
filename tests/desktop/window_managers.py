#!/usr/bin/env python3
"""The real kelo under real X11 window managers, as families run it: maximized (not full
screen) with its title bar on screen, a whole game typed, the author window kept above the
main window when the disabled main window is clicked, closed through the window manager, and
the keys back to the game. Screenshots stay in the folder given as the second argument.
   window_managers.py KELO SCREENSHOTS [openbox|metacity ...]"""
import os
import re
import sys
import time

from kelo_session import Checks, KeloSession, ask_window_manager_to_close, play_to_win

WINDOW_MANAGERS = {
    "openbox": ["openbox"],
    "metacity": ["metacity", "--replace", "--sm-disable"],
}


def atoms(session, window, name):
    return set(re.findall(r"_NET_WM_STATE_\w+", session.xprop("-id", window, name)))


def numbers(text):
    return [int(n, 0) for n in re.findall(r"0x[0-9a-fA-F]+|\b\d+\b", text.split("=", 1)[-1])]


def client_origin(session, window):
    geometry = session.xdotool("getwindowgeometry", window)
    x, y = re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups()
    return int(x), int(y)


def check_window_manager(kelo, shots, name, check):
    with KeloSession(kelo, window_manager=WINDOW_MANAGERS[name],
                     env={"PULSE_SERVER": "unix:/nonexistent"}) as session:
        main = session.window
        state = atoms(session, main, "_NET_WM_STATE")
        check({"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"} <= state
              and "_NET_WM_STATE_FULLSCREEN" not in state, f"{name}: maximized, not full screen: {sorted(state)}")
        left, right, top, bottom = (numbers(session.xprop("-id", main, "_NET_FRAME_EXTENTS")) + [0, 0, 0, 0])[:4]
        x, y = client_origin(session, main)
        check(top > 0 and y - top >= 0, f"{name}: a title bar of {top} px, its top at y = {y - top}")
        session.screenshot(os.path.join(shots, f"{name}-start.png"))

        c = play_to_win(session)["controls"]
        check(c["hasil.Caption"] == "5" and c["kelkel.Visible"], f"{name}: a whole game typed to the win")

        before = len(session.states())
        session.click_at(240 + 700, 720 + 240)
        session.wait_for_lines(before + 1)
        author = session.windows("Info of Author")
        check(len(author) == 1, f"{name}: the author button opens the author window")
        if not author:
            return
        time.sleep(0.5)  # let the window manager map and stack it
        session.xdotool("mousemove", "--window", main, "600", "500", "click", "1")
        time.sleep(0.5)
        stacking = numbers(session.xprop("-root", "_NET_CLIENT_LIST_STACKING"))
        kept_above = int(author[0]) in stacking and int(main) in stacking and \
            stacking.index(int(author[0])) > stacking.index(int(main))
        check(kept_above, f"{name}: a click on the main window leaves the author window above it")
        transient = session.xprop("-id", author[0], "WM_TRANSIENT_FOR")
        check(hex(int(main)) in transient.lower(), f"{name}: the author window belongs to the main window")
        session.screenshot(os.path.join(shots, f"{name}-author.png"))

        before = len(session.states())
        ask_window_manager_to_close(session.display, author[0])
        session.wait_for_lines(before + 1)
        check(not session.windows("Info of Author"), f"{name}: the window manager closed the author window")
        time.sleep(0.3)  # the main window becomes active again
        focus = session.state()["focus"]
        state = session.key("Tab") if focus != "panah" else session.state()
        for _ in range(12):
            if state["focus"] == "panah":
                break
            state = session.key("Tab")
        tag = session.key("a")["controls"]["panah.Tag"]
        check(tag == "45", f"{name}: keys reach the game again (the pistol turned to {tag})")


def main():
    kelo, shots = sys.argv[1], sys.argv[2]
    names = sys.argv[3:] or list(WINDOW_MANAGERS)
    os.makedirs(shots, exist_ok=True)
    check = Checks()

    for name in names:
        check_window_manager(kelo, shots, name, check)
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
