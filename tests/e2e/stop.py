#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Stop in each phase of a game, and Start again within a pause: the window resets at once, a
call being spoken still finishes its colour word unseen, and a stopped game never calls again."""
import time

from limbora_e2e import (AT_ONCE, LENGTH_KEPT, VOICE_AHEAD, VOICE_BEHIND, Session, check, heard,
                         main)


def stop(session, program):
    sent = program.key("alt+s")
    stopped = program.trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent)[0]
    session.within("Stop after its key", stopped - sent, 0.0, AT_ONCE, stopped, keyed=program)
    # The reset's lines come one by one (under Wine, a write each): its last one closes it.
    program.trace.wait_for(r"^buttons start=1 stop=0$", 1, since=stopped)
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
        stop(session, program)
        reset = [m for _, m in trace.game()[-3:]]
        check(reset == ['status "(Game stopped)"', 'display "" #000000', "buttons start=1 stop=0"],
              f"stop: {reset}")

        # While the limb is spoken: the colour is still heard, but never shown.
        second_game = start(program)
        limb_time, limb_line = trace.wait_for(r"^sound-start \w+\.wav wait$", 15, since=second_game)
        check(limb_time - first_game > 10.5, "the stopped countdown made a call")
        stopped = stop(session, program)
        check(stopped < trace.wait_for(r"^sound-end", 3, since=limb_time)[0], "Stop waited for the limb")
        colour_time, colour_line = trace.wait_for(r"^sound-start \w+\.wav wait$", 3, since=limb_time + 0.001)
        colour_end = trace.wait_for(r"^sound-end " + colour_line.split()[1], 3, since=colour_time)[0]
        time.sleep(8.5)
        lines = trace.game(since=limb_time)
        reset = [i for i, (_, m) in enumerate(lines) if m == "buttons start=1 stop=0"][0]
        after = lines[reset + 1:]
        check(all(m.startswith("sound-") for _, m in after), f"a stopped game changed the window: {after}")
        check(len(trace.find(r"^sound-start", since=colour_time + 0.001)) == 0, "a stopped game called again")
        colour = heard(recorder, recorder.samples(), colour_line.split()[1], colour_time, colour_end)
        if colour[1] > 0.8 or not session.unheard(program, colour_line.split()[1], colour_time, recorder):
            check(colour[1] > 0.8, f"the colour was not heard (match {colour[1]:.2f}) {colour.note}")
            session.within("the stopped call's colour heard after it was asked for",
                           colour[0] - colour_time, -VOICE_AHEAD, VOICE_BEHIND, colour[0],
                           recorder)

        # During the pause, then Start at once: a fresh countdown, and the old pause stays dead.
        third_game = start(program)
        pause_time = trace.wait_for(r"^pause 7$", 16, since=third_game)[0]
        time.sleep(2)
        stop(session, program)
        fourth_game = start(program)
        check(trace.wait_for(r'^display "in \d+ seconds\.\.\." ', 1, since=fourth_game)[1]
              == 'display "in 10 seconds..." #000000', "no fresh countdown in black")
        first_call = trace.wait_for(r"^sound-start", 12, since=fourth_game)[0]
        check(first_call - pause_time > 7.5, "the stopped game's pause made a call")
        session.within("the new game's first call after ten seconds",
                       first_call - fourth_game - 10.0, -LENGTH_KEPT, LENGTH_KEPT, first_call)
        stop(session, program)
        print(f"stopped in the countdown, while '{limb_line.split()[1]}' was spoken (then heard "
              f"'{colour_line.split()[1]}'), and in a pause")


if __name__ == "__main__":
    main(scenario)
