#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A 3840x2160 screen at 100 %, 150 % and 200 % (QT_SCALE_FACTOR), under a window manager: three
runs at each scale, each ended by SIGTERM, leave the stored placement exactly as it was,."""
import os
import signal
import time

from limbora_e2e import Session, check, main

PLACEMENT = {"MainLeft": "3000", "MainTop": "3000", "MainWidth": "6500", "MainHeight": "6500"}
SCALES = ("1", "1.5", "2")
RUNS = 3


def scenario(executable):
    report = []
    for scale in SCALES:
        with Session(audio=False, window_manager=True, screen="3840x2160") as session:
            settings = session.settings_file()
            settings.parent.mkdir(parents=True)
            settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items()))
            for run in range(RUNS):
                program = session.launch(executable, extra_env={"QT_SCALE_FACTOR": scale})
                program.show()
                time.sleep(0.7)  # framed by the window manager
                os.kill(program.process.pid, signal.SIGTERM)
                check(program.exit_code(3.0) == 0, f"{scale}, run {run + 1}: not ended cleanly")
                stored = session.placement()
                check(stored == PLACEMENT, f"at {scale}, run {run + 1} stored {stored}")
            report.append(f"{scale}: {RUNS} runs, stored "
                          + ",".join(stored[k] for k in ("MainLeft", "MainTop", "MainWidth", "MainHeight")))
    print("; ".join(report))


if __name__ == "__main__":
    main(scenario)
