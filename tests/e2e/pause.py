#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pause and Resume on the real window: P holds a game in its pause (STOP! has the focus, and P
never presses it), nothing is shown or said while it holds, and P again goes on with the seconds
the pause had left: one call, on time, never a burst of late ones. The Pause key held down for a
second, with the keyboard repeating it, pauses once."""
import time

from limbora_e2e import LENGTH_KEPT, Session, check, main

PAUSE = 3  # seconds between calls; the hold lasts twice that, which a running clock would show
HOLD = 2 * PAUSE
INTO_PAUSE = 1.0


def scenario(executable):
    with Session(audio=False) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text(f"[Game]\nPauseSeconds={PAUSE}\nCountdownSeconds=3\n")
        program = session.launch(executable)
        program.show()
        trace = program.trace

        started = program.key("alt+s")
        pause_began = trace.wait_for(rf"^pause {PAUSE}$", 8, since=started)[0]
        time.sleep(max(0.0, pause_began + INTO_PAUSE - time.monotonic()))
        held = trace.wait_for(r"^pause-hold$", 2, since=program.key("p"))[0]
        trace.wait_for(r'^status "\(Game paused\)"$', 2, since=held)
        time.sleep(HOLD)
        released = trace.wait_for(r"^pause-release$", 2, since=program.key("p"))[0]
        trace.wait_for(r'^status "\(Game in progress\)"$', 2, since=released)

        during = [m for t, m in trace.game(since=held) if t < released]
        check(all(m.startswith(("pause-", "status ")) for m in during),
              f"the game changed while paused: {during}")
        check(not trace.find(r"^buttons", since=pause_began), "P pressed STOP!")
        left = PAUSE - (held - pause_began)
        next_call = trace.wait_for(r"^sound-start", PAUSE + 2, since=released)[0]
        session.within(f"the next call after Resume, {left:.3f} s were left",
                       next_call - released - left, -LENGTH_KEPT, LENGTH_KEPT, next_call)
        time.sleep(1.0)
        limbs = trace.find(r'^display ".* " #000000$', since=released)
        check(len(limbs) == 1, f"{len(limbs)} calls within a second of the first after Resume")
        # Held down: the X server repeats the key about 25 times a second after a short delay.
        session.xdotool("windowfocus", "--sync", program.window)
        pressed = time.monotonic()
        session.xdotool("keydown", "Pause")
        time.sleep(1.0)
        session.xdotool("keyup", "Pause")
        time.sleep(0.3)
        holds = trace.find(r"^pause-(hold|release)$", since=pressed)
        check([m for _, m in holds] == ["pause-hold"], f"the Pause key held for 1 s: {holds}")
        program.key("alt+s")
        trace.wait_for(r'^status "\(Game stopped\)"$', 2)
        print(f"held {HOLD} s at {held - pause_began:.3f} s into a {PAUSE} s pause; the next call "
              f"came {next_call - released:.3f} s after Resume; the Pause key held for 1 s paused once")


if __name__ == "__main__":
    main(scenario)
