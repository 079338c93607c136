#!/usr/bin/env python3
"""Builds the game as a packager does (a plain Release configuration, no presets, no
warnings-as-errors) in a scratch folder, packs the .deb, installs it into a fresh directory tree, checks
the installed desktop entry and AppStream metadata with their validators, and starts the
installed game under Xvfb.
   check_package.py SOURCE_DIR"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "desktop"))
from kelo_session import KeloSession, pixel, press_close_box  # noqa: E402

APP_ID = "org.example.KelosPistol"


def run(*command, cwd=None):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{result.stdout[-3000:]}\n{result.stderr[-3000:]}")
    return result.stdout + result.stderr


def main():
    with tempfile.TemporaryDirectory(prefix="kelo-package-") as build, \
            tempfile.TemporaryDirectory(prefix="kelo-install-") as root:
        check(sys.argv[1], build, root)


def check(source, build, root):
    run("cmake", "-S", source, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release", "-DKELO_BUILD_TESTS=OFF")
    run("cmake", "--build", build)
    run("cpack", cwd=build)
    deb = next(os.path.join(build, f) for f in os.listdir(build) if f.endswith(".deb"))
    print(f"package {os.path.basename(deb)}: {os.path.getsize(deb)} bytes")

    control = run("dpkg-deb", "--field", deb, "Version", "Depends", "Recommends")
    # qt6-wayland: without it a locked game in a Wayland session runs through Xwayland, unlocked.
    for needed in ("Version: 1.00", "libqt6widgets6", "libpulse0", "libespeak-ng1", "fonts-liberation", "qt6-wayland",
                   "fonts-ipafont-gothic"):
        if needed not in control:
            raise AssertionError(f"the package's control data lacks {needed}:\n{control}")

    run("dpkg-deb", "-x", deb, root)
    share = os.path.join(root, "usr", "share")
    installed = {
        "game": os.path.join(root, "usr", "bin", "kelo"),
        "desktop entry": os.path.join(share, "applications", f"{APP_ID}.desktop"),
        "metainfo": os.path.join(share, "metainfo", f"{APP_ID}.metainfo.xml"),
        "scalable icon": os.path.join(share, "icons", "hicolor", "scalable", "apps", f"{APP_ID}.svg"),
        "256 px icon": os.path.join(share, "icons", "hicolor", "256x256", "apps", f"{APP_ID}.png"),
    }
    for what, path in installed.items():
        if not os.path.isfile(path):
            raise AssertionError(f"the package does not install the {what} at {path}")
    print(run("desktop-file-validate", installed["desktop entry"]).strip())
    print(run("appstreamcli", "validate", "--no-net", installed["metainfo"]).strip())

    with KeloSession(installed["game"], logs=False, env={"PULSE_SERVER": "unix:/nonexistent"}) as session:
        for _ in range(50):
            shot = session.screenshot(os.path.join(session.dir, "installed.png"))
            if pixel(shot, 1200, 1000) == (255, 224, 192):
                break
            time.sleep(0.1)
        else:
            raise AssertionError("the installed game shows no peach window")
        press_close_box(session.display, session.window)
        status = session.game.wait(20)
        if status != 0:
            raise AssertionError(f"the installed game ended with status {status}:\n{session.errors()}")
    print("the installed game started, showed its window and ended when closed")


if __name__ == "__main__":
    main()
