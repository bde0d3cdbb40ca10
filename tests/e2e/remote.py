#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Limbora as a media player on a private session bus, driven with playerctl as the desktop's
media controls or a phone would drive it: Play starts a game, the title follows each call,
Previous in a pause says the call again and the whole pause follows it, Pause and Play hold and
resume the pause with the time that was left, Next in a pause makes the next call at once (and
CanGoNext says so), Stop stops, and the status is Playing, Paused
and Stopped at the right moments. Stop and Play behind the About box leave nothing of the old game
to be said and start the countdown when the box closes. The call's art lives in the runtime folder
while on the bus and is gone at exit. Without a bus, with the name taken, or with no remote that
reads the metadata, the game runs as before and makes no art; a name the bus grants too late is
given back."""
import os
import pathlib
import signal
import socket
import subprocess
import sys
import threading
import time

from limbora_e2e import LENGTH_KEPT, Session, check, main

PAUSE = 4
COUNTDOWN = 3
# How late a call may come against its deadline here, and how long playerctl and the bus may take
# to carry a request, on a busy two-core machine.
CARRIED = 0.5


class Bus:
    """A private session bus, and playerctl talking to Limbora on it."""

    def __init__(self, session):
        self.session = session
        self.daemon = session.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.daemon.stdout.readline().strip()
        check(self.address.startswith("unix:"), "the session bus did not start")
        self.env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=self.address)

    def ctl(self, *arguments):
        result = subprocess.run(["playerctl", "--player=limbora", *arguments], env=self.env,
                                capture_output=True, text=True, timeout=10)
        return result.stdout.strip() if result.returncode == 0 else None

    def properties(self, interface):
        """GetAll of an interface, as dbus-send prints it, squeezed to single spaces."""
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.limbora",
             "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.GetAll",
             f"string:{interface}"], env=self.env, capture_output=True, text=True, timeout=10)
        lines = [" ".join(line.split()) for line in result.stdout.splitlines()]
        return "\n".join(lines)

    def named(self):
        """Whether the player's name is on the bus, asked of the bus alone: no property is read."""
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"], env=self.env,
            capture_output=True, text=True, timeout=10)
        return '"org.mpris.MediaPlayer2.limbora"' in result.stdout

    def players(self):
        result = subprocess.run(["playerctl", "--list-all"], env=self.env, capture_output=True,
                                text=True, timeout=10)
        return result.stdout.split()

    def wait_for_status(self, status, timeout=2.0):
        deadline = time.monotonic() + timeout
        while self.ctl("status") != status:
            check(time.monotonic() < deadline, f"status {self.ctl('status')!r}, not {status!r}")
            time.sleep(0.02)

    def follow(self, *arguments):
        """What playerctl --follow prints, line by line with its time: it hears only what the
        player announces."""
        process = self.session.spawn(["playerctl", "--player=limbora", "--follow", *arguments],
                                     env=self.env, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True)
        lines = []
        threading.Thread(target=lambda: [lines.append((time.monotonic(), line.rstrip("\n")))
                                         for line in process.stdout], daemon=True).start()
        return lines


def short_game(session):
    settings = session.settings_file()
    settings.parent.mkdir(parents=True, exist_ok=True)
    settings.write_text(f"[Game]\nPauseSeconds={PAUSE}\nCountdownSeconds={COUNTDOWN}\n")


def art_files(session):
    """The call pictures in the runtime and the cache folders."""
    return [str(path) for folder in ("XDG_RUNTIME_DIR", "XDG_CACHE_HOME")
            for path in pathlib.Path(session.env[folder]).glob("**/call-*.png")]


def call_shown(trace, since):
    """The text of the first whole call shown after `since`, as the window shows it."""
    time_shown, line = trace.wait_for(r'^display "(LEFT|RIGHT) (HAND|FOOT) (GREEN|YELLOW|BLUE|RED)"',
                                      10, since=since)
    return time_shown, line.split('"')[1]


