#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The process in a hostile world: a storm of termination signals, a display that doesn't
answer, a session bus that takes the connection and never answers, and an install path whose
bytes aren't UTF-8."""
import os
import shutil
import signal
import socket
import subprocess
import time

from limbora_e2e import SOUNDS, Session, check, main


def scenario(executable):
    with Session(audio=True) as session:
        # Twenty thousand mixed signals at once: it ends cleanly, with the placement saved.
        program = session.launch(executable)
        window = program.show()
        session.xdotool("windowmove", "--sync", window, "150", "120")
        kinds = [signal.SIGTERM, signal.SIGINT, signal.SIGHUP]
        for count in range(20000):
            try:
                os.kill(program.process.pid, kinds[count % 3])
            except ProcessLookupError:
                break
        check(program.exit_code(3.0) == 0, "the signal storm did not end it cleanly")
        check(session.placement() == {"MainLeft": "2250", "MainTop": "1800", "MainWidth": "6500",
                                      "MainHeight": "6500"}, f"saved {session.placement()}")

        # A display that names no server is told as plainly as no display at all.
        answers = []
        for display in ("", ":999"):
            env = dict(session.env, DISPLAY=display)
            env.pop("WAYLAND_DISPLAY", None)
            result = subprocess.run([str(executable)], env=env, capture_output=True, text=True, timeout=10)
            answers.append((result.returncode, result.stderr))
        check(answers[0] == answers[1] and answers[0][0] == 1 and answers[0][1].startswith("limbora: "),
              f"no display and an unanswering one differ: {answers}")

        # A session bus that takes the connection and never answers holds up nothing (libdbus
        # would wait 25 s for it): the window comes at once, the game runs, SIGTERM ends it.
        # Named by a path, and by an abstract name as older desktops do.
        abstract = f"limbora-silent-{os.getpid()}"
        for name, address in ((str(session.tmp / "silent-bus"), f"unix:path={session.tmp / 'silent-bus'}"),
                              ("\0" + abstract, f"unix:abstract={abstract},guid=0123456789abcdef")):
            silent = socket.socket(socket.AF_UNIX)
            silent.bind(name)
            silent.listen(16)
            asked = time.monotonic()
            program = session.launch(executable, extra_env={"DBUS_SESSION_BUS_ADDRESS": address})
            program.show()
            check(time.monotonic() - asked < 5, f"{address}: the window came after {time.monotonic() - asked:.1f} s")
            check(program.trace.find("did not answer", category="limbora.session"), f"{address} was not set aside")
            program.key("alt+s")
            program.trace.wait_for(r'^status "The game will start"$', 2)
            os.kill(program.process.pid, signal.SIGTERM)
            check(program.exit_code(3.0) == 0, "SIGTERM did not end it cleanly beside a silent bus")
            silent.close()

        # Installed under a name that isn't UTF-8: the sounds are still found and heard out.
        root = session.tmp / os.fsdecode(b"caf\xe9")
        (root / "bin").mkdir(parents=True)
        shutil.copy2(executable, root / "bin" / "limbora")
        shutil.copytree(SOUNDS, root / "share" / "limbora")
        program = session.launch(root / "bin" / "limbora", cwd="/")
        program.show()
        program.key("alt+s")
        start = program.trace.wait_for(r"^sound-start \w+\.wav wait$", 15)[0]
        end = program.trace.wait_for(r"^sound-end ", 3, since=start)[0]
        check(end - start > 0.5, f"the first sound lasted {end - start:.3f} s: not found")
    print("a signal storm, an unanswering display, a silent session bus and a non-UTF-8 install "
          "path were survived")


if __name__ == "__main__":
    main(scenario)
