#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The audio server failing under a running game: suspended (SIGSTOP) in the middle of a call;
absent at launch and started late; killed and started again five seconds later. The window
never waits for it: Stop and Exit answer at once, the calls keep their timing (silent
while nothing can be heard), and the first call after the server is back is heard."""
import os
import signal
import time

from limbora_e2e import AT_ONCE, LENGTH_KEPT, UNDER_WINE, Session, check, locate, main


def next_call(program, since):
    """When the next call's limb was asked for after `since`, with its name; the pause before
    it must have lasted seven seconds."""
    pause = program.trace.wait_for(r"^pause 7$", 15, since=since)[0]
    at, line = program.trace.wait_for(r"^sound-start \w+\.wav wait$", 10, since=pause + 0.001)
    program.session.within("the pause after seven seconds", at - pause - 7.0, -LENGTH_KEPT,
                           LENGTH_KEPT, at)
    return at, line.split()[1]


def stop_and_exit(session, program, window, label):
    sent = program.key("alt+s")
    stopped = program.trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent - 0.002)[0]
    session.within(f"{label}: Stop after its key", stopped - sent, 0.0, AT_ONCE, stopped,
                   keyed=program)
    sent = session.choose(window, "alt+f", "x")
    while session.xdotool("search", "--onlyvisible", "--pid", str(program.pid),
                          "--name", "^Limbora$", check_result=False):
        check(time.monotonic() - sent <= AT_ONCE, f"{label}: the window still shows after Exit")
    check(program.exit_code(0.5) == 0, f"{label}: Exit did not end the program cleanly")
    check(session.placement() is not None, f"{label}: the placement was not saved")


def heard_next(session, program, since, label):
    """Records the next call after `since` and checks its limb is heard; returns when it was
    asked for."""
    recorder = session.record()
    at, name = next_call(program, since)
    end = program.trace.wait_for(rf"^sound-end {name}$", 3, since=at)[0]
    deadline = time.monotonic() + 5
    while not recorder.arrivals or recorder.arrivals[-1][0] < end + 0.1:
        check(time.monotonic() < deadline, "the recorder fell silent")
        time.sleep(0.02)
    heard, score = locate(recorder.samples(), recorder.start_time(), name, at)
    started = program.trace.find(rf"^started {name}", since=at, category="limbora.sound")
    check(heard is not None and score > 0.8,
          f"{name} not heard {label} (score {score:.2f}, {'started' if started else 'never started'})")
    return at


def scenario(executable):
    with Session(audio=True) as session:
        try:
            # Suspended while the first limb is spoken, and left so.
            program = session.launch(executable)
            window = program.show()
            program.key("alt+s")
            first = program.trace.wait_for(r"^sound-start \w+\.wav wait$", 15)[0]
            os.kill(session.pulse.pid, signal.SIGSTOP)
            second, _ = next_call(program, first)
            end = program.trace.wait_for(r"^sound-end ", 2, since=second)[0]
            check(end - second <= 0.3, f"a sound that can't start held the call {end - second:.3f} s")
            stop_and_exit(session, program, window, "server suspended")
        finally:
            os.kill(session.pulse.pid, signal.SIGCONT)

        # Absent when the program starts, started only once a game runs; then killed in the
        # middle of the game and gone longer than a reconnecting client may give up after.
        session.kill_audio()
        program = session.launch(executable)
        window = program.show()
        program.key("alt+s")
        first = program.trace.wait_for(r"^sound-start \w+\.wav wait$", 15)[0]
        if UNDER_WINE:
            # Wine picks its audio driver once, at the program's start (Windows' audio service is
            # always there): the game stays silent, and keeps its time.
            next_call(program, first)
            stop_and_exit(session, program, window, "no server")
            return
        session._start_pulse()
        second = heard_next(session, program, first, "after the server started late")
        session.kill_audio()
        time.sleep(4)  # a client that retries for three seconds has given up by now
        session._start_pulse()
        heard_next(session, program, second, "after the server came back")
        stop_and_exit(session, program, window, "server restarted")
    print("suspended, late and restarted audio servers held up nothing; the next call was heard")


if __name__ == "__main__":
    main(scenario)
