#!/usr/bin/env python3
"""Measures the real kelo under Xvfb: start-up to the first frame beside a minimal Qt program,
the idle cost of an untouched game, and the pace of its flights; each twice, without a sound
device and with a private PulseAudio server.
   measure_desktop.py BUILD_DIR [RUNS]     (BUILD_DIR: a test build, with its state log)"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
from kelo_session import KeloSession, idle_cost, leaning_shot, press_close_box, start_xvfb  # noqa: E402
from pulse_server import PulseServer  # noqa: E402

NO_SERVER = "unix:/nonexistent"

CLOCK_TICK = os.sysconf("SC_CLK_TCK")


def startup(build, runs, pulse_server, args=()):
    """Median milliseconds from launch to the first painted frame, for kelo (with `args`) and the
    toolkit's floor."""
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", PULSE_SERVER=pulse_server)
    kelo_ms, floor_ms = [], []
    try:
        for _ in range(runs):
            for program, results in (("kelo", kelo_ms), ("kelo-minimal-qt", floor_ms)):
                log = tempfile.mktemp(suffix=".log")
                launched = time.clock_gettime(time.CLOCK_MONOTONIC)
                process = subprocess.Popen([os.path.join(build, program), *(args if program == "kelo" else ())],
                                           env=dict(env, KELO_STATE_LOG=log),
                                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
                frame = None
                deadline = time.monotonic() + 10
                while frame is None and time.monotonic() < deadline:
                    if program == "kelo":
                        if os.path.exists(log):
                            with open(log) as f:
                                frame = next((float(line.split(":")[1].strip(" }\n")) for line in f
                                              if line.startswith('{"first_frame"')), None)
                        time.sleep(0.002)
                    else:
                        frame = float(process.stdout.readline().split(":")[1].strip(" }\n"))
                process.kill()
                process.wait()
                results.append((frame - launched) * 1000)
    finally:
        xvfb.kill()
    return statistics.median(kelo_ms), statistics.median(floor_ms)


def idle(build, pulse_server, seconds=10, locked=False):
    """The cost of an untouched game; locked, under a window manager, where the lock has work."""
    with KeloSession(os.path.join(build, "kelo"), env={"PULSE_SERVER": pulse_server},
                     args=["--locked"] if locked else [], window_manager=["openbox"] if locked else None) as session:
        time.sleep(2)  # start-up settles
        ticks, switches = idle_cost(session.game.pid, seconds)
        with open(f"/proc/{session.game.pid}/status") as f:
            rss = next(int(line.split()[1]) for line in f if line.startswith("VmRSS"))
    return ticks, switches, rss / 1024


def pace(build, pulse_server, shots=10, screen="1280x1024x24"):
    """Handling time of a leaning and of an upright shot, ten of each."""
    leaning, upright = [], []
    with KeloSession(os.path.join(build, "kelo"), env={"PULSE_SERVER": pulse_server}, screen=screen) as session:
        for _ in range(shots):
            leaning.append(leaning_shot(session)["handled_ms"])
        for _ in range(shots):
            # A new activation opens the gate with the pistol upright: open and close the author window.
            before = len(session.states())
            session.click_at(240 + 700, 720 + 240)  # the author button
            session.wait_for_lines(before + 1)
            author = session.windows("Info of Author")[0]
            press_close_box(session.display, author)
            session.wait_for_lines(before + 2)
            shot = session.key("space")
            assert len(shot["beeps"]) == 10, "an upright shot was fired"
            upright.append(shot["handled_ms"])
    return leaning, upright


def measure(build, runs, pulse_server, name):
    print(f"-- {name}")
    kelo_ms, floor_ms = startup(build, runs, pulse_server)
    print(f"start-up to first frame (median of {runs}): kelo {kelo_ms:.1f} ms, minimal Qt {floor_ms:.1f} ms, "
          f"ratio {kelo_ms / floor_ms:.2f}")
    voice_ms, _ = startup(build, runs, pulse_server, args=["--voice"])
    print(f"start-up to first frame with --voice (median of {runs}): {voice_ms:.1f} ms")
    ticks, switches, rss = idle(build, pulse_server)
    print(f"idle for 10 s: {ticks} CPU ticks, {switches} context switches (wake-ups), resident {rss:.1f} MB")
    ticks, switches, rss = idle(build, pulse_server, locked=True)
    print(f"idle for 10 s, locked under openbox: {ticks} CPU ticks, {switches} context switches, "
          f"resident {rss:.1f} MB")
    print(f"closing after a shot (median of 5): {closing(build, pulse_server):.0f} ms")
    leaning, upright = pace(build, pulse_server)
    for shot, times, designed in (("leaning", leaning, 90 * 7), ("upright", upright, 10 * 7)):
        mean = statistics.mean(times)
        spread = (max(times) - min(times)) / mean * 100
        print(f"{shot} shot: mean {mean:.1f} ms against {designed} ms designed ({(mean / designed - 1) * 100:+.1f} %), "
              f"spread {spread:.1f} % over {len(times)} shots (min {min(times):.1f}, max {max(times):.1f})")


def closing(build, pulse_server, runs=5):
    """Median milliseconds from the close box to the end of the process, after one shot."""
    times = []
    for _ in range(runs):
        with KeloSession(os.path.join(build, "kelo"), env={"PULSE_SERVER": pulse_server}) as session:
            leaning_shot(session)
            time.sleep(1)  # the whistle's stream has closed
            asked = time.monotonic()
            press_close_box(session.display, session.window)
            session.game.wait(10)
            times.append((time.monotonic() - asked) * 1000)
    return statistics.median(times)


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    for screen in ("1920x1080x24", "3840x2160x24"):
        leaning, _ = pace(build, NO_SERVER, screen=screen)
        print(f"-- {screen.rsplit('x', 1)[0]}: leaning shot mean {statistics.mean(leaning):.1f} ms "
              f"(min {min(leaning):.1f}, max {max(leaning):.1f})")
    measure(build, runs, NO_SERVER, "without a sound device")
    with PulseServer() as pulse:
        measure(build, runs, f"unix:{pulse.socket}", "with a private PulseAudio server")


if __name__ == "__main__":
    main()
