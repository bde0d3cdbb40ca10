// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QThread;
class QTimer;
class SoundBackend;

// Plays the program's sounds, each a WAV file named by a bare name in one sound directory.
// Wait mode reports the end through a callback, so nothing blocks the event loop; a sound that
// can't be played (missing or broken file, no audio device) ends at once and silently. Return
// mode just starts the sound, and plays the desktop's default sound for one it can't play.
// Neither mode tells the caller whether anything was heard.
//
// The audio system is only ever touched from a thread of its own: this object never waits for
// it, and ends a wait on its own clock.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    // A sound that hasn't started this long after it was asked for is given up as silent.
    static constexpr int StartAllowanceMs = 250;
    // How long closing waits for the sound thread to finish.
    static constexpr int StopAllowanceMs = 20;

    explicit SoundPlayer(const QString &directory, QObject *parent = nullptr);
    SoundPlayer(const QString &directory, std::unique_ptr<SoundBackend> backend,
                QObject *parent = nullptr);
    ~SoundPlayer() override;

    QString directory() const { return m_directory; }
    QString path(const QString &name) const { return m_directory + name; }

    // Where each name is looked for, in order, relative to the directory unless absolute: the
    // first folder holding a playable file of that name wins ({"de/", ""} for German words with
    // English ones where a German one is missing or broken). By default the directory itself.
    void setCallFolders(const QStringList &folders);
    QStringList callFolders() const { return m_folders; }
    // 0 to 100, applied from the next sound on.
    void setVolume(int percent);
    int volume() const { return m_volumePercent; }

    // Loads ahead so that a sound starts without delay when it is asked for.
    void preload(const QStringList &names);

    void playAndWait(const QString &name, std::function<void()> finished);
    void playAndReturn(const QString &name);
    // Silences the waited-for sounds of that name still in flight; their waits end without a
    // word to the caller, who asked for it.
    void stop(const QString &name);

    // What plays where neither the file nor the desktop's own sound can be heard.
    void setDefaultSound(std::function<void()> defaultSound);

    // Ends the sound thread, waiting for it at most the given time; nothing plays afterwards.
    // False while it is stuck in the audio system: if it stays so, the process should end
    // without tidying up.
    bool shutDown(int allowanceMs = StopAllowanceMs);

    // Sound threads still running after their player was destroyed. The process keeps them until
    // they end, and frees each one that has ended when it next counts (here, or at any player's
    // making or shutdown).
    static int threadsLeftBehind();

private:
    struct Waiting
    {
        QString name;
        std::function<void()> finished;
        QTimer *deadline = nullptr;
    };

    quint64 request(const QString &name, bool wait);
    void started(quint64 id, qint64 audibleEndNs);
    void failed(quint64 id);
    void finish(quint64 id);

    QString m_directory;
    QStringList m_folders{QString()};
    int m_volumePercent = 100;
    QThread *m_thread = nullptr;
    SoundBackend *m_backend = nullptr;
    QHash<quint64, Waiting> m_waiting;
    QSet<quint64> m_returning;
    quint64 m_lastId = 0;
    bool m_shutDown = false;
    std::function<void()> m_defaultSound;
};
