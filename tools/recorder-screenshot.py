#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The README's screenshot of Settings > Configure Limbora… while the host records their own voice:
the first word already in their voice, the second one listening. English gives
voice-recorder.png, another language voice-recorder-<code>.png.

    tools/recorder-screenshot.py [program] [output folder] [language]"""
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
# Settings > Configure Limbora… and My voice, by their access keys in each language shown.
KEYS = {"en": ("alt+t", "c", "alt+m"), "de": ("alt+e", "e", "alt+m")}
TITLES = {"en": "Configure Limbora", "de": "Limbora einrichten"}
sounds = program.parent.parent / "share" / "limbora"

with Session(audio=True) as session:
    subprocess.run(["pactl", "set-default-source", "nullsink.monitor"], env=session.env,
                   check=True, timeout=10)
    voices = pathlib.Path(session.env["XDG_DATA_HOME"]) / "Limbora" / "voices" / language
    voices.mkdir(parents=True)
    shutil.copy((sounds if language == "en" else sounds / language) / "lefthand.wav", voices)
    settings = session.settings_file()
    settings.parent.mkdir(parents=True)
    settings.write_text("[Game]\nVoice=own\n")
    running = session.launch(program, extra_env={"LANGUAGE": language, "LANG": "C.UTF-8"})
    window = running.show()
    menu, item, own = KEYS[language]
    session.choose(window, menu, item)
    dialog = running.wait_for_window(title=TITLES[language])
    # My voice, past the first word's Record, Play and Remove, to the second word's Record.
    for key in (own, "Tab", "Tab", "Tab", "Tab", "space"):
        session.press(dialog, key)
        time.sleep(0.2)
    running.trace.wait_for(r"^record-live righthand\.wav$", 10, category="limbora.voice")
    time.sleep(0.3)
    path = output / ("voice-recorder.png" if language == "en" else f"voice-recorder-{language}.png")
    subprocess.run(["import", "-window", dialog, path], env=session.env, check=True)
    print(path)
