// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

// Plays the program's sounds, each a WAV file named by a bare name in one sound directory.
// Wait mode reports the end through a callback, so nothing blocks the event loop; a sound that
// can't be played (missing or broken file, no audio device) ends at once and silently. Return
// mode just starts the sound, and plays the desktop's default sound for one it can't play.
// Neither mode tells the caller whether anything was heard.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    // A wait ends at the backend's end report or once the sound's length has passed, whichever
    // comes first: Qt Multimedia reports the end anywhere from a tenth of a second early to a
    // second late, or never without a server. The allowances cover loading and start latency.
    static constexpr int LoadAllowanceMs = 1000;
    static constexpr int StartAllowanceMs = 50;

    explicit SoundPlayer(const QString &directory, QObject *parent = nullptr);
    ~SoundPlayer() override;

    QString directory() const { return m_directory; }
    QString path(const QString &name) const { return m_directory + name; }

    // Loads ahead so that a sound starts without delay when it is asked for.
    void preload(const QStringList &names);

    void playAndWait(const QString &name, std::function<void()> finished);
    void playAndReturn(const QString &name);

    void setDefaultSound(std::function<void()> defaultSound);

private:
    struct Loaded
    {
        QSoundEffect *effect = nullptr;
        qint64 lengthMs = 0;
    };

    const Loaded *playable(const QString &name);
    void restart(QSoundEffect *effect);

    QString m_directory;
    QHash<QString, Loaded> m_loaded;
    std::function<void()> m_defaultSound;
};
