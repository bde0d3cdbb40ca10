#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""F11 pressed again and again, far faster than a held key repeats, in a game, under a window
manager: after 500 presses the window
stands where it stood, after 501 it covers the screen, the pauses keep their length meanwhile, and
SIGTERM in full screen keeps the window's placement as stored."""
import os
import signal
import time

from limbora_e2e import LENGTH_KEPT, Session, check, main

PLACEMENT = {"MainLeft": "1500", "MainTop": "1500", "MainWidth": "6500", "MainHeight": "6500"}
SCREEN = (1280, 1024)
PAUSE = 3.0


def geometry(session, window):
    lines = session.xdotool("getwindowgeometry", window).splitlines()
    return lines[1].split(":")[1].split("(")[0].strip(), lines[2].split(":")[1].strip()


def settles_at(session, window, expected, timeout=5.0):
    deadline = time.monotonic() + timeout
    while True:
        now = geometry(session, window)
        if now == expected:
            # and stays there: a late answer of the window manager would move it again
            time.sleep(1.0)
            now = geometry(session, window)
            check(now == expected, f"moved on to {now}")
            return
        check(time.monotonic() < deadline, f"stands at {now}, not {expected}")
        time.sleep(0.05)


def scenario(executable):
    with Session(audio=True, window_manager=True, screen=f"{SCREEN[0]}x{SCREEN[1]}") as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items())
                            + f"\n[Game]\nPauseSeconds={PAUSE:.0f}\n")
        program = session.launch(executable)
        window = program.show()
        time.sleep(0.5)  # framed by the window manager
        windowed = geometry(session, window)
        started = session.press(window, "alt+s")
        program.trace.wait_for(r"^pause 3$", 20, since=started)

        storms = []
        for presses, expected in ((500, windowed), (501, ("0,0", f"{SCREEN[0]}x{SCREEN[1]}"))):
            begun = time.monotonic()
            # Each press its own: a press within a moment of the last release is a held key's
            # repeat, which acts once.
            session.xdotool("key", "--delay", "12", *["F11"] * presses)
            storms.append((presses, time.monotonic() - begun))
            settles_at(session, window, expected)

        # Every pause of the game so far, storms and all, kept its length.
        deadline = time.monotonic() + 20
        while True:
            pauses = program.trace.find(r"^pause 3$", since=started)
            calls = program.trace.find(r"^sound-start \w+\.wav wait$", since=started)[2::2]
            lengths = [call[0] - pause[0] for pause, call in zip(pauses, calls)]
            if len(lengths) >= 3:
                break
            check(time.monotonic() < deadline,
                  f"only {len(lengths)} pauses ended: {program.trace.game(since=started)}")
            time.sleep(0.1)
        for (pause, _), (call, _) in zip(pauses, calls):
            session.within("a pause among the storms", call - pause - PAUSE, -LENGTH_KEPT,
                           LENGTH_KEPT, call)

        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(3.0) == 0, "SIGTERM did not end the program cleanly")
        check(session.placement() == PLACEMENT, f"stored: {session.placement()}")
        print("storms: " + ", ".join(f"{n} presses in {s:.2f} s" for n, s in storms)
              + "; pauses " + ", ".join(f"{length:.3f}" for length in lengths) + " s")


if __name__ == "__main__":
    main(scenario)
