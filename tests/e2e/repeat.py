#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Repeat Call pressed late in the pause: the call is said again whole, limb and colour, each
heard as clean as a word alone, and the whole pause follows it again before the next call, which
is heard alone too. Then N in a pause: the next call at once, heard alone."""
import time

from limbora_e2e import COLOUR_SOUNDS, LENGTH_KEPT, LIMB_SOUNDS, Session, check, heard, main

PAUSE = 2
REPEATS = 2
# A word heard alone matches its file at 0.97 or better; a second voice over a third of it brings
# the match down to about 0.8.
ALONE = 0.92


def scenario(executable):
    with Session(audio=True) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True, exist_ok=True)
        settings.write_text(f"[Game]\nPauseSeconds={PAUSE}\nCountdownSeconds=3\n")
        recorder = session.record()
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        trace = program.trace
        pause = trace.wait_for(rf"^pause {PAUSE}$", 15)[0]
        repeats = []
        for _ in range(REPEATS):
            # At 80 % of the pause, as a host asking late would.
            time.sleep(max(0.0, pause + 0.8 * PAUSE - time.monotonic()))
            program.key("r")
            repeated = trace.wait_for(r"^repeat$", 2, since=pause)[0]
            pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=repeated)[0]
            repeats.append((repeated, pause))
            # The next call only after the whole pause: it comes by itself.
            trace.wait_for(rf"^pause {PAUSE}$", PAUSE + 5, since=pause + 0.01)
            pause = trace.find(rf"^pause {PAUSE}$", since=pause + 0.01)[0][0]
        time.sleep(0.3)
        sent = time.monotonic()
        program.key("n")
        nexted = trace.wait_for(r"^next$", 2, since=sent)[0]
        next_pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=nexted)[0]
        program.key("alt+s")
        trace.wait_for(r'^status "\(Game stopped\)"$', 2)
        time.sleep(0.5)
        recording = recorder.samples()
        lines = program.trace.game()
        check(not [m for _, m in lines if m.startswith("sound-stop ")], "a repeat was cut short")

        def said(since, until):
            return [(t, m.split()[1], [e for e, n in lines
                                       if e >= t and n == f"sound-end {m.split()[1]}"][:1])
                    for t, m in lines if since <= t < until and m.startswith("sound-start ")]

        scores = []

        def hear(at, name, ended):
            found = heard(recorder, recording, name, at, ended[0] if ended else None)
            scores.append(found[1])
            if found[1] < 0.8 and session.unheard(program, name, at, recorder):
                return
            check(found[0] is not None and found[1] >= ALONE,
                  f"{name} at {at:.3f} not heard alone (match {found[1]:.3f}) {found.note}")

        for index, (repeated, after) in enumerate(repeats):
            words = said(repeated, after)
            check([n in LIMB_SOUNDS for _, n, _ in words] == [True, False]
                  and words[1][1] in COLOUR_SOUNDS, f"repeat {index + 1} said {words}")
            for at, name, ended in words:
                hear(at, name, ended)
            # The call after it: a whole pause after the repeat's colour ended.
            following = said(after, after + PAUSE + 1.0)
            check(following and following[0][1] in LIMB_SOUNDS,
                  f"no call after repeat {index + 1}: {following}")
            session.within(f"the whole pause after repeat {index + 1}",
                           following[0][0] - after - PAUSE, -LENGTH_KEPT, LENGTH_KEPT,
                           following[0][0])
            hear(*following[0])
        words = said(nexted, next_pause)
        check(len(words) == 2 and words[0][1] in LIMB_SOUNDS, f"N said {words}")
        session.within("N to the next call's first word", words[0][0] - nexted, 0, 0.05,
                       words[0][0])
        for at, name, ended in words:
            hear(at, name, ended)
        print(f"{REPEATS} repeats said whole, each followed by a {PAUSE} s pause; N to the call "
              f"{1000 * (nexted - sent):.0f} ms (key included); words matched at "
              + ", ".join(f"{s:.3f}" for s in scores))


if __name__ == "__main__":
    main(scenario)
