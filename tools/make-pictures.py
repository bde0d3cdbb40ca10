#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's pictures from source: the board behind the main window (413 x 413) and
the icon, its miniature. Writes the SVG sources to assets/pictures and renders them to PNG with
rsvg-convert (Debian: librsvg2-bin). The results are committed, so building needs neither."""

import math
import os
import pathlib
import struct
import subprocess
import tempfile
import xml.etree.ElementTree as ET

OUT = pathlib.Path(__file__).resolve().parent.parent / "assets" / "pictures"
FONTS = pathlib.Path(__file__).resolve().parent.parent / "assets" / "fonts"
TRANSLATIONS = pathlib.Path(__file__).resolve().parent.parent / "translations"
LIMBS = ["LEFT FOOT", "RIGHT HAND", "LEFT HAND", "RIGHT FOOT"]
LONG_NAME = "Tanglemat Random Generator"

SIZE = 413
# The side of the Windows build's large renderings, which stand in for the SVG files there.
LARGE = 1024
CENTRE = (226.0, 205.0)  # right of middle: the name runs up the left edge
RING = 148.0
DISC = 24.0
COLOURS = {"blue": "#1f5fd6", "red": "#e3262d", "green": "#1fae4b", "yellow": "#ffcd00"}
ORDER = ["blue", "red", "green", "yellow"]  # clockwise from the top, four times

SKIN = "#f4cfa6"
SKIN_LINE = "#9c6440"
SOCK = "#e3262d"
SOCK_DARK = "#a8141b"


def disc_ring(centre=CENTRE, ring=RING, disc=DISC):
    parts = []
    for i in range(16):
        angle = math.radians(-90 + i * 22.5)  # clockwise on screen, first at the top
        x = centre[0] + ring * math.cos(angle)
        y = centre[1] + ring * math.sin(angle)
        colour = COLOURS[ORDER[i % 4]]
        parts.append(
            f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{disc}" fill="{colour}" '
            f'stroke="#00000033" stroke-width="1.5"/>'
            f'<circle cx="{x - disc * 0.3:.2f}" cy="{y - disc * 0.3:.2f}" r="{disc * 0.35:.2f}" '
            f'fill="#ffffff" opacity="0.22"/>'
        )
    return "".join(parts)


def hand(x, y, scale, mirror):
    """An open hand, fingers up, thumb to the right for a left hand (palm facing us)."""
    flip = -1 if mirror else 1
    fingers = [(-15, -2, 28), (-5, -8, 32), (5, -6, 30), (14, 0, 24)]  # dx, top, length
    shapes = []
    for dx, top, length in fingers:
        shapes.append(
            f'<rect x="{dx - 4.6:.1f}" y="{top - 10:.1f}" width="9.2" height="{length:.1f}" '
            f'rx="4.6" />'
        )
    shapes.append('<rect x="-19.5" y="8" width="39" height="30" rx="11"/>')
    shapes.append(
        '<rect x="-4.5" y="-6" width="9" height="26" rx="4.5" '
        'transform="translate(21 22) rotate(50)"/>'
    )
    creases = (
        '<path d="M -9 24 q 8 6 17 1" fill="none" stroke="#9c644088" stroke-width="1.3" '
        'stroke-linecap="round"/>'
    )
    return (
        f'<g transform="translate({x} {y}) scale({flip * scale} {scale})" fill="{SKIN}" '
        f'stroke="{SKIN_LINE}" stroke-width="1.6" stroke-linejoin="round">'
        f'{"".join(shapes)}'
        f'<rect x="-18" y="9" width="36" height="28" rx="10" stroke="none"/>'
        f'{creases}</g>'
    )


def sock(x, y, scale, mirror):
    """A red sock, toe pointing right for a right foot."""
    flip = -1 if mirror else 1
    outline = (
        "M -16 -30 L 4 -30 L 4 4 Q 4 8 9 9 L 24 11 Q 36 13 35 24 Q 34 33 22 33 "
        "L -8 33 Q -20 33 -20 20 L -16 -30 Z"
    )
    return (
        f'<g transform="translate({x} {y}) scale({flip * scale} {scale})" '
        f'stroke-linejoin="round">'
        f'<path d="{outline}" fill="{SOCK}" stroke="{SOCK_DARK}" stroke-width="1.6"/>'
        f'<rect x="-17.5" y="-33" width="23" height="9" rx="3" fill="#ffffff" '
        f'stroke="{SOCK_DARK}" stroke-width="1.4"/>'
        f'<path d="M -16 -17 L 4 -17 M -16.6 -10 L 4 -10" stroke="#ffffff" '
        f'stroke-width="2.4" opacity="0.8"/>'
        f'<path d="M 24 11 Q 36 13 35 24 Q 34 33 22 33 Q 26 22 24 11 Z" fill="{SOCK_DARK}"/>'
        f'<path d="M -20 20 Q -20 33 -8 33 Q -12 24 -20 20 Z" fill="{SOCK_DARK}"/>'
        f"</g>"
    )


def foot(x, y, scale, mirror):
    """A bare foot seen from above, toes up, as its owner looks down at it: the big toe on the
    right for a left foot (as the board's left hand has its thumb on the right)."""
    flip = -1 if mirror else 1
    sole = (
        "M -2 44 C -14 44 -15 30 -13 18 C -11 8 -19 -4 -18 -14 C -17 -24 -6 -28 5 -26 "
        "C 15 -24 19 -14 17 -4 C 15 8 12 20 11 30 C 10 40 6 44 -2 44 Z"
    )
    toes = [(11, -35, 7.0), (0, -38, 5.2), (-7.5, -36, 4.5), (-13.5, -32, 3.9), (-18, -26, 3.4)]
    shapes = [f'<path d="{sole}"/>']
    shapes += [f'<ellipse cx="{cx}" cy="{cy}" rx="{r}" ry="{r * 1.15:.2f}"/>' for cx, cy, r in toes]
    return (
        f'<g transform="translate({x} {y}) scale({flip * scale} {scale})" fill="{SKIN}" '
        f'stroke="{SKIN_LINE}" stroke-width="1.6" stroke-linejoin="round">{"".join(shapes)}</g>'
    )


def stage_limb(kind, mirror):
    """One limb alone, for the call in full screen: the board's hand, or a bare foot, whose
    left and right a child who can't read yet tells apart."""
    drawing = hand(50, 45, 1.2, mirror) if kind == "hand" else foot(50, 50, 1.05, mirror)
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100" viewBox="0 0 100 100">'
        f"{drawing}</svg>\n"
    )


