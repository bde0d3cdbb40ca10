// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

// Whether the session bus exists where libdbus looks for one: a non-empty
// DBUS_SESSION_BUS_ADDRESS, or else `$XDG_RUNTIME_DIR/bus` being a socket of this user's. Where it
// is not, libdbus would start a bus of its own through the X server, which nothing else finds.
bool sessionBusFound();

// The session bus's address as libdbus reads it: the variable, else the runtime folder's socket.
QByteArray sessionBusAddress();

// Greets the bus at `address` as libdbus would, within one deadline for everything: each entry of
// the address in libdbus's order until one takes the connection (local sockets, TCP), then the
// credentials, the Hello and one ordinary method call. True only where that call was answered in
// time. An entry libdbus can't bound (one started through the X server, a command to run) counts
// as no answer. The wait ends early, as no answer, once `interrupt` is readable (-1 for none).
bool busAnswers(const QByteArray &address, const QDeadlineTimer &deadline, int interrupt = -1);
