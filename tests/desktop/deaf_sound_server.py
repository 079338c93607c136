#!/usr/bin/env python3
"""The real kelo beside a sound server that accepts connections and never answers (a hung
PulseAudio or PipeWire): the window appears, keys are handled at once, a shot keeps its pace,
and the window closes at once; with its voice (--voice) too, which then says nothing."""
import subprocess
import sys
import time

from kelo_session import Checks, KeloSession, check_pace, leaning_shot, press_close_box
from machine_stalls import StallProbe
from pulse_server import DeafServer


def main():
    kelo = sys.argv[1]
    check = Checks()

    for args in ([], ["--voice"]):
        kelo_with = " ".join(["kelo", *args])
        with StallProbe() as stalls, DeafServer() as deaf, \
                KeloSession(kelo, env={"PULSE_SERVER": f"unix:{deaf.socket}"}, args=args) as session:
            time.sleep(max(0.0, session.started + 1 - time.monotonic()))
            typed = time.monotonic()
            session.key("a")
            took = time.monotonic() - typed
            check(took < 1, f"{kelo_with}: a key typed 1 s after start-up was handled after {took * 1000:.0f} ms")
            check_pace(check, [leaning_shot(session) for _ in range(3)], f"{kelo_with}: beside a deaf server",
                       stalls)
            closed = time.monotonic()
            press_close_box(session.display, session.window)
            try:
                status = session.game.wait(10)
            except subprocess.TimeoutExpired:
                status = None
            took = time.monotonic() - closed
            check(status == 0 and took < 1, f"{kelo_with}: closed with status {status} after {took * 1000:.0f} ms")
    return check.exit_status()


if __name__ == "__main__":
    sys.exit(main())
