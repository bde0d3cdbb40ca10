// SPDX-License-Identifier: GPL-3.0-or-later
#include "mprisadaptors.h"

#include "remoteplayer.h"

using namespace Qt::StringLiterals;

MprisRootAdaptor::MprisRootAdaptor(QObject *host, RemotePlayer &player)
    : QDBusAbstractAdaptor(host)
    , m_player(player)
{
}

QString MprisRootAdaptor::identity() const
{
    return u"Limbora"_s;
}

QString MprisRootAdaptor::desktopEntry() const
{
    return u"org.limbora.Limbora"_s;
}

void MprisRootAdaptor::Raise()
{
    m_player.raise();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *host, RemotePlayer &player)
    : QDBusAbstractAdaptor(host)
    , m_player(player)
{
}

QVariantMap MprisPlayerAdaptor::forBus(const QVariantMap &properties)
{
    QVariantMap result = properties;
    const auto metadata = result.find(u"Metadata"_s);
    if (metadata != result.end()) {
        QVariantMap track = metadata->toMap();
        const auto id = track.find(u"mpris:trackid"_s);
        if (id != track.end()) {
            *id = QVariant::fromValue(QDBusObjectPath(id->toString()));
        }
        *metadata = track;
    }
    return result;
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return m_player.playbackStatus();
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    // Read only by a remote's Get or GetAll, so the call's picture is made for one that asked.
    return forBus({{u"Metadata"_s, m_player.metadataForReader()}}).value(u"Metadata"_s).toMap();
}

bool MprisPlayerAdaptor::flag(const QString &name) const
{
    return m_player.properties().value(name).toBool();
}

bool MprisPlayerAdaptor::canPlay() const
{
    return flag(u"CanPlay"_s);
}

bool MprisPlayerAdaptor::canPause() const
{
    return flag(u"CanPause"_s);
}

bool MprisPlayerAdaptor::canGoNext() const
{
    return flag(u"CanGoNext"_s);
}

bool MprisPlayerAdaptor::canGoPrevious() const
{
    return flag(u"CanGoPrevious"_s);
}

bool MprisPlayerAdaptor::canSeek() const
{
    return flag(u"CanSeek"_s);
}

bool MprisPlayerAdaptor::canControl() const
{
    return flag(u"CanControl"_s);
}

void MprisPlayerAdaptor::Play()
{
    m_player.play();
}

void MprisPlayerAdaptor::Pause()
{
    m_player.pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_player.playPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_player.stop();
}

void MprisPlayerAdaptor::Previous()
{
    m_player.previous();
}

void MprisPlayerAdaptor::Next()
{
    m_player.next();
}
