// SPDX-License-Identifier: GPL-3.0-or-later
#include "idleinhibitor.h"

#include "boundedcall.h"
#include "sessionbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QLoggingCategory>
#include <QTimer>

#include <atomic>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSession, "limbora.session", QtWarningMsg)

namespace {

const QString PortalService = u"org.freedesktop.portal.Desktop"_s;
const QString ScreenSaverService = u"org.freedesktop.ScreenSaver"_s;
const QString GnomeService = u"org.gnome.SessionManager"_s;
// Each inhibitor has a connection of its own: Qt shares connections of the same name.
std::atomic<int> connectionCount = 0;
// The portal's and GNOME's flag for "the session is not idle".
constexpr uint IdleFlag = 8;

QString reason()
{
    //: Told to the desktop, which may show it, while Limbora keeps the screen awake.
    return IdleInhibitor::tr("A game is running");
}

const char *holderName(IdleInhibitor::Holder holder)
{
    switch (holder) {
    case IdleInhibitor::Holder::Portal:
        return "portal";
    case IdleInhibitor::Holder::ScreenSaver:
        return "screensaver";
    case IdleInhibitor::Holder::GnomeSession:
        return "gnome-session";
    case IdleInhibitor::Holder::Fallback:
        return "fallback";
    case IdleInhibitor::Holder::None:
        break;
    }
    return "none";
}

// What lets go of an inhibit that `grant` (the portal's request handle, or a cookie) stands for.
QDBusMessage releaseMessage(IdleInhibitor::Holder holder, const QVariant &grant)
{
    QDBusMessage message;
    if (holder == IdleInhibitor::Holder::Portal) {
        message
            = QDBusMessage::createMethodCall(PortalService, grant.value<QDBusObjectPath>().path(),
                                             u"org.freedesktop.portal.Request"_s, u"Close"_s);
    } else if (holder == IdleInhibitor::Holder::ScreenSaver) {
        message
            = QDBusMessage::createMethodCall(ScreenSaverService, u"/org/freedesktop/ScreenSaver"_s,
                                             ScreenSaverService, u"UnInhibit"_s);
        message << grant.toUInt();
    } else {
        message = QDBusMessage::createMethodCall(GnomeService, u"/org/gnome/SessionManager"_s,
                                                 GnomeService, u"Uninhibit"_s);
        message << grant.toUInt();
    }
    return message;
}

} // namespace

IdleInhibitor::IdleInhibitor(const QString &busAddress, QObject *parent)
    : QObject(parent)
    , m_busAddress(busAddress)
    , m_connectionName(u"limbora-idle-%1"_s.arg(++connectionCount))
{
}

IdleInhibitor::~IdleInhibitor()
{
    m_wanted = false;
    release();
}

void IdleInhibitor::setHeld(bool held)
{
    if (held == m_wanted) {
        return;
    }
    m_wanted = held;
    if (m_acquiring) {
        return; // the answer under way decides
    }
    if (held && m_holder == Holder::None) {
        acquire();
    } else if (!held && m_holder != Holder::None) {
        release();
    }
}

void IdleInhibitor::acquire()
{
    m_acquiring = true;
    if (!m_busTried) {
        connectBus();
        return;
    }
    if (m_busUsable) {
        tryService(Holder::Portal);
    } else {
        tryService(Holder::Fallback);
    }
}

// A stalled bus may keep its greeting for many seconds: it is given up on here after the
// allowance, and a connection that comes later serves the next hold.
void IdleInhibitor::connectBus()
{
    const auto decided = [this](bool connected) {
        if (m_busTried) {
            m_busUsable = m_busUsable || connected;
            return;
        }
        m_busTried = true;
        m_busUsable = connected;
        qCDebug(lcSession, "bus %s", connected ? "connected" : "unavailable");
        if (m_acquiring) {
            m_acquiring = false;
            if (m_wanted) {
                acquire();
            }
        }
    };
    connectBusInBackground(m_busAddress, m_connectionName, this, decided);
    QTimer::singleShot(AllowanceMs, this, [decided] { decided(false); });
}

void IdleInhibitor::tryService(Holder service)
{
    if (service == Holder::Fallback) {
        m_acquiring = false;
        if (m_fallback && m_fallback(true)) {
            setHolder(Holder::Fallback);
            if (!m_wanted) {
                release();
            }
        } else {
            qCDebug(lcSession, "nothing keeps the screen awake");
        }
        return;
    }
    QDBusMessage message;
    if (service == Holder::Portal) {
        message
            = QDBusMessage::createMethodCall(PortalService, u"/org/freedesktop/portal/desktop"_s,
                                             u"org.freedesktop.portal.Inhibit"_s, u"Inhibit"_s);
        message << QString() << IdleFlag << QVariantMap{{u"reason"_s, reason()}};
    } else if (service == Holder::ScreenSaver) {
        message
            = QDBusMessage::createMethodCall(ScreenSaverService, u"/org/freedesktop/ScreenSaver"_s,
                                             ScreenSaverService, u"Inhibit"_s);
        message << u"Limbora"_s << reason();
    } else {
        message = QDBusMessage::createMethodCall(GnomeService, u"/org/gnome/SessionManager"_s,
                                                 GnomeService, u"Inhibit"_s);
        message << u"org.limbora.Limbora"_s << uint(0) << reason() << IdleFlag;
    }
    const QString connection = m_connectionName;
    callWithBound(
        QDBusConnection(connection), message, std::chrono::milliseconds(AllowanceMs), this,
        [this, service](const QDBusMessage &reply) { answered(reply, service); },
        [connection, service](const QDBusMessage &late) {
            QDBusConnection(connection).send(releaseMessage(service, late.arguments().value(0)));
        });
}

void IdleInhibitor::answered(const QDBusMessage &reply, Holder service)
{
    const bool held = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
    if (!held) {
        qCDebug(lcSession, "%s: %s", holderName(service), qUtf8Printable(reply.errorName()));
        tryService(Holder(int(service) + 1));
        return;
    }
    m_grant = reply.arguments().constFirst();
    m_acquiring = false;
    setHolder(service);
    if (!m_wanted) {
        release(); // let go while the answer was on its way
    }
}

void IdleInhibitor::release()
{
    const Holder holder = m_holder;
    if (holder == Holder::None) {
        return;
    }
    if (holder == Holder::Fallback) {
        if (m_fallback) {
            m_fallback(false);
        }
    } else {
        // Nothing waits for the answer: the service lets go whether we hear back or not.
        QDBusConnection(m_connectionName).send(releaseMessage(holder, m_grant));
    }
    setHolder(Holder::None);
}

void IdleInhibitor::setHolder(Holder holder)
{
    if (holder == m_holder) {
        return;
    }
    qCDebug(lcSession, "%s %s", holder == Holder::None ? "release" : "inhibit",
            holderName(holder == Holder::None ? m_holder : holder));
    m_holder = holder;
    Q_EMIT holderChanged(holder);
}
