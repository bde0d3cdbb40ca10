#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Repeat Call pressed again and again with the shortest pause: every call still comes on time,
and alone. The repeat's rest is stopped where the next call begins (the trace says so), and the
recording holds each call's limb as clean as a word heard alone, never mixed with another."""
import threading
import time

from limbora_e2e import LENGTH_KEPT, LIMB_SOUNDS, Session, check, locate, main

CALLS = 4
# A word heard alone matches its file at 0.97 or better; a second voice over a third of it brings
# the match down to about 0.8.
ALONE = 0.92


def scenario(executable):
    with Session(audio=True) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True, exist_ok=True)
        settings.write_text("[Game]\nPauseSeconds=1\nCountdownSeconds=3\n")
        recorder = session.record()
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        program.trace.wait_for(r"^pause 1$", 15)

        done = threading.Event()

        def keep_repeating():
            while not done.is_set():
                program.key("r")
                time.sleep(0.15)

        presser = threading.Thread(target=keep_repeating, daemon=True)
        presser.start()
        try:
            deadline = time.monotonic() + 30
            while len(program.trace.find(r"^pause 1$")) < CALLS + 1:
                check(time.monotonic() < deadline, "the calls stopped coming")
                time.sleep(0.05)
        finally:
            done.set()
            presser.join()
        program.key("alt+s")
        program.trace.wait_for(r'^status "\(Game stopped\)"$', 2)
        time.sleep(0.5)
        recording = recorder.samples()

        lines = program.trace.game()
        stops = [t for t, m in lines if m.startswith("sound-stop ")]
        check(stops, "no repeat was cut short")
        pauses = [t for t, m in lines if m == "pause 1"]
        scores = []
        for index in range(1, CALLS + 1):
            # The call after this pause: its limb's sound-start, a second after it (a repeat's
            # colour begun and cut short in the same moment may come just before).
            due = pauses[index - 1] + 1.0
            starts = [(t, m) for t, m in lines if m.startswith("sound-start ")]
            near = [s for s in starts if abs(s[0] - due) <= LENGTH_KEPT]
            at, line = next((s for s in near if s[1].split()[1] in LIMB_SOUNDS),
                            min(starts, key=lambda s: abs(s[0] - due)))
            name = line.split()[1]
            check(name in LIMB_SOUNDS, f"call {index} began with {name}")
            session.within(f"pause {index} after a second", at - pauses[index - 1] - 1.0,
                           -LENGTH_KEPT, LENGTH_KEPT, at)
            heard = locate(recording, recorder.start_time(at), name, at)
            scores.append(heard[1])
            if heard[1] < 0.8 and session.unheard(program, name, at):
                continue
            check(heard[0] is not None and heard[1] >= ALONE,
                  f"call {index}'s {name} not heard alone (match {heard[1]:.3f}) {heard.note}")
        print(f"{len(stops)} repeats cut short; the calls' limbs matched at "
              + ", ".join(f"{s:.3f}" for s in scores))


if __name__ == "__main__":
    main(scenario)
