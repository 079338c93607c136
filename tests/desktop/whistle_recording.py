#!/usr/bin/env python3
"""Records what the real kelo sends to a sound device while it plays a leaning shot, and checks
the whistle: its pitches in order, and no clicks. The device is a private PulseAudio server with
a null sink; its monitor is recorded sample for sample."""
import array
import os
import shutil
import subprocess
import sys
import tempfile
import time
import wave

from kelo_session import KeloSession

RATE = 48000


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


def wait_for(check, timeout=5):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if check():
            return True
        time.sleep(0.05)
    return False


def main():
    kelo = sys.argv[1]
    runtime = tempfile.mkdtemp(prefix="kelo-pulse-")
    os.chmod(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime)
    server = subprocess.Popen(
        ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
         "--load=module-null-sink sink_name=ci rate=48000 channels=1 format=s16le norewinds=1",
         "--load=module-native-protocol-unix auth-anonymous=1"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    recording = os.path.join(runtime, "whistle.wav")
    recorder = None
    try:
        ready = wait_for(lambda: subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0)
        if not ready:
            raise RuntimeError("the private PulseAudio server did not start")
        recorder = subprocess.Popen(["parecord", "-d", "ci.monitor", f"--rate={RATE}", "--channels=1",
                                     "--format=s16le", "--file-format=wav", recording], env=env)
        time.sleep(0.3)
        with KeloSession(kelo, env={"PULSE_SERVER": f"unix:{runtime}/pulse/native"}) as session:
            session.key("a")
            started = time.monotonic()
            shot = session.key("space")
            took = time.monotonic() - started
            time.sleep(0.3)
        recorder.terminate()
        recorder.wait(5)
    finally:
        if recorder and recorder.poll() is None:
            recorder.kill()
        server.terminate()
        server.wait(5)

    with wave.open(recording) as f:
        samples = array.array("h", f.readframes(f.getnframes()))
    stats = subprocess.run(["sox", recording, "-n", "sinc", "8k", "stat"], capture_output=True, text=True).stderr
    high_pass_peak = float(next(line.split(":")[1] for line in stats.splitlines()
                                if line.startswith("Maximum amplitude")))
    shutil.rmtree(runtime, ignore_errors=True)

    expected = expected_pitches()
    measured = measured_pitches(samples)
    print(f"shot of {len(shot['beeps'])} tones took {took:.3f} s; loudest sample {max(map(abs, samples))}; "
          f"high-pass peak {high_pass_peak:.4f}")
    print("expected pitches:", expected)
    print("recorded pitches:", [round(h) for h in measured])
    failures = []
    if len(measured) != len(expected) or any(abs(m - e) > 0.03 * e for m, e in zip(measured, expected)):
        failures.append("the recorded pitches differ from the whistle rule")
    if high_pass_peak > 0.03:
        failures.append(f"clicks: high-pass peak {high_pass_peak}")
    if max(map(abs, samples)) < 5000:
        failures.append("the whistle was not heard")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
