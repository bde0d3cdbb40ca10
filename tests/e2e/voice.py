#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The host's own voice, recorded with the keyboard alone from the audio server's default input
(here the null sink's monitor): a word played into the room while the recorder listens is stored
whole from its first consonant, levelled and checked like every shipped sound, and Play lets the
room hear it at the game's volume; no input on the server, or an audio server that goes away in the middle of a take,
leaves nothing behind and a plain line in the dialog."""
import pathlib
import subprocess
import sys
import time

import numpy as np

from limbora_e2e import RATE, SOUNDS, Session, check, main, read_wav

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
import sounds  # noqa: E402  the shipped sounds' checks

SPOKEN = SOUNDS / "de" / "lefthand.wav"  # "linke Hand", played into the room for LEFT HAND


def alignment(stored, template):
    """The lag at which the template best matches the stored take, and how well (0 to 1)."""
    size = 1 << int(np.ceil(np.log2(len(stored) + len(template))))
    correlation = np.fft.irfft(np.fft.rfft(stored, size) * np.conj(np.fft.rfft(template, size)), size)
    lags = np.concatenate([np.arange(0, len(stored)), np.arange(-len(template) + 1, 0)])
    values = np.concatenate([correlation[: len(stored)], correlation[size - len(template) + 1:]])
    best = int(np.argmax(values))
    return int(lags[best]), float(values[best] / np.sqrt(np.sum(stored ** 2) * np.sum(template ** 2)))


def heard(recording, recording_start, template, near, window):
    """How well the template matches what the room heard after the monotonic time `near`."""
    first = max(0, int((near - recording_start) * RATE))
    last = min(len(recording), int((near + window - recording_start) * RATE) + len(template))
    segment = recording[first:last]
    if len(segment) < len(template):
        return 0.0
    size = 1 << int(np.ceil(np.log2(len(segment) + len(template))))
    correlation = np.fft.irfft(np.fft.rfft(segment, size) * np.conj(np.fft.rfft(template, size)), size)
    correlation = correlation[: len(segment) - len(template) + 1]
    energy = np.sqrt(np.convolve(segment ** 2, np.ones(len(template)), "valid"))
    return float(np.max(correlation / (np.sqrt(np.sum(template ** 2)) * np.maximum(energy, 1e-9))))


def peak_db(samples):
    return 20 * np.log10(max(float(np.abs(samples).max(initial=0.0)), 1e-9))


def scenario(executable):
    with Session(audio=True) as session:
        subprocess.run(["pactl", "set-default-source", "nullsink.monitor"], env=session.env,
                       check=True, timeout=10)
        voices = pathlib.Path(session.env["XDG_DATA_HOME"]) / "Limbora" / "voices" / "en"
        # A short game of LEFT HAND (to be recorded) and RIGHT HAND (left built-in), in red, at
        # about half the volume.
        session.settings_file().parent.mkdir(parents=True, exist_ok=True)
        # No call twice in a row: the hands take turns, so two calls say both.
        session.settings_file().write_text("[Game]\nCountdownSeconds=3\nPauseSeconds=1\n"
                                           "Limbs=lefthand,righthand\nColours=red\nVolume=49\n"
                                           "RepeatsAllowed=false\n")
        program = session.launch(executable)
        window = program.show()
        session.press(window, "alt+t", "c")
        dialog = program.wait_for_window(title="Configure Limbora")
        # My voice, then the first word's Record button, pressed from the keyboard
        for key in ("alt+m", "Tab", "space"):
            session.press(dialog, key)
            time.sleep(0.2)
        category = "limbora.voice"
        live = program.trace.wait_for(r"^record-live lefthand\.wav$", 10, category=category)[0]
        subprocess.run(["paplay", str(SPOKEN)], env=session.env, check=True, timeout=10)
        taken = program.trace.wait_for(r"^record-stored lefthand\.wav", 5, category=category)[0]
        check(taken - live < 3.5, f"the take ran {taken - live:.1f} s: longer than 3 s")

        stored = voices / "lefthand.wav"
        check(stored.is_file(), "no recording stored")
        take = sounds.read_pcm(stored)  # 16-bit PCM mono, 22050 Hz, sizes that agree
        faults = sounds.clicks(take)
        check(not faults, f"the take clicks: {faults}")
        level = sounds.loudness(take, RATE)
        check(abs(level - sounds.TARGET) <= sounds.TOLERANCE, f"the take is at {level:.1f} LUFS")
        check(sounds.onset_level(take, RATE) <= -sounds.LEAD_IN_DB, "the take starts inside the word")
        check(np.abs(take[-int(0.2 * RATE):]).max() <= 0.01, "no trailing silence")

        # It is the word that was played, from the first sample that stands out of silence on.
        template = sounds.read_pcm(SPOKEN)
        lag, match = alignment(take, template)
        check(match > 0.9, f"the take doesn't match the word played (correlation {match:.2f})")
        onset = int(np.argmax(np.abs(template) > np.abs(template).max() * 10 ** (-40 / 20)))
        check(lag + onset >= 0, f"the take lost the word's first {-(lag + onset) / RATE * 1000:.0f} ms")
        print(f"take: {len(take) / RATE:.2f} s, {level:.2f} LUFS, correlation {match:.3f}, "
              f"lead-in {(lag + onset) / RATE * 1000:.0f} ms")

        # Play: the room hears the take, as loud as the game will say it (49 % on the loudness
        # scale, 10 dB down a halving: about 10.3 dB under the take itself).
        recorder = session.record()
        played = session.press(dialog, "Tab", "space")
        time.sleep(len(take) / RATE + 0.5)
        recording, start = recorder.samples(), recorder.start_time()
        match = heard(recording, start, take, played, window=1.0)
        check(match > 0.9, f"Play didn't play the take (correlation {match:.2f})")
        first = max(0, int((played - 0.1 - start) * RATE))
        level = peak_db(recording[first:first + len(take) + RATE]) - peak_db(take)
        check(-13.5 < level < -7, f"Play was {level:+.1f} dB against the take: not the volume chosen")
        print(f"play: {level:+.1f} dB against the take, at volume 49 %")
        recorder.process.terminate()

        # The next word (past Remove of the first) with no input at all: the server has no
        # source left.
        pactl = ["pactl"]
        subprocess.run([*pactl, "unload-module", "module-null-sink"], env=session.env, check=True,
                       timeout=10)
        for key in ("Tab", "Tab", "space"):
            session.press(dialog, key)
            time.sleep(0.2)
        program.trace.wait_for(r"^record-failed NoInput$", 5, category=category)
        check(not (voices / "righthand.wav").exists(), "a take was stored without an input")

        # An input again; the server goes away while it listens: nothing is written, and the
        # dialog says so.
        subprocess.run([*pactl, "load-module", "module-null-sink", "sink_name=nullsink"],
                       env=session.env, check=True, timeout=10, stdout=subprocess.DEVNULL)
        subprocess.run([*pactl, "set-default-source", "nullsink.monitor"], env=session.env,
                       check=True, timeout=10)
        session.press(dialog, "space")
        program.trace.wait_for(r"^record-live righthand\.wav$", 10, category=category)
        gone = time.monotonic()
        session.pulse.kill()
        failed = program.trace.wait_for(r"^record-failed Lost$", 5, category=category)[0]
        check(failed - gone < 2.0, f"the lost server was noticed after {failed - gone:.1f} s")
        check(not (voices / "righthand.wav").exists(), "a take was stored from a lost server")
        check(stored.is_file(), "the earlier take was lost")

        # OK keeps the choice.
        session.press(dialog, "Return")
        deadline = time.monotonic() + 5
        while "Voice=own" not in (session.settings_file().read_text()
                                  if session.settings_file().is_file() else ""):
            check(time.monotonic() < deadline, "Voice=own was not stored")
            time.sleep(0.05)
        check(program.process.poll() is None, "the program ended")

        # The server back, and a game: LEFT HAND in the host's voice, the rest built-in.
        session._start_pulse()
        recorder = session.record()
        program.show()
        program.key("alt+s")
        deadline = time.monotonic() + 25
        wanted = {"lefthand.wav", "righthand.wav", "red.wav"}
        while not wanted <= {m.split()[1] for _, m in program.trace.find(r"^sound-start ")}:
            check(time.monotonic() < deadline, "the game did not call both hands")
            time.sleep(0.1)
        program.trace.wait_for(r"^pause 1$", 5, since=program.trace.find(r"^sound-start ")[-1][0])
        program.key("alt+s")
        recording, start = recorder.samples(), recorder.start_time()
        for at, line in program.trace.find(r"^sound-start "):
            name = line.split()[1]
            built_in = read_wav(SOUNDS / name)
            # The null sink renders a little ahead of the clock: look from just before the start.
            mine = heard(recording, start, take, at - 0.1, window=0.5)
            theirs = heard(recording, start, built_in, at - 0.1, window=0.5)
            if name == "lefthand.wav":
                check(mine > 0.8 and mine > theirs + 0.2,
                      f"LEFT HAND was not the host's (own {mine:.2f}, built-in {theirs:.2f})")
            else:
                check(theirs > 0.8, f"{name} was not the built-in word ({theirs:.2f})")
        names = sorted({m.split()[1] for _, m in program.trace.find(r"^sound-start ")})
        print(f"game: {len(program.trace.find(r'^sound-start '))} sounds ({', '.join(names)}), "
              "each in the expected voice")


if __name__ == "__main__":
    main(scenario)