def remote_drives_a_game(executable):
    with Session(audio=True) as session:
        short_game(session)
        bus = Bus(session)
        launched = time.monotonic()
        program = session.launch(executable, extra_env={"DBUS_SESSION_BUS_ADDRESS": bus.address})
        program.show()
        shown = time.monotonic()
        trace = program.trace
        deadline = time.monotonic() + 5
        while "limbora" not in bus.players():
            check(time.monotonic() < deadline, "no player limbora on the bus")
            time.sleep(0.05)
        check(bus.ctl("status") == "Stopped", f"status before a game: {bus.ctl('status')}")
        root = bus.properties("org.mpris.MediaPlayer2")
        for expected in ('"Identity"\nvariant string "Limbora"',
                         '"DesktopEntry"\nvariant string "org.limbora.Limbora"',
                         '"CanRaise"\nvariant boolean true'):
            check(expected in root, f"no {expected!r} in {root}")
        player = bus.properties("org.mpris.MediaPlayer2.Player")
        for offered in ("CanGoNext", "CanSeek"):
            check(f'"{offered}"\nvariant boolean false' in player, f"{offered} in {player}")
        statuses = bus.follow("status")
        titles = bus.follow("metadata", "xesam:title")
        deadline = time.monotonic() + 5
        while not statuses:  # playerctl has found the player and says where it stands
            check(time.monotonic() < deadline, "playerctl --follow said nothing")
            time.sleep(0.02)
        time.sleep(0.3)

        play_sent = time.monotonic()
        bus.ctl("play")
        started = trace.wait_for(r'^status "The game will start"$', 2, since=play_sent)[0]
        check(started - play_sent < CARRIED, f"Play took {started - play_sent:.3f} s")
        bus.wait_for_status("Playing")
        check(bus.ctl("metadata", "xesam:title") == "The game will start",
              f"countdown title {bus.ctl('metadata', 'xesam:title')!r}")

        # The first call, then Previous in its pause.
        first_time, first_call = call_shown(trace, started)
        first_pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=first_time)[0]
        title = bus.ctl("metadata", "xesam:title")
        check(title == first_call, f"the title is {title!r}, not {first_call!r}")
        metadata = bus.ctl("metadata")
        art = bus.ctl("metadata", "mpris:artUrl") or ""
        runtime = pathlib.Path(session.env["XDG_RUNTIME_DIR"])
        check(art.startswith(f"file://{runtime}/limbora/call-"), f"the art is at {art!r}")
        check(art_files(session) == [art[len("file://"):]], f"art files {art_files(session)}")
        player = bus.properties("org.mpris.MediaPlayer2.Player")
        check('"mpris:trackid"\nvariant object path "/org/limbora/Limbora/track/' in player,
              f"the track id is not an object path: {player}")
        time.sleep(1.0)
        previous_sent = time.monotonic()
        bus.ctl("previous")
        repeated = trace.wait_for(r"^repeat$", 2, since=previous_sent)[0]
        check(repeated - previous_sent < CARRIED, f"Previous took {repeated - previous_sent:.3f} s")
        limb = trace.find(r"^sound-start \w+\.wav wait$", since=first_time - 2)[0][1].split()[1]
        said = trace.wait_for(r"^sound-start \w+\.wav wait$", 1, since=repeated)
        check(said[1].split()[1] == limb and said[0] - repeated < 0.05,
              f"Previous said {said[1]} after {said[0] - repeated:.3f} s, not {limb}")
        # Said whole, then the whole pause again.
        repeat_pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=repeated)[0]
        second_time, second_call = call_shown(trace, repeat_pause + PAUSE - 0.5)
        second_start = trace.wait_for(r"^sound-start", 1, since=repeat_pause + PAUSE - 0.5)[0]
        session.within("after Previous, the whole pause before the next call",
                       second_start - repeat_pause - PAUSE, -LENGTH_KEPT, LENGTH_KEPT,
                       second_start)
        trace.wait_for(rf"^pause {PAUSE}$", 5, since=second_time)
        check(bus.ctl("metadata", "xesam:title") == second_call, "the title did not follow")

        # Pause a second into the pause, hold it longer than it had left, Play again.
        second_pause = trace.find(rf"^pause {PAUSE}$", since=second_time)[0][0]
        time.sleep(max(0.0, second_pause + 1.0 - time.monotonic()))
        sent = time.monotonic()
        bus.ctl("pause")
        held = trace.wait_for(r'^status "', 2, since=sent)
        check(held[0] - sent < CARRIED and held[1] != 'status "(Game in progress)"',
              f"Pause: {held}")
        bus.wait_for_status("Paused")
        time.sleep(PAUSE + 1)
        check(not trace.find(r"^sound-start|^display", since=held[0]), "a paused game went on")
        check(bus.ctl("status") == "Paused", "no longer paused")
        sent = time.monotonic()
        bus.ctl("play")
        resumed = trace.wait_for(r'^status "\(Game in progress\)"$', 2, since=sent)[0]
        bus.wait_for_status("Playing")
        third_start = trace.wait_for(r"^sound-start", PAUSE + 2, since=resumed)[0]
        left = PAUSE - (held[0] - second_pause)
        session.within(f"the next call after Play, {left:.3f} s were left",
                       third_start - resumed - left, -LENGTH_KEPT, LENGTH_KEPT, third_start)
        third_time, third_call = call_shown(trace, resumed)
        time.sleep(0.3)
        check(bus.ctl("metadata", "xesam:title") == third_call, "the title did not follow")

        # Next a second into the pause: the next call at once.
        third_pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=third_time)[0]
        time.sleep(max(0.0, third_pause + 1.0 - time.monotonic()))
        player = bus.properties("org.mpris.MediaPlayer2.Player")
        check('"CanGoNext"\nvariant boolean true' in player, f"CanGoNext in a pause: {player}")
        sent = time.monotonic()
        bus.ctl("next")
        nexted = trace.wait_for(r"^next$", 2, since=sent)[0]
        check(nexted - sent < CARRIED, f"Next took {nexted - sent:.3f} s")
        said = trace.wait_for(r"^sound-start \w+\.wav wait$", 1, since=nexted)[0]
        check(said - nexted < 0.05, f"Next's call said {said - nexted:.3f} s after it")
        fourth_time, fourth_call = call_shown(trace, nexted)
        time.sleep(0.3)
        check(bus.ctl("metadata", "xesam:title") == fourth_call, "the title did not follow Next")

        sent = time.monotonic()
        bus.ctl("stop")
        stopped = trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent)[0]
        check(stopped - sent < CARRIED, f"Stop took {stopped - sent:.3f} s")
        bus.wait_for_status("Stopped")
        check(not bus.ctl("metadata", "xesam:title"), "a stopped game still has a title")
        time.sleep(0.5)

        heard = [line for _, line in statuses]
        check(heard == ["Stopped", "Playing", "Paused", "Playing", "Stopped"],
              f"announced statuses: {heard}")
        heard_titles = [line for _, line in titles]
        for title in ("The game will start", first_call, second_call, third_call, fourth_call):
            check(title in heard_titles, f"title {title!r} never announced: {heard_titles}")
        session.press(program.window, "alt+f", "x")
        check(program.exit_code(5) == 0, "did not exit cleanly")
        check(not art_files(session) and not (runtime / "limbora").exists(),
              f"the art outlived the program: {art_files(session)}")
        print(f"window shown {shown - launched:.3f} s after launch; calls {first_call!r}, "
              f"{second_call!r}, {third_call!r}; Play to countdown {started - play_sent:.3f} s, "
              f"Previous to repeat {repeated - previous_sent:.3f} s, next call "
              f"{1000 * (second_start - first_pause - PAUSE):+.1f} ms against its deadline, "
              f"held {held[0] - second_pause:.3f} s into the pause, resumed with "
              f"{third_start - resumed:.3f} s of {left:.3f} s left")
        print(f"playerctl metadata mid-call:\n{metadata}")


