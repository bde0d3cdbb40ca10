#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a pseudo-translation of a .ts file: every text as its English source in brackets.

A window shown with it has brackets around every text that went through the translation
system, so a text without them is one that bypassed it.
    pseudo_translation.py limbora_de.ts pseudo.ts
"""
import sys
import xml.etree.ElementTree as ET

source, target = sys.argv[1:3]
tree = ET.parse(source)
for message in tree.getroot().iter("message"):
    wrapped = "[" + message.findtext("source") + "]"
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    forms = translation.findall("numerusform")
    for form in forms:
        form.text = wrapped
    if not forms:
        translation.text = wrapped
tree.write(target, encoding="utf-8", xml_declaration=True)
