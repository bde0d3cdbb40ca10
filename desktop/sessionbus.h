// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QObject;

// A session bus that takes a connection and never answers would hold the window's thread for
// libdbus's 25 s while Qt starts (its accessibility bridge and desktop theme ask the bus there,
// and wait). Greeted once before Qt starts, the whole greeting within a short bound (busprobe.h):
// a bus that hasn't answered by then is set aside for this run, so that everyone finds at once
// that there is none. Where no bus is named or found where libdbus looks, the same is done, so
// that libdbus doesn't start one of its own through the X server. The greeting ends early once
// `interrupt` is readable (the program is asked to end; -1 for none).
void setAsideSilentSessionBus(std::chrono::milliseconds within, int interrupt = -1);

// Connects to the session bus, or to `address` where one is given, as the connection `name`, on
// a thread of its own, since a slow bus keeps its greeting for up to libdbus's 25 s; `done` then
// runs on `context`'s thread with whether it connected. Where no session bus is named or found
// where libdbus looks, it fails at once: libdbus would start one of its own through the X server,
// which nothing else would find.
void connectBusInBackground(const QString &address, const QString &name, QObject *context,
                            std::function<void(bool connected)> done);

// A connection is still waiting for its bus, and the D-Bus library's tidying up at exit would
// wait for it too: then the process must end without tidying up.
bool isBusStillConnecting();
