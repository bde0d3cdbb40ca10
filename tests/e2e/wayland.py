#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktops people run: Wayland, natively, under a headless weston (Qt draws the window's
frame), sway (the compositor draws it), GNOME's mutter and KDE's KWin (each nested in an X server
of its own, so that keys reach it and its screen can be photographed); and mutter as the window
manager of an X server. No Wayland client learns its position. Each run, ended by SIGTERM, leaves
the stored placement exactly as it was, and the program prints nothing of its own on standard
error. Under sway, the compositor's own full screen gives the full-screen caller, and leaving it
gives back the window. Under mutter and KWin, F11 goes into full screen and back several times:
each time the screen shows a clean full screen (no title bar, no offset: white from edge to edge
beside the board) that stays, and then the window again.

    wayland.py PROGRAM [weston|sway|mutter|kwin|mutter-x11]"""
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

import numpy as np

import private_desktop
from limbora_e2e import TRACE_LINE, Failure, check, main

PLACEMENT = {"MainLeft": "3000", "MainTop": "3000", "MainWidth": "6500", "MainHeight": "6500"}
RUNS = 3
WIDTH, HEIGHT = 1920, 1080
# Compositors nested in an X server: keys reach them, and their screen is the X server's.
NESTED = ("mutter", "kwin", "mutter-x11")
PRESSES = 3


def placement(settings):
    return {k: v for k, _, v in (line.partition("=") for line in settings.read_text().splitlines())
            if k.startswith("Main")}


def run_once(executable, env, while_shown=None):
    program = subprocess.Popen([str(executable)], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, text=True, start_new_session=True)
    lines = []
    reader = threading.Thread(target=lambda: lines.extend(l.rstrip("\n") for l in program.stderr),
                              daemon=True)
    reader.start()
    try:
        # Started once it says where its files are; the window follows within milliseconds.
        wait_line(program, lines, "help page", 10, "no window")
        time.sleep(1.0)  # shown, framed and settled
        if while_shown:
            while_shown(program, lines)
        if program.poll() is None:  # unless the act ended it
            os.kill(program.pid, signal.SIGTERM)
        program.wait(timeout=5)
        reader.join(timeout=5)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    # Our own trace was asked for; anything else on standard error is a complaint.
    other = [line for line in lines if line and not TRACE_LINE.match(line)]
    return program.returncode, other


def wait_line(program, lines, pattern, timeout, what, since=0):
    """The index of the first line from since on that matches pattern."""
    deadline = time.monotonic() + timeout
    while True:
        for index in range(since, len(lines)):
            if re.search(pattern, lines[index]):
                return index
        check(time.monotonic() < deadline and program.poll() is None,
              f"{what}; the program said:\n" + "\n".join(lines[-15:]))
        time.sleep(0.02)


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
    # A second screen at twice the scale, to move the window to; off until then.
    config.write_text("output HEADLESS-1 resolution 1920x1080 position 0 0\n"
                      "output HEADLESS-2 resolution 1920x1080 position 1920 0 scale 2 disable\n")
    command = ["sway", "-c", str(config)]
    if os.getuid() == 0:
        os.chmod(tmp, 0o711)
        for path in (runtime, config):
            os.chown(path, 65534, 65534)
        command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", *command]
    env = dict(env, XDG_RUNTIME_DIR=str(runtime), WLR_BACKENDS="headless", WLR_HEADLESS_OUTPUTS="2",
               WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
    server = subprocess.Popen(command, env=env, start_new_session=True, stdout=subprocess.DEVNULL,
                              stderr=open(tmp / "compositor.log", "w"))
    return server, runtime


def start_session_bus(tmp, env):
    """mutter and KWin want a session bus: a private one."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=env,
                           start_new_session=True, stdout=subprocess.PIPE, text=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    return bus


