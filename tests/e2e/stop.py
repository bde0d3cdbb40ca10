#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Stop in each phase of a game, and Start again within a pause: the window resets at once, a
call being spoken still finishes its colour word unseen, and a stopped game never calls again."""
import time

from limbora_e2e import Session, check, locate, main

# Stop's effect after the key press, at most: the benchmark measures it closely; here it includes
# starting xdotool on a busy machine.
RESPONSE = 0.250


def stop(program):
    sent = program.key("alt+s")
    stopped = program.trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent)[0]
    check(stopped - sent <= RESPONSE, f"Stop took {1000 * (stopped - sent):.0f} ms")
    return stopped


def start(program):
    sent = program.key("alt+s")
    return program.trace.wait_for(r'^status "The game will start"$', 2, since=sent)[0]


def scenario(executable):
    with Session(audio=True) as session:
        recorder = session.record()
        program = session.launch(executable)
        program.show()
        trace = program.trace

        # During the countdown.
        first_game = start(program)
        time.sleep(3)
        stop(program)
        reset = [m for _, m in trace.game()[-3:]]
        check(reset == ['status "(Game stopped)"', 'display "" #000000', "buttons start=1 stop=0"],
              f"stop: {reset}")

        # While the limb is spoken: the colour is still heard, but never shown.
        second_game = start(program)
        limb_time, limb_line = trace.wait_for(r"^sound-start \w+\.wav wait$", 15, since=second_game)
        check(limb_time - first_game > 10.5, "the stopped countdown made a call")
        stopped = stop(program)
        check(stopped < trace.wait_for(r"^sound-end", 3, since=limb_time)[0], "Stop waited for the limb")
        colour_time, colour_line = trace.wait_for(r"^sound-start \w+\.wav wait$", 3, since=limb_time + 0.001)
        trace.wait_for(r"^sound-end " + colour_line.split()[1], 3, since=colour_time)
        time.sleep(8.5)
        lines = trace.game(since=limb_time)
        reset = [i for i, (_, m) in enumerate(lines) if m == "buttons start=1 stop=0"][0]
        after = lines[reset + 1:]
        check(all(m.startswith("sound-") for _, m in after), f"a stopped game changed the window: {after}")
        check(len(trace.find(r"^sound-start", since=colour_time + 0.001)) == 0, "a stopped game called again")
        heard_at, score = locate(recorder.samples(), recorder.start_time(), colour_line.split()[1], colour_time)
        check(score > 0.8 and abs(heard_at - colour_time) < 0.06, f"the colour was not heard ({score:.2f})")

        # During the pause, then Start at once: a fresh countdown, and the old pause stays dead.
        third_game = start(program)
        pause_time = trace.wait_for(r"^pause 7$", 16, since=third_game)[0]
        time.sleep(2)
        stop(program)
        fourth_game = start(program)
        check(trace.find(r'^display "in 10 seconds\.\.\." #000000$', since=fourth_game),
              "no fresh countdown in black")
        first_call = trace.wait_for(r"^sound-start", 12, since=fourth_game)[0]
        check(first_call - pause_time > 7.5, "the stopped game's pause made a call")
        check(abs(first_call - fourth_game - 10.0) <= 0.03,
              f"the new game's first call came {first_call - fourth_game:.3f} s after Start")
        stop(program)
        print(f"stopped in the countdown, while '{limb_line.split()[1]}' was spoken (then heard "
              f"'{colour_line.split()[1]}'), and in a pause")


if __name__ == "__main__":
    main(scenario)