def plays_without_a_remote(executable, how):
    """A game started from the keyboard runs as it always did; without a bus the media keys
    still play it on the window."""
    with Session(audio=False) as session:
        short_game(session)
        extra = {}
        if how == "no reader":
            bus = Bus(session)
            extra["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        if how == "name taken":
            bus = Bus(session)
            holder = session.spawn(
                [sys.executable, "-c",
                 "import dbus, sys, time\n"
                 "bus = dbus.bus.BusConnection(sys.argv[1])\n"
                 "bus.request_name('org.mpris.MediaPlayer2.limbora', 4)\n"
                 "print('held', bus.get_unique_name(), flush=True); time.sleep(60)\n",
                 bus.address],
                stdout=subprocess.PIPE, text=True)
            held_by = holder.stdout.readline().split()
            check(held_by[:1] == ["held"], "the name could not be held")
            extra["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        launched = time.monotonic()
        program = session.launch(executable, extra_env=extra)
        program.show()
        shown = time.monotonic() - launched
        check(shown < 5.0, f"{how}: the window took {shown:.3f} s")
        deadline = time.monotonic() + 5
        while how == "no reader" and not bus.named():
            check(time.monotonic() < deadline, "no player limbora on the bus")
            time.sleep(0.05)
        keys = how == "no bus"
        sent = program.key("XF86AudioPlay" if keys else "Return")
        trace = program.trace
        started = trace.wait_for(r'^status "The game will start"$', 2, since=sent)[0]
        call_time, call = call_shown(trace, started)
        first = trace.find(r"^sound-start", since=started)[0][0]
        session.within(f"{how}: the first call after Start", first - started - COUNTDOWN,
                       -LENGTH_KEPT, LENGTH_KEPT, first)
        if keys:
            pause = trace.wait_for(rf"^pause {PAUSE}$", 5, since=call_time)[0]
            trace.wait_for(r"^repeat$", 1, since=program.key("XF86AudioPrev"))
            held = trace.wait_for(r'^status "', 1, since=program.key("XF86AudioPause"))
            check(held[1] != 'status "(Game in progress)"', f"the Pause key: {held}")
            time.sleep(PAUSE)
            check(not trace.find(r"^sound-start \w+\.wav wait$", since=pause + PAUSE - 0.5),
                  "the Pause key did not hold the game")
            trace.wait_for(r'^status "\(Game in progress\)"$', 1,
                           since=program.key("XF86AudioPlay"))
        program.key("XF86AudioStop" if keys else "alt+s")
        trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=call_time)
        if how == "name taken":
            owner = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.GetNameOwner",
                 "string:org.mpris.MediaPlayer2.limbora"], env=bus.env, capture_output=True,
                text=True, timeout=10).stdout
            check(f'"{held_by[1]}"' in owner, f"the name changed hands: {owner}")
        closing = session.press(program.window, "alt+f", "x")
        code = program.exit_code(5)
        check(code == 0, f"{how}: exit code {code}")
        ended = time.monotonic() - closing
        check(ended < 2.0, f"{how}: closing took {ended:.3f} s")
        warnings = [line for line in trace.other if line.strip()]
        check(not warnings, f"{how}: the program said {warnings}")
        check(not art_files(session),
              f"{how}: art made though no remote read it: {art_files(session)}")
        print(f"{how}: window after {shown:.3f} s, {call!r} on time, closed in {ended:.3f} s"
              + (" (media keys: Play, Previous, Pause, Play, Stop)" if keys else ""))


