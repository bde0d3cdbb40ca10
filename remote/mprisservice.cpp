// SPDX-License-Identifier: GPL-3.0-or-later
#include "mprisservice.h"

#include "mprisadaptors.h"
#include "remoteplayer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

const QString MprisService::ServiceName = u"org.mpris.MediaPlayer2.limbora"_s;
const QString MprisService::ObjectPath = u"/org/mpris/MediaPlayer2"_s;

namespace {

// The bus's answer to a name request that won't queue, and how long we wait for it.
constexpr uint DoNotQueue = 4;
constexpr uint PrimaryOwner = 1;
constexpr uint AlreadyOwner = 4;
constexpr int NameReplyBound = 5000;

std::atomic<int> connecting{0};

// Where no session bus is named or found at its usual place, the D-Bus library would start one
// of its own through the X server (autolaunch): no remote could find that one.
bool sessionBusNamed()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + u"/bus"_s);
}

} // namespace

struct MprisService::Bus
{
    QDBusConnection connection{QString()};
};

MprisService::MprisService(RemotePlayer &player, QObject *parent)
    : QObject(parent)
    , m_player(player)
    , m_bus(std::make_unique<Bus>())
{
}

MprisService::~MprisService()
{
    if (m_onBus) {
        m_bus->connection.unregisterObject(ObjectPath);
    }
}

void MprisService::start()
{
    if (!sessionBusNamed()) {
        return;
    }
    // Connecting waits for the bus's answer: in a thread of its own, so a bus that is slow or
    // never answers holds up nothing but that thread.
    auto bus = std::make_shared<Bus>();
    ++connecting;
    QThread *thread = QThread::create([bus] {
        bus->connection = QDBusConnection::sessionBus();
        --connecting;
    });
    connect(thread, &QThread::finished, this, [this, bus] { connected(*bus); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

bool MprisService::isStillConnecting()
{
    return connecting > 0;
}

void MprisService::connected(const Bus &bus)
{
    if (!bus.connection.isConnected()) {
        return;
    }
    *m_bus = bus;
    m_host = new QObject(this);
    new MprisRootAdaptor(m_host, m_player);
    new MprisPlayerAdaptor(m_host, m_player);
    if (!m_bus->connection.registerObject(ObjectPath, m_host, QDBusConnection::ExportAdaptors)) {
        return;
    }
    QDBusMessage request
        = QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                         u"org.freedesktop.DBus"_s, u"RequestName"_s);
    request << ServiceName << DoNotQueue;
    auto *watcher
        = new QDBusPendingCallWatcher(m_bus->connection.asyncCall(request, NameReplyBound), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                nameReplied(!reply.isError()
                            && (reply.value() == PrimaryOwner || reply.value() == AlreadyOwner));
            });
}

void MprisService::nameReplied(bool granted)
{
    if (!granted) {
        // Another player has the name: stay off the bus altogether.
        m_bus->connection.unregisterObject(ObjectPath);
        return;
    }
    m_onBus = true;
    connect(&m_player, &RemotePlayer::propertiesChanged, this, &MprisService::announce);
}

void MprisService::announce(const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        ObjectPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
    signal << u"org.mpris.MediaPlayer2.Player"_s << MprisPlayerAdaptor::forBus(changed)
           << QStringList();
    m_bus->connection.send(signal);
}
