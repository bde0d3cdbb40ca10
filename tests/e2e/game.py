#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A game of three calls, watched and heard: the countdown, the first call ten seconds after
Start, each limb then its colour, the seven-second pauses in silence, and every sound heard
where the trace says it started, saying the words the window showed."""
import time

from limbora_e2e import (COLOUR_SOUNDS, COLOUR_WORDS, LENGTH_KEPT, LIMB_SOUNDS, LIMB_TEXTS,
                         VOICE_AHEAD, VOICE_BEHIND, Session, check, heard, locate, main,
                         sound_lengths)

CALLS = 3


def showing(lines, line):
    """The last display line before the given trace line: what the window showed then."""
    shown = [entry for entry in lines[:lines.index(line)] if entry[1].startswith("display")]
    check(shown, f"nothing shown before {line}")
    return shown[-1]


def scenario(executable):
    lengths = sound_lengths()
    with Session(audio=True) as session:
        recorder = session.record()
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        started = program.trace.wait_for(r'^status "The game will start"$', 5)[0]
        program.trace.wait_for(r"^pause 7$", 30)
        for _ in range(CALLS - 1):
            count = len(program.trace.find(r"^pause 7$"))
            deadline = time.monotonic() + 15
            while len(program.trace.find(r"^pause 7$")) == count:
                check(time.monotonic() < deadline, "the next call did not come")
                time.sleep(0.05)
        # the last pause: one more second of it, to hear the silence
        time.sleep(1.0)
        program.key("alt+s")
        program.trace.wait_for(r'^status "\(Game stopped\)"$', 2)
        recording = recorder.samples()

        lines = program.trace.game()
        texts = [m for _, m in lines if m.startswith("display")]
        expected_countdown = [f'display "in {n} seconds..." #3a6ea5' for n in range(10, 0, -1)]
        check(texts[:10] == expected_countdown, f"countdown: {texts[:10]}")
        check(texts[10] == 'display "" #3a6ea5', "the last half second is not blank")

        starts = program.trace.find(r"^sound-start ")
        check(len(starts) >= 2 * CALLS, f"{len(starts)} sounds for {CALLS} calls")
        first = starts[0][0] - started
        session.within("the first call after Start's ten seconds", first - 10.0, -LENGTH_KEPT,
                       LENGTH_KEPT, starts[0][0])

        pauses = program.trace.find(r"^pause 7$")
        ends = program.trace.find(r"^sound-end ")
        end_errors = []
        for index in range(CALLS):
            limb_time, limb_line = starts[2 * index]
            colour_time, colour_line = starts[2 * index + 1]
            limb, colour = limb_line.split()[1], colour_line.split()[1]
            check(limb in LIMB_SOUNDS and colour in COLOUR_SOUNDS, f"call {index}: {limb}, {colour}")
            check(limb_line.endswith(" wait") and colour_line.endswith(" wait"), "not wait mode")

            # Each word heard with its text: the limb in black, then the whole call in its
            # colour (taken in the trace's order, not by its millisecond stamps), and the voice
            # neither noticeably ahead of the text nor behind it. The word heard is the one shown.
            heard_ends = {}
            for word, at, family, expected in (
                    (limb, limb_time, LIMB_SOUNDS, f'display "{LIMB_TEXTS[limb]}" #000000'),
                    (colour, colour_time, COLOUR_SOUNDS,
                     f'display "{LIMB_TEXTS[limb]}{COLOUR_WORDS[colour]}" #')):
                shown_at, shown = showing(lines, (at, f"sound-start {word} wait"))
                check(shown.startswith(expected), f"as {word} began the window showed {shown}")
                end = [t for t, m in ends if t >= at and m == f"sound-end {word}"][0]
                found = heard(recorder, recording, word, at, end)
                if found[1] <= 0.8 and session.unheard(program, word, at, recorder):
                    heard_ends[word] = end
                    continue
                check(found[0] is not None and found[1] > 0.8,
                      f"{shown} without its word: {word} not heard, or not whole, near {at:.3f} "
                      f"(match {found[1]:.2f}) {found.note}")
                session.within(f"{word} heard after {shown} {found.note}", found[0] - shown_at,
                               -VOICE_AHEAD, VOICE_BEHIND, found[0], recorder)
                for other in family:
                    if other != word:
                        check(locate(recording, recorder.start_time(found[0]), other, found[0],
                                     window=0.1)[1] < found[1],
                              f"{word} sounds more like {other}")
                # The wait ends when the file's last sample is heard: the next word is not cut.
                heard_ends[word] = found[0] + lengths[word]
                end_errors.append(end - heard_ends[word])
                # Where the word was played late, its end was: the machine counts from its start.
                session.within(f"sound-end {word} after its last sample was heard", end_errors[-1],
                               -VOICE_AHEAD, VOICE_BEHIND, end, recorder, since=at)
            check(limb_time < colour_time, "colour before limb")

            # The pause: seven seconds from the colour's end to the next call, in silence.
            pause_time = pauses[index][0]
            check(pause_time >= colour_time, "pause before the colour ended")
            if index + 1 < CALLS:
                next_time = starts[2 * index + 2][0]
                session.within(f"pause {index} after seven seconds", next_time - pause_time - 7.0,
                               -LENGTH_KEPT, LENGTH_KEPT, next_time)
                quiet_until = next_time - VOICE_AHEAD
            else:
                quiet_until = pause_time + 7.0
                quiet_until = min(quiet_until, program.trace.find(r"Game stopped")[0][0])
            level = recorder.loudness(heard_ends[colour] + 0.020, quiet_until)
            check(level < 0.003, f"not silent in pause {index}: level {level:.4f}")
        errors = " ".join(f"{1000 * e:+.0f}" for e in end_errors)
        print(f"sound-end minus audible end, ms: {errors}")
        print(f"first call after {first:.3f} s; calls: "
              + ", ".join(m.split()[1] for _, m in starts[: 2 * CALLS]))


if __name__ == "__main__":
    main(scenario)
