// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamereport.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

class QTimer;
class RemoteGame;

// The game as a media player for a remote control: the desktop's media controls, a phone through
// KDE Connect or GSConnect, the media keys. It keeps the player's properties in MPRIS terms
// (playback status, what may be asked, the current call as the track) and turns a remote's
// requests into the game's. It knows no bus; the service puts it on one.
class RemotePlayer : public QObject
{
    Q_OBJECT

public:
    // A picture of a colour, as a URL; empty where none can be made.
    using ArtFor = std::function<QString(Rgb colour)>;

    RemotePlayer(RemoteGame &game, ArtFor artFor, QObject *parent = nullptr);

    bool isRunning() const { return m_running; }
    bool isPaused() const { return m_paused; }

    // "Playing" from Start to Stop (the countdown too), "Paused" while paused, else "Stopped".
    QString playbackStatus() const;
    // The current call as a track: title, the other label as artist, the colour as art, and a
    // track id as an object path's text. Empty while no game runs, but for the winner of a round
    // that ended with one. The art is made only once a
    // remote has read the metadata, and from then on goes with every announcement.
    QVariantMap metadata() const;
    // The metadata as a remote reads it.
    QVariantMap metadataForReader();
    // Every property of the player interface, by its MPRIS name.
    QVariantMap properties() const;

public Q_SLOTS:
    // What the game reports.
    void showStatus(GameStatus status);
    void showDisplay(const GameDisplay &display);
    void setRunning(bool running);
    void setPaused(bool paused);
    // Whether Next would make a call now (the countdown or a pause runs, not held).
    void setNextCallable(bool nextCallable);
    // The round's winner, empty once a new one starts.
    void showWinner(const QString &name);

    // What a remote asks for.
    void play();
    void pause();
    void playPause();
    void stop();
    void previous();
    void next();
    void raise();

    // Announces what changed since the last announcement. It runs by itself once control is back
    // in the event loop, so one change of the game is one announcement.
    void announce();

Q_SIGNALS:
    void propertiesChanged(const QVariantMap &changed);
    void raiseRequested();

private:
    void changed();

    RemoteGame &m_game;
    ArtFor m_artFor;
    QTimer *m_announcer = nullptr;
    QVariantMap m_announced;

    bool m_running = false;
    bool m_paused = false;
    bool m_nextCallable = false;
    bool m_artAsked = false; // a remote has read the metadata
    QString m_statusText; // as the window shows it
    QString m_heading; // the last status that said something, the title while no call shows
    GameDisplay m_display;
    QString m_winner;
    quint64 m_track = 0; // counts countdowns and calls, each a track of its own
};