def stop_and_play_behind_the_about_box(executable):
    """About opened while a limb is said, then Stop and Play from the remote: the old call's colour
    is never said, the new countdown runs once the box closes, and the status tells the truth."""
    with Session(audio=True) as session:
        short_game(session)
        bus = Bus(session)
        program = session.launch(executable, extra_env={"DBUS_SESSION_BUS_ADDRESS": bus.address})
        program.show()
        trace = program.trace
        deadline = time.monotonic() + 5
        while "limbora" not in bus.players():
            check(time.monotonic() < deadline, "no player limbora on the bus")
            time.sleep(0.05)
        bus.ctl("play")
        limb = trace.wait_for(r"^sound-start (left|right)(hand|foot)\.wav wait$", COUNTDOWN + 3)[0]
        program.key("alt+h")
        time.sleep(0.1)
        program.key("a")
        suspended = trace.wait_for(r"^suspend$", 2, since=limb)[0]
        about = program.wait_for_window(title="About Limbora")
        limb_end = trace.wait_for(r"^sound-end", 3, since=limb)[0]
        held = suspended < limb_end
        sent = time.monotonic()
        bus.ctl("stop")
        stopped = trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent)[0]
        bus.wait_for_status("Stopped")
        bus.ctl("play")
        trace.wait_for(r'^status "The game will start"$', 2, since=stopped)
        bus.wait_for_status("Playing")
        time.sleep(COUNTDOWN + 1)  # longer than the countdown, behind the box
        check(not trace.find(r"^sound-start", since=stopped), "a sound started behind the box")
        session.press(about, "Return")
        resumed = trace.wait_for(r"^resume$", 3, since=stopped)[0]
        check(bus.ctl("status") == "Playing", f"status {bus.ctl('status')!r} after closing")
        first = trace.wait_for(r"^sound-start \w+\.wav wait$", COUNTDOWN + 2, since=resumed)
        check(first[1].split()[1].startswith(("left", "right")),
              f"the first sound after the box closed was {first[1]}")
        session.within("the new game's first call after the box closed",
                       first[0] - resumed - COUNTDOWN, -LENGTH_KEPT, LENGTH_KEPT, first[0])
        bus.ctl("stop")
        bus.wait_for_status("Stopped")
        session.press(program.window, "alt+f", "x")
        check(program.exit_code(5) == 0, "did not exit cleanly")
        print(f"About opened {'while' if held else 'after'} the limb was said; Stop and Play "
              f"behind it; the new game's first call came {first[0] - resumed:.3f} s after the "
              f"box closed, nothing between")


