#!/usr/bin/env python3
"""How the real kelo ends, and that it starts where it could fail to:
   endings.py KELO closes N     closed at random moments (idle, mid-flight, right after a flight)
                                N times with a private sound server and N times without one:
                                every process ends within 1 s of the close request
   endings.py KELO gone         its window destroyed by another client (xdotool windowclose), on
                                a bare X server and under openbox, and its X server gone: it ends
                                within 2 s, and not by a signal; a DestroyNotify forged by another
                                client does not end it
   endings.py KELO options      Qt's own options are Qt's; anything else, and --locked with
                                -nograb, ends it with status 2
   endings.py KELO no-code-page SHIM   the C library lacks the Japanese code page (the shim is
                                preloaded): the window appears, and no Japanese font is found"""
import random
import subprocess
import sys
import time

from kelo_session import Checks, KeloSession, ended_within, ending, press_close_box
from x11_client import XClient
from pulse_server import PulseServer

NO_SOUND = {"PULSE_SERVER": "unix:/nonexistent"}


def close_at_a_random_moment(session, rng):
    """Closes the game idle, during a flight or right after one; returns what it was doing."""
    moment = rng.choice(["idle", "mid-flight", "after a flight"])
    if moment == "idle":
        time.sleep(rng.uniform(0, 0.3))
    else:
        session.key("a")
        session.xdotool("key", "--window", session.window, "space")
        if moment == "mid-flight":
            time.sleep(rng.uniform(0, 0.6))
        else:
            session.wait_for_lines(len(session.states()) + 1)
    press_close_box(session.display, session.window)
    return moment


def closes(kelo, count, check):
    seed = random.randrange(1 << 32)
    print(f"seed {seed}")
    rng = random.Random(seed)
    with PulseServer() as pulse:
        for sound, env in (("with a sound server", {"PULSE_SERVER": f"unix:{pulse.socket}"}),
                           ("without one", NO_SOUND)):
            slowest, failures = 0.0, []
            for run in range(count):
                with KeloSession(kelo, env=env) as session:
                    moment = close_at_a_random_moment(session, rng)
                    # Mid-flight the close waits for the flight's end: at most 630 ms of it.
                    flight = 0.63 if moment == "mid-flight" else 0.0
                    took, status = ended_within(session.game, 5)
                    if took is None or status != 0 or took > 1 + flight:
                        failures.append(f"run {run} ({moment}): {ending(took, status)}")
                    else:
                        slowest = max(slowest, took)
            check(not failures, f"{count} closes {sound}: the slowest ended {slowest * 1000:.0f} ms after the close "
                                f"request (one mid-flight waits for the flight's end)"
                                f"{'; ' + '; '.join(failures) if failures else ''}")


def gone(kelo, check):
    with KeloSession(kelo, env=NO_SOUND) as session:
        with XClient(session.display) as client:
            client.forge_destroy_notify(session.window)
        took, status = ended_within(session.game, 1)
        check(took is None and session.key("a")["controls"]["panah.Tag"] == "45",
              f"a DestroyNotify forged by another client: {ending(took, status)}, and the game plays on")
    for where, window_manager in (("on a bare X server", None), ("under openbox", ["openbox"])):
        with KeloSession(kelo, env=NO_SOUND, window_manager=window_manager) as session:
            session.key("a")
            subprocess.run(["xdotool", "windowclose", session.window], env=session.env, check=True, timeout=10)
            took, status = ended_within(session.game, 2)
            check(took is not None and status == 0,
                  f"its window destroyed {where}: {ending(took, status)}")
    with PulseServer() as pulse, KeloSession(kelo, env={"PULSE_SERVER": f"unix:{pulse.socket}"}) as session:
        session.key("a")
        session.xdotool("key", "--window", session.window, "space")
        time.sleep(0.2)
        session.xvfb.kill()
        took, status = ended_within(session.game, 2)
        check(took is not None and status >= 0,
              f"its X server gone mid-flight: {ending(took, status)}")


SKIPPED = 77  # CTest's SKIP_RETURN_CODE for this script


def no_code_page(kelo, shim, check):
    """Returns SKIPPED where the game finds no Japanese font even with the code page: then the
    shim's effect cannot be told."""
    with KeloSession(kelo, env=NO_SOUND) as session:
        if session.state()["controls"]["ifon.Caption"] == "-1":
            print("skipped: no Japanese font is found even with the code page (fonts-ipafont-gothic?)")
            return SKIPPED
    with KeloSession(kelo, env=dict(NO_SOUND, LD_PRELOAD=shim)) as session:
        check(session.state()["controls"]["ifon.Caption"] == "-1" and session.state()["messages"] == [],
              "the window appears, with no Japanese font found and no message")
    return None


def options(kelo, check):
    """Qt's own options go to Qt; what Qt does not take is refused, and so is an option that
    would undo the lock, before any display is opened."""
    with KeloSession(kelo, env=NO_SOUND, args=["-name", "kids", "-style=Fusion", "--locked"]) as session:
        check(session.game.poll() is None, "kelo -name kids -style=Fusion --locked plays")
        display = session.env
        for args, why in ((["--bogus"], "an option nobody knows"), (["-stile=Fusion"], "a misspelt Qt option")):
            refused = subprocess.run([kelo, *args], env=display, capture_output=True, text=True, timeout=20)
            check(refused.returncode == 2 and args[0] in refused.stderr,
                  f"{why} ({args[0]}): status {refused.returncode}, {refused.stderr.strip()[:80]}")
    undone = subprocess.run([kelo, "--locked", "-nograb"], env=dict(NO_SOUND, DISPLAY=":99999"),
                            capture_output=True, text=True, timeout=20)
    check(undone.returncode == 2 and "-nograb" in undone.stderr,
          f"--locked -nograb, refused before the display is opened: status {undone.returncode}, "
          f"{undone.stderr.strip()[:80]}")


def main():
    kelo, what = sys.argv[1], sys.argv[2]
    check = Checks()
    if what == "closes":
        closes(kelo, int(sys.argv[3]), check)
    elif what == "gone":
        gone(kelo, check)
    elif what == "options":
        options(kelo, check)
    elif no_code_page(kelo, sys.argv[3], check) == SKIPPED:
        return SKIPPED
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
