// The radio in the main window: the dialog "Radio", the label beside the clocks, the entry
// following Hamlib's dummy radio (rigctld -m 1) at its start only, the question at the save,
// a spot tuning the radio; and a rigctld played by the test that fails in every way.
#include "tests/common/inprocess.h"
#include "tests/common/rigctld.h"
#include "tests/mainwindow/harness.h"
#include "tests/rig/fakerig.h"
#include "tests/spots/node.h"

#include "mainwindow/radiodialog.h"
#include "rig/rigclient.h"
#include "spots/spotswindow.h"

#include <QElapsedTimer>
#include <QTableView>

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString Band = QStringLiteral("Bande_A"), Mode = QStringLiteral("Mode_A"), Label = QStringLiteral("Radio_Aff");
const QColor Red(Qt::red), Grey(128, 128, 128);

enum Fault { NoAnswer, Refused, WebServer, Closed, Stall };
}  // namespace

class TestMainRadio : public QObject {
    Q_OBJECT

    Rigctld daemon;
    Harness h;

    QColor labelColour() const { return h.w<QLabel>(Label)->palette().color(QPalette::WindowText); }
    QColor plainColour() const { return h.window->palette().color(QPalette::WindowText); }

private slots:
    void initTestCase() {
        QVERIFY2(daemon.started(), qPrintable(daemon.why()));
        h.station(Q1, {L});  // LG001 on 14 Mhz
        h.settings.setValue(Settings::commonSection(), QStringLiteral("Radio Intervalle"), QStringLiteral("100"));
        QVERIFY(h.start());
    }

    // Without a radio set, nothing of it is made and the network module is not loaded.
    void noRadioNothingLoads() {
        QVERIFY(!h.w<QLabel>(Label));
        QVERIFY(!h.window->findChild<rig::RigClient *>());
        QVERIFY(!mappedInProcess("libkastlog_network.so"));
    }

    // Station > "Radio...": a bad address is refused, "Tester" reads the radio or says what is
    // wrong, OK keeps the address and the radio is read from then on.
    void radioDialog() {
        h.triggerMenu(QStringLiteral("Mnu_Radio"));
        auto *dialog = h.window->findChild<RadioDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        auto *address = dialog->findChild<QLineEdit *>(QStringLiteral("Adresse"));
        auto *result = dialog->findChild<QLabel *>(QStringLiteral("Resultat"));
        auto *tester = dialog->findChild<QPushButton *>(QStringLiteral("Tester"));
        QTest::keyClicks(address, QStringLiteral("localhost"));
        tester->click();
        QCOMPARE(result->text(), QStringLiteral("Adresse invalide : entrez hote:port, par exemple localhost:4532"));
        FakeRig closed;
        QVERIFY(closed.listen());
        const QString refused = closed.address();
        closed.server.close();
        address->setText(refused);
        tester->click();
        QTRY_VERIFY2(result->text().startsWith(QStringLiteral("Erreur : ")), qPrintable(result->text()));
        address->setText(daemon.address());
        tester->click();
        QTRY_COMPARE(result->text(), QStringLiteral("Radio : 145 000,00 kHz FM"));
        QVERIFY(!h.w<QLabel>(Label));  // a test sets nothing
        dialog->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        QCOMPARE(h.settings.radioRigctld(), daemon.address());
        QTRY_COMPARE(h.text(Label), QStringLiteral("145 000,00 kHz FM"));
        QCOMPARE(labelColour(), plainColour());
    }

    // At the start of an entry the band and the mode follow the radio, and are remembered as a
    // key press in their lists would remember them.
    void followsAtTheStart() {
        QTRY_COMPARE(h.text(Band), QStringLiteral("144 Mhz"));
        QCOMPARE(h.text(Mode), QStringLiteral("FM"));
        QVERIFY(daemon.set(14285000, "USB"));
        QTRY_COMPARE(h.text(Band), QStringLiteral("14 Mhz"));
        QTRY_COMPARE(h.text(Mode), QStringLiteral("SSB"));
        QCOMPARE(h.settings.bandeUtilisee(Q1), 4);
        QCOMPARE(h.settings.modeUtilise(Q1), 0);
        QVERIFY(daemon.set(7012000, "RTTY"));
        QTRY_COMPARE(h.text(Mode), QStringLiteral("RTY"));  // the log's RTTY form
        QTRY_COMPARE(h.text(Band), QStringLiteral("7.0 Mhz"));
        QCOMPARE(h.settings.modeUtilise(Q1), -1);  // a mode the list does not hold
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
    }