def start_nested(tmp, env, compositor):
    """An X server of the screen's size, and in it mutter (nested, or as its window manager) or
    KWin. The packaged kwin_wayland carries a file capability that a container without
    cap_sys_resource refuses to run: a copy without it runs, if it keeps its name."""
    xvfb, number = private_desktop.start_xvfb(tmp / "xvfb.log", env, f"{WIDTH}x{HEIGHT}")
    env["DISPLAY"] = f":{number}"
    servers = [xvfb, start_session_bus(tmp, env)]
    if compositor == "mutter":
        command = ["mutter", "--nested", "--wayland", "--no-x11", "--wayland-display",
                   "wayland-lb"]
        env = dict(env, MUTTER_DEBUG_DUMMY_MODE_SPECS=f"{WIDTH}x{HEIGHT}")
    elif compositor == "mutter-x11":
        command = ["mutter", "--x11", "--replace"]
    else:
        kwin = tmp / "bin" / "kwin_wayland"
        kwin.parent.mkdir()
        shutil.copy(shutil.which("kwin_wayland"), kwin)
        command = [str(kwin), "--x11-display", env["DISPLAY"], "--width", str(WIDTH),
                   "--height", str(HEIGHT), "--socket", "wayland-lb"]
        env = dict(env, KWIN_COMPOSE="Q")  # drawn without OpenGL
    servers.append(subprocess.Popen(command, env=env, start_new_session=True,
                                    stdout=subprocess.DEVNULL,
                                    stderr=open(tmp / "compositor.log", "w")))
    return servers, pathlib.Path(env["XDG_RUNTIME_DIR"])


def window_manager_running(env):
    """An X11 window manager announces itself on the root window."""
    found = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                           capture_output=True, text=True).stdout
    return "window id" in found


# How long the pointer, and the stage's buttons with it, stay after it last moved.
POINTER_REST = 3.0


def screenshot(env):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env,
                         capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype=np.uint8).reshape(HEIGHT, WIDTH, 3)


def unclean_edges(shot):
    """Where the caller's white ground doesn't run round the screen's edges: a title bar left over
    is a grey strip at the top, an offset window shows the desktop at an edge."""
    white = (shot == 255).all(axis=2)
    edges = {"top": white[:12], "bottom": white[-12:], "left": white[:, :8],
             "right": white[:, -40:]}
    return {edge: np.count_nonzero(~pixels) for edge, pixels in edges.items() if not pixels.all()}


def check_clean_full_screen(env, what):
    """A clean full screen within a few seconds (a loaded compositor paints late), which stays.
    The window coming under a still pointer shows the pointer, and with it the stage's buttons,
    which go once the pointer has rested."""
    deadline = time.monotonic() + POINTER_REST + ANSWER
    while unclean := unclean_edges(screenshot(env)):
        check(time.monotonic() < deadline, f"{what}: not the caller's ground at {unclean}")
        time.sleep(0.1)
    time.sleep(0.5)
    unclean = unclean_edges(screenshot(env))
    check(not unclean, f"{what}: the full screen went at {unclean}")


def wait_back_as_before(env, before, what):
    """The window back as it was before full screen: its frame, title bar and menu bar where they
    stood. The pointer, and what it hovers, may differ by a few pixels."""
    deadline = time.monotonic() + ANSWER
    while True:
        differ = np.argwhere(np.abs(screenshot(env).astype(np.int16) - before).max(axis=2) > 24)
        if len(differ) < 1500:
            return
        if time.monotonic() > deadline:
            (top, left), (bottom, right) = differ.min(axis=0), differ.max(axis=0)
            raise Failure(f"{what}: back unlike before in {len(differ)} pixels, "
                          f"from {left},{top} to {right},{bottom}")
        time.sleep(0.1)


# How long a compositor on a busy machine may take to show what it was asked.
ANSWER = 20


