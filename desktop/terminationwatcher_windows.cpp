// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the session's end (log-off, shut-down) comes as WM_ENDSESSION to each top-level window,
// and Windows ends the process once every window has answered, without telling its DLLs. So the
// program ends itself while answering, its sounds stopped first, as at any exit: ended from
// outside with a sound playing, Wine's audio driver hung the process for a second or crashed it.
#include "terminationwatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

#include <windows.h>

namespace {

class SessionEndFilter : public QAbstractNativeEventFilter
{
public:
    explicit SessionEndFilter(TerminationWatcher *watcher)
        : m_watcher(watcher)
    {
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (type == "windows_generic_MSG" && msg->message == WM_ENDSESSION && msg->wParam) {
            Q_EMIT m_watcher->terminationRequested();
            Q_EMIT m_watcher->processEnding();
            std::fflush(nullptr);
            ExitProcess(0);
        }
        return false;
    }

private:
    TerminationWatcher *m_watcher;
};

std::unique_ptr<SessionEndFilter> filter; // the program has one watcher

} // namespace

TerminationWatcher::TerminationWatcher(QObject *parent)
    : QObject(parent)
{
    filter = std::make_unique<SessionEndFilter>(this);
    QCoreApplication::instance()->installNativeEventFilter(filter.get());
}

TerminationWatcher::~TerminationWatcher()
{
    QCoreApplication::instance()->removeNativeEventFilter(filter.get());
    filter.reset();
}

int TerminationWatcher::catchSignals()
{
    return -1;
}
