#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What every end-to-end test starts from, in Python and in the shell harness alike: an
environment that inherits nothing of the caller's desktop, audio, settings or language, and a
private X server (Xvfb).

From the shell: `private_desktop.py xvfb LOG` starts Xvfb, prints its display number and process
id and leaves it running; `private_desktop.py env TMP` prints the clean environment (NAME=value
lines) for a test whose private files live in TMP."""

import os
import pathlib
import random
import subprocess
import sys
import time

# The only variables taken from the caller: where programs are, who the user is, and the
# sanitizers' settings. Display, audio server, XDG folders, locale: all ours; no Qt platform, D-Bus
# or Wayland, so the program comes up on the private X server as on a plain X desktop.
INHERITED = ("PATH", "HOME", "USER", "LOGNAME", "TMPDIR", "LD_LIBRARY_PATH",
             "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")


class Failure(Exception):
    pass


def clean_environment(tmp):
    """A test's environment; tmp is its private folder."""
    tmp = pathlib.Path(tmp)
    env = {name: os.environ[name] for name in INHERITED if name in os.environ}
    runtime = tmp / "runtime"
    runtime.mkdir(mode=0o700, exist_ok=True)
    env.update({
        "LANG": "C.UTF-8",
        "XDG_CONFIG_HOME": str(tmp / "config"),
        "XDG_DATA_HOME": str(tmp / "data"),
        "XDG_CACHE_HOME": str(tmp / "cache"),
        "XDG_RUNTIME_DIR": str(runtime),
        # No audio server unless the test starts its own.
        "PULSE_SERVER": f"unix:{tmp}/no-audio-server",
    })
    return env


def start_xvfb(log, env, screen="1280x1024"):
    """Starts Xvfb on a free display; returns (process, number). Xvfb's own -displayfd can hand two
    servers started at once the same number, so each number is tried here and kept only once its
    lock file names our server. -noreset: by default the server resets whenever its last client
    leaves, and refuses clients meanwhile."""
    for number in random.sample(range(20, 1000), 40):
        if pathlib.Path(f"/tmp/.X{number}-lock").exists():
            continue
        with open(log, "w") as log_file:
            server = subprocess.Popen(
                ["Xvfb", f":{number}", "-noreset", "-screen", "0", f"{screen}x24",
                 "-nolisten", "tcp"],
                env=env, start_new_session=True, stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=log_file)
        deadline = time.monotonic() + 5
        while server.poll() is None and time.monotonic() < deadline:
            if _owns_display(number, server.pid):
                return server, number
            time.sleep(0.02)
        server.kill()
        server.wait()
    raise Failure(f"Xvfb did not start: {pathlib.Path(log).read_text()}")


def _owns_display(number, pid):
    try:
        owner = int(pathlib.Path(f"/tmp/.X{number}-lock").read_text().strip())
    except (OSError, ValueError):
        return False
    return owner == pid and pathlib.Path(f"/tmp/.X11-unix/X{number}").exists()


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "xvfb":
        try:
            server, number = start_xvfb(sys.argv[2], clean_environment(pathlib.Path(sys.argv[2]).parent))
        except Failure as failure:
            print(failure, file=sys.stderr)
            sys.exit(1)
        print(number, server.pid)
    elif len(sys.argv) == 3 and sys.argv[1] == "env":
        for name, value in clean_environment(sys.argv[2]).items():
            print(f"{name}={value}")
    else:
        print("usage: private_desktop.py xvfb LOG | env TMP", file=sys.stderr)
        sys.exit(2)