    // Outside the twelve bands, or in a mode the log has no name for, the fields stay.
    void outsideTheLog() {
        QVERIFY(daemon.set(5357000, "PKTUSB"));
        QTRY_COMPARE(h.text(Label), QStringLiteral("5 357,00 kHz PKTUSB - hors des bandes du log"));
        QCOMPARE(h.text(Band), QStringLiteral("7.0 Mhz"));
        QCOMPARE(h.text(Mode), QStringLiteral("RTY"));
        QVERIFY(daemon.set(14285000, "USB"));
        QTRY_COMPARE(h.text(Mode), QStringLiteral("SSB"));
    }

    // Once the call has passed its check the fields stay; the label turns red and the save
    // asks; after the save the entry takes the radio's band again.
    void leftTheBandDuringTheQso() {
        QTRY_COMPARE(h.text(Band), QStringLiteral("14 Mhz"));
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("ON4XYZ"));
        QVERIFY(daemon.set(7012000, "CW"));
        QTRY_COMPARE(h.text(Label), QStringLiteral("7 012,00 kHz CW"));
        QTRY_COMPARE(labelColour(), Red);
        QCOMPARE(h.text(Band), QStringLiteral("14 Mhz"));
        QCOMPARE(h.text(Mode), QStringLiteral("SSB"));
        h.enter(QStringLiteral("Prenom_A"));
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        for (const char *f : {"Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"}) h.enter(QString::fromLatin1(f));
        h.messages.clear();
        h.messages.answers = {false};
        h.save();
        const QString question = QStringLiteral("La radio est sur 7.0 Mhz et le QSO sur 14 Mhz : enregistrer quand même ?");
        QCOMPARE(h.messages.questions, QStringList{question});
        QCOMPARE(h.logLines(Q1).size(), 1);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4XYZ"));  // the QSO is still there
        h.messages.answers = {true, true};
        h.save();
        QCOMPARE(h.messages.questions.mid(1), (QStringList{question, QStringLiteral("Voulez vous enregistrer ces données ?")}));
        QCOMPARE(h.logLines(Q1).size(), 2);
        QVERIFY(h.logLines(Q1).last().contains(QStringLiteral("14 Mhz")));
        QTRY_COMPARE(h.text(Band), QStringLiteral("7.0 Mhz"));
        QTRY_COMPARE(h.text(Mode), QStringLiteral("CW"));
        QCOMPARE(labelColour(), plainColour());
    }

    // A QSO being edited or inserted ignores the radio, and its save asks nothing of it.
    void editingAndInsertionIgnoreTheRadio() {
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        QVERIFY(daemon.set(14285000, "USB"));
        QTRY_COMPARE(h.text(Label), QStringLiteral("14 285,00 kHz USB"));
        QTest::qWait(300);  // three readings
        QCOMPARE(h.text(Band), QStringLiteral("7.0 Mhz"));
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        QTRY_COMPARE(h.text(Band), QStringLiteral("14 Mhz"));
        h.doubleClickItem(0);  // ON4AA on 14 Mhz
        QCOMPARE(h.window->modificationFlag(), true);
        QVERIFY(daemon.set(7012000, "CW"));
        QTRY_COMPARE(h.text(Label), QStringLiteral("7 012,00 kHz CW"));
        QTest::qWait(300);
        QCOMPARE(h.text(Band), QStringLiteral("14 Mhz"));
        QCOMPARE(labelColour(), plainColour());
        h.messages.clear();
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.messages.questions, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
    }

    // Enter on a spot tunes the radio: the dummy's frequency and mode read back.
    void spotTunesTheRadio() {
        Node node;
        QVERIFY(node.listen());
        h.settings.setValue(Settings::commonSection(), QStringLiteral("Cluster Telnet"), node.address());
        h.triggerMenu(QStringLiteral("Mnu_Spots"));
        auto *spotsWindow = h.window->findChild<spots::SpotsWindow *>();
        QTRY_VERIFY(node.client);
        node.send("login: ");
        QTRY_VERIFY(!node.received.isEmpty());
        node.send("DX de ON4XX: 14025.0 ON4DNJ DNJ LG002 1200Z\r\n"
                  "DX de F5AB: 7150.0 ON4LSB DNJ NM048 1201Z\r\n");
        auto *table = spotsWindow->findChild<QTableView *>(QStringLiteral("Table_Spots"));
        QTRY_COMPARE(table->model()->rowCount(), 2);
        struct Case { int row; const char *hz, *hamlib, *band, *mode; };
        for (const Case &c : {Case{1, "14025000", "CW", "14 Mhz", "CW"}, Case{0, "7150000", "LSB", "7.0 Mhz", "SSB"}}) {
            table->setCurrentIndex(table->model()->index(c.row, 0));
            QTest::keyClick(table, Qt::Key_Return);
            QTRY_COMPARE(daemon.ask("f"), QStringList{QString::fromLatin1(c.hz)});
            QTRY_COMPARE(daemon.ask("m", 2).value(0), QString::fromLatin1(c.hamlib));  // set after the frequency
            QCOMPARE(h.text(Band), QString::fromLatin1(c.band));
            QCOMPARE(h.text(Mode), QString::fromLatin1(c.mode));
            QTest::qWait(300);  // the radio's readings do not undo it
            QCOMPARE(h.text(Mode), QString::fromLatin1(c.mode));
            h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        }
        spotsWindow->close();
    }

    // A rigctld that fails: the window goes on, the label says what is wrong, the entry is
    // left as it was and no message box comes up.
    void faults_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("label");
        const QString retry = QStringLiteral(", nouvel essai dans 5 s)");
        QTest::newRow("no answer") << int(NoAnswer) << "Radio : déconnectée (pas de réponse de rigctld en 2 s" + retry;
        QTest::newRow("RPRT -1") << int(Refused) << QStringLiteral("Radio : déconnectée (RPRT -1 : paramètre invalide)");
        QTest::newRow("a web server") << int(WebServer)
                                      << "Radio : déconnectée (réponse illisible de rigctld : « HTTP/1.1 400 Bad Request »" + retry;
        QTest::newRow("closed") << int(Closed) << "Radio : déconnectée (connexion fermée par rigctld" + retry;
        QTest::newRow("3 s stall") << int(Stall) << "Radio : déconnectée (pas de réponse de rigctld en 2 s" + retry;
    }
    void faults() {
        QFETCH(int, fault);
        FakeRig fake;
        QVERIFY(fake.listen());
        if (fault == NoAnswer) fake.answer = [](const QByteArray &) { return QByteArray(); };
        if (fault == Refused) fake.answer = [](const QByteArray &) { return QByteArray("RPRT -1\n"); };
        if (fault == WebServer) fake.answer = [](const QByteArray &) { return QByteArray("HTTP/1.1 400 Bad Request\r\n"); };
        fake.closeOnFirst = fault == Closed;
        if (fault == Stall) fake.delayMs = 3000;

        Harness w;
        w.station(Q1, {L});
        w.settings.setBandeUtilisee(Q1, 2);  // 7.0 Mhz
        w.settings.setModeUtilise(Q1, 1);    // CW
        w.settings.setRadioRigctld(fake.address());
        QElapsedTimer clock;
        qint64 last = 0, longestGap = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, this, [&] {
            longestGap = qMax(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        QVERIFY(w.start());
        clock.start();
        heartbeat.start(20);
        QFETCH(QString, label);
        QTRY_COMPARE_WITH_TIMEOUT(w.text(Label), label, 4000);
        if (fault == Stall) {
            QTest::qWait(1500);  // past the late answer
            QCOMPARE(w.text(Label), label);
        }
        QCOMPARE(w.w<QLabel>(Label)->palette().color(QPalette::WindowText), Grey);
        QCOMPARE(w.text(Band), QStringLiteral("7.0 Mhz"));
        QCOMPARE(w.text(Mode), QStringLiteral("CW"));
        QCOMPARE(w.text(QStringLiteral("Ind_A")), QString());
        QVERIFY(w.hasFocus(QStringLiteral("Ind_A")));
        QVERIFY2(w.messages.shown.isEmpty(), qPrintable(w.messages.shown.join(u'|')));
        QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
    }
};

KASTLOG_WINDOW_TEST(TestMainRadio)
#include "test_main_radio.moc"
