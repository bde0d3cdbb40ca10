#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the real program under Xvfb and PulseAudio and prints one table of figures beside
their goals; writes it as JSON, and a PNG timeline of one game (trace events and the recorded
sound's envelope on one time axis).

    bench/run.py [program] [output folder]      (./dev bench builds and runs it)
    bench/run.py --players [program]            only the CPU of a full-screen game with players
    bench/run.py --wine program.exe [output folder]   the game's figures of a Windows program
                                                installed in WINEPREFIX, under Wine
"""
import json
import os
import pathlib
import statistics
import subprocess
import sys
import threading
import time

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "tests" / "e2e"))

from Xlib import X, XK, display  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

from limbora_e2e import RATE, Session, Trace, locate, sound_lengths  # noqa: E402

GAME_SECONDS = 60
IDLE_SECONDS = 10
STOPS = 5
NEXTS = 5
LONG_GAME_MINUTES = 10  # enough calls (about 70) for anything that grows with each to show


class Keyboard:
    """Key presses sent straight to the X server (XTest), timed to the moment they leave."""

    def __init__(self, name):
        self.display = display.Display(name)

    def press(self, *keysyms):
        codes = [self.display.keysym_to_keycode(XK.string_to_keysym(k)) for k in keysyms]
        for code in codes:
            xtest.fake_input(self.display, X.KeyPress, code)
        sent = time.monotonic()
        self.display.sync()
        for code in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, code)
        self.display.sync()
        return sent


def wait_for_map(name, title, timeout=10):
    """When a top-level window with this title was first mapped, seen from the X server."""
    connection = display.Display(name)
    root = connection.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while connection.pending_events():
            event = connection.next_event()
            if event.type == X.MapNotify:
                mapped = time.monotonic()
                try:
                    if event.window.get_wm_name() == title:
                        return mapped
                except Exception:  # noqa: BLE001 - a window that went away meanwhile
                    pass
        time.sleep(0.0005)
    raise RuntimeError("the window never showed")


def errors_ms(values):
    return {"mean": round(statistics.mean(values) * 1000, 1),
            "worst": round(max(values, key=abs) * 1000, 1)} if values else {"mean": None, "worst": None}


def onsets_and_ends(recording, recorder, starts, lines):
    """For each sound found in the recording: its onset after sound-start, and how far its
    sound-end lies from its audible end (seconds)."""
    lengths = sound_lengths()
    ends = [(t, m.split()[1]) for t, m in lines if m.startswith("sound-end")]
    onsets, audible_ends = [], []
    for at, sound in starts:
        heard, score = locate(recording, recorder.start_time(at), sound, at)
        if heard is not None and score > 0.8:
            onsets.append(heard - at)
            end = [t for t, name in ends if t >= at and name == sound]
            if end:
                audible_ends.append(end[0] - (heard + lengths[sound]))
    return onsets, audible_ends


def measure(executable, out):
    results = {}
    with Session(audio=True) as session:
        recorder = session.record()
        name = session.env["DISPLAY"]

        # Start-up: exec to the window mapped.
        mapped = {}
        watcher = threading.Thread(target=lambda: mapped.setdefault("at", wait_for_map(name, "Limbora")))
        watcher.start()
        time.sleep(0.2)
        launched = time.monotonic()
        program = session.launch(executable)
        watcher.join()
        results["startup_ms"] = round((mapped["at"] - launched) * 1000, 1)
        program.show()
        keyboard = Keyboard(name)

        # Idle.
        time.sleep(1)
        before = program.cpu_seconds()
        time.sleep(IDLE_SECONDS)
        results["cpu_idle_percent"] = round((program.cpu_seconds() - before) / IDLE_SECONDS * 100, 3)

        # A game.
        start_key = keyboard.press("Alt_L", "s")
        before = program.cpu_seconds()
        time.sleep(GAME_SECONDS)
        results["cpu_game_percent"] = round((program.cpu_seconds() - before) / GAME_SECONDS * 100, 3)
        stop_key = keyboard.press("Alt_L", "s")
        trace = program.trace
        # The trace's times are cut to the millisecond: look from a little before the key.
        stopped = trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=stop_key - 0.002)[0]
        stop_latencies = [stopped - stop_key]
        time.sleep(1.5)
        recording, recording_start = recorder.samples(), recorder.start_time()
        game_lines = trace.game(since=start_key)

        # Stop, a few more times, from a countdown.
        for _ in range(STOPS - 1):
            keyboard.press("Alt_L", "s")
            time.sleep(0.7)
            sent = keyboard.press("Alt_L", "s")
            stop_latencies.append(
                trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=sent - 0.002)[0] - sent)
            time.sleep(0.3)

        results["next_latency_ms"], results["next_onset_ms"] = measure_next(program, keyboard, recorder)

        # A long game: the CPU of its first minute beside its last.
        keyboard.press("Alt_L", "s")
        minutes = []
        before = program.cpu_seconds()
        for minute in range(LONG_GAME_MINUTES):
            time.sleep(60)
            now = program.cpu_seconds()
            minutes.append(round((now - before) / 60 * 100, 3))
            before = now
            print(f"long game, minute {minute + 1}: {minutes[-1]} % of a core", flush=True)
        keyboard.press("Alt_L", "s")
        results["cpu_long_game_minutes_percent"] = minutes
        results["cpu_long_game_first_percent"] = minutes[0]
        results["cpu_long_game_last_percent"] = minutes[-1]
        results["peak_memory_mib"] = round(program.peak_memory_kib() / 1024, 1)
        program.process.terminate()

    started = [t for t, m in game_lines if m == 'status "The game will start"'][0]
    starts = [(t, m.split()[1]) for t, m in game_lines if m.startswith("sound-start")]
    pauses = [t for t, m in game_lines if m.startswith("pause")]
    first_call = starts[0][0] - started
    pause_errors = []
    for pause in pauses:
        following = [t for t, _ in starts if t > pause]
        if following:
            pause_errors.append(following[0] - pause - 7.0)
    results["calls"] = len(starts) // 2
    results["first_call_error_ms"] = round((first_call - 10.0) * 1000, 1)
    results["pause_error_ms"] = errors_ms(pause_errors)
    results["drift_ms"] = round(sum(pause_errors) * 1000, 1)
    onsets, audible_ends = onsets_and_ends(recording, recorder, starts, game_lines)
    results["audio_onset_ms"] = errors_ms(onsets)
    results["sound_end_error_ms"] = errors_ms(audible_ends)
    results["stop_latency_ms"] = errors_ms(stop_latencies)

    (out / "results.json").write_text(json.dumps(results, indent=2) + "\n")
    plot(out / "timeline.png", game_lines, start_key, recording, recording_start)
    return results


def measure_next(program, keyboard, recorder):
    """N pressed a second into each of NEXTS pauses: from the key leaving to the next call's
    sound-start in the trace, and to its onset in the recording."""
    trace = program.trace
    keyboard.press("Alt_L", "s")
    since = time.monotonic()
    presses = []
    for _ in range(NEXTS):
        pause = trace.wait_for(r"^pause \d+$", 15, since=since)[0]
        time.sleep(max(0.0, pause + 1.0 - time.monotonic()))
        sent = keyboard.press("n")
        said = trace.wait_for(r"^sound-start \w+\.wav wait$", 2, since=sent - 0.002)
        presses.append((sent, said[0], said[1].split()[1]))
        since = said[0]
    trace.wait_for(r"^pause \d+$", 15, since=since)
    keyboard.press("Alt_L", "s")
    time.sleep(1.5)
    recording = recorder.samples()
    onsets = []
    for sent, at, name in presses:
        heard = locate(recording, recorder.start_time(at), name, at)
        if heard[0] is not None and heard[1] >= 0.8:
            onsets.append(heard[0] - sent)
    return errors_ms([at - sent for sent, at, _ in presses]), errors_ms(onsets)


def plot(path, lines, origin, recording, recording_start):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    import numpy as np

    first = max(0, int((origin - recording_start) * RATE))
    part = recording[first:]
    frame = RATE // 100
    envelope = np.sqrt(np.mean(part[: len(part) // frame * frame].reshape(-1, frame) ** 2, axis=1))
    seconds = np.arange(len(envelope)) / 100.0
    end = min(seconds[-1], GAME_SECONDS + 1)

    figure, (top, bottom) = plt.subplots(2, 1, figsize=(14, 5), sharex=True,
                                         gridspec_kw={"height_ratios": [2, 1]})
    top.fill_between(seconds, envelope, color="#1f5fd6", linewidth=0)
    top.set_ylabel("recorded level (RMS)")
    top.set_title("One game: trace events and what was heard")
    colours = {"sound-start": "#1fae4b", "sound-end": "#e3262d", "pause": "#888888"}
    for t, message in lines:
        kind = message.split()[0]
        x = t - origin
        if x > end:
            break
        if kind in colours:
            top.axvline(x, color=colours[kind], linewidth=0.8, alpha=0.8)
        if kind == "display" and '" #' in message:
            text = message.split('"')[1]
            if text and not text.startswith("in "):
                bottom.text(x, 0.5, text.strip(), rotation=90, fontsize=7, va="center")
            bottom.axvline(x, color="#222222", linewidth=0.5, alpha=0.4)
    bottom.set_yticks([])
    bottom.set_xlabel("seconds since Start (green: sound-start, red: sound-end, grey: pause)")
    bottom.set_xlim(0, end)
    figure.tight_layout()
    figure.savefig(path, dpi=110)


GOALS = [
    ("CPU idle, % of a core", lambda r: r["cpu_idle_percent"], "≤ 0.5", lambda v: v <= 0.5),
    ("CPU during a 60 s game, % of a core", lambda r: r["cpu_game_percent"], "≤ 0.5", lambda v: v <= 0.5),
    (f"CPU in a {LONG_GAME_MINUTES}-minute game, first minute", lambda r: r["cpu_long_game_first_percent"],
     "≤ 0.2", lambda v: v <= 0.2),
    (f"CPU in a {LONG_GAME_MINUTES}-minute game, last minute", lambda r: r["cpu_long_game_last_percent"],
     "≤ 0.2, = first", lambda v: v <= 0.2),
    ("first call after Start, error ms", lambda r: r["first_call_error_ms"], "≤ 20", lambda v: abs(v) <= 20),
    ("pause length error ms, mean", lambda r: r["pause_error_ms"]["mean"], "≤ 5", lambda v: abs(v) <= 5),
    ("pause length error ms, worst", lambda r: r["pause_error_ms"]["worst"], "≤ 5", lambda v: abs(v) <= 5),
    ("drift first to last call, ms", lambda r: r["drift_ms"], "≈ 0 (≤ 20)", lambda v: abs(v) <= 20),
    ("sound-start to audio onset ms, mean", lambda r: r["audio_onset_ms"]["mean"], "±20", lambda v: abs(v) <= 20),
    ("sound-start to audio onset ms, worst", lambda r: r["audio_onset_ms"]["worst"], "±20", lambda v: abs(v) <= 20),
    ("sound-end to audible end ms, mean", lambda r: r["sound_end_error_ms"]["mean"], "±20", lambda v: abs(v) <= 20),
    ("sound-end to audible end ms, worst", lambda r: r["sound_end_error_ms"]["worst"], "±20", lambda v: abs(v) <= 20),
    ("Stop latency ms, mean", lambda r: r["stop_latency_ms"]["mean"], "≤ 16", lambda v: v <= 16),
    ("Stop latency ms, worst", lambda r: r["stop_latency_ms"]["worst"], "≤ 16", lambda v: v <= 16),
    ("Next (N) to the call's sound-start ms, mean", lambda r: r["next_latency_ms"]["mean"], "≤ 50",
     lambda v: v is not None and v <= 50),
    ("Next (N) to the call's audible onset ms, mean", lambda r: r["next_onset_ms"]["mean"], "≤ 50",
     lambda v: v is not None and v <= 50),
    ("Next (N) to the call's audible onset ms, worst", lambda r: r["next_onset_ms"]["worst"], "≤ 50",
     lambda v: v is not None and v <= 50),
    ("CPU in a 60 s full-screen game, nine players shown", lambda r: r["cpu_players_game_percent"],
     "≤ 0.5", lambda v: v <= 0.5),
    ("start-up, exec to window shown, ms", lambda r: r["startup_ms"], "≤ 300", lambda v: v <= 300),
    ("peak resident memory, MiB", lambda r: r["peak_memory_mib"], "≤ 80", lambda v: v <= 80),
]


def sink_suspensions(session, seconds):
    """Watches the null sink for `seconds`; how often the server suspended it (an idle sink is
    suspended after a few seconds, and the next sound must wake it)."""
    count, was = 0, False
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        listed = subprocess.run(["pactl", "list", "sinks", "short"], env=session.env,
                                capture_output=True, text=True).stdout
        now = any(line.split("\t")[1] == "nullsink" and line.rstrip().endswith("SUSPENDED")
                  for line in listed.splitlines() if "\t" in line)
        count += now and not was
        was = now
        time.sleep(0.25)
    return count


def measure_sound(executable, server, seconds=75):
    """Onset and end of every sound in a game of default pauses (long enough for PipeWire to
    suspend the idle sink), on PulseAudio or PipeWire."""
    os.environ["LIMBORA_E2E_AUDIO"] = server
    with Session(audio=True) as session:
        recorder = session.record(passive=True)
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        before = program.cpu_seconds()
        suspended = sink_suspensions(session, seconds)
        cpu = round((program.cpu_seconds() - before) / seconds * 100, 3)
        program.key("alt+s")
        time.sleep(1.5)
        recording = recorder.samples()
        lines = program.trace.game()
    starts = [(t, m.split()[1]) for t, m in lines if m.startswith("sound-start")]
    onsets, audible_ends = onsets_and_ends(recording, recorder, starts, lines)
    return {"sounds": len(starts), "heard": len(onsets), "cpu_game_percent": cpu,
            "sink_suspended": suspended,
            "audio_onset_ms": errors_ms(onsets),
            "sound_end_error_ms": errors_ms(audible_ends)}


PLAYERS = "Anna,Zoë,Ben,Maximilian,Kim,Lou,Sam,Ada,Noor"


def measure_players(executable, players=PLAYERS, seconds=GAME_SECONDS):
    """CPU, in % of a core, of a game in full screen on a 1920x1080 screen with the players'
    names shown (nine, two of them out), or with none listed for comparison."""
    with Session(audio=True, screen="1920x1080") as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text(f"[Game]\nStartFullScreen=true\nPlayers={players}\n", encoding="utf-8")
        program = session.launch(executable)
        program.show()
        time.sleep(1.5)
        program.key("F5")
        if players:
            program.key("2", "5")
        before = program.cpu_seconds()
        time.sleep(seconds)
        cpu = round((program.cpu_seconds() - before) / seconds * 100, 3)
        program.key("Prior")
    return cpu


def print_sound(results):
    for server, figures in results.items():
        print(f"{server}: {figures['heard']} of {figures['sounds']} sounds heard; onset mean / worst "
              f"{figures['audio_onset_ms']['mean']} / {figures['audio_onset_ms']['worst']} ms "
              f"(goal ≤ 15 / ≤ 30), end {figures['sound_end_error_ms']['mean']} / "
              f"{figures['sound_end_error_ms']['worst']} ms (goal ±20); CPU "
              f"{figures.get('cpu_game_percent')} % of a core; the idle sink was suspended "
              f"{figures['sink_suspended']} times")


def through_wine(program, out):
    """A wrapper that starts a Windows program under Wine as itself (tools/windows/wine-run.sh),
    in a prefix where no server runs yet: Wine's desktop is on the X server of the program that
    starts it. Wine's clock is CLOCK_MONOTONIC_RAW."""
    prefix = os.environ["WINEPREFIX"]
    subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=os.environ, timeout=60, check=False)
    Trace.RAW_CLOCK = True
    wrapper = out / "limbora-wine"
    wrapper.write_text(f"#!/bin/sh\nexport WINEPREFIX='{prefix}' WINEDEBUG=-all QT_FORCE_STDERR_LOGGING=1\n"
                       f"exec '{HERE.parent}/tools/windows/wine-run.sh' '{program}'\n")
    wrapper.chmod(0o755)
    return wrapper


