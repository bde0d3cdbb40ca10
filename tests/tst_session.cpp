// SPDX-License-Identifier: GPL-3.0-or-later
// The screen kept awake through a private session bus (its own dbus-daemon) with a stand-in for
// the desktop's services, and one caller at a time through a private runtime folder.
#include "idleinhibitor.h"
#include "pathfixture.h"
#include "sessionbus.h"
#include "singleinstance.h"
#include "tracecapture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The portal, the ScreenSaver service and GNOME's session manager in one, each offered or not;
// `silent` ones take calls and never answer.
class StandIn : public QDBusVirtualObject
{
public:
    QStringList offered;
    QStringList silent;
    QStringList late; // answer only after the inhibitor's allowance
    QStringList events; // "inhibit portal", "release screensaver", ...
    int held = 0;

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QString interface = message.interface();
        const QString member = message.member();
        const QString service = interface.startsWith(u"org.freedesktop.portal"_s) ? u"portal"_s
            : interface == u"org.freedesktop.ScreenSaver"                         ? u"screensaver"_s
                                                                                  : u"gnome"_s;
        if (silent.contains(service)) {
            return true; // taken, never answered
        }
        if (member == u"Inhibit") {
            events << u"inhibit "_s + service;
            ++held;
            QDBusMessage reply = service == u"portal"
                ? message.createReply(QVariant::fromValue(
                    QDBusObjectPath(u"/org/freedesktop/portal/desktop/request/t%1"_s.arg(held))))
                : message.createReply(uint(100 + held));
            if (late.contains(service)) {
                // Gone with the stand-in, so that nothing holds its connection past the test.
                QTimer::singleShot(IdleInhibitor::AllowanceMs + 300, this, [connection, reply] {
                    QDBusConnection(connection).send(reply);
                });
            } else {
                connection.send(reply);
            }
        } else {
            // Close on the portal's handle, UnInhibit and Uninhibit with the cookie.
            const bool right = service == u"portal"
                ? member == u"Close"
                    && message.path().startsWith(u"/org/freedesktop/portal/desktop/request/t"_s)
                : member == (service == u"screensaver" ? u"UnInhibit"_s : u"Uninhibit"_s)
                    && message.arguments().value(0).toUInt() > 100;
            events << (right ? u"release "_s : u"wrong release "_s) + service;
            --held;
            connection.send(message.createReply());
        }
        return true;
    }
};

// A session bus as libdbus meets it: it lets every client in and answers its first `answers`
// calls, each `lateMs` late; with fewer than none it never reads a byte.
class FakeBus : public QLocalServer
{
public:
    FakeBus(const QString &path, int answers, int lateMs)
        : m_answers(answers)
        , m_lateMs(lateMs)
    {
        listen(path);
        connect(this, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *client = nextPendingConnection()) {
                if (m_answers >= 0) {
                    serve(client);
                }
            }
        });
    }

    QString address() const { return u"unix:path="_s + fullServerName(); }

private:
    void serve(QLocalSocket *client)
    {
        // A method return with its reply serial, no body.
        static const QByteArray Reply("l\2\0\1\0\0\0\0\1\0\0\0\x08\0\0\0\5\1u\0\1\0\0\0", 24);
        auto heard = std::make_shared<QByteArray>();
        auto begun = std::make_shared<bool>(false);
        connect(client, &QIODevice::readyRead, this, [this, client, heard, begun] {
            heard->append(client->readAll());
            while (!*begun && heard->contains("\r\n")) {
                const QByteArray line = heard->left(heard->indexOf("\r\n"));
                heard->remove(0, line.size() + 2);
                *begun = line.startsWith("BEGIN");
                if (!*begun) {
                    client->write(line.contains("AUTH ") ? "OK 0123456789abcdef0123456789abcdef\r\n"
                                                         : "AGREE_UNIX_FD\r\n");
                }
            }
            while (*begun && heard->size() >= 16) {
                const auto word = [&heard](int at) {
                    return qFromLittleEndian<quint32>(heard->constData() + at);
                };
                const qsizetype size = 16 + ((word(12) + 7) & ~7u) + word(4);
                if (heard->size() < size) {
                    break;
                }
                heard->remove(0, size);
                if (m_answers-- > 0) {
                    QTimer::singleShot(m_lateMs, client, [client] { client->write(Reply); });
                }
            }
        });
    }

    int m_answers;
    int m_lateMs;
};