STAGE_LIMBS = {  # the file names of the call sounds; mirrored is the right side
    "lefthand": ("hand", False), "righthand": ("hand", True),
    "leftfoot": ("foot", False), "rightfoot": ("foot", True),
}


def label(text, x, y, anchor):
    return (
        f'<text x="{x}" y="{y}" text-anchor="{anchor}" font-family="Quicksand" '
        f'font-weight="bold" font-size="13" fill="#222222" letter-spacing="0.5">{text}</text>'
    )


def limb_names(code):
    """The board's words in a language, as its translation has them: the limbs and the long
    name (the program's name stays as it is)."""
    tree = ET.parse(TRANSLATIONS / f"limbora_{code}.ts")
    names = {}
    for message in tree.getroot().iter("message"):
        if message.findtext("source") in LIMBS + [LONG_NAME]:
            names[message.findtext("source")] = message.findtext("translation")
    return names


def board(names=None):
    names = names or {text: text for text in LIMBS + [LONG_NAME]}
    body = [
        f'<rect width="{SIZE}" height="{SIZE}" fill="#ffffff"/>',
        # a faint mat under the ring
        f'<circle cx="{CENTRE[0]}" cy="{CENTRE[1]}" r="{RING + DISC + 8}" fill="#f3f6fb"/>',
        f'<circle cx="{CENTRE[0]}" cy="{CENTRE[1]}" r="{RING - DISC - 8}" fill="#ffffff"/>',
        disc_ring(),
        # corners: the names along the top and bottom edges, each drawing between name and ring
        label(names["LEFT FOOT"], 8, 16, "start"),
        sock(40, 58, 0.95, mirror=True),
        label(names["RIGHT HAND"], 405, 16, "end"),
        hand(382, 52, 0.95, mirror=True),
        label(names["LEFT HAND"], 8, 406, "start"),
        hand(34, 352, 0.95, mirror=False),
        label(names["RIGHT FOOT"], 405, 406, "end"),
        sock(378, 353, 0.95, mirror=False),
        # the name, written upwards along the left edge, the long name beside it
        '<g transform="translate(37 300) rotate(-90)">'
        '<text x="0" y="0" font-family="Quicksand" font-weight="bold" font-size="44" '
        'fill="#d81e1e" textLength="190" lengthAdjust="spacingAndGlyphs">Limbora</text>'
        '<text x="4" y="13" font-family="Liberation Serif" font-size="10.5" fill="#111111" '
        f'textLength="182" lengthAdjust="spacingAndGlyphs">{names[LONG_NAME]}</text>'
        "</g>",
    ]
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}">{"".join(body)}</svg>\n'
    )


