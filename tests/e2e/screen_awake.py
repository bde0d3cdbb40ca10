#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen stays awake during a game: on a private session bus with stand-ins for the desktop
portal, org.freedesktop.ScreenSaver and GNOME's session manager, a game holds an inhibitor from
Start, through the desktop's first offer, also while paused, and lets go at Stop; the next offer serves where the
first is missing; Exit and SIGTERM in a game let go too; what a service grants after the
program stopped waiting is given back."""
import ctypes
import os
import queue
import signal
import subprocess
import threading
import time

from limbora_e2e import HERE, Failure, Session, check, main


class StandIn:
    def __init__(self, session, *services):
        self.process = session.spawn(["/usr/bin/python3", str(HERE / "session_standin.py"), *services],
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.expect("ready", 10)

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.strip())

    def expect(self, prefix, timeout):
        deadline = time.monotonic() + timeout
        while True:
            try:
                line = self.lines.get(timeout=max(0.01, deadline - time.monotonic()))
            except queue.Empty:
                raise Failure(f"stand-in: no '{prefix}' within {timeout} s") from None
            if line.startswith(prefix):
                return line
            raise Failure(f"stand-in: '{line}' where '{prefix}' was expected")

    def quiet(self, seconds):
        try:
            line = self.lines.get(timeout=seconds)
        except queue.Empty:
            return
        raise Failure(f"stand-in: unexpected '{line}'")

    def held_after(self, seconds):
        """How many inhibits are held once the stand-in has been quiet for a while."""
        held, deadline = 0, time.monotonic() + seconds
        while True:
            try:
                line = self.lines.get(timeout=max(0.01, deadline - time.monotonic()))
            except queue.Empty:
                return held
            held += 1 if line.startswith("inhibit") else -1

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=5)


class XScreenSaver:
    """The X server's own screen saver, through Xlib and libXss."""

    class Info(ctypes.Structure):
        _fields_ = [("window", ctypes.c_ulong), ("state", ctypes.c_int), ("kind", ctypes.c_int),
                    ("til_or_since", ctypes.c_ulong), ("idle", ctypes.c_ulong),
                    ("event_mask", ctypes.c_ulong)]

    ON = 1

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xss = ctypes.CDLL("libXss.so.1")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XSetScreenSaver.argtypes = [ctypes.c_void_p] + [ctypes.c_int] * 4
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xss.XScreenSaverQueryInfo.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                                   ctypes.POINTER(self.Info)]
        self.display = self.x11.XOpenDisplay(display.encode())
        check(self.display, f"no X display {display}")

    def blank_after(self, seconds):
        self.x11.XSetScreenSaver(self.display, seconds, 0, 1, 0)
        self.x11.XSync(self.display, 0)

    def is_on(self):
        info = self.Info()
        self.xss.XScreenSaverQueryInfo(self.display, self.x11.XDefaultRootWindow(self.display),
                                       ctypes.byref(info))
        return info.state == self.ON


def scenario(executable):
    with Session(audio=False) as session:
        bus = session.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                            stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        check(address.startswith("unix:"), f"dbus-daemon said '{address}'")
        session.env["DBUS_SESSION_BUS_ADDRESS"] = address

        standin = StandIn(session, "portal", "screensaver", "gnome")
        program = session.launch(executable)
        program.show()
        standin.quiet(0.5)  # nothing is held before a game

        # The portal first, asked for idle (8); Stop lets go; a second game holds again.
        program.key("alt+s")
        line = standin.expect("inhibit portal", 3)
        check("flags=8" in line and "reason=A game is running" in line, line)
        paused = program.key("p")  # a paused game keeps the screen awake
        program.trace.wait_for(r"^pause-hold$", 2, since=paused)
        standin.quiet(1.0)
        program.key("alt+s")
        standin.expect("release portal", 3)
        program.key("alt+s")
        standin.expect("inhibit portal", 3)
        program.key("alt+s")
        standin.expect("release portal", 3)
        standin.stop()

        # No portal: org.freedesktop.ScreenSaver; File > Exit in the game lets go.
        standin = StandIn(session, "screensaver", "gnome")
        program.key("alt+s")
        standin.expect("inhibit screensaver", 3)
        session.choose(program.window, "alt+f", "x")
        check(program.exit_code(3) == 0, "Exit did not end the program cleanly")
        line = standin.expect("", 3)
        check(line in ("release screensaver", "gone screensaver"), f"at Exit: {line}")
        standin.stop()

        # Only GNOME's session manager; SIGTERM in the game lets go.
        standin = StandIn(session, "gnome")
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        standin.expect("inhibit gnome", 3)
        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(3) == 0, "SIGTERM did not end the program cleanly")
        line = standin.expect("", 3)
        check(line in ("release gnome", "gone gnome"), f"at SIGTERM: {line}")
        standin.stop()

        # Services that grant only after the program stopped waiting: the next offer holds, and
        # what they granted late is given back as the answer comes. Six games leave nothing held.
        standin = StandIn(session, "late", "portal", "screensaver")
        program = session.launch(executable)
        program.show()
        for game in range(6):
            started = program.key("alt+s")
            # Both services are given up after a second each; the last late grant comes 0.3 s on.
            program.trace.wait_for(r"^inhibit fallback$", 5, since=started, category="limbora.session")
            time.sleep(0.6)
            stopped = program.key("alt+s")
            program.trace.wait_for(r"^release fallback$", 3, since=stopped, category="limbora.session")
        held = standin.held_after(2.0)
        check(held == 0, f"{held} inhibits still held after six games with late answers")
        check(len(program.trace.find(r"^late answer to Inhibit: undone$", category="limbora.session")) == 12,
              "not every late grant was undone")
        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(3) == 0, "SIGTERM did not end the program cleanly")
        standin.stop()

    # A bare X server, no bus: its own screen saver is suspended during a game, and comes on
    # again after Stop.
    with Session(audio=False) as session:
        saver = XScreenSaver(session.env["DISPLAY"])
        saver.blank_after(1)
        program = session.launch(executable, extra_env={
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent/limbora-bus"})
        program.show()
        program.key("alt+s")
        program.trace.wait_for(r"^inhibit fallback$", 3, category="limbora.session")
        time.sleep(2.5)
        check(not saver.is_on(), "the X screen saver came on during a game")
        program.key("alt+s")
        program.trace.wait_for(r"^release fallback$", 3, category="limbora.session")
        time.sleep(2.5)
        check(saver.is_on(), "the X screen saver stayed off after Stop")
    print("portal, ScreenSaver and GNOME inhibitors and the X screen saver held in a game and let go")


if __name__ == "__main__":
    main(scenario)
