#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots of full screen's stage on a 1920x1080 screen (or the size given), in one language: a limb alone, a
whole call, the game paused, and the touch controls shown. The host's own voice stands in with
limb words padded to three seconds, so that a limb alone stays long enough to be taken.

    tools/stage-screenshots.py [program] [output folder] [language] [screen size]"""
import pathlib
import shutil
import subprocess
import sys
import time

TOP = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(TOP / "tests" / "e2e"))
from limbora_e2e import Session  # noqa: E402

program = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else TOP / "build" / "app" / "limbora")
output = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else TOP / "docs")
language = sys.argv[3] if len(sys.argv) > 3 else "en"
output.mkdir(parents=True, exist_ok=True)
screen = sys.argv[4] if len(sys.argv) > 4 else "1920x1080"
suffix = ("" if language == "en" else f"-{language}") + ("" if screen == "1920x1080" else f"-{screen}")
sounds = program.parent.parent / "share" / "limbora"

with Session(audio=True, screen=screen) as session:
    voices = pathlib.Path(session.env["XDG_DATA_HOME"]) / "Limbora" / "voices" / language
    voices.mkdir(parents=True)
    words = sounds if language == "en" else sounds / language
    for limb in ["lefthand", "righthand", "leftfoot", "rightfoot"]:
        subprocess.run(["sox", words / f"{limb}.wav", voices / f"{limb}.wav", "pad", "0", "2.5"],
                       check=True)
    settings = session.settings_file()
    settings.parent.mkdir(parents=True)
    settings.write_text("[Game]\nPauseSeconds=20\nCountdownSeconds=3\nVoice=own\n"
                        "StartFullScreen=true\n")
    running = session.launch(program, extra_env={"LANGUAGE": language, "LANG": "C.UTF-8"})
    window = running.show()
    trace = running.trace
    trace.wait_for(r"^full-screen board", 5, category="limbora.window")
    time.sleep(5)  # the hint and the pointer rest

    def shoot(name):
        path = output / f"stage-{name}{suffix}.png"
        subprocess.run(["import", "-window", "root", path], env=session.env, check=True)
        print(path)

    started = running.key("F5")
    trace.wait_for(r'^display ".+" #000000$', 8, since=started)
    time.sleep(0.5)
    shoot("limb")
    trace.wait_for(r"^pause 20$", 8, since=started)
    time.sleep(0.5)
    shoot("call")
    session.xdotool("mousemove", "--window", window, "1500", "600")
    session.xdotool("mousemove", "--window", window, "1520", "620")
    time.sleep(0.5)
    shoot("controls")
    time.sleep(4)  # the controls go with the pointer
    running.key("p")
    trace.wait_for(r"^pause-hold$", 3)
    time.sleep(0.5)
    shoot("paused")
