"""The real kelo under Xvfb: start it, type with xdotool, take screenshots, read its state log."""
import json
import os
import subprocess
import tempfile
import time


class KeloSession:
    """A private X server with kelo in it; the state log tells what the game did."""

    def __init__(self, kelo, env=None, screen="1280x1024x24"):
        self.kelo = kelo
        self.extra_env = env or {}
        self.screen = screen
        self.dir = tempfile.mkdtemp(prefix="kelo-session-")
        os.chmod(self.dir, 0o700)
        self.log = os.path.join(self.dir, "state.log")
        self.xvfb = self.game = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen,
                                      "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as displays:
            self.display = ":" + displays.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.display, KELO_STATE_LOG=self.log,
                        XDG_RUNTIME_DIR=self.dir, QT_QPA_PLATFORM="xcb", **self.extra_env)
        self.started = time.monotonic()
        self.game = subprocess.Popen([self.kelo], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(self.dir, "kelo.err"), "w"))
        self.window = self.xdotool("search", "--sync", "--name", "Dorrakan Kelo").split()[0]
        self.wait_for_lines(1)
        self.xdotool("windowfocus", "--sync", self.window)
        return self

    def __exit__(self, *exc):
        for process in (self.game, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True, text=True,
                              timeout=30).stdout

    def states(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]

    def wait_for_lines(self, count, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            states = self.states()
            if len(states) >= count:
                return states
            if self.game.poll() is not None:
                raise RuntimeError(f"kelo exited with status {self.game.returncode}")
            time.sleep(0.02)
        raise TimeoutError(f"kelo logged {len(self.states())} of {count} events")

    def key(self, name):
        """Types one key and waits until the game has handled it; returns the state after it."""
        before = len(self.states())
        self.xdotool("key", "--window", self.window, name)
        return self.wait_for_lines(before + 1)[-1]

    def state(self):
        return self.states()[-1]

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path], check=True, timeout=30)
        return path


def pixel(png, x, y):
    """The colour of one pixel of a PNG as (r, g, b)."""
    text = subprocess.run(["convert", png, "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],"
                           f"%[fx:int(255*p{{{x},{y}}}.g)],%[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                          check=True, capture_output=True, text=True).stdout
    return tuple(int(v) for v in text.split(","))
