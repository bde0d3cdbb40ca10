// SPDX-License-Identifier: GPL-3.0-or-later
#include "takeprocessing.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace TakeProcessing {

namespace {

struct Biquad
{
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;

    std::vector<double> run(const std::vector<double> &x) const
    {
        std::vector<double> y(x.size());
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            y[i] = b0 * x[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x[i];
            y2 = y1;
            y1 = y[i];
        }
        return y;
    }
};

Biquad highPass(double frequency, double q, int rate)
{
    const double k = std::tan(std::numbers::pi * frequency / rate);
    const double a0 = 1 + k / q + k * k;
    return {1 / a0, -2 / a0, 1 / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

// The first stage of the K-weighting: a shelf of +4 dB above about 1.7 kHz.
Biquad kShelf(int rate)
{
    const double k = std::tan(std::numbers::pi * 1681.974450955533 / rate);
    const double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

double peakOf(const std::vector<double> &x)
{
    double peak = 0;
    for (double v : x) {
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

// A full-scale input held for three samples in a row: the microphone's converter clipped.
bool isClipped(const std::vector<float> &samples)
{
    int run = 0;
    for (float v : samples) {
        run = std::abs(v) >= 0.99f ? run + 1 : 0;
        if (run >= 3) {
            return true;
        }
    }
    return false;
}

// Peaks held under the ceiling: each sample's needed gain, taken early by a 2 ms look-ahead and
// let go over about 50 ms, so that the word is turned down around a peak rather than squared off.
void limit(std::vector<double> &x, int rate)
{
    const double ceiling = std::pow(10.0, CeilingDbfs / 20);
    const size_t n = x.size();
    std::vector<double> needed(n, 1.0);
    for (size_t i = 0; i < n; ++i) {
        if (std::abs(x[i]) > ceiling) {
            needed[i] = ceiling / std::abs(x[i]);
        }
    }
    const auto ahead = size_t(0.002 * rate);
    std::vector<double> gain(n, 1.0);
    for (size_t i = 0; i < n; ++i) {
        if (needed[i] < 1.0) {
            const size_t from = i > ahead ? i - ahead : 0;
            const size_t to = std::min(n, i + ahead + 1);
            for (size_t j = from; j < to; ++j) {
                gain[j] = std::min(gain[j], needed[i]);
            }
        }
    }
    const double release = 1 - std::exp(-1.0 / (0.05 * rate));
    double held = 1.0;
    for (size_t i = 0; i < n; ++i) {
        held = std::min(gain[i], held + (1 - held) * release);
        x[i] *= held;
    }
}

double loudnessOf(const std::vector<double> &x, int rate)
{
    const std::vector<double> y
        = highPass(38.13547087602444, 0.5003270373238773, rate).run(kShelf(rate).run(x));
    const auto block = size_t(0.4 * rate);
    const auto step = size_t(0.1 * rate);
    std::vector<double> powers;
    // A take shorter than a block is measured as one block of its own length.
    for (size_t start = 0; powers.empty() || start + block <= y.size(); start += step) {
        const size_t end = std::min(y.size(), start + block);
        double sum = 0;
        for (size_t i = start; i < end; ++i) {
            sum += y[i] * y[i];
        }
        powers.push_back(end > start ? sum / double(end - start) : 0.0);
    }
    const auto level = [](double power) {
        return -0.691 + 10 * std::log10(power);
    };
    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double power : powers) {
            if (power > 0 && level(power) > gate) {
                sum += power;
                ++count;
            }
        }
        return count ? sum / count : 0.0;
    };
    const double absolute = gatedMean(-70);
    if (absolute <= 0) {
        return -std::numeric_limits<double>::infinity();
    }
    return level(gatedMean(level(absolute) - 10));
}

} // namespace

double integratedLoudness(const std::vector<float> &samples, int rate)
{
    return loudnessOf(std::vector<double>(samples.begin(), samples.end()), rate);
}

Result process(const std::vector<float> &samples, int rate)
{
    Result result;
    result.clipped = isClipped(samples);
    if (samples.empty() || rate <= 0) {
        return result;
    }
    std::vector<double> x(samples.begin(), samples.end());
    double mean = 0;
    for (double v : x) {
        mean += v;
    }
    mean /= double(x.size());
    for (double &v : x) {
        v -= mean;
    }
    x = highPass(70, std::numbers::sqrt2 / 2, rate).run(x);

    // The room's noise is the quietest fifth of 5 ms frames; the word is what stands out of it.
    const auto frame = std::max<size_t>(1, size_t(0.005 * rate));
    std::vector<double> levels;
    for (size_t start = 0; start + frame <= x.size(); start += frame) {
        double sum = 0;
        for (size_t i = start; i < start + frame; ++i) {
            sum += x[i] * x[i];
        }
        levels.push_back(std::sqrt(sum / double(frame)));
    }
    if (levels.empty()) {
        return result;
    }
    std::vector<double> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double floor = std::max(sorted[sorted.size() / 5], 1e-6);
    const double loudest = sorted.back();
    if (peakOf(x) < std::pow(10.0, -50.0 / 20) || loudest < 10 * floor) {
        return result;
    }
    // Low enough to catch the release burst of a stop ahead of its vowel, high enough to stay
    // out of the noise; a lead-in before it keeps the consonant's start whole.
    const double threshold = std::max(loudest * std::pow(10.0, -35.0 / 20), 3 * floor);
    const auto first
        = size_t(std::find_if(levels.begin(), levels.end(), [&](double v) { return v > threshold; })
                 - levels.begin());
    const auto last = size_t(levels.rend()
                             - std::find_if(levels.rbegin(), levels.rend(),
                                            [&](double v) { return v > threshold; }))
        - 1;
    const auto leadIn = size_t(0.020 * rate);
    const auto tail = size_t(0.060 * rate);
    const size_t begin = first * frame > leadIn ? first * frame - leadIn : 0;
    const size_t end = std::min(x.size(), (last + 1) * frame + tail);
    std::vector<double> word(x.begin() + std::ptrdiff_t(begin), x.begin() + std::ptrdiff_t(end));

    // Fades only within the lead-in and the tail, so the word itself is untouched.
    const size_t fadeIn = std::min(word.size(), size_t(0.010 * rate));
    for (size_t i = 0; i < fadeIn; ++i) {
        word[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(fadeIn));
    }
    const size_t fadeOut = std::min(word.size(), size_t(0.020 * rate));
    for (size_t i = 0; i < fadeOut; ++i) {
        word[word.size() - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / fadeOut);
    }
    word.resize(word.size() + size_t(TrailingSilenceSeconds * rate), 0.0);

    // The limiter takes a little loudness off: measure again and make up for it.
    std::vector<double> levelled = word;
    double gainDb = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const double miss = TargetLufs - loudnessOf(levelled, rate);
        if (std::abs(miss) < 0.1 || !std::isfinite(miss)) {
            break;
        }
        gainDb += miss;
        levelled = word;
        const double gain = std::pow(10.0, gainDb / 20);
        for (double &v : levelled) {
            v *= gain;
        }
        limit(levelled, rate);
    }

    result.samples.assign(levelled.begin(), levelled.end());
    result.wav = wavFile(result.samples, rate);
    // What is measured is what is stored: the 16-bit samples.
    std::vector<float> stored(result.samples.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        stored[i]
            = float(std::lround(std::clamp(double(result.samples[i]) * 32767.0, -32768.0, 32767.0)))
            / 32768.0f;
    }
    result.loudness = integratedLoudness(stored, rate);
    result.verdict = Verdict::Kept;
    return result;
}

QByteArray wavFile(const std::vector<float> &samples, int rate)
{
    const auto dataBytes = quint32(samples.size() * 2);
    QByteArray wav(44 + qsizetype(dataBytes), Qt::Uninitialized);
    char *out = wav.data();
    const auto put32 = [&](int at, quint32 value) {
        qToLittleEndian(value, out + at);
    };
    const auto put16 = [&](int at, quint16 value) {
        qToLittleEndian(value, out + at);
    };
    std::copy_n("RIFF", 4, out);
    put32(4, 36 + dataBytes);
    std::copy_n("WAVEfmt ", 8, out + 8);
    put32(16, 16);
    put16(20, 1); // PCM
    put16(22, 1); // mono
    put32(24, quint32(rate));
    put32(28, quint32(rate) * 2);
    put16(32, 2);
    put16(34, 16);
    std::copy_n("data", 4, out + 36);
    put32(40, dataBytes);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double scaled = std::clamp(double(samples[i]) * 32767.0, -32768.0, 32767.0);
        qToLittleEndian(qint16(std::lround(scaled)), out + 44 + 2 * i);
    }
    return wav;
}

} // namespace TakeProcessing
