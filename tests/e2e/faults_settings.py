#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Settings and viewer faults survived: a garbage, an unreadable and an unwritable settings file,
a FIFO for a lock, a value that would nest without end, two instances closing at the same moment,
and no help viewer to start."""
import os
import signal
import time

from limbora_e2e import LENGTH_KEPT, Session, check, main

DEFAULT_POSITION = "Position: 67,67"  # 1000 twips, without a window manager's frame


def position(session, window):
    return session.xdotool("getwindowgeometry", window).splitlines()[1].strip().split(" (")[0]


def start_and_exit(session, executable, label, extra_env=None):
    """Starts the program, checks it opens where a first run does and starts a game, and ends
    it with File > Exit."""
    program = session.launch(executable, extra_env=extra_env)
    window = program.show()
    check(position(session, window) == DEFAULT_POSITION, f"{label}: opened at {position(session, window)}")
    program.key("alt+s")
    program.trace.wait_for(r'^status "The game will start"$', 3)
    session.choose(window, "alt+f", "x")
    check(program.exit_code(2.0) == 0, f"{label}: did not end cleanly")


def scenario(executable):
    with Session(audio=False) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)

        # Garbage: read as defaults, replaced by a good file at closing.
        settings.write_bytes(b"\xff\xfe[[[Settings\x00MainLeft==\n\x80\x81garbage" * 20)
        start_and_exit(session, executable, "garbage file")
        stored = session.placement()
        check(stored == {"MainLeft": "1000", "MainTop": "1000", "MainWidth": "6500", "MainHeight": "6500"},
              f"garbage file not replaced: {stored}")

        # Unreadable: the file's name taken by a folder. Nothing is lost, nothing breaks.
        settings.unlink()
        settings.mkdir()
        (settings / "keep").write_text("mine")
        start_and_exit(session, executable, "unreadable file")
        check((settings / "keep").read_text() == "mine", "the folder in the file's place was touched")

        # Unwritable: a settings folder that can't be made, even by root.
        start_and_exit(session, executable, "unwritable folder", {"XDG_CONFIG_HOME": "/proc/limbora-config"})

    # A FIFO at the lock's name: Configure's OK in the middle of a game and closing both end
    # within the bound, and the settings stay as they were.
    with Session(audio=False) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\nMainLeft=1500\nMainTop=1500\nMainWidth=6500\nMainHeight=6500\n")
        before = settings.read_bytes()
        os.mkfifo(str(settings) + ".lock")
        program = session.launch(executable)
        window = program.show()
        sent = program.key("alt+s")
        started = program.trace.wait_for(r'^status "The game will start"$', 3, since=sent)[0]
        session.choose(window, "alt+t", "c")
        dialog = program.wait_for_window(title="Configure Limbora")
        confirmed = time.monotonic()
        session.press(dialog, "Return")  # the dialog has the focus, not STOP!
        first = program.trace.wait_for(r"^sound-start", 12, since=started)[0]
        session.within("the first call after Start", first - started - 10.0, -LENGTH_KEPT,
                       LENGTH_KEPT, first)
        check(first > confirmed, "the game did not go on after Configure")
        exited = session.choose(window, "alt+f", "x")
        check(program.exit_code(2.0) == 0, "a FIFO lock: did not end cleanly")
        check(time.monotonic() - exited < 1.0, "a FIFO lock: closing took too long")
        check(settings.read_bytes() == before, "a FIFO lock: the settings changed")

    # A value QSettings would decode as deeply nested lists: the program starts at the defaults
    # instead of crashing, and closing replaces the file.
    with Session(audio=False) as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        nested = "@Variant(" + "\\0\\0\\0\\t\\0\\0\\0\\x1" * 25000 + ")"
        settings.write_text("[Settings]\nMainLeft=3000\n[Game]\nPauseSeconds=" + nested + "\n")
        start_and_exit(session, executable, "nested value")
        stored = session.placement()
        check(stored == {"MainLeft": "1000", "MainTop": "1000", "MainWidth": "6500", "MainHeight": "6500"},
              f"nested value: file not replaced: {stored}")

    # Two instances closing at the same moment: the file stays whole and holds one placement.
    # One caller runs per login, so the second stands for another login of the same user.
    with Session(audio=False) as session:
        other_login = session.tmp / "runtime-other"
        other_login.mkdir(mode=0o700)
        programs = [session.launch(executable),
                    session.launch(executable, extra_env={"XDG_RUNTIME_DIR": str(other_login)})]
        placements = []
        for program, (left, top) in zip(programs, ((100, 100), (300, 200))):
            window = program.show()
            session.xdotool("windowmove", "--sync", window, str(left), str(top))
            placements.append({"MainLeft": str(left * 15), "MainTop": str(top * 15),
                               "MainWidth": "6500", "MainHeight": "6500"})
        # Each has seen its move (the X server's word of it may come after a signal sent at once).
        time.sleep(0.5)
        for program in programs:
            os.kill(program.process.pid, signal.SIGTERM)
        for program in programs:
            check(program.exit_code(2.0) == 0, "an instance did not end cleanly")
        text = session.settings_file().read_text()
        check(text.startswith("[Settings]\n") and text.count("=") == 4, f"settings file damaged:\n{text}")
        check(session.placement() in placements, f"stored {session.placement()}, neither instance's")

    # No help viewer: Help > Contents changes nothing, and the game goes on.
    with Session(audio=False) as session:
        program = session.launch(executable, extra_env={"PATH": "/nonexistent"})
        window = program.show()
        program.key("alt+s")
        started = program.trace.wait_for(r'^status "The game will start"$', 3)[0]
        session.choose(window, "alt+h", "c")
        program.trace.wait_for(r"^xdg-open .*limbora\.html: could not start$", 3, category="limbora.help")
        first = program.trace.wait_for(r"^sound-start", 12, since=started)[0]
        session.within("the first call after Start", first - started - 10.0, -LENGTH_KEPT,
                       LENGTH_KEPT, first)
        check(program.process.poll() is None, "the program ended")
    print("garbage, unreadable and unwritable settings, two instances and a missing viewer survived")


if __name__ == "__main__":
    main(scenario)
