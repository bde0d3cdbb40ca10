// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

class QDBusConnection;
class QDBusMessage;
class QObject;

// A request on the bus that is waited for only so long. `answered` runs on `context` with the
// reply, or with a timeout error once `bound` has passed. Whatever the service grants later is
// not lost on the bus: a reply that comes after the bound, or after `context` is gone, is handed
// to `undo`, which gives back what it granted (an inhibit released, a name returned).
void callWithBound(const QDBusConnection &connection, const QDBusMessage &message,
                   std::chrono::milliseconds bound, QObject *context,
                   std::function<void(const QDBusMessage &reply)> answered,
                   std::function<void(const QDBusMessage &lateReply)> undo);