def icon():
    """The board in miniature: at 32 pixels only the ring and its white middle read."""
    centre = (SIZE / 2, SIZE / 2)
    body = [
        f'<rect width="{SIZE}" height="{SIZE}" rx="60" fill="#ffffff"/>',
        disc_ring(centre, ring=160, disc=29),
        hand(centre[0], centre[1] - 8, 2.6, mirror=False),
    ]
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}">{"".join(body)}</svg>\n'
    )


def portrait():
    """The hidden window's picture: an illustrated, invented caller with a whistle, nobody real."""
    w, h = 126, 190
    body = [
        "<defs>"
        '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#cfe3ff"/><stop offset="1" stop-color="#f6f9ff"/>'
        "</linearGradient></defs>",
        f'<rect width="{w}" height="{h}" fill="url(#sky)"/>',
        # a few board discs floating behind
        '<circle cx="18" cy="24" r="11" fill="#1f5fd6" opacity="0.55"/>',
        '<circle cx="108" cy="34" r="9" fill="#e3262d" opacity="0.55"/>',
        '<circle cx="104" cy="92" r="7" fill="#ffcd00" opacity="0.7"/>',
        '<circle cx="16" cy="98" r="8" fill="#1fae4b" opacity="0.55"/>',
        # shoulders in a striped referee shirt
        '<path d="M 8 190 Q 10 140 44 132 L 82 132 Q 116 140 118 190 Z" fill="#ffffff" '
        'stroke="#333333" stroke-width="1.5"/>',
        '<g stroke="#222222" stroke-width="7" opacity="0.9">'
        '<path d="M 30 137 L 26 190"/><path d="M 52 133 L 52 190"/>'
        '<path d="M 74 133 L 74 190"/><path d="M 96 137 L 100 190"/></g>',
        '<path d="M 8 190 Q 10 140 44 132 L 82 132 Q 116 140 118 190 Z" fill="none" '
        'stroke="#333333" stroke-width="1.5"/>',
        # neck and head
        f'<rect x="53" y="112" width="20" height="24" rx="6" fill="{SKIN}" stroke="{SKIN_LINE}" '
        'stroke-width="1.2"/>',
        f'<ellipse cx="63" cy="84" rx="31" ry="36" fill="{SKIN}" stroke="{SKIN_LINE}" '
        'stroke-width="1.4"/>',
        f'<ellipse cx="32" cy="88" rx="5" ry="8" fill="{SKIN}" stroke="{SKIN_LINE}" '
        'stroke-width="1.2"/>',
        f'<ellipse cx="94" cy="88" rx="5" ry="8" fill="{SKIN}" stroke="{SKIN_LINE}" '
        'stroke-width="1.2"/>',
        # hair
        '<path d="M 31 80 Q 28 44 62 44 Q 98 44 95 80 Q 90 62 74 58 Q 62 66 44 62 Q 34 66 31 80 Z" '
        'fill="#6b3e26"/>',
        # eyes, brows, cheeks, smile
        '<ellipse cx="51" cy="84" rx="3.4" ry="4.2" fill="#2b2b2b"/>',
        '<ellipse cx="75" cy="84" rx="3.4" ry="4.2" fill="#2b2b2b"/>',
        '<circle cx="52.2" cy="82.6" r="1.1" fill="#ffffff"/>',
        '<circle cx="76.2" cy="82.6" r="1.1" fill="#ffffff"/>',
        '<path d="M 44 74 Q 51 70 57 74 M 69 74 Q 75 70 82 74" fill="none" stroke="#6b3e26" '
        'stroke-width="2" stroke-linecap="round"/>',
        '<ellipse cx="44" cy="97" rx="6" ry="3.5" fill="#f29a8e" opacity="0.6"/>',
        '<ellipse cx="82" cy="97" rx="6" ry="3.5" fill="#f29a8e" opacity="0.6"/>',
        '<path d="M 50 101 Q 63 113 76 101" fill="#ffffff" stroke="#8a3b2b" stroke-width="1.8" '
        'stroke-linejoin="round"/>',
        # a whistle on its cord
        '<path d="M 52 134 Q 63 150 74 134" fill="none" stroke="#e3262d" stroke-width="1.6"/>',
        '<rect x="58" y="146" width="14" height="8" rx="3" fill="#c9ced6" stroke="#555555" '
        'stroke-width="1"/>',
    ]
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
        f'viewBox="0 0 {w} {h}">{"".join(body)}</svg>\n'
    )


