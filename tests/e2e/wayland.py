#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Wayland, natively, under a headless weston (Qt draws the window's frame) or sway (the
compositor draws it); no client learns its position there. Three runs, each ended by SIGTERM,
leave the stored placement exactly as it was, and the program prints nothing of its own on
standard error. Under sway, the compositor's own full screen gives the full-screen caller, and
leaving it gives back the window.

    wayland.py PROGRAM [weston|sway]"""
import json
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import private_desktop
from limbora_e2e import TRACE_LINE, Failure, check, main

PLACEMENT = {"MainLeft": "3000", "MainTop": "3000", "MainWidth": "6500", "MainHeight": "6500"}
RUNS = 3


def placement(settings):
    return {k: v for k, _, v in (line.partition("=") for line in settings.read_text().splitlines())
            if k.startswith("Main")}


def run_once(executable, env, while_shown=None):
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
        if while_shown:
            while_shown(program, lines)
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


def start_weston(tmp, env):
    command = ["weston", "--backend=headless-backend.so", "--socket=wayland-lb", "--width=1920",
               "--height=1080", "--idle-time=0"]
    server = subprocess.Popen(command, env=env, start_new_session=True, stdout=subprocess.DEVNULL,
                              stderr=open(tmp / "compositor.log", "w"))
    return server, pathlib.Path(env["XDG_RUNTIME_DIR"])


def start_sway(tmp, env):
    """sway refuses to run as root: as root, it runs as nobody in a runtime folder of its own,
    and serves root's clients all the same."""
    runtime = pathlib.Path(tempfile.mkdtemp(prefix="sway-", dir=tmp))
    config = runtime / "sway.conf"
    config.write_text("output HEADLESS-1 resolution 1920x1080\n")
    command = ["sway", "-c", str(config)]
    if os.getuid() == 0:
        os.chmod(tmp, 0o711)
        for path in (runtime, config):
            os.chown(path, 65534, 65534)
        command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", *command]
    env = dict(env, XDG_RUNTIME_DIR=str(runtime), WLR_BACKENDS="headless",
               WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
    server = subprocess.Popen(command, env=env, start_new_session=True, stdout=subprocess.DEVNULL,
                              stderr=open(tmp / "compositor.log", "w"))
    return server, runtime


def sway_window(env):
    """The program's window as sway sees it: its rectangle and whether it is full screen."""
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree", "-r"], env=env,
                                     capture_output=True, text=True, check=True).stdout)
    nodes = [tree]
    while nodes:
        node = nodes.pop()
        if node.get("name") == "Limbora" and node.get("pid"):
            return node["rect"], node.get("fullscreen_mode") == 1
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    raise Failure("sway shows no Limbora window")


def full_screen_by_compositor(env):
    """sway makes the window full screen and back, as its own key would."""
    def act(program, lines):
        def wait(wanted, what):
            deadline = time.monotonic() + 5
            while True:
                rect, full = sway_window(env)
                if full == wanted and (rect["width"], rect["height"]) != (0, 0):
                    return rect
                if time.monotonic() > deadline:
                    os.set_blocking(program.stderr.fileno(), False)
                    lines.extend(line.rstrip("\n") for line in program.stderr)
                    raise Failure(f"{what}: sway shows {rect}, full screen {full}; the program "
                                  "said:\n" + "\n".join(lines[-15:]))
                time.sleep(0.05)

        windowed = wait(False, "shown")
        subprocess.run(["swaymsg", "[title=^Limbora$]", "fullscreen", "enable"], env=env,
                       check=True, capture_output=True)
        rect = wait(True, "full screen")
        check((rect["width"], rect["height"]) == (1920, 1080), f"full screen in {rect}")
        # The program took it for its own full screen: the full-screen caller is laid out.
        deadline = time.monotonic() + 5
        while not any(line.endswith("settled full-screen") for line in lines):
            check(time.monotonic() < deadline, "no full-screen caller after sway's full screen")
            lines.append(program.stderr.readline().rstrip("\n"))
        check(any("full-screen on by the window manager" in line for line in lines),
              "the compositor's full screen was not taken as one")
        subprocess.run(["swaymsg", "[title=^Limbora$]", "fullscreen", "disable"], env=env,
                       check=True, capture_output=True)
        time.sleep(0.5)
        rect = wait(False, "back from full screen")
        check((rect["width"], rect["height"]) == (windowed["width"], windowed["height"]),
              f"back from full screen in {rect}, shown in {windowed}")
    return act


def scenario(executable):
    compositor = sys.argv[2] if len(sys.argv) > 2 else "weston"
    tmp = pathlib.Path(tempfile.mkdtemp(prefix="limbora-wayland-"))
    env = private_desktop.clean_environment(tmp)
    server, runtime = (start_sway if compositor == "sway" else start_weston)(tmp, env)
    try:
        deadline = time.monotonic() + 10
        while not (sockets := [p.name for p in runtime.glob("wayland-*") if p.suffix != ".lock"]):
            check(server.poll() is None and time.monotonic() < deadline,
                  f"{compositor} did not start: {(tmp / 'compositor.log').read_text()}")
            time.sleep(0.05)
        settings = pathlib.Path(env["XDG_CONFIG_HOME"]) / "Limbora" / "Limbora.conf"
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items()))
        env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": str(runtime / sockets[0]),
                    "QT_LOGGING_RULES": "limbora.startup.debug=true;limbora.window.debug=true",
                    "QT_MESSAGE_PATTERN": "%{time boot} %{category}: %{message}"})
        if compositor == "sway":
            env["SWAYSOCK"] = str(next(runtime.glob("sway-ipc.*.sock")))
        stored = []
        for run in range(RUNS):
            last = compositor == "sway" and run == RUNS - 1
            code, other = run_once(executable, env, full_screen_by_compositor(env) if last else None)
            check(code == 0, f"run {run + 1}: SIGTERM ended the program with {code}")
            check(not other, f"run {run + 1} printed on standard error: {other}")
            stored.append(placement(settings))
            check(stored[-1] == PLACEMENT, f"run {run + 1} stored {stored[-1]}")
        print(f"under {compositor}, stored after each run: " + "; ".join(
            ",".join(s[k] for k in ("MainLeft", "MainTop", "MainWidth", "MainHeight")) for s in stored)
            + ("; the compositor's full screen gave the full-screen caller and back" if compositor == "sway" else ""))
    finally:
        os.killpg(server.pid, signal.SIGTERM)
        server.wait(timeout=5)
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main(scenario)
