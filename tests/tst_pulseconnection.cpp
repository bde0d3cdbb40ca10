// SPDX-License-Identifier: GPL-3.0-or-later
// The connection to the audio server where no server answers as one should: nothing there, one
// that hangs up, one that takes the connection and never says a word.
#include "pulseconnection.h"
#include "voicecapture.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Server { None, HangsUp, Silent };

} // namespace

class TestPulseConnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        socket = dir.filePath(u"native"_s);
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    }

    void cleanup()
    {
        server.disconnect(this);
        qDeleteAll(clients);
        clients.clear();
        server.close();
    }

    void endsWithoutWaiting_data()
    {
        QTest::addColumn<Server>("behaviour");
        QTest::addColumn<int>("readyWithinMs");
        QTest::addColumn<PulseConnection::End>("end");
        QTest::newRow("nothing listens") << Server::None << 5000 << PulseConnection::End::Refused;
        QTest::newRow("hangs up") << Server::HangsUp << 5000 << PulseConnection::End::Refused;
        QTest::newRow("never answers") << Server::Silent << 100 << PulseConnection::End::NotInTime;
    }

    // Each way ends within a bound, its streams closed first, the context let go and the
    // server's socket closed; an owner may delete the connection as it hears of the end, as the
    // recorder does. The recorder, which makes a connection for each take and drops it as it
    // fails, says where there is no server.
    void endsWithoutWaiting()
    {
        QFETCH(Server, behaviour);
        QFETCH(int, readyWithinMs);
        QFETCH(PulseConnection::End, end);
        QVERIFY(serve(behaviour));
        if (behaviour != Server::None) { // else libpulse gives up at once
            QPointer<PulseConnection> connection = new PulseConnection(readyWithinMs);
            bool streamsClosed = false;
            int told = -1;
            connect(connection, &PulseConnection::ready, this, [] { QFAIL("ready"); });
            connect(connection, &PulseConnection::aboutToClose, this,
                    [&] { streamsClosed = connection->context() != nullptr; });
            connect(connection, &PulseConnection::ended, this, [&](PulseConnection::End why) {
                told = int(why);
                QVERIFY(streamsClosed);
                QVERIFY(!connection->context());
                delete connection.data();
            });
            QElapsedTimer elapsed;
            elapsed.start();
            QVERIFY(connection->open());
            QTRY_VERIFY_WITH_TIMEOUT(!connection, 2000);
            QCOMPARE_LE(elapsed.elapsed(), 1500);
            QCOMPARE(told, int(end));
            QCOMPARE(clients.size(), 1);
            QTRY_COMPARE_WITH_TIMEOUT(clients.first()->state(), QLocalSocket::UnconnectedState,
                                      500);
        }
        if (end != PulseConnection::End::Refused) {
            return; // the recorder waits for its input to go live
        }
        const auto capture = makeVoiceCapture();
        QSignalSpy failed(capture.get(), &VoiceCapture::failed);
        for (int take = 1; take <= 2; ++take) {
            capture->start();
            QTRY_COMPARE_WITH_TIMEOUT(failed.size(), take, 1000);
            QCOMPARE(failed.last().at(0).value<VoiceCapture::Failure>(),
                     VoiceCapture::Failure::NoServer);
        }
    }

    // What libpulse said of a context that has been let go since never reaches the owner.
    void newsOfAClosedContextIsDropped()
    {
        QVERIFY(server.listen(socket));
        PulseConnection connection(50);
        int told = 0;
        connect(&connection, &PulseConnection::ready, this, [&] { ++told; });
        connect(&connection, &PulseConnection::ended, this, [&] { ++told; });
        for (int round = 0; round < 3; ++round) {
            QVERIFY(connection.open()); // "connecting" is news already
            connection.close();
        }
        QTest::qWait(200); // past the deadline of each
        QCOMPARE(told, 0);
    }

    // Where nothing listens libpulse gives up at once; the tries go on all the same, so a server
    // started in the meantime is found.
    void serverStartedLaterIsFoundByALaterTry()
    {
        PulseConnection connection(1000, 50);
        QVERIFY(!connection.open());
        connection.reconnectLater();
        QTest::qWait(100); // the first try, at 50 ms, found nothing
        QVERIFY(server.listen(socket));
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 1000);
    }

private:
    bool serve(Server behaviour)
    {
        if (behaviour == Server::None) {
            return true;
        }
        connect(&server, &QLocalServer::newConnection, this, [this, behaviour] {
            while (QLocalSocket *client = server.nextPendingConnection()) {
                clients << client;
                if (behaviour == Server::HangsUp) {
                    client->abort();
                }
            }
        });
        return server.listen(socket);
    }

    QTemporaryDir dir;
    QString socket;
    QLocalServer server;
    QList<QLocalSocket *> clients;
};

QTEST_GUILESS_MAIN(TestPulseConnection)
#include "tst_pulseconnection.moc"
