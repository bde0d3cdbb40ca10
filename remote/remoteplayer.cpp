// SPDX-License-Identifier: GPL-3.0-or-later
#include "remoteplayer.h"

#include "gamewords.h"
#include "remotegame.h"

#include <QTimer>

using namespace Qt::StringLiterals;

RemotePlayer::RemotePlayer(RemoteGame &game, ArtFor artFor, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_artFor(std::move(artFor))
    , m_announcer(new QTimer(this))
{
    m_announcer->setSingleShot(true);
    m_announcer->setInterval(0);
    connect(m_announcer, &QTimer::timeout, this, &RemotePlayer::announce);
    m_announced = properties();
}

QString RemotePlayer::playbackStatus() const
{
    if (!m_running) {
        return u"Stopped"_s;
    }
    return m_paused ? u"Paused"_s : u"Playing"_s;
}

QVariantMap RemotePlayer::metadata() const
{
    if (!m_running && m_winner.isEmpty()) {
        return {};
    }
    QVariantMap metadata;
    metadata.insert(u"mpris:trackid"_s, u"/org/limbora/Limbora/track/%1"_s.arg(m_track));
    if (!m_running) {
        metadata.insert(u"xesam:title"_s, GameWords::winner(m_winner));
        return metadata;
    }
    QString title;
    QString artist;
    const bool calling
        = m_display.kind == GameDisplay::Kind::Limb || m_display.kind == GameDisplay::Kind::Call;
    if (calling) {
        title = GameWords::display(m_display).trimmed();
        artist = m_statusText;
        if (m_display.kind == GameDisplay::Kind::Call && m_artFor && m_artAsked) {
            const QString art = m_artFor(m_display.colour);
            if (!art.isEmpty()) {
                metadata.insert(u"mpris:artUrl"_s, art);
            }
        }
    } else {
        // The countdown: the status heads it, the seconds follow.
        title = m_heading;
        artist = GameWords::display(m_display);
    }
    metadata.insert(u"xesam:title"_s, title);
    if (!artist.isEmpty()) {
        metadata.insert(u"xesam:artist"_s, QStringList{artist});
    }
    return metadata;
}

QVariantMap RemotePlayer::metadataForReader()
{
    m_artAsked = true;
    return metadata();
}

QVariantMap RemotePlayer::properties() const
{
    return {
        {u"PlaybackStatus"_s, playbackStatus()},
        {u"Metadata"_s, metadata()},
        {u"Rate"_s, 1.0},
        {u"MinimumRate"_s, 1.0},
        {u"MaximumRate"_s, 1.0},
        {u"Volume"_s, 1.0},
        {u"Position"_s, qlonglong(0)},
        {u"CanPlay"_s, true},
        // Only a running game can be paused, or have its call said again.
        {u"CanPause"_s, m_running},
        {u"CanGoPrevious"_s, m_running},
        // Next makes a call only while the countdown or a pause runs.
        {u"CanGoNext"_s, m_running && m_nextCallable},
        {u"CanSeek"_s, false},
        {u"CanControl"_s, true},
    };
}

void RemotePlayer::showStatus(GameStatus status)
{
    m_statusText = GameWords::status(status);
    if (!m_statusText.isEmpty()) {
        m_heading = m_statusText;
    }
    changed();
}

void RemotePlayer::showDisplay(const GameDisplay &display)
{
    // Every call is a track of its own, and so is the same call said again.
    if (display.kind == GameDisplay::Kind::Limb && m_display.kind != GameDisplay::Kind::Limb) {
        ++m_track;
    }
    m_display = display;
    changed();
}

void RemotePlayer::setRunning(bool running)
{
    if (running == m_running) {
        return;
    }
    m_running = running;
    if (running) {
        ++m_track; // the countdown
    } else {
        m_paused = false;
    }
    changed();
}

void RemotePlayer::setPaused(bool paused)
{
    m_paused = paused && m_running;
    changed();
}

void RemotePlayer::setNextCallable(bool nextCallable)
{
    m_nextCallable = nextCallable;
    changed();
}

void RemotePlayer::showWinner(const QString &name)
{
    m_winner = name;
    changed();
}

void RemotePlayer::play()
{
    if (!m_running) {
        m_game.start();
    } else if (m_paused) {
        m_game.setPaused(false);
    }
}

void RemotePlayer::pause()
{
    if (m_running && !m_paused) {
        m_game.setPaused(true);
    }
}

void RemotePlayer::playPause()
{
    if (m_running && !m_paused) {
        pause();
    } else {
        play();
    }
}

void RemotePlayer::stop()
{
    if (m_running) {
        m_game.stop();
    }
}

void RemotePlayer::previous()
{
    if (m_running) {
        m_game.repeatCall();
    }
}

void RemotePlayer::next()
{
    if (m_running) {
        m_game.nextCall();
    }
}

void RemotePlayer::raise()
{
    Q_EMIT raiseRequested();
}

void RemotePlayer::changed()
{
    m_announcer->start();
}

void RemotePlayer::announce()
{
    m_announcer->stop();
    const QVariantMap now = properties();
    QVariantMap changes;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value()) {
            changes.insert(it.key(), it.value());
        }
    }
    m_announced = now;
    if (!changes.isEmpty()) {
        Q_EMIT propertiesChanged(changes);
    }
}
