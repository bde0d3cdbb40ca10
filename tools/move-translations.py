#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Moves messages from one translation context to another in every translations/*.ts file, so
that a text whose code moved to another class keeps its translations. Run
`cmake --build build --target update_translations` afterwards to bring the files in line.

    tools/move-translations.py FROM TO SOURCE...   (SOURCE as in the code, e.g. "Game status")
"""
import pathlib
import sys
import xml.etree.ElementTree as ET


def move(path, source_context, target_context, sources):
    tree = ET.parse(path)
    root = tree.getroot()
    contexts = {c.findtext("name"): c for c in root.findall("context")}
    origin = contexts.get(source_context)
    if origin is None:
        return 0
    target = contexts.get(target_context)
    if target is None:
        target = ET.SubElement(root, "context")
        ET.SubElement(target, "name").text = target_context
    moved = 0
    for message in list(origin.findall("message")):
        if message.findtext("source") in sources:
            origin.remove(message)
            target.append(message)
            moved += 1
    if not origin.findall("message"):
        root.remove(origin)
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    return moved


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    source_context, target_context, sources = sys.argv[1], sys.argv[2], set(sys.argv[3:])
    folder = pathlib.Path(__file__).resolve().parent.parent / "translations"
    for path in sorted(folder.glob("*.ts")):
        count = move(path, source_context, target_context, sources)
        print(f"{path.name}: {count} moved from {source_context} to {target_context}")
        if count != len(sources):
            sys.exit(f"{path.name}: expected {len(sources)}")


if __name__ == "__main__":
    main()
