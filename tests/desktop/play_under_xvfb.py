#!/usr/bin/env python3
"""Plays the real kelo under a bare Xvfb at 1920 x 1080 with xdotool, from the first question
to the win and the restart: the scene fills the screen at its zoom, the mouse finds the
language list and the author button at their zoomed places, and the screen shows the start
and the win where the layout puts them. Screenshots stay in the folder given as the second
argument."""
import os
import sys
import time

from kelo_session import KeloSession, pixel, play_to_win, press_close_box

PEACH, YELLOW, RED, PALE_GREEN = (255, 224, 192), (255, 255, 0), (255, 0, 0), (192, 255, 192)


def expect(condition, what):
    if not condition:
        raise AssertionError(what)


def main():
    kelo, shots = sys.argv[1], sys.argv[2]
    os.makedirs(shots, exist_ok=True)
    with KeloSession(kelo, screen="1920x1080x24") as session:
        point = session.point
        first = session.state()
        expect(first["focus"] == "panah" and first["messages"] == [], f"start-up state: {first['focus']}")
        start = session.screenshot(os.path.join(shots, "start.png"))
        for _ in range(50):  # the first paint at full size may still be on its way
            if pixel(start, 1900, 1000) == PEACH:
                break
            time.sleep(0.1)
            start = session.screenshot(os.path.join(shots, "start.png"))
        expect(pixel(start, 1900, 1000) == PEACH, "peach background")
        expect(point(0, 8640)[1] <= 1080 and point(0, 8640)[1] >= 1080 * 0.85,
               f"the scene fills the screen's height at zoom {session.window_facts()['zoom']:.3f}")
        expect(pixel(start, *point(1020, 4620)) == YELLOW, "the yellow money square")
        expect(pixel(start, *point(7447, 6007)) == RED, "the bottom dot of the V")
        expect(pixel(start, *point(7447, 7567)) == RED, "the ball in front of the pistol")

        # The mouse: the language list's first entry, then the author button, at their places.
        before = len(session.states())
        session.click_at(240 + 300, 1680 + 135)
        english = session.wait_for_lines(before + 1)[-1]
        expect(english["controls"]["combo1.ListIndex"] == 0, "a click on the first entry chooses English")
        before = len(session.states())
        session.click_at(240 + 700, 720 + 240)
        expect(session.wait_for_lines(before + 1)[-1]["authorpekro"]["shown"],
               "a click on the author button opens the author window")
        session.screenshot(os.path.join(shots, "author.png"))
        before = len(session.states())
        press_close_box(session.display, session.windows("Info of Author")[0])
        session.wait_for_lines(before + 1)
        session.xdotool("windowfocus", "--sync", session.window)

        # One shot from the left lean: target 0 is hit, as the rules say.
        before = session.state()["controls"]
        session.key("a")
        after = session.key("space")
        c = after["controls"]
        expect(len(after["ball_path"]) == 90, f"a leaning flight has 90 steps, not {len(after['ball_path'])}")
        expect(len(after["beeps"]) == 90, "one tone a step")
        scored = before["lbl(0).Caption"] == before["aba.Tag"]
        expect(c["hasil.Caption"] == ("1" if scored else "0"), "the score follows the answer")
        expect(c["aba.Tag"] in (c["lbl(0).Caption"], c["lbl(1).Caption"]), "a new question")
        expect(c["lbl(1).Caption"] == before["lbl(1).Caption"], "target 1 was not hit")

        c = play_to_win(session)["controls"]
        expect(c["hasil.Caption"] == "5" and c["kelkel.Visible"], "five right hits win")
        expect(session.state()["focus"] == "Command1", "the focus goes to the start button")
        win = os.path.join(shots, "win.png")
        for _ in range(30):  # the state is logged before the window repaints
            if pixel(session.screenshot(win), *point(2520 + 5160 + 300, 480 + 3840 + 600)) == PALE_GREEN:
                break
            time.sleep(0.1)
        expect(pixel(win, *point(2520 + 5160 + 300, 480 + 3840 + 600)) == PALE_GREEN, "the win banner")
        sky = pixel(win, point(2520, 480)[0] + 20, point(2520, 480)[1] + 20)
        expect(sky[2] > 200 and sky[0] < 200, f"the photograph's sky, not {sky}")
        hill = pixel(win, *point(2520 + 9400, 480 + 5700))  # the box's far corner: the picture covers it
        expect(hill[1] > 150 and hill[0] < 150 and hill[2] < 150, f"the photograph's hill, not {hill}")

        # A held Space is one press of the start button, however long the key repeats.
        before = len(session.states())
        session.xdotool("keydown", "--window", session.window, "space")
        time.sleep(1.5)
        session.xdotool("keyup", "--window", session.window, "space")
        session.wait_for_lines(before + 1)
        time.sleep(0.3)
        expect(len(session.states()) == before + 1 and session.state()["controls"]["tes.Tag"] == "2",
               f"a held Space pressed the button {len(session.states()) - before} times")
        for _ in range(2):
            session.key("space")
        c = session.state()["controls"]
        expect(not c["kelkel.Visible"] and c["bola.Visible"] and c["hasil.Caption"] == "0", "three Spaces restart")
        expect(session.state()["focus"] == "panah", "the restart gives the key box the focus")
        after_tab = session.key("Tab")["focus"]
        expect(session.key("shift+Tab")["focus"] == "panah", "Shift+Tab goes back to the key box")
        expect(session.key("shift+Tab")["focus"] not in ("panah", after_tab), "and on to the control before it")
        session.screenshot(os.path.join(shots, "restart.png"))
        errors = [line for state in session.states() for line in state["errors"] + state.get("broken", [])]
        expect(errors == [], f"no handler abandoned and no rule broken: {errors}")
    print(f"played to the win and restarted; screenshots in {shots}")


if __name__ == "__main__":
    main()
