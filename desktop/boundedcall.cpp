// SPDX-License-Identifier: GPL-3.0-or-later
#include "boundedcall.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

#include <climits>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcSession)

namespace {

// libdbus's "no timeout": our own bound decides when to stop waiting, and the call stays open
// for a late reply, which Qt would otherwise drop unseen.
constexpr int NoTimeout = INT_MAX;

} // namespace

void callWithBound(const QDBusConnection &connection, const QDBusMessage &message,
                   std::chrono::milliseconds bound, QObject *context,
                   std::function<void(const QDBusMessage &reply)> answered,
                   std::function<void(const QDBusMessage &lateReply)> undo)
{
    // Kept by the application, not the caller, so that a reply after the caller is gone is still
    // undone.
    auto *watcher = new QDBusPendingCallWatcher(connection.asyncCall(message, NoTimeout),
                                                QCoreApplication::instance());
    struct Call
    {
        QPointer<QObject> context;
        std::function<void(const QDBusMessage &)> answered;
        bool decided = false;
    };
    auto call = std::make_shared<Call>(Call{context, std::move(answered)});
    const auto decide = [call](const QDBusMessage &reply) {
        call->decided = true;
        if (call->context) {
            call->answered(reply);
        }
    };
    QTimer::singleShot(bound, watcher, [call, decide, message] {
        if (!call->decided) {
            decide(
                message.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer in time")));
        }
    });
    const QString member = message.member();
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [call, decide, undo = std::move(undo), member](QDBusPendingCallWatcher *done) {
                         done->deleteLater();
                         const QDBusMessage reply = done->reply();
                         if (!call->decided && call->context) {
                             decide(reply);
                             return;
                         }
                         call->decided = true;
                         if (reply.type() == QDBusMessage::ReplyMessage) {
                             qCDebug(lcSession, "late answer to %s: undone",
                                     qUtf8Printable(member));
                             undo(reply);
                         }
                     });
}
