// SPDX-License-Identifier: GPL-3.0-or-later
#include "mprisservice.h"

#include "boundedcall.h"
#include "mprisadaptors.h"
#include "remoteplayer.h"
#include "sessionbus.h"

#include <QDBusConnection>
#include <QDBusMessage>

using namespace Qt::StringLiterals;

const QString MprisService::ServiceName = u"org.mpris.MediaPlayer2.limbora"_s;
const QString MprisService::ObjectPath = u"/org/mpris/MediaPlayer2"_s;

namespace {

// The bus's answer to a name request that won't queue, and how long we wait for it.
constexpr uint DoNotQueue = 4;
constexpr uint PrimaryOwner = 1;
constexpr uint AlreadyOwner = 4;
constexpr int NameReplyBound = 5000;

const QString ConnectionName = u"limbora-mpris"_s;

QDBusConnection bus()
{
    return QDBusConnection(ConnectionName);
}

bool isGranted(const QDBusMessage &reply)
{
    const uint answer = reply.arguments().value(0).toUInt();
    return reply.type() == QDBusMessage::ReplyMessage
        && (answer == PrimaryOwner || answer == AlreadyOwner);
}

} // namespace

MprisService::MprisService(RemotePlayer &player, QObject *parent)
    : QObject(parent)
    , m_player(player)
{
}

MprisService::~MprisService()
{
    if (m_onBus) {
        bus().unregisterObject(ObjectPath);
    }
}

void MprisService::start()
{
    connectBusInBackground(QString(), ConnectionName, this, [this](bool connected) {
        if (connected) {
            this->connected();
        }
    });
}

void MprisService::connected()
{
    m_host = new QObject(this);
    new MprisRootAdaptor(m_host, m_player);
    new MprisPlayerAdaptor(m_host, m_player);
    if (!bus().registerObject(ObjectPath, m_host, QDBusConnection::ExportAdaptors)) {
        return;
    }
    QDBusMessage request
        = QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                         u"org.freedesktop.DBus"_s, u"RequestName"_s);
    request << ServiceName << DoNotQueue;
    callWithBound(
        bus(), request, std::chrono::milliseconds(NameReplyBound), this,
        [this](const QDBusMessage &reply) { nameReplied(isGranted(reply)); },
        [](const QDBusMessage &late) {
            if (isGranted(late)) {
                QDBusMessage giveBack = QDBusMessage::createMethodCall(
                    u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                    u"org.freedesktop.DBus"_s, u"ReleaseName"_s);
                giveBack << ServiceName;
                bus().send(giveBack);
            }
        });
}

void MprisService::nameReplied(bool granted)
{
    if (!granted) {
        // Another player has the name: stay off the bus altogether.
        bus().unregisterObject(ObjectPath);
        return;
    }
    m_onBus = true;
    connect(&m_player, &RemotePlayer::propertiesChanged, this, &MprisService::announce);
    Q_EMIT joined();
}

void MprisService::announce(const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        ObjectPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
    signal << u"org.mpris.MediaPlayer2.Player"_s << MprisPlayerAdaptor::forBus(changed)
           << QStringList();
    bus().send(signal);
}
