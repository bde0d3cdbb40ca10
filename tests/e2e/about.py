#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Help > About held open across a call's due time: its chime plays, the game stands still (no
text, no sound) until the About box closes, and the call that fell due comes at once after. The
title's letter opens the hidden window with its own chime."""
import time

from limbora_e2e import LENGTH_KEPT, VOICE_AHEAD, VOICE_BEHIND, Session, check, locate, main


def scenario(executable):
    with Session(audio=True) as session:
        recorder = session.record()
        program = session.launch(executable)
        program.show()
        trace = program.trace
        program.key("alt+s")
        started = trace.wait_for(r'^status "The game will start"$', 5)[0]
        time.sleep(7.5)

        program.key("alt+h")
        time.sleep(0.3)
        program.key("a")
        chime_time = trace.wait_for(r"^sound-start About\.wav return$", 3)[0]
        suspended = trace.wait_for(r"^suspend$", 1)[0]
        about = program.wait_for_window(title="About Limbora")
        # The title's letter r, between "Limbo" and "a"; once the About chime has ended.
        time.sleep(1.3)
        session.xdotool("mousemove", "--window", about, "90", "36", "click", "1")
        hidden_chime = trace.wait_for(r"^sound-start hid\.wav return$", 3)[0]
        hidden = program.wait_for_window(title="Hidden Window!")
        session.press(hidden, "Return")
        time.sleep(0.5)

        time.sleep(max(0.0, started + 14.0 - time.monotonic()))  # the first call was due at 10 s
        held = [m for _, m in trace.game(since=suspended + 0.001) if m != "sound-start hid.wav return"]
        check(held == [], f"the game moved while About was open: {held}")

        closed = session.press(about, "Return")
        resumed = trace.wait_for(r"^resume$", 3)[0]
        call = trace.wait_for(r"^sound-start (left|right)(hand|foot)\.wav wait$", 3, since=resumed)[0]
        session.within("the due call after the About box closed", call - resumed, 0.0, LENGTH_KEPT,
                       call)
        check(resumed - closed < 0.5, "the About box did not close on Enter")

        recording = recorder.samples()
        for name, at in (("About.wav", chime_time), ("hid.wav", hidden_chime)):
            heard = locate(recording, recorder.start_time(at), name, at)
            check(heard[1] > 0.8, f"{name} not heard (match {heard[1]:.2f}) {heard.note}")
            session.within(f"{name} heard after it was asked for", heard[0] - at, -VOICE_AHEAD,
                           VOICE_BEHIND, heard[0], recorder)
        print(f"About open {resumed - suspended:.1f} s; the due call came {1000 * (call - resumed):.0f} ms after it closed")


if __name__ == "__main__":
    main(scenario)
