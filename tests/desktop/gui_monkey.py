#!/usr/bin/env python3
"""The GUI monkey: the real kelo under Xvfb, hit by thousands of random keys and clicks from
xdotool (held keys, the author button and the author window's close box, the language list
among them), then closed during a flight. It must never die, must answer a key within a second
after the storm, must keep the game's rules after every event (the test build logs them), and
must end cleanly when closed, with no leak reported by LeakSanitizer in a sanitizer build.
   gui_monkey.py KELO [EVENTS] [SEED]"""
import os
import random
import subprocess
import sys
import time

from kelo_session import KeloSession, press_close_box, wait_for

KEYS = ["a", "A", "space", "s", "d", "q", "1", "b", "Return", "Tab", "Escape", "BackSpace", "Up", "Down", "Left",
        "F1", "shift", "ctrl+a", "j", "k"]
WEIGHTS = [4, 2, 6, 6, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 2, 1, 1, 1, 5, 5]


class Monkey:
    def __init__(self, session, seed):
        self.session = session
        self.random = random.Random(seed)
        self.events = 0

    def run(self, wanted):
        actions = [(self.keys, 40), (self.clicks, 30), (self.held_key, 4), (self.author_window, 4),
                   (self.language, 4)]
        while self.events < wanted:
            action = self.random.choices([a for a, _ in actions], [w for _, w in actions])[0]
            action()
            if self.session.game.poll() is not None:
                raise AssertionError(f"kelo died (status {self.session.game.returncode}) after "
                                     f"{self.events} events:\n{self.session.errors()[-4000:]}")

    def xdotool(self, *args):
        try:
            self.session.xdotool(*args)
        except subprocess.CalledProcessError as failed:
            status = self.session.game.poll()
            raise AssertionError(f"xdotool failed ({failed.stderr.strip()}); kelo "
                                 + ("runs" if status is None else f"died with status {status}")
                                 + f" after {self.events} events:\n{self.session.errors()[-6000:]}") from None

    def keys(self):
        burst = self.random.choices(KEYS, WEIGHTS, k=self.random.randint(1, 25))
        self.xdotool("key", "--delay", "2", "--window", self.session.window, *burst)
        self.events += len(burst)

    def clicks(self):
        args = []
        for _ in range(self.random.randint(1, 8)):
            x, y = self.random.randint(0, 830), self.random.randint(0, 600)
            args += ["mousemove", "--window", self.session.window, str(x), str(y), "click", "1"]
            self.events += 1
        self.xdotool(*args)

    def held_key(self):
        key = self.random.choice(["a", "space", "q", "Return"])
        self.xdotool("keydown", "--window", self.session.window, key)
        time.sleep(self.random.uniform(0.7, 1.5))  # past the repeat delay: the key repeats
        self.xdotool("keyup", "--window", self.session.window, key)
        self.events += 1

    def author_window(self):
        self.session.click_at(240 + 700, 720 + 240)
        self.events += 1
        time.sleep(0.05)
        found = self.session.windows("Info of Author")
        if found and self.random.random() < 0.9:
            press_close_box(self.session.display, found[0])
            self.events += 1

    def language(self):
        entry = self.random.randint(0, 2)
        self.session.click_at(240 + 300, 1680 + 135 + entry * 225)  # about 225 twips an entry
        self.events += 1


def wait_until_quiet(session, quiet=1.0, timeout=300):
    """Waits until the game has handled every queued event: its log stops growing. Returns how
    many events it has handled."""
    deadline = time.monotonic() + timeout
    size, since = os.path.getsize(session.log), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = os.path.getsize(session.log)  # the log's size, not its lines: a storm's log is long
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return len(session.states())
    raise AssertionError("kelo never caught up with its input")


def main():
    kelo = sys.argv[1]
    wanted = int(sys.argv[2]) if len(sys.argv) > 2 else 5000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.SystemRandom().randrange(2**32)
    print(f"gui monkey: seed {seed}, {wanted} events", flush=True)
    started = time.monotonic()
    with KeloSession(kelo) as session:
        monkey = Monkey(session, seed)
        monkey.run(wanted)
        # Close whatever author window is left, so the main window takes input again (while the
        # author window is open even its close box does nothing). Clicks still queued may open
        # one after a first look, so look again until the game is quiet with none open.
        handled = wait_until_quiet(session)
        for _ in range(10):
            if not session.state()["authorpekro"]["shown"]:
                break
            for window in session.windows("Info of Author"):
                press_close_box(session.display, window)
            handled = wait_until_quiet(session)

        size = os.path.getsize(session.log)
        probe = time.monotonic()
        session.xdotool("key", "--window", session.window, "q")
        if not wait_for(lambda: os.path.getsize(session.log) > size, timeout=1.0, every=0.005):
            raise AssertionError("kelo did not answer a key within a second after the storm")
        answered = time.monotonic() - probe
        session.wait_for_lines(handled + 1)

        states = session.states()
        broken = [(i, rule) for i, state in enumerate(states) for rule in state.get("broken", [])]
        if broken:
            raise AssertionError(f"rules broken: {broken[:10]}")

        # A last shot, and the window closed in the middle of its flight.
        session.xdotool("key", "--window", session.window, "Escape")
        session.click_at(9840 + 100, 6960 + 100)
        session.xdotool("key", "--window", session.window, "a", "space")
        time.sleep(0.1)
        press_close_box(session.display, session.window)
        try:
            status = session.game.wait(30)
        except subprocess.TimeoutExpired:
            raise AssertionError("kelo did not end when its window was closed") from None
        errors = session.errors()
        if status != 0 or "LeakSanitizer" in errors or "ERROR: AddressSanitizer" in errors:
            raise AssertionError(f"kelo ended with status {status}:\n{errors[-6000:]}")
    print(f"gui monkey: seed {seed}: {monkey.events} events, {len(states)} handled in "
          f"{time.monotonic() - started:.1f} s; answered a key {answered * 1000:.0f} ms after the storm; "
          f"ended cleanly when closed during a flight")


if __name__ == "__main__":
    main()
