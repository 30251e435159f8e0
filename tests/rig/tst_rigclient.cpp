// The rigctld client against a rigctld the test plays on 127.0.0.1, and against the real
// daemon over Hamlib's dummy radio.
#include "rig/rigclient.h"
#include "tests/common/rigctld.h"
#include "tests/rig/fakerig.h"

#include <QSignalSpy>
#include <QTest>

using namespace kastlog;
using namespace kastlog::rig;

class TstRigClient : public QObject {
    Q_OBJECT
private slots:
    // Polls faster than the answers come: still one command at a time, f then m.
    void oneRequestAtATime() {
        test::FakeRig fake;
        QVERIFY(fake.listen());
        fake.delayMs = 60;
        RigClient c;
        c.start(fake.address(), 10);
        QTRY_VERIFY(fake.received.size() >= 6);
        QCOMPARE(fake.inFlightMax, 1);
        QCOMPARE(fake.received.mid(0, 6), (QList<QByteArray>{"f", "m", "f", "m", "f", "m"}));
        QVERIFY(c.reading().usable());
        QCOMPARE(c.reading().hz, 14285000);
        QCOMPARE(c.reading().mode, QStringLiteral("USB"));
        // The polls do not pile up behind the slow answers.
        QTest::qWait(600);
        QVERIFY(c.queued() <= 1);
    }

    // A tuning goes before the reading under way, frequency first: asked while `f` waits for
    // its answer, it goes out before `m`.
    void tuneBeforeTheNextReading() {
        test::FakeRig fake;
        QVERIFY(fake.listen());
        fake.delayMs = 300;
        RigClient c;
        c.start(fake.address(), 20);
        QTRY_VERIFY(c.reading().usable());
        QTRY_COMPARE(fake.received.last(), QByteArray("f"));
        const qsizetype before = fake.received.size();
        QVERIFY(c.tune(7012000, QStringLiteral("CW")));
        QTRY_VERIFY_WITH_TIMEOUT(fake.received.size() >= before + 3, 3000);
        QCOMPARE(fake.received.mid(before, 3), (QList<QByteArray>{"F 7012000", "M CW -1", "m"}));
    }

    // A refusal of the radio behind rigctld is said, and the readings go on over the same
    // connection: the radio may be switched on again.
    void refusalKeepsTheConnection() {
        test::FakeRig fake;
        QVERIFY(fake.listen());
        bool off = true;
        fake.answer = [&off](const QByteArray &line) -> QByteArray {
            if (off) return "RPRT -5\n";
            return line == "f" ? "7012000\n" : "CW\n500\n";
        };
        RigClient c;
        c.start(fake.address(), 20);
        QTRY_COMPARE(c.reading().problem, QStringLiteral("RPRT -5 : la radio ne répond pas"));
        QCOMPARE(c.reading().retryInS, 0);
        const qsizetype polls = fake.received.size();
        QTRY_VERIFY(fake.received.size() > polls + 2);
        QVERIFY(!fake.received.contains("m"));  // no mode without a frequency
        off = false;
        QTRY_VERIFY(c.reading().usable());
        QCOMPARE(c.reading().mode, QStringLiteral("CW"));
        QCOMPARE(fake.connections, 1);
    }

    // Losses are tried again after 5, 10, 20, 40 then 60 s (10 ms seconds here); an answer
    // starts the delays again from 5 s.
    void reconnectionDelays() {
        test::FakeRig fake;
        QVERIFY(fake.listen());
        const quint16 port = fake.server.serverPort();
        const QString address = fake.address();
        fake.server.close();  // refused from now on
        RigClient c;
        c.setSecondMs(10);
        QList<int> delays;
        connect(&c, &RigClient::updated, this, [&] {
            if (c.reading().retryInS > 0) delays << c.reading().retryInS;
        });
        c.start(address, 20);
        QTRY_VERIFY_WITH_TIMEOUT(delays.size() >= 6, 10000);
        QCOMPARE(delays.mid(0, 6), (QList<int>{5, 10, 20, 40, 60, 60}));
        QVERIFY2(c.reading().problem.contains(QStringLiteral("refus")), qPrintable(c.reading().problem));
        QVERIFY(fake.server.listen(QHostAddress::LocalHost, port));
        QTRY_VERIFY_WITH_TIMEOUT(c.reading().usable(), 5000);
        delays.clear();
        fake.client->abort();
        QTRY_VERIFY(!delays.isEmpty());
        QCOMPARE(delays.first(), 5);
    }

    // The real daemon: the client reads the dummy radio, tunes it, and reads the change back;
    // what the test's own connection sets is read too.
    void hamlibDummy() {
        test::Rigctld daemon;
        QVERIFY2(daemon.started(), qPrintable(daemon.why()));
        RigClient c;
        c.start(daemon.address(), 50);
        QTRY_VERIFY(c.reading().usable());
        QCOMPARE(c.reading().hz, 145000000);
        QCOMPARE(c.reading().mode, QStringLiteral("FM"));
        QVERIFY(c.tune(7012000, QStringLiteral("CW")));
        QTRY_COMPARE(c.reading().hz, 7012000);
        QTRY_COMPARE(c.reading().mode, QStringLiteral("CW"));
        QCOMPARE(daemon.ask("f"), QStringList{QStringLiteral("7012000")});
        QCOMPARE(daemon.ask("m", 2).value(0), QStringLiteral("CW"));
        QVERIFY(daemon.set(14285000, "USB"));
        QTRY_COMPARE(c.reading().hz, 14285000);
        QTRY_COMPARE(c.reading().mode, QStringLiteral("USB"));
        QVERIFY(c.reading().refusal.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstRigClient)
#include "tst_rigclient.moc"
