#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A game of three calls, watched and heard: the countdown, the first call ten seconds after
Start, each limb then its colour, the seven-second pauses in silence, and every sound heard
where the trace says it started, saying the words the window showed."""
import time

from limbora_e2e import (COLOUR_SOUNDS, COLOUR_WORDS, LIMB_SOUNDS, LIMB_TEXTS, Session, check,
                         locate, main, sound_lengths)

CALLS = 3
TIMING = 0.030  # seconds a wait may be late here, on a busy two-core machine
ONSET = 0.060
# The null sink renders its blocks a little ahead of the clock, so a sound written the moment it
# was asked for shows in the recording up to this much before its sound-start.
EARLY = 0.020
AUDIBLE_END = 0.020  # how far a sound-end may lie from the moment its last sample was heard


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
        check(abs(first - 10.0) <= TIMING, f"first call {first:.3f} s after Start")

        pauses = program.trace.find(r"^pause 7$")
        ends = program.trace.find(r"^sound-end ")
        end_errors = []
        for index in range(CALLS):
            limb_time, limb_line = starts[2 * index]
            colour_time, colour_line = starts[2 * index + 1]
            limb, colour = limb_line.split()[1], colour_line.split()[1]
            check(limb in LIMB_SOUNDS and colour in COLOUR_SOUNDS, f"call {index}: {limb}, {colour}")
            check(limb_line.endswith(" wait") and colour_line.endswith(" wait"), "not wait mode")

            # What the window showed as each word began: the limb in black, then the whole call
            # in its colour. Taken in the trace's order, not by its millisecond stamps, and shown
            # no later than the word is heard, nor noticeably before.
            for word, started_at, expected in (
                    (limb, limb_time, f'display "{LIMB_TEXTS[limb]}" #000000'),
                    (colour, colour_time, f'display "{LIMB_TEXTS[limb]}{COLOUR_WORDS[colour]}" #')):
                shown_at, shown = showing(lines, (started_at, f"sound-start {word} wait"))
                check(shown.startswith(expected), f"as {word} began the window showed {shown}")
                check(started_at - shown_at <= TIMING, f"{shown} came {started_at - shown_at:.3f} s before {word}")

            # What was heard: each sound where the trace says, and it is the sound named.
            for name, at, family in ((limb, limb_time, LIMB_SOUNDS), (colour, colour_time, COLOUR_SOUNDS)):
                heard_at, score = locate(recording, recorder.start_time(at), name, at)
                check(heard_at is not None and score > 0.8, f"{name} not heard near {at:.3f} (score {score:.2f})")
                check(-EARLY <= heard_at - at <= ONSET, f"{name} heard {1000 * (heard_at - at):.0f} ms after its sound-start")
                # The wait ends when the file's last sample is heard, neither before nor after.
                end = [t for t, m in ends if t >= at and m == f"sound-end {name}"][0]
                end_errors.append(end - (heard_at + lengths[name]))
                for other in family:
                    if other != name:
                        _, other_score = locate(recording, recorder.start_time(at), other, at)
                        check(other_score < score, f"{name} sounds more like {other}")
            check(limb_time < colour_time, "colour before limb")

            # The pause: seven seconds from the colour's end to the next call, in silence.
            pause_time = pauses[index][0]
            check(pause_time >= colour_time, "pause before the colour ended")
            audible_end = colour_time + lengths[colour] + ONSET
            if index + 1 < CALLS:
                next_time = starts[2 * index + 2][0]
                check(abs(next_time - pause_time - 7.0) <= TIMING,
                      f"pause {index} lasted {next_time - pause_time:.3f} s")
                quiet_until = next_time
            else:
                quiet_until = pause_time + 7.0
                quiet_until = min(quiet_until, program.trace.find(r"Game stopped")[0][0])
            level = recorder.loudness(audible_end, quiet_until)
            check(level < 0.003, f"not silent in pause {index}: level {level:.4f}")
        errors = " ".join(f"{1000 * e:+.0f}" for e in end_errors)
        check(max(map(abs, end_errors)) <= AUDIBLE_END, f"sound-end minus audible end, ms: {errors}")
        print(f"sound-end minus audible end, ms: {errors}")
        print(f"first call after {first:.3f} s; calls: "
              + ", ".join(m.split()[1] for _, m in starts[: 2 * CALLS]))


if __name__ == "__main__":
    main(scenario)
