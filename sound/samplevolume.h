// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// PCM samples (8-bit unsigned or 16-bit signed, little-endian) at a volume, for a platform
// whose streams have no volume of their own (Windows' waveOut): percent on the cubic scale that
// desktop mixers show.
QByteArray samplesAtVolume(const QByteArray &samples, int bitsPerSample, int percent);
