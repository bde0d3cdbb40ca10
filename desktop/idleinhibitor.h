// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QDBusMessage;

// Keeps the screen from blanking, locking or idling into sleep while it is held: through the
// desktop portal's Inhibit (Wayland, sandboxes), else org.freedesktop.ScreenSaver (KDE and
// others), else GNOME's session manager, else a fallback of the caller's (the X server's own
// screen saver). Every call on the bus is asynchronous and bounded, and an inhibit granted after
// its bound is let go at once; with no bus and no fallback nothing is held and nothing is said. A
// process that dies lets go by itself: the bus drops its inhibitors with its connection.
class IdleInhibitor : public QObject
{
    Q_OBJECT

public:
    enum class Holder { None, Portal, ScreenSaver, GnomeSession, Fallback };
    Q_ENUM(Holder)

    // How long any answer on the bus, the connection included, is waited for.
    static constexpr int AllowanceMs = 1000;

    // An empty address means the session bus.
    explicit IdleInhibitor(const QString &busAddress = QString(), QObject *parent = nullptr);
    ~IdleInhibitor() override;

    // Holds or lets go; repeated calls and quick changes are fine.
    void setHeld(bool held);
    // What holds the screen awake right now.
    Holder holder() const { return m_holder; }

    // Asked to suspend (true) or lift (false) where no bus service answered; returns whether it
    // could.
    void setFallback(std::function<bool(bool)> fallback) { m_fallback = std::move(fallback); }

Q_SIGNALS:
    void holderChanged(IdleInhibitor::Holder holder);

private:
    void acquire();
    void connectBus();
    void tryService(Holder service);
    void answered(const QDBusMessage &reply, Holder service);
    void release();
    void setHolder(Holder holder);

    QString m_busAddress;
    QString m_connectionName;
    bool m_busTried = false;
    bool m_busUsable = false;
    bool m_wanted = false;
    bool m_acquiring = false;
    Holder m_holder = Holder::None;
    QVariant m_grant; // what the holder answered: the portal's request handle, or a cookie
    std::function<bool(bool)> m_fallback;
};
