// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "voicecapture.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;
class SoundPlayer;

// The Configure dialog's Voice group: the built-in voice or the host's own, and a recorder for
// the eight call words of the current language. Each take is stored the moment it is made (or
// removed the moment that is asked), in the language's own-voice folder; what the group says
// about it is one plain line under the words. Nothing here touches a running game.
class VoiceRecorder : public QGroupBox
{
    Q_OBJECT

public:
    using CaptureFactory = std::function<std::unique_ptr<VoiceCapture>(QObject *parent)>;

    explicit VoiceRecorder(const QString &language, QWidget *parent = nullptr);
    // For tests: a capture of their own.
    VoiceRecorder(const QString &language, CaptureFactory makeCapture, QWidget *parent = nullptr);
    ~VoiceRecorder() override;

    bool ownVoice() const;
    void setOwnVoice(bool own);
    // Play says a word at this volume (0 to 100), so the host hears it as the game will.
    void setVolume(int percent);
    QString message() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class State { Recording, Own, Builtin };

    struct Word
    {
        QString file;
        QString caption;
        QLabel *state = nullptr;
        QPushButton *record = nullptr;
        QPushButton *play = nullptr;
        QPushButton *remove = nullptr;
    };

    void record(int word);
    void play(int word);
    void remove(int word);
    void taken(const std::vector<float> &samples, int rate);
    void failed(VoiceCapture::Failure failure);
    void say(const QString &line);
    void refresh();
    void reserveRoom();
    static QString stateText(State state);
    static QString recordText(bool recording);

    QString m_language;
    CaptureFactory m_makeCapture;
    std::unique_ptr<VoiceCapture> m_capture;
    std::unique_ptr<SoundPlayer> m_player;
    int m_recording = -1;
    int m_volume = 100;
    QRadioButton *m_builtin = nullptr;
    QRadioButton *m_own = nullptr;
    QWidget *m_words = nullptr;
    QLabel *m_message = nullptr;
    std::array<Word, 8> m_list;
};
