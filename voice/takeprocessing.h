// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <vector>

// Turns a raw take from the microphone into a call word like the shipped ones: the word cut from
// the room's silence around it without losing its first consonant, levelled to the shipped words'
// loudness with peaks held under full scale, and written as a 16-bit PCM mono WAV with a quarter
// of a second of trailing silence (the sound layer cuts the last tenth of a second).
namespace TakeProcessing {

constexpr double TargetLufs = -18.0;
constexpr double CeilingDbfs = -1.0;
constexpr double TrailingSilenceSeconds = 0.25;

enum class Verdict {
    Kept,
    Silent, // nothing stands out of the noise: nothing to store
};

struct Result
{
    Verdict verdict = Verdict::Silent;
    bool clipped = false; // the input reached full scale: kept, but distorted
    double loudness = 0.0; // LUFS of the stored samples
    std::vector<float> samples; // what the WAV holds, -1..1
    QByteArray wav;
};

// `samples` are mono, -1..1, at `rate` Hz.
Result process(const std::vector<float> &samples, int rate);

// Integrated loudness after ITU-R BS.1770 (K-weighting, 400 ms blocks overlapping by 75 %,
// absolute gate at -70 LUFS, relative gate 10 LU below); -inf for silence.
double integratedLoudness(const std::vector<float> &samples, int rate);

// A 16-bit PCM mono WAV of the samples, rounded and held within full scale.
QByteArray wavFile(const std::vector<float> &samples, int rate);

} // namespace TakeProcessing