def slow_bus(session, bus, delay):
    """A socket in front of the bus that holds back what the bus says to a client for `delay`
    seconds once that client has asked for a name; returns its address."""
    path = session.tmp / "slow-bus"
    server = socket.socket(socket.AF_UNIX)
    server.bind(str(path))
    server.listen(16)
    real = bus.address.split("unix:path=")[1].split(",")[0]

    def pump(source, target, asked, held_back):
        try:
            while data := source.recv(65536):
                if asked is not None and b"RequestName" in data:
                    asked.append(time.monotonic())
                if held_back:
                    time.sleep(max(0.0, held_back[0] + delay - time.monotonic()))
                target.sendall(data)
        except OSError:
            pass
        for end in (source, target):
            end.close()

    def serve():
        while True:
            client, _ = server.accept()
            upstream = socket.socket(socket.AF_UNIX)
            upstream.connect(real)
            asked = []
            threading.Thread(target=pump, args=(client, upstream, asked, None), daemon=True).start()
            threading.Thread(target=pump, args=(upstream, client, None, asked), daemon=True).start()

    threading.Thread(target=serve, daemon=True).start()
    return f"unix:path={path}"


def late_name_is_given_back(executable):
    """A bus that grants the player's name only after Limbora stopped waiting for it: the name is
    given back as the answer comes, not left to a player that isn't there."""
    with Session(audio=False) as session:
        bus = Bus(session)
        program = session.launch(executable, extra_env={
            "DBUS_SESSION_BUS_ADDRESS": slow_bus(session, bus, 6.0)})
        program.show()
        program.trace.wait_for(r"^late answer to RequestName: undone$", 12, category="limbora.session")
        deadline = time.monotonic() + 2
        while bus.players():
            check(time.monotonic() < deadline, f"the name stayed taken: {bus.players()}")
            time.sleep(0.05)
        os.kill(program.process.pid, signal.SIGTERM)
        check(program.exit_code(5) == 0, "SIGTERM did not end it cleanly")
    print("a name granted after its bound was given back")


def scenario(executable):
    late_name_is_given_back(executable)
    remote_drives_a_game(executable)
    stop_and_play_behind_the_about_box(executable)
    for how in ("no bus", "name taken", "no reader"):
        plays_without_a_remote(executable, how)


if __name__ == "__main__":
    main(scenario)
