#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Wayland, natively: three runs under a headless weston (where Qt draws the window's frame and no
client learns its position), each ended by SIGTERM, leave the stored placement exactly as it
was, and the program prints nothing of its own on standard error."""
import os
import pathlib
import shutil
import signal
import subprocess
import tempfile
import time

import private_desktop
from limbora_e2e import TRACE_LINE, check, main

PLACEMENT = {"MainLeft": "3000", "MainTop": "3000", "MainWidth": "6500", "MainHeight": "6500"}
RUNS = 3


def placement(settings):
    return {k: v for k, _, v in (line.partition("=") for line in settings.read_text().splitlines())
            if k.startswith("Main")}


def run_once(executable, env):
    program = subprocess.Popen([str(executable)], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, text=True, start_new_session=True)
    try:
        # Started once it says where its files are; the window follows within milliseconds.
        deadline = time.monotonic() + 10
        lines = []
        while not any("help page" in line for line in lines):
            check(time.monotonic() < deadline, f"no window within 10 s: {lines}")
            check(program.poll() is None, f"ended with {program.returncode}: {lines}")
            lines.append(program.stderr.readline().rstrip("\n"))
        time.sleep(1.0)  # shown, framed and settled
        os.kill(program.pid, signal.SIGTERM)
        _, rest = program.communicate(timeout=5)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    lines += rest.splitlines()
    # Our own trace was asked for; anything else on standard error is a complaint.
    other = [line for line in lines if line and not TRACE_LINE.match(line)]
    return program.returncode, other


def scenario(executable):
    tmp = pathlib.Path(tempfile.mkdtemp(prefix="limbora-wayland-"))
    env = private_desktop.clean_environment(tmp)
    runtime = pathlib.Path(env["XDG_RUNTIME_DIR"])
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--socket=wayland-lb", "--width=1920",
         "--height=1080", "--idle-time=0"],
        env=env, start_new_session=True, stdout=subprocess.DEVNULL,
        stderr=open(tmp / "weston.log", "w"))
    try:
        deadline = time.monotonic() + 10
        while not (runtime / "wayland-lb").exists():
            check(weston.poll() is None and time.monotonic() < deadline,
                  f"weston did not start: {(tmp / 'weston.log').read_text()}")
            time.sleep(0.05)
        settings = pathlib.Path(env["XDG_CONFIG_HOME"]) / "Limbora" / "Limbora.conf"
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items()))
        env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-lb",
                    "QT_LOGGING_RULES": "limbora.startup.debug=true;limbora.window.debug=true",
                    "QT_MESSAGE_PATTERN": "%{time boot} %{category}: %{message}"})
        stored = []
        for run in range(RUNS):
            code, other = run_once(executable, env)
            check(code == 0, f"run {run + 1}: SIGTERM ended the program with {code}")
            check(not other, f"run {run + 1} printed on standard error: {other}")
            stored.append(placement(settings))
            check(stored[-1] == PLACEMENT, f"run {run + 1} stored {stored[-1]}")
        print("stored after each run: " + "; ".join(
            ",".join(s[k] for k in ("MainLeft", "MainTop", "MainWidth", "MainHeight")) for s in stored))
    finally:
        os.killpg(weston.pid, signal.SIGTERM)
        weston.wait(timeout=5)
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main(scenario)
