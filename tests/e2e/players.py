#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A round of three players on a 1920x1080 stage, played to its winner with the number keys: a
player put out and taken back, then two out; the game stops by itself with no call after it, the
winner stands large across the stage, and the fanfare is heard in place of the Stop chime."""
import time

import numpy as np

from fullscreen import HEIGHT, WIDTH, screenshot, wait_full_screen
from limbora_e2e import Session, check, heard, main

PAUSE = 3


def gold_rows(shot):
    """The screen's lines more than half covered by the winner's gold band."""
    red, green, blue = (shot[:, :, i].astype(int) for i in range(3))
    gold = (red > 230) & (green > 170) & (green < 225) & (blue < 60)
    return int((gold.sum(axis=1) > WIDTH / 2).sum())


def scenario(executable):
    with Session(audio=True, screen=f"{WIDTH}x{HEIGHT}") as session:
        recorder = session.record()
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text(f"[Game]\nCountdownSeconds=3\nPauseSeconds={PAUSE}\n"
                            "StartFullScreen=true\nGameSounds=true\nPlayers=Anna,Zoë,Ben\n",
                            encoding="utf-8")
        program = session.launch(executable)
        window = program.show()
        trace = program.trace
        wait_full_screen(session, window, "not full screen")

        started = program.key("F5")
        trace.wait_for(rf"^pause {PAUSE}$", 12, since=started)
        for key, line in (("2", "player-out 2"), ("2", "player-back 2"), ("1", "player-out 1")):
            trace.wait_for(rf"^{line}$", 2, since=program.key(key))
        won = trace.wait_for(r"^winner 2$", 2, since=program.key("3"))[0]
        trace.wait_for(r'^status "\(Game stopped\)"$', 2, since=won)
        fanfare = trace.wait_for(r"^sound-start gamewin\.wav wait$", 2, since=won)[0]
        time.sleep(0.3)
        band = gold_rows(screenshot(session))
        check(band >= HEIGHT / 6, f"the winner's band is {band} lines tall")

        time.sleep(PAUSE + 0.5)
        check(not trace.find(r"^sound-start \w+(hand|foot)\.wav", since=won), "a call after the winner")
        check(not trace.find(r"^sound-start gamestop\.wav", since=won), "the Stop chime after the winner")
        found = heard(recorder, recorder.samples(), "gamewin.wav", fanfare)
        check(found[1] > 0.8, f"the fanfare not heard near {fanfare:.3f} (match {found[1]:.2f})")
        print(f"the winner's band {band} lines tall; the fanfare heard {1000 * (found[0] - fanfare):+.0f} ms "
              "from its start")


if __name__ == "__main__":
    main(scenario)
