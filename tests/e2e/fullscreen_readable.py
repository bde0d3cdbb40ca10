#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Full screen reads across a room, seen on screenshots of a 1920x1080 screen: a hint on how to
leave shows on entering, goes after a few seconds and comes back when the mouse moves; during a
game nothing is drawn over the board's pictures (the call's picture stands in its plain middle)
but in its four corners, where the called limb's corner is lit in the call's colour, on the
players' side, and the others fade;
every call colour stands at least 3:1 against what lies right around its letters (measured, and
printed for the record); the call's colour covers at least 4 % of the screen outside its words;
and a paused game changes at least 3 % of the screen, which Resume clears."""
import re
import subprocess
import time

import numpy as np

from limbora_e2e import Session, check, main

WIDTH, HEIGHT = 1920, 1080
HINT_GROUND = np.array([40, 40, 40])  # the hint's own ground
VEILED_WHITE = np.array([90, 90, 90])  # white under the paused veil


def screenshot(session):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=session.env,
                         capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype=np.uint8).reshape(HEIGHT, WIDTH, 3).astype(int)


def luminance(rgb):
    channel = np.asarray(rgb, dtype=float) / 255.0
    linear = np.where(channel <= 0.04045, channel / 12.92, ((channel + 0.055) / 1.055) ** 2.4)
    return linear @ np.array([0.2126, 0.7152, 0.0722])


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def hint_rows(shot, board):
    """Rows crossed by the hint's solid ground for 100 pixels or more, beside the board (a glyph's
    edge may take the same grey, never for that long)."""
    dark = (np.abs(shot - HINT_GROUND) <= 6).all(axis=2)
    dark[board] = False
    runs = np.zeros(dark.shape[0], dtype=int)
    current = np.zeros(dark.shape[0], dtype=int)
    for column in range(dark.shape[1]):
        current = np.where(dark[:, column], current + 1, 0)
        runs = np.maximum(runs, current)
    return int((runs >= 100).sum())


def behind(shot, text):
    """The colour right around a text's letters: what touches them from outside, within 2 px."""
    grown = text.copy()
    for dy in range(-2, 3):
        for dx in range(-2, 3):
            grown |= np.roll(np.roll(text, dy, axis=0), dx, axis=1)
    ring = grown & ~text
    return np.median(shot[ring], axis=0)


