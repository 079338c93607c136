"""A private PulseAudio server with a null sink for the sound tests: start, stop and start again
on the same socket, record its monitor, list its playing streams; and a deaf server, a socket
that accepts connections and never answers."""
import os
import socket
import subprocess
import tempfile
import threading
import time

from kelo_session import wait_for

RATE = 48000


class PulseServer:
    """`with PulseServer() as pulse:` runs a server whose socket is `pulse.socket`."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="kelo-pulse-")
        os.chmod(self.dir, 0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.dir, HOME=self.dir)
        self.socket = os.path.join(self.dir, "pulse", "native")
        self.server = self.recorder = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop_recording()
        self.stop()

    def start(self):
        self.server = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
             f"--load=module-null-sink sink_name=ci rate={RATE} channels=1 format=s16le norewinds=1",
             "--load=module-native-protocol-unix auth-anonymous=1"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: self.pactl("info").returncode == 0):
            raise RuntimeError("the private PulseAudio server did not start")

    def stop(self):
        if self.server and self.server.poll() is None:
            self.server.terminate()
            self.server.wait(5)

    def pactl(self, *args):
        return subprocess.run(["pactl", *args], env=self.env, capture_output=True, text=True, timeout=10)

    def playing_streams(self):
        """How many streams play into the server now."""
        return self.pactl("list", "short", "sink-inputs").stdout.count("\n")

    def stream_properties(self):
        """The properties of the first stream playing into the server now (as the desktop's sound
        settings read them), or {} while none plays."""
        properties = {}
        for line in self.pactl("list", "sink-inputs").stdout.splitlines():
            name, equals, value = line.strip().partition(" = ")
            if equals and not properties.get(name):
                properties[name] = value.strip('"')
            elif line.startswith("Sink Input #") and properties:
                break
        return properties

    def stream_properties_during(self, act, after=0.1):
        """The properties of the game's stream, read while `act` makes it play (and `after`
        seconds more): {} if none played."""
        seen = {}
        watching = threading.Event()
        watching.set()

        def watch():
            while watching.is_set() and not seen:
                seen.update(self.stream_properties())
                time.sleep(0.05)

        watcher = threading.Thread(target=watch)
        watcher.start()
        try:
            act()
            time.sleep(after)
        finally:
            watching.clear()
            watcher.join()
        return seen

    def record(self, path):
        """Records the null sink's monitor, sample for sample, until stop_recording()."""
        self.recorder = subprocess.Popen(["parecord", "-d", "ci.monitor", f"--rate={RATE}", "--channels=1",
                                          "--format=s16le", "--file-format=wav", path], env=self.env)
        time.sleep(0.3)  # the recording runs before the game plays

    def stop_recording(self):
        if self.recorder and self.recorder.poll() is None:
            self.recorder.terminate()
            try:
                self.recorder.wait(5)
            except subprocess.TimeoutExpired:
                self.recorder.kill()
        self.recorder = None


class DeafServer:
    """A socket where a sound server's would be, which accepts connections and never answers."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="kelo-deaf-")
        os.chmod(self.dir, 0o700)
        self.socket = os.path.join(self.dir, "native")

    def __enter__(self):
        self.listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.listener.bind(self.socket)
        self.listener.listen(16)  # the kernel accepts; nobody reads
        return self

    def __exit__(self, *exc):
        self.listener.close()
