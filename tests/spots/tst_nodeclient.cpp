// The node dialogue against a node the test plays on 127.0.0.1.
#include "spots/nodeclient.h"
#include "tests/spots/node.h"

#include <QSignalSpy>
#include <QTest>

using namespace kastlog;
using namespace kastlog::spots;

class TstNodeClient : public QObject {
    Q_OBJECT
private slots:
    void loginThenLines() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        QSignalSpy lines(&c, &NodeClient::lineReceived);
        c.connectTo(node.address(), QStringLiteral("Q1ABC/P"));
        QCOMPARE(c.status(), QStringLiteral("Connexion..."));
        QTRY_COMPARE(c.status(), QStringLiteral("Connecté à ") + node.address());
        QTRY_VERIFY(node.client);
        node.send("Welcome\r\nPlease enter your log");
        QTest::qWait(50);
        QVERIFY(node.received.isEmpty());  // half a prompt is no prompt
        node.send("in: ");
        QTRY_COMPARE(node.received, QByteArray("Q1ABC/P\r\n"));
        node.send("DX de ON4XX: 14025.0 ON4DNJ NM047 1234Z\r\n" + QByteArray(100000, 'z') + "\r\n");
        QByteArray high;
        for (int b = 0x80; b <= 0xFF; ++b) high.append(char(b));
        node.send(high + "\r\nlast\r\n");
        QTRY_COMPARE(lines.size(), 5);
        QCOMPARE(lines[0][0].toString(), QStringLiteral("Welcome"));
        QCOMPARE(lines[1][0].toString(), QStringLiteral("DX de ON4XX: 14025.0 ON4DNJ NM047 1234Z"));
        QCOMPARE(lines[2][0].toString().size(), MaxLineBytes);
        QCOMPARE(c.cutLines(), 1);
        const QString cp = lines[3][0].toString();  // not UTF-8: read as Windows-1252
        QCOMPARE(cp.size(), 128);
        QCOMPARE(cp.front(), QChar(0x20AC));
        QCOMPARE(cp.back(), QChar(0xFF));
        QCOMPARE(lines[4][0].toString(), QStringLiteral("last"));
    }

    // A whole-line prompt; a lost node tried again after 5, then 10, then 20 s (10 ms seconds
    // here), and logged in again once back.
    void reconnection() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        c.setSecondMs(10);
        c.connectTo(node.address(), QStringLiteral("ON4AA"));
        QTRY_VERIFY(c.isConnected() && node.client);
        node.send("Please enter your CALL:\r\n");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        const quint16 port = node.server.serverPort();
        node.server.close();
        QStringList seen;
        connect(&c, &NodeClient::statusChanged, this, [&seen](const QString &s) { seen << s; });
        node.client->abort();
        QTRY_VERIFY_WITH_TIMEOUT(seen.filter(QStringLiteral("nouvel essai dans 20 s")).size() == 1, 10000);
        QVERIFY2(seen.first().startsWith(QStringLiteral("Déconnecté : ")), qPrintable(seen.first()));
        QVERIFY(seen.first().endsWith(QStringLiteral("(nouvel essai dans 5 s)")));
        QVERIFY(seen.filter(QStringLiteral("nouvel essai dans 10 s")).size() == 1);
        QVERIFY(seen.contains(QStringLiteral("Connexion...")));
        QVERIFY(node.listen(port));
        QTRY_COMPARE_WITH_TIMEOUT(node.connections, 2, 10000);
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        QCOMPARE(NodeClient::reconnectDelay(4), 60);
        QCOMPARE(NodeClient::reconnectDelay(9), 60);
    }

    // Without the network module a connection fails at once, naming it, and is tried again.
    void missingModule() {
        QStringList failures;
        Connection::Events events;
        events.failed = [&failures](const QString &reason) { failures << reason; };
        const auto c = makeConnection(events, {QStringLiteral("/nonexistent/libkastlog_network.so")});
        c->connectToHost(QStringLiteral("127.0.0.1"), 7300);
        QTRY_COMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(QStringLiteral("libkastlog_network.so")), qPrintable(failures[0]));
        c->connectToHost(QStringLiteral("127.0.0.1"), 7300);
        c->abort();  // an abort drops what was pending
        QTest::qWait(20);
        QCOMPARE(failures.size(), 1);
    }

    void badAddress_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no port") << "dx.example.org";
        QTest::newRow("port 0") << "dx.example.org:0";
        QTest::newRow("port too big") << "dx.example.org:70000";
        QTest::newRow("empty") << "";
    }
    void badAddress() {
        QFETCH(QString, text);
        NodeClient c;
        c.connectTo(text, QStringLiteral("ON4AA"));
        QCOMPARE(c.status(), QStringLiteral("Déconnecté : noeud invalide, entrez hote:port"));
        QVERIFY(!c.retryPending());
    }
};

QTEST_GUILESS_MAIN(TstNodeClient)
#include "tst_nodeclient.moc"
