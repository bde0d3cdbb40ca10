// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the thread's execution state keeps the display on and the system out of sleep while it
// is held. It is the window's thread's own, so a process that ends lets go by itself.
#include "idleinhibitor.h"

#include <QLoggingCategory>

#include <windows.h>

Q_LOGGING_CATEGORY(lcSession, "limbora.session", QtWarningMsg)

IdleInhibitor::IdleInhibitor(const QString &busAddress, QObject *parent)
    : QObject(parent)
    , m_busAddress(busAddress)
{
}

IdleInhibitor::~IdleInhibitor()
{
    setHeld(false);
}

void IdleInhibitor::setHeld(bool held)
{
    if (held == m_wanted) {
        return;
    }
    m_wanted = held;
    const EXECUTION_STATE state
        = held ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED : ES_CONTINUOUS;
    const bool done = SetThreadExecutionState(state) != 0;
    qCDebug(lcSession, "execution state %s%s", held ? "held" : "let go", done ? "" : " failed");
    // Windows' own service stands where a desktop's screen saver service would.
    setHolder(held && done ? Holder::ScreenSaver : Holder::None);
}

void IdleInhibitor::setHolder(Holder holder)
{
    if (holder != m_holder) {
        m_holder = holder;
        Q_EMIT holderChanged(holder);
    }
}
