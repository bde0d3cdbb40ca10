// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The windows are designed in "Comic Sans MS", "Berlin Sans FB" and "Times New Roman". We ship
// freely licensed faces in their place, so that every call measures and looks the same on every
// machine, whatever fonts it has.

// The dialogs' default font: their tight design was drawn for a small sans serif face at 8 points,
// which the platform's own default (often larger and wider) would overflow.
inline const QString DialogFace = QStringLiteral("MS Sans Serif");
inline constexpr qreal DialogPoints = 8.0;
QFont dialogFont();

// Registers the bundled faces; call once after the application object exists.
void loadBundledFonts();

// The bundled font that stands for a design face, at the design's size in points (quarter points
// occur) and weight. An unknown face gives the platform's default font at that size.
QFont designFont(const QString &face, qreal points, QFont::Weight weight = QFont::Normal);
