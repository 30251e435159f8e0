// The node dialogue against a node the test plays on 127.0.0.1.
#include "spots/nodeclient.h"
#include "spots/nodetext.h"
#include "spots/spotline.h"
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
        QCOMPARE(reconnectDelay(4), 60);
        QCOMPARE(reconnectDelay(9), 60);
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

    // The node's words the login reads: call sign and password prompts in any case, the
    // command prompt that says the node is ready, a refusal.
    void nodeWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");  // login, password, ready, refusal or empty
        QTest::newRow("dxspider") << "login: " << "login";
        QTest::newRow("ar-cluster") << "Please enter your call: " << "login";
        QTest::newRow("skimmer") << "Please enter your callsign:" << "login";
        QTest::newRow("capitals") << "LOGIN:" << "login";
        QTest::newRow("no colon") << "Your call sign please" << "";
        QTest::newRow("password") << "Password: " << "password";
        QTest::newRow("dxspider prompt") << "ON4ABC de ON0DNJ  9-Dec-2026 1234Z dxspider >" << "ready";
        QTest::newRow("sh/dx line") << "14025.0 ON4XYZ 9-Dec-2026 1234Z NM047 <ON4ABC>" << "";
        QTest::newRow("invalid call") << "Sorry, ON4ABC/P is an invalid callsign" << "refusal";
        QTest::newRow("not allowed") << "Not Allowed" << "refusal";
    }
    void nodeWords() {
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QStringList got;
        if (isLoginPrompt(text)) got << "login";
        if (isPasswordPrompt(text)) got << "password";
        if (isCommandPrompt(text)) got << "ready";
        if (isRefusal(text)) got << "refusal";
        QCOMPARE(got.join(u','), kind);
    }

    void commandsSetting() {
        QCOMPARE(splitCommands(QStringLiteral(" sh/dx 50 ;; unset/beep;")), (QStringList{"sh/dx 50", "unset/beep"}));
        QCOMPARE(splitCommands(QString()), QStringList());
        Spot s;
        s.frequency = QStringLiteral("7012.5");
        s.call = QStringLiteral("ON4DNJ/P");
        s.reference = QStringLiteral("NM047");
        QCOMPARE(spotBackCommand(s), QStringLiteral("DX 7012.5 ON4DNJ/P DNJ NM047"));
    }

    // The prompt's blank comes apart from it: the spot after it is whole.
    void promptSplitAcrossReads() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        QSignalSpy lines(&c, &NodeClient::lineReceived);
        c.connectTo(node.address(), QStringLiteral("ON4AA"));
        QTRY_VERIFY(node.client);
        node.send("Please enter your callsign:");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        node.send(" \r");
        node.send("\nDX de ON4XX: 14025.0 ON4DNJ NM047 1234Z\r\n");
        QTRY_COMPARE(lines.size(), 1);
        QCOMPARE(lines[0][0].toString(), QStringLiteral("DX de ON4XX: 14025.0 ON4DNJ NM047 1234Z"));
    }

    // The password when the node asks for it, then the commands once its prompt shows; a
    // command the operator types; the commands wait 5 s for a node that shows no prompt.
    void passwordAndCommands() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        c.setSecondMs(10);
        QSignalSpy sent(&c, &NodeClient::commandSent);
        QVERIFY(!c.send(QStringLiteral("sh/dx")));
        c.connectTo(node.address(), QStringLiteral("ON4AA"), QStringLiteral("s3cret"), {"sh/dx 50", "unset/beep"});
        QTRY_VERIFY(node.client);
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        node.send("Password: ");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\ns3cret\r\n"));
        node.received.clear();
        node.send("Hello ON4AA\r\nON4AA de ON0DNJ  9-Dec-2026 1234Z dxspider >\r\n");
        QTRY_COMPARE(node.received, QByteArray("sh/dx 50\r\nunset/beep\r\n"));
        QVERIFY(c.send(QStringLiteral("sh/ann 3")));
        QTRY_COMPARE(node.received, QByteArray("sh/dx 50\r\nunset/beep\r\nsh/ann 3\r\n"));
        QCOMPARE(sent.size(), 3);
        QVERIFY(c.status().startsWith(QStringLiteral("Connecté")));

        c.connectTo(node.address(), QStringLiteral("ON4AA"), {}, {"sh/dx 50"});
        QTRY_COMPARE(node.connections, 2);
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(node.received, QByteArray("ON4AA\r\nsh/dx 50\r\n"), 2000);
    }

    // Asked for a password it does not have, the client says so and stops calling.
    void passwordMissing() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        c.setSecondMs(10);
        c.connectTo(node.address(), QStringLiteral("ON4AA"));
        QTRY_VERIFY(node.client);
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("ON4AA\r\n"));
        node.send("password:");
        QTRY_COMPARE(c.status(), QStringLiteral("Déconnecté : le noeud demande un mot de passe, donnez-le dans « Mot de passe »"));
        QVERIFY(!c.isConnected());
        QVERIFY(!c.retryPending());
        QTest::qWait(200);
        QCOMPARE(node.connections, 1);
    }

    // A node that asks for no call sign: after 20 s the status says so; its text is handed on.
    void noPrompt() {
        test::Node node;
        QVERIFY(node.listen());
        NodeClient c;
        c.setSecondMs(10);
        QSignalSpy lines(&c, &NodeClient::lineReceived);
        c.connectTo(node.address(), QStringLiteral("ON4AA"));
        QTRY_VERIFY(node.client);
        node.send("Welcome to the node\r\nType your call sign\r\n");
        QTRY_COMPARE(lines.size(), 2);
        QCOMPARE(c.status(), QStringLiteral("Connecté à ") + node.address());
        QTRY_VERIFY2(c.status().contains(QStringLiteral("aucun indicatif en 20 s")), qPrintable(c.status()));
        QVERIFY(node.received.isEmpty());
    }

    // A node that takes the connection and drops it at once, refusing the call: the delays
    // grow 5, 10, 20, 40, 60 s, the refusal in the status; a connection that held 60 s
    // starts them again.
    void refusedThenHeld() {
        test::Node node;
        QVERIFY(node.listen());
        connect(&node.server, &QTcpServer::newConnection, &node, [&node] {
            if (node.connections > 5) return;
            node.client->write("login: ");
            QObject::connect(node.client, &QTcpSocket::readyRead, node.client, [s = node.client] {
                s->write("Sorry, ON4AA/P is an invalid callsign\r\n");
                s->disconnectFromHost();
            });
        });
        NodeClient c;
        c.setSecondMs(10);
        QStringList seen;
        connect(&c, &NodeClient::statusChanged, this, [&seen](const QString &s) {
            if (s.startsWith(QStringLiteral("Déconnecté"))) seen << s;
        });
        c.connectTo(node.address(), QStringLiteral("ON4AA/P"));
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 5, 10000);
        QCOMPARE(seen[0], QStringLiteral("Déconnecté : refusé par le noeud : Sorry, ON4AA/P is an invalid callsign "
                                         "(nouvel essai dans 5 s)"));
        QStringList delays;
        for (const QString &s : seen) delays << s.section(u'(', -1);
        QCOMPARE(delays, (QStringList{"nouvel essai dans 5 s)", "nouvel essai dans 10 s)", "nouvel essai dans 20 s)",
                                      "nouvel essai dans 40 s)", "nouvel essai dans 60 s)"}));
        QTRY_COMPARE_WITH_TIMEOUT(node.connections, 6, 5000);
        QTest::qWait(NodeClient::SteadySeconds * 10 + 100);
        node.client->disconnectFromHost();
        QTRY_COMPARE(seen.size(), 6);
        QVERIFY2(seen[5].endsWith(QStringLiteral("(nouvel essai dans 5 s)")), qPrintable(seen[5]));
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
