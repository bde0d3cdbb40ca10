// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The windows are designed in "Comic Sans MS", "Berlin Sans FB" and "Times New Roman". We ship
// freely licensed faces in their place, so that every call measures and looks the same on every
// machine, whatever fonts it has.

// Registers the bundled faces; call once after the application object exists.
void loadBundledFonts();

// The bundled font that stands for a design face, at the design's size in points (quarter points
// occur) and weight. An unknown face gives the platform's default font at that size.
QFont designFont(const QString &face, qreal points, QFont::Weight weight = QFont::Normal);
