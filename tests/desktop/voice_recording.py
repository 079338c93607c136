#!/usr/bin/env python3
"""The voice (kelo --voice) as a family's desktop hears it: a private PulseAudio server's null
sink, its monitor recorded sample for sample.
- the question is heard at the start, and again in English and in Japanese when they are
  chosen, each as long as espeak-ng itself makes that sentence; without --voice nothing is heard;
- a key typed mid-sentence is handled within 100 ms;
- a shot's whistle has all its pitches and no speech in it, the number and the question follow
  it, and the shot keeps its pace;
- the sound settings show one stream with the game's name; after the last word the game is idle.
   voice_recording.py KELO"""
import os
import subprocess
import sys
import tempfile
import time
import wave

from kelo_session import Checks, KeloSession, check_pace, idle_cost, leaning_shot
from machine_stalls import StallProbe
from pulse_server import RATE, PulseServer
from whistle_recording import BRIDGED_STALL, SKIPPED, expected_pitches, measured_pitches, read_samples

LOUD = 300           # a sample louder than this is sound, not silence
RATE_WPM = "140"     # the game's speaking rate
SPAN_TOLERANCE = 0.05


def sound_span(samples, rate):
    """From the first to the last loud sample, in seconds (0 for silence), and where it starts."""
    loud = [i for i, v in enumerate(samples) if abs(v) > LOUD]
    return ((loud[-1] - loud[0]) / rate, loud[0] / rate) if loud else (0.0, None)


def espeak_span(voice, text):
    """How long espeak-ng itself speaks the sentence, from the first to the last loud sample."""
    with tempfile.NamedTemporaryFile(suffix=".wav") as wav:
        subprocess.run(["espeak-ng", "-v", voice, "-s", RATE_WPM, "-w", wav.name, text], check=True)
        with wave.open(wav.name) as f:
            rate = f.getframerate()
        return sound_span(read_samples(wav.name), rate)[0]


class Recorder:
    """Records what the game plays while it does something, and notes whether the machine held
    programs up meanwhile for longer than the device buffer bridges (the sound then has gaps that
    are no fault of the game's)."""

    def __init__(self, pulse, stalls, path):
        self.pulse, self.stalls, self.path = pulse, stalls, path
        self.held_up = 0.0

    def __call__(self, act, seconds):
        started = time.monotonic()
        self.pulse.record(self.path)
        time.sleep(0.3)
        act()
        time.sleep(seconds)
        self.pulse.stop_recording()
        self.held_up = self.stalls.worst_between(started, time.monotonic())
        return read_samples(self.path)


def heard_as_espeak(check, record, samples, voice, text, what):
    """The speech heard lasts as long as espeak-ng makes the sentence; True when it was judged."""
    span, _ = sound_span(samples, RATE)
    if span > 0 and record.held_up > BRIDGED_STALL:
        print(f"not judged: {what}, the machine held programs up by {record.held_up * 1000:.0f} ms")
        return False
    expected = espeak_span(voice, text)
    check(expected > 0 and abs(span - expected) <= SPAN_TOLERANCE * expected,
          f"{what}: {span:.3f} s of speech heard, espeak-ng makes {text!r} in {expected:.3f} s")
    return True


def choose_language(session, entry):
    """Clicks an entry of the language list: 0 English, 1 Japanese."""
    session.click_at(240 + 300, 1680 + 135 + 225 * entry)


def key_mid_sentence(session):
    """Milliseconds from a key sent to its handling being logged."""
    before = len(session.states())
    sent = time.monotonic()
    session.xdotool("key", "--window", session.window, "a")
    session.wait_for_lines(before + 1)
    return (time.monotonic() - sent) * 1000


def main():
    kelo = sys.argv[1]
    check = Checks()
    with PulseServer() as pulse, StallProbe() as stalls:
        env = {"PULSE_SERVER": f"unix:{pulse.socket}"}
        recorded = Recorder(pulse, stalls, os.path.join(pulse.dir, "voice.wav"))
        judged = True

        with KeloSession(kelo, env=env) as quiet:
            silent = recorded(lambda: choose_language(quiet, 0), 2.5)
        check(sound_span(silent, RATE)[0] == 0, "without --voice nothing is said, a language chosen or not")

        session = KeloSession(kelo, env=env, args=["--voice"])
        start = recorded(session.__enter__, 3)
        try:
            judged &= heard_as_espeak(check, recorded, start, "id", "Ada berapa mobil?", "the question at the start, in Indonesian")

            latency = []
            english = recorded(lambda: (choose_language(session, 0), time.sleep(0.5),
                                                     latency.append(key_mid_sentence(session))), 2.5)
            check(latency and latency[0] <= 100, f"a key typed mid-sentence is handled after {latency[0]:.0f} ms")
            judged &= heard_as_espeak(check, recorded, english, "en", "How many cars are here?", "English chosen")
            if session.state()["controls"]["ifon.Caption"] != "-1":
                japanese = recorded(lambda: choose_language(session, 1), 2.5)
                judged &= heard_as_espeak(check, recorded, japanese, "ja", "くるまはいくつ？", "Japanese chosen")
            else:
                print("not judged: Japanese, for want of a Japanese font")

            shots = []
            shot = recorded(lambda: shots.append(leaning_shot(session)), 3)
            _, onset = sound_span(shot, RATE)
            whistle = shot[int(onset * RATE):int((onset + 0.645) * RATE)]
            after = shot[int((onset + 0.66) * RATE):]
            measured, expected = measured_pitches(whistle), expected_pitches()
            check(len(measured) == len(expected) and all(abs(m - e) <= 0.03 * e for m, e in zip(measured, expected)),
                  f"the shot's whistle has all its {len(expected)} pitches and no speech in it "
                  f"({len(measured)} pitches heard)")
            check(sound_span(after, RATE)[0] > 0.5, "the number hit and the question follow the whistle")
            check_pace(check, shots + [leaning_shot(session) for _ in range(2)], "with the voice", stalls)

            stream = pulse.stream_properties_during(lambda: choose_language(session, 0), after=1)
            check(stream.get("application.name") == "Kelo's Pistol" and pulse.playing_streams() <= 1,
                  f"one stream, shown with the game's name: {stream.get('application.name')!r}")
            time.sleep(3)
            ticks, switches = idle_cost(session.game.pid, 10)
            check(ticks <= 2 and switches <= 20, f"10 s idle after the last word: {ticks} CPU ticks, "
                                                 f"{switches} context switches")
        finally:
            session.__exit__()
    status = check.exit_status()
    return SKIPPED if status == 0 and not judged else status


if __name__ == "__main__":
    sys.exit(main())