def render(svg_name, png_name, width, height=None):
    # The bundled fonts, whether or not the machine has them installed.
    with tempfile.NamedTemporaryFile("w", suffix=".conf") as config:
        config.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd">'
                     f'<fontconfig><include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
                     f"<dir>{FONTS}</dir></fontconfig>")
        config.flush()
        subprocess.run(
            ["rsvg-convert", "-w", str(width), "-h", str(height or width), "-o",
             str(OUT / png_name), str(OUT / svg_name)],
            check=True, env=dict(os.environ, FONTCONFIG_FILE=config.name),
        )


def language_boards():
    """The board of each translated language, its corners named in that language."""
    for ts in sorted(TRANSLATIONS.glob("limbora_*.ts")):
        code = ts.stem.split("_", 1)[1]
        (OUT / f"board-{code}.svg").write_text(board(limb_names(code)))
        render(f"board-{code}.svg", f"board-{code}.png", SIZE)


def icns():
    """The macOS bundle icon: an icns file is a list of typed chunks, here PNG data at the sizes
    macOS reads PNG for (icp5 32, icp6 64, ic07 128, ic08 256)."""
    chunks = b""
    for kind, size in ((b"icp5", 32), (b"icp6", 64), (b"ic07", 128), (b"ic08", 256)):
        data = (OUT / f"limbora-{size}.png").read_bytes()
        chunks += kind + struct.pack(">I", len(data) + 8) + data
    (OUT / "limbora.icns").write_bytes(b"icns" + struct.pack(">I", len(chunks) + 8) + chunks)


def windows_pictures():
    """For the Windows build, which has no Qt SVG: the pictures drawn from SVG at run time, as
    large PNG files, and limbora.ico, the .exe's icon, packing the icon's PNG sizes."""
    stems = ["board"] + [p.stem for p in sorted(OUT.glob("board-*.svg"))]
    stems += [f"limb-{name}" for name in STAGE_LIMBS]
    for stem in stems:
        render(f"{stem}.svg", f"{stem}-{LARGE}.png", LARGE)
    sizes = (32, 48, 64, 128, 256)
    images = [(OUT / f"limbora-{size}.png").read_bytes() for size in sizes]
    entries = b""
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    (OUT / "limbora.ico").write_bytes(struct.pack("<HHH", 0, 1, len(images)) + entries
                                      + b"".join(images))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    (OUT / "board.svg").write_text(board())
    (OUT / "limbora.svg").write_text(icon())
    render("board.svg", "board.png", SIZE)
    language_boards()
    for size in (32, 48, 64, 128, 256):
        render("limbora.svg", f"limbora-{size}.png", size)
    (OUT / "portrait.svg").write_text(portrait())
    for name, (kind, mirror) in STAGE_LIMBS.items():
        (OUT / f"limb-{name}.svg").write_text(stage_limb(kind, mirror))
    render("portrait.svg", "portrait.png", 126, 190)
    icns()
    windows_pictures()


if __name__ == "__main__":
    main()