def shown_still(env, program, lines):
    """The window active and as the compositor shows it: the board's white painted, and still.
    Returns that screenshot."""
    if "WAYLAND_DISPLAY" in env:
        # The nested compositor's output fills the X screen; the pointer brings it the keys.
        subprocess.run(["xdotool", "mousemove", str(WIDTH // 2), str(HEIGHT // 2)], env=env,
                       check=True)
    else:
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Limbora$"], env=env,
                                capture_output=True, text=True).stdout.split()
        check(window, "no Limbora window")
        subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], env=env,
                       check=True)
    wait_line(program, lines, "window active$", ANSWER, "the window never had the keyboard")
    deadline = time.monotonic() + ANSWER
    before = screenshot(env)
    while True:
        time.sleep(0.5)
        shot, before = before, screenshot(env)
        if (shot == before).all() and np.count_nonzero((before == 255).all(axis=2)) > 50000:
            return before
        check(time.monotonic() < deadline, "the window was never painted still")


def closed_by_title_bar(env):
    """Where the compositor draws no frame (mutter on Wayland), the title bar Qt draws offers what
    the window does, Minimize and Close, no Maximize; and its Close ends the program as the close
    box does."""
    def act(program, lines):
        shot = shown_still(env, program, lines)
        light = shot.min(axis=2) > 200  # the window on the desktop's blue
        top = np.flatnonzero(light.sum(axis=1) > 300)[0]
        right = np.flatnonzero(light.sum(axis=0) > 300)[-1]
        ink = (shot[top + 6:top + 25, right - 100:right + 1].max(axis=2) < 100).any(axis=0)
        columns = np.flatnonzero(ink)
        buttons = 1 + np.count_nonzero(np.diff(columns) > 3) if len(columns) else 0
        check(buttons == 2, f"the title bar ends in {buttons} buttons, not Minimize and Close")
        subprocess.run(["xdotool", "mousemove", str(right - 16), str(top + 15), "click", "1"],
                       env=env, check=True)
        check(program.wait(timeout=ANSWER) == 0, "the title bar's Close didn't end the program")
    return act


def full_screen_by_key(env):
    """F11 into full screen and back, PRESSES times, as a host would press it. Each step waits on
    what the compositor shows (the screen itself), however late it comes on a busy machine, and
    then on the program's word that the window settled so."""
    def act(program, lines):
        before = shown_still(env, program, lines)
        for press in range(1, PRESSES + 1):
            for entering in (True, False):
                mark = len(lines)
                subprocess.run(["xdotool", "key", "F11"], env=env, check=True)
                wanted = "full-screen" if entering else "windowed"
                if entering:
                    check_clean_full_screen(env, f"press {press}")
                else:
                    wait_back_as_before(env, before, f"press {press}")
                wait_line(program, lines, f"settled {wanted}", 5, f"press {press}: not {wanted}",
                          mark)
                said = lines[mark:]
                unwanted = ["by the window manager"]
                if not entering and "WAYLAND_DISPLAY" not in env:
                    unwanted.append("put again")  # put back once, where it stood
                check(not any(t in line for line in said for t in unwanted),
                      f"press {press}: " + "; ".join(said))
    return act


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
                    raise Failure(f"{what}: sway shows {rect}, full screen {full}; the program "
                                  "said:\n" + "\n".join(lines[-15:]))
                time.sleep(0.05)

        windowed = wait(False, "shown")
        subprocess.run(["swaymsg", "[title=^Limbora$]", "fullscreen", "enable"], env=env,
                       check=True, capture_output=True)
        rect = wait(True, "full screen")
        check((rect["width"], rect["height"]) == (1920, 1080), f"full screen in {rect}")
        # The program took it for its own full screen: the full-screen caller is laid out.
        wait_line(program, lines, "settled full-screen$", 5,
                  "no full-screen caller after sway's full screen")
        check(any("full-screen on by the window manager" in line for line in lines),
              "the compositor's full screen was not taken as one")
        subprocess.run(["swaymsg", "[title=^Limbora$]", "fullscreen", "disable"], env=env,
                       check=True, capture_output=True)
        time.sleep(0.5)
        rect = wait(False, "back from full screen")
        check((rect["width"], rect["height"]) == (windowed["width"], windowed["height"]),
              f"back from full screen in {rect}, shown in {windowed}")

        # Onto a screen of scale 2 and back: the board is drawn again at each one's pixels.
        subprocess.run(["swaymsg", "output", "HEADLESS-2", "enable"], env=env, check=True,
                       capture_output=True)
        for output, ratio in (("HEADLESS-2", 2), ("HEADLESS-1", 1)):
            mark = len(lines)
            subprocess.run(["swaymsg", "[title=^Limbora$]", "move", "to", "output", output],
                           env=env, check=True, capture_output=True)
            wait_line(program, lines, f"board at pixel ratio {ratio}", 5,
                      f"the board was not drawn again on {output}", mark)
    return act


