#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Full screen on a 1920x1080 screen, opened by the option: a game of hands only with a two-second
pause, run from a presentation remote's keys; the call's capitals measured on a screenshot; Escape
back to the stored window, and SIGTERM in full screen keeping that placement."""
import os
import signal
import subprocess
import time

import numpy as np

from limbora_e2e import Session, check, main

WIDTH, HEIGHT = 1920, 1080
PLACEMENT = {"MainLeft": "3000", "MainTop": "2250", "MainWidth": "6500", "MainHeight": "6500"}


def screenshot(session):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=session.env,
                         capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype=np.uint8).reshape(HEIGHT, WIDTH, 3)


def geometry(session, window):
    lines = session.xdotool("getwindowgeometry", window).splitlines()
    return lines[1].split(":")[1].split("(")[0].strip(), lines[2].split(":")[1].strip()


def wait_full_screen(session, window, failure):
    deadline = time.monotonic() + 3
    while geometry(session, window)[1] != f"{WIDTH}x{HEIGHT}":
        check(time.monotonic() < deadline, f"{failure}: {geometry(session, window)}")
        time.sleep(0.05)


def scenario(executable):
    with Session(audio=True, screen=f"{WIDTH}x{HEIGHT}") as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items())
                            + "\n[Game]\nPauseSeconds=2\nLimbs=lefthand,righthand\n"
                            "StartFullScreen=true\n")
        program = session.launch(executable)
        window = program.show()
        trace = program.trace
        wait_full_screen(session, window, "not full screen")

        started = program.key("Next")  # Page Down
        trace.wait_for(r'^status "The game will start"$', 2, since=started)
        pauses = []
        for _ in range(3):
            pauses.append(trace.wait_for(r"^pause 2$", 16, since=pauses[-1][0] + 0.001 if pauses else started))
        calls = [t for t, _ in trace.find(r"^sound-start \w+\.wav wait$", since=started)]
        limbs = [m.split()[1] for _, m in trace.find(r"^sound-start \w+\.wav wait$", since=started)][::2]
        check(set(limbs) <= {"lefthand.wav", "righthand.wav"}, f"not only hands: {limbs}")
        for pause, call in zip(pauses, calls[2::2]):
            check(abs(call - pause[0] - 2.0) < 0.05, f"pause of {call - pause[0]:.3f} s")

        # The call in full, during the next pause.
        after = trace.wait_for(r"^pause 2$", 8, since=pauses[-1][0] + 0.001)[0]
        line = [m for _, m in trace.find(r"^display ", since=started) if "#000000" not in m][-1]
        colour = np.array([int(line[-6:][i:i + 2], 16) for i in (0, 2, 4)], dtype=np.uint8)
        shown = screenshot(session)
        check(time.monotonic() - after < 1.9, "the screenshot came too late")
        program.key("Prior")  # Page Up
        trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=after)
        time.sleep(0.2)
        cleared = screenshot(session)
        # The call's own pixels: its colour exactly, and gone once stopped.
        text = (shown == colour).all(axis=2) & (shown != cleared).any(axis=2)
        rows, columns = np.nonzero(text)
        check(len(rows) > 1000, f"no call of colour {line[-7:]} on the screen")
        height = rows.max() - rows.min() + 1
        check(height >= HEIGHT / 12, f"the call's capitals are {height} px tall")
        check(columns.min() > 0 and columns.max() < WIDTH - 1, "the call touches the screen's edge")

        # Escape: the designed window, where it was stored.
        program.key("Escape")
        deadline = time.monotonic() + 3
        while geometry(session, window) != ("200,150", "433x433"):
            check(time.monotonic() < deadline, f"after Escape: {geometry(session, window)}")
            time.sleep(0.05)

        # Full screen again, then SIGTERM: the stored placement is the window's, not the screen's.
        program.key("F11")
        wait_full_screen(session, window, "F11 did not go full screen")
        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(2.0) == 0, "SIGTERM did not end the program cleanly")
        check(session.placement() == PLACEMENT, f"stored after SIGTERM: {session.placement()}")
        print(f"calls {[l[:-4] for l in limbs]}, pauses of 2 s; the call '{line.split(chr(34))[1]}' "
              f"stood {height} px tall on {HEIGHT} lines")


if __name__ == "__main__":
    main(scenario)
