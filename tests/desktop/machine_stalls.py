"""How long the computer itself held programs up: a small process sleeps 1 ms at a time and
writes down each wake-up that came late. A busy or virtual machine (another program, the host
of a virtual machine taking the CPU) holds up the game's timers the same way, so a figure that
depends on punctual wake-ups is judged beside what the machine allowed at that moment."""
import os
import subprocess
import sys
import tempfile
import time

_PROBE = """
import sys, time
out = open(sys.argv[1], "w", buffering=1)
while True:
    before = time.monotonic()
    time.sleep(0.001)
    after = time.monotonic()
    late = after - before - 0.001
    if late > 0.002:
        out.write(f"{after} {late}\\n")
"""


class StallProbe:
    def __enter__(self):
        self.dir = tempfile.mkdtemp(prefix="kelo-stalls-")
        self.path = os.path.join(self.dir, "stalls")
        self.process = subprocess.Popen([sys.executable, "-c", _PROBE, self.path], stdin=subprocess.DEVNULL)
        while not os.path.exists(self.path):
            time.sleep(0.01)
        return self

    def __exit__(self, *exc):
        self.process.kill()
        self.process.wait()

    def worst_between(self, start, end):
        """The longest hold-up (seconds) that overlapped the time from `start` to `end`
        (time.monotonic()), or 0 when the machine was punctual meanwhile."""
        worst = 0.0
        with open(self.path, encoding="ascii") as f:
            text = f.read()
        for line in text[:text.rfind("\n") + 1].splitlines():  # whole lines only
            woke, late = (float(part) for part in line.split())
            if woke >= start and woke - late <= end:
                worst = max(worst, late)
        return worst
