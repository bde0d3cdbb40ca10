// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicecapture.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

VoiceCapture::VoiceCapture(QObject *parent)
    : QObject(parent)
    , m_deadline(new QTimer(this))
    , m_stall(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    m_deadline->setTimerType(Qt::PreciseTimer);
    m_stall->setSingleShot(true);
    m_stall->setInterval(StallMs);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (m_live) {
            end(); // the longest take
        } else {
            fail(Failure::NoInput);
        }
    });
    connect(m_stall, &QTimer::timeout, this, [this] { fail(Failure::Lost); });
}

VoiceCapture::~VoiceCapture() = default;

void VoiceCapture::start()
{
    if (m_recording) {
        return;
    }
    m_take.clear();
    m_recording = true;
    m_live = false;
    m_spoken = false;
    m_floor = -1;
    m_quietSince = -1;
    m_deadline->start(LiveWithinMs);
    open();
}

void VoiceCapture::stop()
{
    if (m_recording) {
        end();
    }
}

void VoiceCapture::received(const std::vector<float> &samples)
{
    if (!m_recording || samples.empty()) {
        return;
    }
    if (!m_live) {
        m_live = true;
        m_deadline->start(LongestMs);
        Q_EMIT listening();
    }
    m_stall->start();
    const qsizetype before = qsizetype(m_take.size());
    m_take.insert(m_take.end(), samples.begin(), samples.end());

    // 10 ms frames: the quietest so far is the room; a word is 15 dB above it (and not hiss),
    // and EndSilenceMs back under that line ends the take.
    const qsizetype frame = m_rate / 100;
    for (qsizetype start = before - before % frame; start + frame <= qsizetype(m_take.size());
         start += frame) {
        double sum = 0;
        for (qsizetype i = start; i < start + frame; ++i) {
            sum += double(m_take[size_t(i)]) * m_take[size_t(i)];
        }
        const double level = std::sqrt(sum / double(frame));
        m_floor = m_floor < 0 ? level : std::min(m_floor, level);
        const bool loud = level > std::max(m_floor * 5.6, 0.003);
        if (loud) {
            m_spoken = true;
            m_quietSince = -1;
        } else if (m_spoken && m_quietSince < 0) {
            m_quietSince = start;
        }
    }
    if (qsizetype(m_take.size()) >= qsizetype(m_rate) * LongestMs / 1000) {
        m_take.resize(size_t(m_rate) * LongestMs / 1000);
        end();
        return;
    }
    if (m_spoken && m_quietSince >= 0
        && qsizetype(m_take.size()) - m_quietSince >= qsizetype(m_rate) * EndSilenceMs / 1000) {
        end();
    }
}

void VoiceCapture::fail(Failure failure)
{
    if (!m_recording) {
        return;
    }
    m_recording = false;
    m_deadline->stop();
    m_stall->stop();
    close();
    m_take.clear();
    Q_EMIT failed(failure);
}

void VoiceCapture::end()
{
    m_recording = false;
    m_deadline->stop();
    m_stall->stop();
    close();
    if (!m_live) {
        m_take.clear();
    }
    Q_EMIT finished(m_take, m_rate);
}
