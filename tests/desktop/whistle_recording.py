#!/usr/bin/env python3
"""The real kelo with a sound server, as on a family's desktop (a private PulseAudio server with
a null sink, its monitor recorded sample for sample):
- a leaning shot's whistle has its pitches in order and no clicks, and the shot keeps its pace
  (both judged beside how punctual the machine itself was meanwhile);
- between flights no stream plays and the game makes almost no wake-ups;
- the sound settings show the game's name and icon while it whistles;
- the server stopped mid-session: the shots keep their pace; started again on the same socket:
  the whistle is heard again."""
import array
import os
import subprocess
import sys
import time
import wave

from kelo_session import Checks, KeloSession, check_pace, idle_cost, leaning_shot
from machine_stalls import StallProbe
from pulse_server import RATE, PulseServer

# A hold-up the whistle bridges: a tone handed over this late still holds its pitch, and the
# device buffer outlasts a whistle thread held up this long.
BRIDGED_STALL = 0.010
# What CTest counts as a skipped test: the recording could not be judged, and all else passed.
SKIPPED = 77

def expected_pitches():
    """The distinct pitches of a leaning shot, in order: the whistle rule over 90 steps."""
    hertz, pitches = 440.0, []
    for step in range(90):
        if not (step % 2 == 0 or step % 3 == 0):
            hertz = hertz * 1.1 * 1.1 * 1.1 if step < 20 else hertz / 1.1
        tone = round(hertz)
        if not pitches or pitches[-1] != tone:
            pitches.append(tone)
    return pitches


def measured_pitches(samples):
    """Pitches in order, from the spacing of zero crossings; silence between tones is skipped."""
    crossings = []
    for i in range(1, len(samples)):
        a, b = samples[i - 1], samples[i]
        if (a < 0 <= b) or (a >= 0 > b):
            if a != 0 or b != 0:
                crossings.append(i - 1 + a / (a - b))
    runs = []  # [sum of frequencies, count]
    for previous, current in zip(crossings, crossings[1:]):
        half_period = current - previous
        if half_period > 100:  # a gap of silence, not a tone
            continue
        hertz = RATE / (2 * half_period)
        if runs and abs(hertz - runs[-1][0] / runs[-1][1]) < 0.03 * hertz:
            runs[-1][0] += hertz
            runs[-1][1] += 1
        else:
            runs.append([hertz, 1])
    pitches = [total / count for total, count in runs if count >= 2]
    merged = []
    for hertz in pitches:
        if not merged or abs(hertz - merged[-1]) > 0.03 * hertz:
            merged.append(hertz)
    return merged


def read_samples(path):
    with wave.open(path) as f:
        return array.array("h", f.readframes(f.getnframes()))


def high_pass_peak(path):
    stats = subprocess.run(["sox", path, "-n", "sinc", "8k", "stat"], capture_output=True, text=True).stderr
    return float(next(line.split(":")[1] for line in stats.splitlines() if line.startswith("Maximum amplitude")))


def recorded_shot(pulse, session, path):
    time.sleep(0.3)  # a shot before sounds on a little after it was handled
    pulse.record(path)
    shot = leaning_shot(session)
    time.sleep(0.3)
    pulse.stop_recording()
    return shot, read_samples(path)


def punctual_recorded_shot(pulse, session, path, stalls, tries=5):
    """A recorded shot during which the machine held nothing up for longer than the whistle can
    bridge (a longer hold-up of the sound server or of the game empties the device buffer, as it
    would for any program), taking a few tries; None with the shortest hold-up seen if every try
    was held up."""
    shortest = None
    for _ in range(tries):
        started = time.monotonic()
        shot, samples = recorded_shot(pulse, session, path)
        held_up = stalls.worst_between(started, time.monotonic())
        if held_up < BRIDGED_STALL:
            return shot, samples
        shortest = held_up if shortest is None else min(shortest, held_up)
    return None, shortest


def main():
    kelo = sys.argv[1]
    check = Checks()
    judged = True

    with PulseServer() as pulse, StallProbe() as stalls:
        with KeloSession(kelo, env={"PULSE_SERVER": f"unix:{pulse.socket}"}) as session:
            check_pace(check, [leaning_shot(session) for _ in range(3)], "with a sound server", stalls)
            stream = pulse.stream_properties_during(lambda: leaning_shot(session))
            check(stream.get("application.name") == "Kelo's Pistol" and
                  stream.get("application.icon_name") == "org.example.KelosPistol",
                  f"the sound settings show the game's name and icon: {stream.get('application.name')!r}, "
                  f"{stream.get('application.icon_name')!r}")
            first = os.path.join(pulse.dir, "first.wav")
            shot, samples = punctual_recorded_shot(pulse, session, first, stalls)
            if shot is None:
                judged = False
                print(f"not judged: the recorded pitches and clicks; the machine held programs up by "
                      f"{samples * 1000:.0f} ms or more in every try")
            else:
                expected, measured = expected_pitches(), measured_pitches(samples)
                print("expected pitches:", expected)
                print("recorded pitches:", [round(h) for h in measured])
                check(len(measured) == len(expected) and
                      all(abs(m - e) <= 0.03 * e for m, e in zip(measured, expected)),
                      "the recorded pitches follow the whistle rule")
                peak = high_pass_peak(first)
                check(peak <= 0.03, f"no clicks (high-pass peak {peak:.4f})")
                check(max(map(abs, samples)) >= 5000,
                      f"the whistle is heard (loudest sample {max(map(abs, samples))})")

            time.sleep(2)
            check(pulse.playing_streams() == 0, f"2 s after a shot no stream plays ({pulse.playing_streams()})")
            ticks, switches = idle_cost(session.game.pid, 10)
            check(ticks <= 2 and switches <= 20, f"10 s idle: {ticks} CPU ticks, {switches} context switches")

            pulse.stop()
            check_pace(check, [leaning_shot(session) for _ in range(3)], "while the server is gone", stalls)
            pulse.start()
            check_pace(check, [leaning_shot(session) for _ in range(3)], "after the server came back", stalls)
            shot, samples = recorded_shot(pulse, session, os.path.join(pulse.dir, "again.wav"))
            check(max(map(abs, samples)) >= 5000, "the whistle is heard again after the server came back")
            check(session.game.poll() is None, "the game runs on")
    status = check.exit_status()
    return SKIPPED if status == 0 and not judged else status


if __name__ == "__main__":
    sys.exit(main())