def main():
    if "--wine" in sys.argv:
        # The game's figures only: each later part would need the prefix's server ended again.
        sys.argv.remove("--wine")
        out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else HERE.parent / "build-windows/bench").resolve()
        out.mkdir(parents=True, exist_ok=True)
        results = measure(through_wine(pathlib.Path(sys.argv[1]).resolve(), out), out)
        print(json.dumps(results, indent=2))
        return
    if "--players" in sys.argv:
        # Only the CPU of a full-screen game, with the players' names shown and without.
        sys.argv.remove("--players")
        executable = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "build/app/limbora").resolve()
        print(f"CPU in a 60 s full-screen game, % of a core: nine players shown "
              f"{measure_players(executable)} (goal ≤ 0.5), none listed {measure_players(executable, '')}")
        return
    if "--sound" in sys.argv:
        # Only the sound's onset and end, on both audio servers.
        sys.argv.remove("--sound")
        executable = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "build/app/limbora").resolve()
        print_sound({server: measure_sound(executable, server) for server in ("pulseaudio", "pipewire")})
        return
    if "--next" in sys.argv:
        # Only Next's latency, in a game of its own.
        sys.argv.remove("--next")
        executable = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "build/app/limbora").resolve()
        with Session(audio=True) as session:
            recorder = session.record()
            program = session.launch(executable)
            program.show()
            keyboard = Keyboard(session.env["DISPLAY"])
            to_start, to_onset = measure_next(program, keyboard, recorder)
        print(f"Next (N) to the call's sound-start ms: {to_start}; to its audible onset ms: {to_onset}")
        return
    executable = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "build/app/limbora").resolve()
    out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else HERE.parent / "build/bench").resolve()
    out.mkdir(parents=True, exist_ok=True)
    results = measure(executable, out)
    results["cpu_players_game_percent"] = measure_players(executable)
    (out / "results.json").write_text(json.dumps(results, indent=2) + "\n")
    width = max(len(label) for label, *_ in GOALS)
    print(f"{'figure'.ljust(width)}  {'measured':>9}  {'goal':<14} met")
    for label, value, goal, met in GOALS:
        measured = value(results)
        print(f"{label.ljust(width)}  {measured:>9}  {goal:<14} {'yes' if met(measured) else 'NO'}")
    print(f"({results['calls']} calls; results.json and timeline.png in {out})")
    sound = {server: measure_sound(executable, server) for server in ("pulseaudio", "pipewire")}
    (out / "sound.json").write_text(json.dumps(sound, indent=2) + "\n")
    print_sound(sound)


if __name__ == "__main__":
    main()
