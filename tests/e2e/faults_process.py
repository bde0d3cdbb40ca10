#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The process in a hostile world: a storm of termination signals, a display that doesn't
answer, a session bus that takes the connection and never answers (after a missing one, over TCP)
or never answers Hello, SIGTERM before the window, no session bus at all (none may be started),
and an install path whose bytes aren't UTF-8."""
import os
import re
import shutil
import signal
import socket
import subprocess
import threading
import time

from limbora_e2e import SOUNDS, Session, check, main


def greet_then_fall_silent(server):
    """Lets every client in as a bus does (credentials, descriptor passing), then never says
    another word: no answer to Hello."""
    def serve(client):
        try:
            for answer in (b"OK 0123456789abcdef0123456789abcdef\r\n", b"AGREE_UNIX_FD\r\n"):
                heard = b""
                while not heard.endswith(b"\r\n"):
                    byte = client.recv(1)
                    if not byte:
                        return
                    heard += byte
                client.sendall(answer)
            while client.recv(4096):
                pass
        except OSError:
            pass

    while True:
        try:
            client, _ = server.accept()
        except OSError:
            return
        threading.Thread(target=serve, args=(client,), daemon=True).start()


def bus_launches(session, executable):
    """The runs of dbus-launch that a start with no session bus attempts, under strace (none
    where strace is missing)."""
    if not shutil.which("strace"):
        return []
    log = session.tmp / "execs.log"
    traced = session.spawn(["strace", "-f", "-qq", "-e", "trace=execve", "-o", str(log), str(executable)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 15
    while not session.xdotool("search", "--onlyvisible", "--name", "^Limbora$", check_result=False):
        check(time.monotonic() < deadline and traced.poll() is None, "no window under strace")
        time.sleep(0.05)
    os.killpg(traced.pid, signal.SIGTERM)
    traced.wait(10)
    return [line for line in log.read_text().splitlines() if "dbus-launch" in line]


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

        # With no bus named and none in the runtime folder, nothing starts one (libdbus would,
        # through the X server, for Limbora or Qt's accessibility bridge, and it would outlive
        # the display); watched under strace, so that it shows where dbus-launch is missing too.
        check(program.trace.find("no session bus named", category="limbora.session"),
              "the trace doesn't say that it went on without a session bus")
        attempts = bus_launches(session, executable)
        check(not attempts, f"it tried to start a session bus: {attempts}")

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
        # would wait 25 s for it, on every address it tries): the window comes within 3 s of the
        # judging, which takes no longer, the game runs, SIGTERM ends it. Named by a path, by an
        # abstract name as older desktops do, after a missing one, over TCP; and one that lets
        # the client in and then never answers its Hello.
        abstract = f"limbora-silent-{os.getpid()}"
        path = session.tmp / "silent-bus"
        for name, address, greets in (
                (str(path), f"unix:path={path}", False),
                ("\0" + abstract, f"unix:abstract={abstract},guid=0123456789abcdef", False),
                (str(path), f"unix:path=/nonexistent/bus;unix:path={path}", False),
                (("127.0.0.1", 0), "tcp:host=127.0.0.1,port={port}", False),
                (str(path), f"unix:path={path}", True)):
            silent = socket.socket(socket.AF_INET if isinstance(name, tuple) else socket.AF_UNIX)
            silent.bind(name)
            silent.listen(16)
            address = address.format(port=silent.getsockname()[1] if isinstance(name, tuple) else 0)
            if greets:
                threading.Thread(target=greet_then_fall_silent, args=(silent,), daemon=True).start()
            asked = time.monotonic()
            program = session.launch(executable, extra_env={"DBUS_SESSION_BUS_ADDRESS": address})
            program.show()
            came = time.monotonic() - asked
            judged = program.trace.find(r"did not answer in \d+ ms", category="limbora.session")
            check(judged, f"{address} was not set aside")
            took = int(re.search(r"in (\d+) ms", judged[0][1]).group(1))
            check(took < 3000 and came < took / 1000 + 3, f"{address}: judged in {took} ms, the window after {came:.1f} s")
            program.key("alt+s")
            program.trace.wait_for(r'^status "The game will start"$', 2)
            os.kill(program.process.pid, signal.SIGTERM)
            check(program.exit_code(3.0) == 0, "SIGTERM did not end it cleanly beside a silent bus")
            silent.close()
            path.unlink(missing_ok=True)

        # Asked to end while it still judges a silent bus, before any window: it ends by the
        # window's close path, with 0.
        silent = socket.socket(socket.AF_UNIX)
        silent.bind(str(path))
        silent.listen(16)
        program = session.launch(executable, extra_env={"DBUS_SESSION_BUS_ADDRESS": f"unix:path={path}"})
        program.trace.wait_for(r"^greeting the session bus", 10, category="limbora.session")
        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(10) == 0, f"SIGTERM before the window ended it with {program.process.returncode}")
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
