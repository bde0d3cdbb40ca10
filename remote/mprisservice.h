// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class RemotePlayer;

// Puts the player on the session bus as the MPRIS player org.mpris.MediaPlayer2.limbora, where
// the desktop's media controls and KDE Connect or GSConnect find it, and announces every change
// of its properties. Joining the bus happens in the background and never holds up the window:
// without a session bus, or with the name taken, the program goes on as if it had none.
class MprisService : public QObject
{
    Q_OBJECT

public:
    static const QString ServiceName;
    static const QString ObjectPath;

    explicit MprisService(RemotePlayer &player, QObject *parent = nullptr);
    ~MprisService() override;

    // Connects and asks for the name without waiting for either.
    void start();

Q_SIGNALS:
    // The player is on the bus under its name, for the rest of the run.
    void joined();

private:
    void connected();
    void nameReplied(bool granted);
    void announce(const QVariantMap &changed);

    RemotePlayer &m_player;
    QObject *m_host = nullptr; // carries the adaptors at the object path
    bool m_onBus = false;
};