const QHash<QString, QString> ServiceNames{
    {u"portal"_s, u"org.freedesktop.portal.Desktop"_s},
    {u"screensaver"_s, u"org.freedesktop.ScreenSaver"_s},
    {u"gnome"_s, u"org.gnome.SessionManager"_s},
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"dbus-daemon"_s).isEmpty()) {
            QSKIP("dbus-daemon is needed for a private session bus");
        }
        // Never outlives the test, not even one that crashed.
        bus.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        QVERIFY(bus.waitForReadyRead(5000));
        address = QString::fromUtf8(bus.readLine()).trimmed();
        QVERIFY(address.startsWith(u"unix:"));
    }

    void cleanupTestCase()
    {
        bus.kill();
        bus.waitForFinished();
    }

    void init()
    {
        standIn = std::make_unique<StandIn>();
        connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, u"standin-%1"_s.arg(++round)));
        QVERIFY(connection->isConnected());
        QVERIFY(
            connection->registerVirtualObject(u"/org"_s, standIn.get(), QDBusConnection::SubPath));
    }

    void cleanup()
    {
        // The stand-in goes while its connection surely lives: Qt takes a registered object out
        // of the connection's tree as it is destroyed, and a connection let go first may be
        // being deleted on Qt's D-Bus thread at that very moment.
        connection->unregisterObject(u"/org"_s, QDBusConnection::UnregisterTree);
        standIn.reset();
        QDBusConnection::disconnectFromBus(connection->name());
        connection.reset();
    }

    // The desktop's first offer wins, and a game's end lets go of exactly that. A service that
    // never answers, or grants only after the allowance, costs one allowance, no more; what it
    // granted late is given back as the answer comes, also where the inhibitor is gone by then.
    void holdsThroughTheFirstServiceOffered_data()
    {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("silent");
        QTest::addColumn<QStringList>("late");
        QTest::addColumn<IdleInhibitor::Holder>("holder");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed"); // the program closes instead of the game ending
        using H = IdleInhibitor::Holder;
        const QStringList all{u"portal"_s, u"screensaver"_s, u"gnome"_s};
        const QStringList none;
        QTest::newRow("all") << all << none << none << H::Portal << QStringList{u"portal"_s}
                             << false;
        QTest::newRow("no portal") << QStringList{u"screensaver"_s, u"gnome"_s} << none << none
                                   << H::ScreenSaver << QStringList{u"screensaver"_s} << false;
        QTest::newRow("GNOME only") << QStringList{u"gnome"_s} << none << none << H::GnomeSession
                                    << QStringList{u"gnome"_s} << false;
        QTest::newRow("portal never answers")
            << QStringList{u"portal"_s, u"gnome"_s} << QStringList{u"portal"_s} << none
            << H::GnomeSession << QStringList{u"gnome"_s} << false;
        QTest::newRow("late portal")
            << QStringList{u"portal"_s, u"screensaver"_s} << none << QStringList{u"portal"_s}
            << H::ScreenSaver << QStringList{u"portal"_s, u"screensaver"_s} << false;
        QTest::newRow("late ScreenSaver")
            << QStringList{u"screensaver"_s, u"gnome"_s} << none << QStringList{u"screensaver"_s}
            << H::GnomeSession << QStringList{u"screensaver"_s, u"gnome"_s} << false;
        QTest::newRow("all late") << all << none << all << H::Fallback << all << false;
        QTest::newRow("closed while held")
            << all << none << none << H::Portal << QStringList{u"portal"_s} << true;
        QTest::newRow("closed before the answer")
            << QStringList{u"gnome"_s} << none << QStringList{u"gnome"_s} << H::None
            << QStringList{u"gnome"_s} << true;
    }

    void holdsThroughTheFirstServiceOffered()
    {
        QFETCH(QStringList, offered);
        QFETCH(QStringList, silent);
        QFETCH(QStringList, late);
        QFETCH(IdleInhibitor::Holder, holder);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        offer(offered);
        standIn->silent = silent;
        standIn->late = late;
        QStringList inhibits;
        for (const QString &service : asked) {
            inhibits << u"inhibit "_s + service;
        }

        auto inhibitor = std::make_unique<IdleInhibitor>(address);
        int fallbackCalls = 0;
        inhibitor->setFallback([&fallbackCalls](bool) { return ++fallbackCalls > 0; });
        QElapsedTimer elapsed;
        elapsed.start();
        inhibitor->setHeld(true);
        if (holder == IdleInhibitor::Holder::None) {
            QTRY_COMPARE(standIn->events.size(), 1); // asked, not yet answered
            inhibitor.reset();
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(inhibitor->holder(), holder, 4 * IdleInhibitor::AllowanceMs);
            QCOMPARE_LE(elapsed.elapsed(),
                        (silent.size() + late.size() + 1) * IdleInhibitor::AllowanceMs + 500);
        }
        // Every late grant is let go; only the holder's own stays held until the game ends.
        const bool onBus
            = holder != IdleInhibitor::Holder::None && holder != IdleInhibitor::Holder::Fallback;
        QTRY_COMPARE_WITH_TIMEOUT(standIn->events.filter(u"release "_s).size(), late.size(),
                                  2 * IdleInhibitor::AllowanceMs + 500);
        QCOMPARE(standIn->held, onBus ? 1 : 0);

        if (closed) {
            inhibitor.reset(); // without waiting for the service
        } else {
            inhibitor->setHeld(false);
            QCOMPARE(inhibitor->holder(), IdleInhibitor::Holder::None);
        }
        QTRY_COMPARE(standIn->held, 0);
        QCOMPARE(standIn->events.filter(u"inhibit "_s), inhibits);
        QCOMPARE(standIn->events.filter(u"release "_s).size(), late.size() + (onBus ? 1 : 0));
        if (onBus) {
            QCOMPARE(standIn->events.last(), u"release "_s + asked.last());
        }
        QVERIFY(standIn->events.filter(u"wrong"_s).isEmpty());
        QCOMPARE(fallbackCalls, holder == IdleInhibitor::Holder::Fallback ? 2 : 0);
    }

    // Stop while the service's answer is on its way: what it granted is let go at once; Start
    // again holds again.
    void letsGoOfAnAnswerThatCameTooLate()
    {
        offer({u"screensaver"_s});
        IdleInhibitor inhibitor(address);
        inhibitor.setHeld(true);
        QTRY_COMPARE(inhibitor.holder(), IdleInhibitor::Holder::ScreenSaver);
        inhibitor.setHeld(false);
        inhibitor.setHeld(true);
        inhibitor.setHeld(false);
        QTRY_COMPARE(standIn->events.size(), 4);
        QCOMPARE(standIn->events,
                 (QStringList{u"inhibit screensaver"_s, u"release screensaver"_s,
                              u"inhibit screensaver"_s, u"release screensaver"_s}));
        QCOMPARE(standIn->held, 0);
        QCOMPARE(inhibitor.holder(), IdleInhibitor::Holder::None);

        inhibitor.setHeld(true);
        QTRY_COMPARE(inhibitor.holder(), IdleInhibitor::Holder::ScreenSaver);
        QCOMPARE(standIn->held, 1);
    }

    // Nothing on the bus answers, or there's no bus: the fallback holds, within the allowance;
    // without one nothing is held, and nothing breaks.
    void fallbackWhereNoServiceAnswers_data()
    {
        QTest::addColumn<QString>("bus");
        QTest::newRow("bus without services") << u"private"_s;
        QTest::newRow("no bus") << u"none"_s;
        QTest::newRow("bus that never answers") << u"silent"_s;
    }

    void fallbackWhereNoServiceAnswers()
    {
        QFETCH(QString, bus);
        // A socket that takes the connection and never says a word, as a stopped bus does.
        QTemporaryDir folder;
        QLocalServer silent;
        QVERIFY(silent.listen(folder.filePath(u"bus"_s)));
        const QString busAddress = bus == u"private" ? address
            : bus == u"silent"                       ? u"unix:path="_s + folder.filePath(u"bus"_s)
                                                     : u"unix:path=/nonexistent/limbora-bus"_s;
        IdleInhibitor inhibitor(busAddress);
        QList<bool> asked;
        inhibitor.setFallback([&asked](bool suspend) {
            asked << suspend;
            return true;
        });
        QElapsedTimer elapsed;
        elapsed.start();
        inhibitor.setHeld(true);
        QTRY_COMPARE(inhibitor.holder(), IdleInhibitor::Holder::Fallback);
        QCOMPARE_LE(elapsed.elapsed(), IdleInhibitor::AllowanceMs + 500);
        QCOMPARE(isBusStillConnecting(), bus == u"silent"); // still waiting for its greeting
        inhibitor.setHeld(false);
        QCOMPARE(asked, (QList<bool>{true, false}));

        IdleInhibitor bare(u"unix:path=/nonexistent/limbora-bus"_s);
        QSignalSpy changes(&bare, &IdleInhibitor::holderChanged);
        bare.setHeld(true);
        QTest::qWait(200);
        QCOMPARE(bare.holder(), IdleInhibitor::Holder::None);
        QCOMPARE(changes.count(), 0);
        bare.setHeld(false);
    }

    // A session bus is judged before Qt starts as libdbus meets it: every address it would try,
    // in its order, and found in the runtime folder only as a socket. Only a bus that answers a
    // call as well as the Hello is kept, and the judging never outlasts its bound.
    void judgesTheSessionBusAsLibdbusDoes_data()
    {
        // %1: a bus that answers, %2: one that answers as told, %t: TCP that never answers, %p:
        // the private dbus-daemon
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("runtimeBus"); // what lies at $XDG_RUNTIME_DIR/bus
        QTest::addColumn<int>("answers"); // calls the second bus answers; -1: silent
        QTest::addColumn<int>("lateMs");
        QTest::addColumn<bool>("endAsked"); // the program is asked to end while it waits
        QTest::addColumn<QString>("verdict"); // as the trace says it
        const QString none;
        const QString kept = u"answered"_s, aside = u"did not answer"_s,
                      absent = u"no session bus"_s;
        QTest::newRow("private dbus-daemon") << u"%p"_s << none << 0 << 0 << false << kept;
        QTest::newRow("answers") << u"%1"_s << none << 0 << 0 << false << kept;
        QTest::newRow("missing, then answers")
            << u"unix:path=/nonexistent/bus;%1"_s << none << 0 << 0 << false << kept;
        QTest::newRow("missing, then silent")
            << u"unix:path=/nonexistent/bus;%2"_s << none << -1 << 0 << false << aside;
        QTest::newRow("listening only, unknown, then answers")
            << u"unix:tmpdir=/tmp;unknown:x=1;%1"_s << none << 0 << 0 << false << kept;
        QTest::newRow("never answers the Hello") << u"%2"_s << none << 0 << 0 << false << aside;
        QTest::newRow("answers the Hello only") << u"%2"_s << none << 1 << 0 << false << aside;
        QTest::newRow("late answers") << u"%2"_s << none << 2 << 2 * BudgetMs << false << aside;
        QTest::newRow("TCP silent") << u"%t"_s << none << 0 << 0 << false << aside;
        QTest::newRow("autolaunch first")
            << u"autolaunch:;%1"_s << none << 0 << 0 << false << aside;
        QTest::newRow("unreadable") << u"unix:path"_s << none << 0 << 0 << false << aside;
        QTest::newRow("asked to end meanwhile") << u"%2"_s << none << -1 << 0 << true << aside;
        QTest::newRow("runtime socket") << none << u"socket"_s << 0 << 0 << false << kept;
        QTest::newRow("runtime regular file") << none << u"empty"_s << 0 << 0 << false << absent;
        QTest::newRow("runtime folder") << none << u"folder"_s << 0 << 0 << false << absent;
        QTest::newRow("runtime, nothing") << none << u"nothing"_s << 0 << 0 << false << absent;
    }

    void judgesTheSessionBusAsLibdbusDoes()
    {
        QFETCH(QString, address);
        QFETCH(QString, runtimeBus);
        QFETCH(int, answers);
        QFETCH(int, lateMs);
        QFETCH(bool, endAsked);
        QFETCH(QString, verdict);
        TraceCapture trace("limbora.session");
        QTemporaryDir runtime;
        const bool socket = runtimeBus == u"socket";
        FakeBus answering(runtime.filePath(socket ? u"bus"_s : u"answering"_s), 2, 0);
        FakeBus other(runtime.filePath(u"other"_s), answers, lateMs);
        QTcpServer quiet;
        QVERIFY(quiet.listen(QHostAddress::LocalHost));
        address.replace(u"%1"_s, answering.address())
            .replace(u"%2"_s, other.address())
            .replace(u"%t"_s, u"tcp:host=127.0.0.1,port=%1"_s.arg(quiet.serverPort()))
            .replace(u"%p"_s, this->address);
        if (!socket && !runtimeBus.isEmpty() && runtimeBus != u"nothing") {
            placeAt(runtime.filePath(u"bus"_s), runtimeBus);
        }
        const QByteArray before = address.toUtf8();
        const QByteArrayList environment{qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                                         qgetenv("XDG_RUNTIME_DIR")};
        qputenv("DBUS_SESSION_BUS_ADDRESS", before);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        int ending[2] = {-1, -1};
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ending), 0);

        // Judged aside, so that the fakes here can answer meanwhile; asked to end, it stops long
        // before a bound that long.
        const int budgetMs = endAsked ? 10 * BudgetMs : BudgetMs;
        QElapsedTimer elapsed;
        elapsed.start();
        std::unique_ptr<QThread> judge(QThread::create([&ending, budgetMs] {
            setAsideSilentSessionBus(std::chrono::milliseconds(budgetMs), ending[1]);
        }));
        judge->start();
        const auto restore = qScopeGuard([&] {
            judge->wait();
            qputenv("DBUS_SESSION_BUS_ADDRESS", environment[0]);
            qputenv("XDG_RUNTIME_DIR", environment[1]);
            ::close(ending[0]);
            ::close(ending[1]);
        });
        if (endAsked) {
            QTest::qWait(BudgetMs / 4);
            QCOMPARE(::write(ending[0], "x", 1), 1);
        }
        QTRY_VERIFY_WITH_TIMEOUT(judge->isFinished(), 2 * budgetMs);
        QCOMPARE_LE(elapsed.elapsed(), endAsked ? 4 * BudgetMs : BudgetMs + 500);
        QCOMPARE(trace.lines().filter(verdict).size(), 1);
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                 verdict == u"answered" ? before : QByteArray("disabled:"));
    }

    // Every start goes through the lock. The first runs at once: a lock left by a killed caller
    // (and its socket) or one no process holds is taken over, one that can't be used or a folder
    // where none can be made is done without; a later start brings it forward. One that can't
    // reach the first (it holds the lock but never answers, or a folder lies where its socket
    // goes) shows its own window, after no longer than the allowance.
    void oneCallerAtATime_data()
    {
        QTest::addColumn<QString>("there");
        QTest::newRow("nothing") << u"nothing"_s;
        QTest::newRow("a killed caller's") << u"killed"_s;
        QTest::newRow("garbage") << u"garbage"_s;
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("link to a device") << u"link"_s;
        QTest::newRow("no folder can be made") << u"no folder"_s;
        QTest::newRow("held by one that never answers") << u"held"_s;
        QTest::newRow("a folder at the socket") << u"socket folder"_s;
    }

    void oneCallerAtATime()
    {
        QFETCH(QString, there);
        QTemporaryDir runtime;
        const QString folder = there == u"no folder" ? u"/proc/limbora-runtime"_s : runtime.path();
        QLockFile held(runtime.filePath(u"limbora.lock"_s));
        if (there == u"held") {
            QVERIFY(held.tryLock(0));
        } else if (there == u"killed") {
            const pid_t child = fork();
            if (child == 0) {
                QLockFile lock(runtime.filePath(u"limbora.lock"_s));
                _exit(lock.tryLock(0) ? 0 : 1); // ends without unlocking
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QVERIFY(QFile::exists(runtime.filePath(u"limbora.lock"_s)));
            placeAt(runtime.filePath(u"limbora.socket"_s), u"empty"_s);
        } else if (there == u"socket folder") {
            placeAt(runtime.filePath(u"limbora.socket"_s), u"folder"_s);
        } else if (there != u"nothing" && there != u"no folder") {
            placeAt(runtime.filePath(u"limbora.lock"_s), there, u"/dev/zero"_s);
        }

        QElapsedTimer elapsed;
        elapsed.start();
        const int reachMs = SingleInstance::ReachAllowanceMs + 300;
        SingleInstance first(folder);
        QVERIFY(first.claim());
        QCOMPARE_LE(elapsed.elapsed(), there == u"held" ? reachMs : 500);
        if (there == u"held") {
            return;
        }
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(folder);
        elapsed.restart();
        const bool unreachable = there == u"no folder" || there == u"socket folder";
        QCOMPARE(second.claim(), unreachable);
        QCOMPARE_LE(elapsed.elapsed(), there == u"socket folder" ? reachMs : 500);
        if (unreachable) {
            QCOMPARE(raised.count(), 0);
            return;
        }
        QTRY_COMPARE(raised.count(), 1);

        // Anything else on the socket raises nothing, and a caller that says nothing is dropped.
        QLocalSocket stranger;
        stranger.connectToServer(runtime.filePath(u"limbora.socket"_s));
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write("quit\n");
        QLocalSocket mute;
        mute.connectToServer(runtime.filePath(u"limbora.socket"_s));
        QVERIFY(mute.waitForConnected(1000));
        QTRY_COMPARE(mute.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(raised.count(), 1);
    }

private:
    // The judging's bound here: short, as nothing here answers slowly but on purpose.
    static constexpr int BudgetMs = 500;

    void offer(const QStringList &services)
    {
        for (const QString &service : services) {
            QVERIFY(connection->registerService(ServiceNames.value(service)));
        }
    }

    QProcess bus;
    QString address;
    int round = 0;
    std::unique_ptr<StandIn> standIn;
    std::unique_ptr<QDBusConnection> connection;
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