def scenario(executable):
    compositor = sys.argv[2] if len(sys.argv) > 2 else "weston"
    tmp = pathlib.Path(tempfile.mkdtemp(prefix="limbora-wayland-"))
    env = private_desktop.clean_environment(tmp)
    if compositor in NESTED:
        servers, runtime = start_nested(tmp, env, compositor)
    else:
        server, runtime = (start_sway if compositor == "sway" else start_weston)(tmp, env)
        servers = [server]
    try:
        deadline = time.monotonic() + 20
        while not (sockets := [p.name for p in runtime.glob("wayland-*") if p.suffix != ".lock"]
                   if compositor != "mutter-x11" else window_manager_running(env)):
            check(servers[-1].poll() is None and time.monotonic() < deadline,
                  f"{compositor} did not start: {(tmp / 'compositor.log').read_text()}")
            time.sleep(0.05)
        settings = pathlib.Path(env["XDG_CONFIG_HOME"]) / "Limbora" / "Limbora.conf"
        settings.parent.mkdir(parents=True)
        settings.write_text("[Settings]\n" + "".join(f"{k}={v}\n" for k, v in PLACEMENT.items()))
        env.update({"QT_LOGGING_RULES": "limbora.startup.debug=true;limbora.window.debug=true",
                    "QT_MESSAGE_PATTERN": "%{time boot} %{category}: %{message}"})
        program_env = dict(env, QT_QPA_PLATFORM="xcb")
        if compositor != "mutter-x11":
            env["WAYLAND_DISPLAY"] = str(runtime / sockets[0])
            program_env = {k: v for k, v in env.items() if k != "DISPLAY"}
            program_env["QT_QPA_PLATFORM"] = "wayland"
        if compositor == "sway":
            program_env["SWAYSOCK"] = env["SWAYSOCK"] = str(next(runtime.glob("sway-ipc.*.sock")))
        stored = []
        # The nested desktops' runs are the longer ones: one plain, one with the keys.
        for run in range(2 if compositor in NESTED else RUNS):
            act = None
            if compositor == "sway" and run == RUNS - 1:
                act = full_screen_by_compositor(env)
            elif compositor in NESTED and run == 1:
                act = full_screen_by_key(env)
            elif compositor == "mutter" and run == 0:
                act = closed_by_title_bar(env)
            code, other = run_once(executable, program_env, act)
            check(code == 0, f"run {run + 1}: SIGTERM ended the program with {code}")
            check(not other, f"run {run + 1} printed on standard error: {other}")
            stored.append(placement(settings))
            check(stored[-1] == PLACEMENT, f"run {run + 1} stored {stored[-1]}")
        print(f"under {compositor}, stored after each run: " + "; ".join(
            ",".join(s[k] for k in ("MainLeft", "MainTop", "MainWidth", "MainHeight")) for s in stored)
            + ("; the compositor's full screen gave the full-screen caller and back" if compositor == "sway" else "")
            + (f"; F11 gave a clean full screen and the window back {PRESSES} times"
               if compositor in NESTED else ""))
    finally:
        for server in reversed(servers):
            os.killpg(server.pid, signal.SIGTERM)
            try:
                server.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(server.pid, signal.SIGKILL)
                server.wait()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main(scenario)