def scenario(executable):
    with Session(audio=False, screen=f"{WIDTH}x{HEIGHT}") as session:
        settings = session.settings_file()
        settings.parent.mkdir(parents=True)
        settings.write_text("[Game]\nPauseSeconds=1\nCountdownSeconds=3\n")
        program = session.launch(executable)
        window = program.show()
        trace = program.trace
        sent = program.key("F11")
        found = trace.wait_for(r"^full-screen board \d+,\d+ \d+x\d+$", 3, since=sent, category="limbora.window")
        time.sleep(0.5)  # the last layout wins
        x, y, side, _ = map(int, re.findall(r"\d+", trace.find(r"^full-screen board", category="limbora.window")[-1][1]))
        check(side >= HEIGHT * 0.8, f"a board of {side} px")
        board = np.zeros((HEIGHT, WIDTH), dtype=bool)
        board[y:y + side, x:x + side] = True
        sx, sy, spot_side, _ = map(int, re.findall(r"\d+", trace.find(r"^full-screen spot", category="limbora.window")[-1][1]))
        pictures = board.copy()
        pictures[sy:sy + spot_side, sx:sx + spot_side] = False
        # Each limb's corner: its word and picture from the board's edges (130 by 110 of the
        # board's 413 units), and a little past the lit twin's disc.
        unit = side / 413
        corners = {}
        for line in trace.find(r"^full-screen corner ", category="limbora.window")[-4:]:
            _, cx, cy, cside, _ = map(int, re.findall(r"\d+", line[1]))
            corner = np.zeros((HEIGHT, WIDTH), dtype=bool)
            left = cx + cside / 2 < x + side / 2
            top = cy + cside / 2 < y + side / 2
            rx, ry = round(130 * unit), round(110 * unit)
            corner[y if top else y + side - ry:y + ry if top else y + side,
                   x if left else x + side - rx:x + rx if left else x + side] = True
            grow = round(6 * unit) + 1
            corner[max(0, cy - grow):cy + cside + grow, max(0, cx - grow):cx + cside + grow] = True
            corners[(left, top)] = corner & board
            pictures &= ~corner
        check(len(corners) == 4, f"{len(corners)} corners logged")

        entered = screenshot(session)
        check(hint_rows(entered, board) >= 10, "no hint on entering full screen")
        time.sleep(4.6)
        resting = screenshot(session)
        check(hint_rows(resting, board) == 0, "the hint stayed")
        session.xdotool("mousemove", "--window", window, "1500", "500")
        session.xdotool("mousemove", "--window", window, "1510", "520")
        time.sleep(0.3)
        check(hint_rows(screenshot(session), board) >= 10, "no hint when the mouse moved")

        started = program.key("F5")
        measured = {}
        since = started
        deadline = time.monotonic() + 30
        while len(measured) < 4 and time.monotonic() < deadline:
            at, line = trace.wait_for(r'^display ".+" #(00ff00|ffcd00|0000ff|ff0000)$', 8, since=since)
            since = at + 0.001
            name = line.rsplit(" ", 1)[1]
            time.sleep(0.1)
            shot = screenshot(session)
            check((shot[pictures] == resting[pictures]).all(), f"something was drawn over the board in call {line}")
            # The board's corners as drawn: left hand below, right hand above, the feet the other
            # way round; the players face the screen, so its left is theirs.
            limb, part = line.split('"')[1].split()[:2]
            called = (limb == "LEFT", (limb == "LEFT") == (part == "FOOT"))
            hue = np.array([int(line[-6:][i:i + 2], 16) for i in (0, 2, 4)])
            lit = (shot == hue).all(axis=2) & (shot != resting).any(axis=2)
            for place, corner in corners.items():
                share = lit[corner].mean()
                check((share >= 0.05) == (place == called), f"corner {place} lit {share:.1%} in call {line}")
            if name in measured:
                continue
            colour = np.array([int(name[i:i + 2], 16) for i in (1, 3, 5)])
            text = (shot == colour).all(axis=2) & ~board & (shot != resting).any(axis=2)
            if text.sum() <= 1000 and trace.find(r"^display ", since=since):
                continue  # a loaded X server drew it late, and the next call has come meanwhile
            check(text.sum() > 1000, f"no call of colour {name} beside the board")
            covered = ((shot == colour).all(axis=2) & (shot != resting).any(axis=2) & ~text).mean()
            check(covered >= 0.04, f"{name} covers only {covered:.1%} of the screen outside its words")
            print(f"call colour {name}: {covered:.1%} of the screen outside its words")
            around = behind(shot, text)
            measured[name] = (contrast(colour, around), around)
        for name, (ratio, around) in sorted(measured.items()):
            print(f"call colour {name}: {ratio:.1f}:1 against #{''.join(f'{int(c):02x}' for c in around)} around it")
            check(ratio >= 3.0, f"{name} stands only {ratio:.2f}:1")
        check(len(measured) >= 2, f"only {len(measured)} colours came")

        # Paused, the stage dims for the room; Resume clears it.
        running = screenshot(session)
        sent = program.key("p")
        trace.wait_for(r"^pause-hold$", 3, since=sent)
        time.sleep(0.3)
        paused = screenshot(session)
        dimmed = (paused != running).any(axis=2).mean()
        check(dimmed >= 0.03, f"pausing changed only {dimmed:.1%} of the screen")
        sent = program.key("p")
        trace.wait_for(r"^pause-release$", 3, since=sent)
        time.sleep(0.3)
        # The room's white under the veil; calls go on meanwhile, so the veil is looked for alone.
        veiled = (np.abs(paused - VEILED_WHITE) <= 3).all(axis=2).mean()
        left = (np.abs(screenshot(session) - VEILED_WHITE) <= 3).all(axis=2).mean()
        check(veiled >= 0.03 and left < 0.005, f"the veil covered {veiled:.1%}, {left:.1%} after Resume")
        print(f"pausing changed {dimmed:.1%} of the screen, veiled {veiled:.1%}, {left:.1%} after Resume")
    print(f"hint on entering and on moving, the board clear, {len(measured)} call colours at least 3:1")


if __name__ == "__main__":
    main(scenario)
