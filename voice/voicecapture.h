// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>
#include <vector>

class QTimer;

// Records one take from the desktop's default input, through the same audio server as playback.
// It stops by itself when the word has ended (a short silence after something was said) or after
// LongestMs, and delivers the take once; or it reports, once, why there is none. Every wait on
// the audio system has a deadline on this object's own clock.
class VoiceCapture : public QObject
{
    Q_OBJECT

public:
    enum class Failure {
        NoServer, // no audio server to record through
        NoInput, // no input device, or none that delivers sound
        Denied, // the system refused access to the microphone
        Lost, // the audio server went away during the take
    };
    Q_ENUM(Failure)

    static constexpr int LongestMs = 3000;
    // From start() to the first sound from the input (a monitor source takes about 1.5 s).
    static constexpr int LiveWithinMs = 3000;
    // A live input that stops delivering for this long has gone away.
    static constexpr int StallMs = 1000;
    // Quiet after the word that ends the take.
    static constexpr int EndSilenceMs = 600;

    explicit VoiceCapture(QObject *parent = nullptr);
    ~VoiceCapture() override;

    void start();
    // Ends the take now, keeping what was heard so far.
    void stop();
    bool isRecording() const { return m_recording; }
    int rate() const { return m_rate; }

Q_SIGNALS:
    // The input is live: the host may speak.
    void listening();
    void finished(const std::vector<float> &samples, int rate);
    void failed(VoiceCapture::Failure failure);

protected:
    // The platform's side: open the default input, and close it again without waiting.
    virtual void open() = 0;
    virtual void close() = 0;

    // Called on this object's thread by the platform's side.
    void received(const std::vector<float> &samples);
    void fail(Failure failure);

    int m_rate = 22050;

private:
    void end();

    QTimer *m_deadline = nullptr;
    QTimer *m_stall = nullptr;
    std::vector<float> m_take;
    bool m_recording = false;
    bool m_live = false;
    bool m_spoken = false;
    double m_floor = -1;
    qsizetype m_quietSince = -1;
};

// The capture for this platform: libpulse on Linux, Qt Multimedia elsewhere.
std::unique_ptr<VoiceCapture> makeVoiceCapture(QObject *parent = nullptr);
