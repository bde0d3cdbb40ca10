#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound faults survived: no audio server at all, the sound directory missing, and every sound
file corrupt or truncated. Each time the game runs silently with its timings intact, and a sound
the About box can't play is replaced by the desktop's own."""
import os
import pathlib
import shutil
import time

from limbora_e2e import (COLOUR_SOUNDS, LENGTH_KEPT, LIMB_SOUNDS, SOUNDS, Session, check, locate,
                         loudness, main)



def install_copy(executable, root, sounds):
    """The program in a folder of its own, with `sounds` (name to bytes, or None for no data
    directory at all) where it looks for them."""
    (root / "bin").mkdir(parents=True)
    shutil.copy2(executable, root / "bin" / "limbora")
    if sounds is not None:
        data = root / "share" / "limbora"
        data.mkdir(parents=True)
        for name, content in sounds.items():
            (data / name).write_bytes(content)
    return root / "bin" / "limbora"


def check_silent_game(program, label):
    trace = program.trace
    started = trace.wait_for(r'^status "The game will start"$', 5)[0]
    pause = trace.wait_for(r"^pause 7$", 15, since=started)[0]
    # The colour may have ended in the pause's own millisecond: look from the next one.
    second = trace.wait_for(r"^sound-start", 10, since=pause + 0.001)[0]
    starts = trace.find(r"^sound-start")
    ends = trace.find(r"^sound-end")
    program.session.within(f"{label}: the first call after Start", starts[0][0] - started - 10.0,
                           -LENGTH_KEPT, LENGTH_KEPT, starts[0][0])
    for (start, _), (end, _) in zip(starts[:2], ends[:2]):
        check(end - start <= 0.05, f"{label}: a sound that can't be heard took {end - start:.3f} s")
    program.session.within(f"{label}: the pause after seven seconds", second - pause - 7.0,
                           -LENGTH_KEPT, LENGTH_KEPT, second)
    check(trace.find(r'^display "(LEFT|RIGHT) (HAND|FOOT) (GREEN|YELLOW|BLUE|RED)" #'), f"{label}: no call shown")


def scenario(executable):
    # No audio server at all.
    with Session(audio=False) as session:
        program = session.launch(executable)
        program.show()
        program.key("alt+s")
        check_silent_game(program, "no audio server")
        program.key("alt+s")
        program.trace.wait_for(r"Game stopped", 2)

    # No sound directory, and every sound broken, side by side on one audio server.
    with Session(audio=True) as session:
        recorder = session.record()
        broken = {}
        for name in LIMB_SOUNDS:
            broken[name] = os.urandom(30000)  # corrupt
        for name in COLOUR_SOUNDS:
            broken[name] = (SOUNDS / name).read_bytes()[:2000]  # truncated
        # One caller runs per login: the second copy stands for another login of the same user.
        other_login = session.tmp / "runtime-other"
        other_login.mkdir(mode=0o700)
        missing = session.launch(install_copy(executable, session.tmp / "missing", None))
        damaged = session.launch(install_copy(executable, session.tmp / "damaged", broken),
                                 extra_env={"XDG_RUNTIME_DIR": str(other_login)})
        for program in (missing, damaged):
            program.show()
            program.key("alt+s")
        check_silent_game(missing, "no sound directory")
        check_silent_game(damaged, "corrupt and truncated sounds")

        # About.wav is missing too: the desktop's bell plays in its place.
        damaged.key("alt+h")
        time.sleep(0.3)
        chime = damaged.key("a")
        damaged.trace.wait_for(r"^sound-start About\.wav return$", 3)
        damaged.wait_for_window(title="About Limbora")
        time.sleep(1.5)
        level = loudness(recorder.samples(), recorder.start_time(), chime, chime + 1.5)
        check(level > 0.01, f"no default sound instead of About.wav (level {level:.4f})")
        for program in (missing, damaged):
            check(program.process.poll() is None, "a program ended")
        for program in (missing, damaged):
            program.process.terminate()

        # One hostile file among good ones: a RIFF header claiming 4 GB before 2 GB of sparse
        # zeros. It silences only itself; every other word is heard.
        shipped = {path.name: path.read_bytes() for path in SOUNDS.glob("*.wav")}
        hostile = install_copy(executable, session.tmp / "hostile", shipped)
        green = hostile.parent.parent / "share" / "limbora" / "green.wav"
        with open(green, "wb") as file:
            file.write(b"RIFF\xff\xff\xff\xffWAVE")
            file.truncate(2 * 1024 ** 3)
        program = session.launch(hostile)
        program.show()
        program.key("alt+s")
        heard, since = 0, 0.0
        deadline = time.monotonic() + 30
        while heard < 3:
            check(time.monotonic() < deadline, f"only {heard} words heard beside a hostile file")
            at, line = program.trace.wait_for(r"^sound-start \w+\.wav wait$", 15, since=since)
            since = at + 0.0005
            name = line.split()[1]
            program.trace.wait_for(rf"^sound-end {name}$", 3, since=at)
            if name == "green.wav":
                continue
            time.sleep(0.3)
            found = locate(recorder.samples(), recorder.start_time(at), name, at)
            if found[1] <= 0.8 and session.unheard(program, name, at, recorder):
                continue
            check(found[0] is not None and found[1] > 0.8,
                  f"{name} not heard beside a hostile file (match {found[1]:.2f}) {found.note}")
            heard += 1
    print("silent games kept their timings; the bell stood in for About.wav; a hostile file "
          "silenced only itself")


if __name__ == "__main__":
    main(scenario)
