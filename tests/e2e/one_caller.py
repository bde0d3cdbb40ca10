#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One caller at a time: a second start brings the running window to the front and exits 0, with
no session bus, and leaves the settings to the first; a lock left by a killed caller, or a FIFO,
an empty file or garbage in its place, doesn't keep the next one from starting; where the first
can't be reached, a second start shows its own window."""
import os
import pathlib
import signal
import time

from limbora_e2e import UNDER_WINE, Session, check, main


def scenario(executable):
    with Session(audio=False, window_manager=True) as session:
        first = session.launch(executable)
        window = first.show()
        first.key("alt+s")
        first.trace.wait_for(r'^status "The game will start"$', 3)
        session.xdotool("windowminimize", "--sync", window)
        check(not session.xdotool("search", "--onlyvisible", "--name", "^Limbora$", check_result=False),
              "the window did not minimize")

        started = time.monotonic()
        second = session.launch(executable)
        check(second.exit_code(5) == 0, f"the second start ended with {second.process.returncode}")
        took = time.monotonic() - started
        check(not second.trace.find(r"^status", category="limbora.game"), "the second start played")
        first.trace.wait_for(r"^raise requested$", 3, category="limbora.session")
        deadline = time.monotonic() + 3
        while session.xdotool("search", "--onlyvisible", "--name", "^Limbora$", check_result=False) != window:
            check(time.monotonic() < deadline, "the first window did not come back")
            time.sleep(0.05)
        check(session.xdotool("getactivewindow") == window, "the first window is not the active one")
        check(first.process.poll() is None, "the first caller ended")
        # Still the same game: the second start changed nothing of it.
        check(first.trace.find(r'^status "\(Game in progress\)"$') or
              first.trace.wait_for(r'^status "\(Game in progress\)"$', 12), "the game did not go on")

        # A caller killed outright leaves its lock and socket behind; the next start runs anyway.
        os.kill(first.process.pid, signal.SIGKILL)
        first.process.wait(5)
        third = session.launch(executable)
        third.show()
        check(third.process.poll() is None, "a start after a killed caller did not run")
        os.kill(third.process.pid, signal.SIGTERM)
        check(third.exit_code(3) == 0, "the third caller did not end cleanly")

        # Whatever lies where the lock goes (a FIFO, an empty file as a crash or a full disk
        # leaves, random bytes), a start comes up at once, and a second start still brings it
        # forward.
        lock = pathlib.Path(session.env["XDG_RUNTIME_DIR"]) / "limbora.lock"
        came = {}
        if UNDER_WINE:  # the lock and the socket are Windows' own there (a locked file, a named pipe)
            print(f"the second start raised the first and exited 0 after {took:.2f} s")
            return
        for kind in ("FIFO", "empty", "garbage"):
            lock.unlink(missing_ok=True)
            if kind == "FIFO":
                os.mkfifo(lock)
            else:
                lock.write_bytes(b"" if kind == "empty" else os.urandom(300))
            started = time.monotonic()
            first = session.launch(executable)
            first.show()
            came[kind] = time.monotonic() - started
            check(came[kind] < 5, f"with a lock that is {kind}, the window came after {came[kind]:.1f} s")
            if kind == "FIFO":
                check(first.trace.find(r"limbora\.lock in .* is a FIFO: running", category="limbora.session"),
                      "the trace doesn't say why the lock wasn't used")
            second = session.launch(executable)
            check(second.exit_code(5) == 0, f"the second start ended with {second.process.returncode}")
            first.trace.wait_for(r"^raise requested$", 3, category="limbora.session")
            os.kill(first.process.pid, signal.SIGTERM)
            check(first.exit_code(3) == 0, "the caller did not end cleanly")

        # A folder where the socket goes: the first can't be reached, so a second start shows its
        # own window rather than none.
        lock.unlink(missing_ok=True)
        (lock.parent / "limbora.socket").mkdir()
        first = session.launch(executable)
        first.show()
        second = session.launch(executable)
        second.show()
        check(second.trace.find("doesn't answer: running beside it", category="limbora.session"),
              "the trace doesn't say why the second start runs")
        for program in (first, second):
            os.kill(program.process.pid, signal.SIGTERM)
            check(program.exit_code(3) == 0, "a caller beside a folder at the socket did not end cleanly")
    print(f"the second start raised the first and exited 0 after {took:.2f} s; with a lock that is "
          + ", ".join(f"{kind}: the window after {seconds:.2f} s" for kind, seconds in came.items()))


if __name__ == "__main__":
    main(scenario)
