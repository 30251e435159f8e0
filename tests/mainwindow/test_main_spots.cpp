// The window "Spots DX" over a node the test plays on 127.0.0.1: the login and the last hour
// at once, the rows and their colours, a spot handed to the entry by Enter, the node's words
// and commands, the alert, spotting back, the login fields, the keyboard.
#include "tests/mainwindow/harness.h"
#include "tests/spots/node.h"

#include "spots/spotswindow.h"

#include <QPlainTextEdit>
#include <QTableView>

using namespace kastlog;
using namespace kastlog::test;

class TestMainSpots : public QObject {
    Q_OBJECT

    Harness h;
    Node node;
    spots::SpotsWindow *spotsWindow = nullptr;
    QList<bool> alerts;  // each call for attention, with its beep
    using M = spots::SpotsModel;

    template <class T> T *in(const char *name) const { return spotsWindow->findChild<T *>(QString::fromLatin1(name)); }
    QTableView *table() const { return in<QTableView>("Table_Spots"); }
    QString cell(int row, int col) const { return table()->model()->index(row, col).data().toString(); }
    QColor colour(int row) const { return table()->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>(); }
    QString status() const { return in<QLabel>("Etat")->text(); }
    QStringList pane() const { return in<QPlainTextEdit>("Texte_Noeud")->toPlainText().split(u'\n'); }
    // What the node has received since the last call, once it is `expected`.
    void expectReceived(const QByteArray &expected) {
        QTRY_COMPARE(node.received, expected);
        node.received.clear();
    }
    int rows() const { return table()->model()->rowCount(); }
    void enterOn(int row) {
        table()->setCurrentIndex(table()->model()->index(row, 0));
        QTest::keyClick(table(), Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        QVERIFY(node.listen());
        h.station(QStringLiteral("Q1ABC_P"), {L});  // LG001 on 14 Mhz
        h.settings.setValue(Settings::commonSection(), QStringLiteral("Cluster Telnet"), node.address());
        QVERIFY(h.start());
        h.triggerMenu(QStringLiteral("Mnu_Spots"));
        spotsWindow = h.window->findChild<spots::SpotsWindow *>();
        QVERIFY(spotsWindow);
        QCOMPARE(spotsWindow->windowTitle(), QStringLiteral("Spots DX"));
        QVERIFY(!spotsWindow->isModal());
        spotsWindow->setClock([] { return QDateTime(QDate(2026, 12, 9), QTime(12, 40), Qt::UTC); });
        spotsWindow->setAttention([this](bool beep) { alerts << beep; });
        QCOMPARE(spotsWindow->focusWidget(), table());  // a node is set: the spots, not "Noeud"
        QCOMPARE(status(), QStringLiteral("Connexion..."));
        QTRY_COMPARE(status(), QStringLiteral("Connecté à ") + node.address());
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("Q1ABC/P\r\n"));  // the call as shown
    }

    // Once the node shows its prompt, "sh/dx 50" goes; the castle spots of the last hour in
    // its answer fill the table, placed by their own time, the first one current.
    void lastHourOnLogin() {
        node.received.clear();
        node.send("Hello Q1ABC/P, this is ON0DNJ\r\nQ1ABC/P de ON0DNJ  9-Dec-2026 1240Z dxspider >\r\n");
        QTRY_COMPARE(node.received, QByteArray("sh/dx 50\r\n"));
        node.send("  14025.0  ON4OLD       9-Dec-2026 1130Z DNJ NM047                   <ON4ABC>\r\n"
                  "  14030.0  ON4HIST      9-Dec-2026 1230Z DNJ LG001                   <ON4ABC>\r\n"
                  "  14250.0  K1ABC        9-Dec-2026 1231Z dx                          <ON4ABC>\r\n");
        QTRY_COMPARE(rows(), 1);
        QCOMPARE(cell(0, M::Indicatif), QStringLiteral("ON4HIST"));
        QCOMPARE(cell(0, M::Heure), QStringLiteral("1230Z"));
        QCOMPARE(table()->currentIndex().row(), 0);
        QCOMPARE(pane().mid(pane().size() - 3), (QStringList{"Hello Q1ABC/P, this is ON0DNJ",
                                                             "Q1ABC/P de ON0DNJ  9-Dec-2026 1240Z dxspider >", "> sh/dx 50"}));
    }

    void rowsAndColours() {
        node.send("DX de ON4XX: 14025.0 ON4DNJ DNJ LG001 cw 1200Z\r\n"
                  "DX de ON4XX: 14030.0 ON4NO no castle here 1201Z\r\n"
                  "DX de ON4XX: 5357.0 ON4FAR NM047 1202Z\r\n"
                  "DX de F5AB: 144300 ON4VHF LG001 1203Z JO20\r\n"
                  "DX de F5AB: 7012 ON4NEW nm047 1204Z\r\n");
        QTRY_COMPARE(rows(), 4);
        QStringList first;
        for (int c = M::Heure; c < M::Contact; ++c) first << cell(0, c);
        QCOMPARE(first, (QStringList{"1204Z", "7.0 Mhz", "7012", "ON4NEW", "NM047", "F5AB", "nm047"}));
        QCOMPARE(table()->model()->headerData(M::Frequence, Qt::Horizontal).toString(), QStringLiteral("Fréquence"));
        QCOMPARE(cell(1, M::Indicatif), QStringLiteral("ON4VHF"));  // LG001 in VHF: new
        QCOMPARE(colour(1), spots::Nouveau);
        QCOMPARE(cell(1, M::Contact), QString());
        QCOMPARE(cell(2, M::Indicatif), QStringLiteral("ON4DNJ"));  // LG001 in HF: in the log
        QCOMPARE(colour(2), spots::Contacte);
        QCOMPARE(cell(2, M::Contact), QStringLiteral("déjà contacté"));
        for (bool only : {true, false}) {  // "Seulement les nouveaux", remembered
            in<QCheckBox>("Nouveaux")->click();
            QCOMPARE(rows(), only ? 2 : 4);
            QCOMPARE(h.settings.spotsNouveaux(), only);
        }
    }

    // Enter on a spot fills the entry; the Enter chain offers its reference; once saved, the
    // castle is marked in the table.
    void enterOnASpot() {
        enterOn(0);
        QTRY_VERIFY(h.window->isActiveWindow());  // the entry comes forward
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("7.0 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4NEW"));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QVERIFY(!h.enabled(QStringLiteral("Prenom_A")));  // every field still waits for its Enter
        for (const char *f : {"Ind_A", "Prenom_A"}) h.enter(QString::fromLatin1(f));
        QCOMPARE(h.text(QStringLiteral("Ref_A")), QStringLiteral("NM047"));
        QVERIFY(h.hasFocus(QStringLiteral("Ref_A")));
        QVERIFY(h.infos().isEmpty());
        for (const char *f : {"Ref_A", "Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"}) h.enter(QString::fromLatin1(f));
        h.save();
        QCOMPARE(h.logLines(QStringLiteral("Q1ABC_P")).size(), 2);
        QVERIFY(h.logLines(QStringLiteral("Q1ABC_P")).last().contains(QStringLiteral("NM047")));
        QTRY_COMPARE_WITH_TIMEOUT(colour(0), spots::Contacte, 2000);
        QCOMPARE(colour(1), spots::Nouveau);
    }

    // A double click does what Enter does; with a call typed, the entry is busy.
    void busyEntry() {
        h.messages.clear();
        const QString band = h.text(QStringLiteral("Bande_A"));
        h.type(QStringLiteral("Ind_A"), QStringLiteral("F1"));
        const QRect cellRect = table()->visualRect(table()->model()->index(1, 2));
        QVERIFY2(cellRect.isValid(), "the row is on screen");
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cellRect.center());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cellRect.center());
        QCOMPARE(h.infos().size(), 1);
        QVERIFY(h.infos().first().contains(QStringLiteral("saisie est en cours")));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("F1"));
        QCOMPARE(h.text(QStringLiteral("Bande_A")), band);
        h.clearField(QStringLiteral("Ind_A"));
    }

    // The reference goes with the call of the spot only.
    void otherCallNoReference() {
        enterOn(1);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4VHF"));
        h.clearField(QStringLiteral("Ind_A"));
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("ON4ZZ"));
        h.enter(QStringLiteral("Prenom_A"));
        QVERIFY(h.hasFocus(QStringLiteral("Ref_A")));
        QCOMPARE(h.text(QStringLiteral("Ref_A")), QString());
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
    }

    void reconnection() {
        spotsWindow->client().setSecondMs(10);
        node.client->disconnectFromHost();
        QTRY_COMPARE(node.connections, 2);
        QTRY_COMPARE(status(), QStringLiteral("Connecté à ") + node.address());
        QCOMPARE(rows(), 4);  // the spots stay
        in<QPushButton>("Deconnecter")->click();
        QCOMPARE(status(), QStringLiteral("Déconnecté : arrêt demandé"));
        QTest::qWait(100);
        QCOMPARE(node.connections, 2);
        in<QPushButton>("Reconnecter")->click();
        QTRY_COMPARE(node.connections, 3);
    }

    // A new spot of an activation updates its row and counts its spotters; another band is
    // another row.
    void activationRows() {
        node.send("login: ");
        expectReceived("Q1ABC/P\r\n");
        node.send("Q1ABC/P de ON0DNJ  9-Dec-2026 1241Z dxspider >\r\n");
        expectReceived("sh/dx 50\r\n");
        node.send("DX de K1ABC: 7013.5 ON4NEW DNJ NM-047 qsy 1241Z\r\n");
        QTRY_COMPARE(cell(0, M::Frequence), QStringLiteral("7013.5"));
        QCOMPARE(rows(), 4);
        QCOMPARE(cell(0, M::Spotter), QStringLiteral("K1ABC (2)"));
        QCOMPARE(table()->model()->index(0, M::Spotter).data(Qt::ToolTipRole).toString(), QStringLiteral("F5AB, K1ABC"));
        node.send("DX de K1ABC: 14025.0 ON4NEW NM047 1242Z\r\n");
        QTRY_COMPARE(rows(), 5);
        QCOMPARE(cell(0, M::Bande), QStringLiteral("14 Mhz"));
    }

    // What is no spot goes to "Noeud", the last 500 lines; its command field writes to the node.
    void paneAndCommands() {
        in<QTabWidget>("Onglets")->setCurrentIndex(1);
        QCOMPARE(spotsWindow->focusWidget(), in<QLineEdit>("Commande"));
        node.send("To ALL de ON4ABC: DNJ NM047 QRV 14.025 CW\a\a\r\n"
                  "DX de K1ABC: 14195.0 K1XYZ up 5 1244Z\r\n"
                  "WWV de VE7CC <00>:   SFI=110, A=6, K=2, No Storms -> No Storms\r\n");
        QTRY_COMPARE(pane().last(), QStringLiteral("WWV de VE7CC <00>:   SFI=110, A=6, K=2, No Storms -> No Storms"));
        QCOMPARE(pane().at(pane().size() - 2), QStringLiteral("To ALL de ON4ABC: DNJ NM047 QRV 14.025 CW"));
        QTest::keyClicks(in<QLineEdit>("Commande"), QStringLiteral("unset/beep"));
        QTest::keyClick(in<QLineEdit>("Commande"), Qt::Key_Return);
        expectReceived("unset/beep\r\n");
        QCOMPARE(pane().last(), QStringLiteral("> unset/beep"));
        QByteArray many;
        for (int i = 0; i < 600; ++i) many += "line " + QByteArray::number(i) + "\r\n";
        node.send(many);
        QTRY_COMPARE(pane().last(), QStringLiteral("line 599"));
        QCOMPARE(pane().size(), spots::PaneLines);
        QCOMPARE(pane().first(), QStringLiteral("line 100"));
        in<QTabWidget>("Onglets")->setCurrentIndex(0);
        QCOMPARE(spotsWindow->focusWidget(), table());
    }

    // A new castle while the window is not active asks for attention once per burst, with a
    // beep when "Signal sonore" is ticked (remembered for the station); a castle in the log
    // or an active window, none.
    void attention() {
        QApplication::setActiveWindow(h.window.get());
        QTRY_VERIFY(!spotsWindow->isActiveWindow());
        alerts.clear();
        node.send("DX de K1ABC: 21290 ON4GRN DNJ AN001 1243Z\r\nDX de K1ABC: 21291 ON4GR2 DNJ AN002 1243Z\r\n");
        QTRY_COMPARE(alerts, QList<bool>{false});
        in<QCheckBox>("Signal_Sonore")->click();
        QCOMPARE(h.settings.value(Settings::stationSection(QStringLiteral("Q1ABC_P")), QStringLiteral("Signal Sonore"), {}),
                 QStringLiteral("Oui"));
        node.send("DX de K1ABC: 14040 ON4GRY DNJ LG001 1244Z\r\nDX de K1ABC: 21292 ON4GR3 DNJ AN003 1244Z\r\n");
        QTRY_COMPARE(alerts, (QList<bool>{false, true}));
        node.send("DX de K1ABC: 14041 ON4GRY2 DNJ LG001 1244Z\r\n");
        QTRY_COMPARE(cell(0, M::Indicatif), QStringLiteral("ON4GRY2"));
        QApplication::setActiveWindow(spotsWindow);
        node.send("DX de K1ABC: 21293 ON4GR4 DNJ AN004 1244Z\r\n");
        QTRY_COMPARE(cell(0, M::Indicatif), QStringLiteral("ON4GR4"));
        QTest::qWait(20);
        QCOMPARE(alerts.size(), 2);
    }

    // "Spotter" sends the chosen activation back after a Yes; only while connected.
    void spotBack() {
        table()->setCurrentIndex(table()->model()->index(0, 0));
        auto *spotter = in<QPushButton>("Spotter");
        QVERIFY(spotter->isEnabled());
        node.received.clear();
        h.messages.clear();
        h.messages.answers = {false, true};
        spotter->click();
        QCOMPARE(h.messages.questions, QStringList{"Envoyer ce spot au noeud ?\n\nDX 21293 ON4GR4 DNJ AN004"});
        spotter->click();
        expectReceived("DX 21293 ON4GR4 DNJ AN004\r\n");
        in<QPushButton>("Deconnecter")->click();
        QVERIFY(!spotter->isEnabled());
    }

    // The login and the password are given in the window and kept in the settings; Enter in
    // them connects again.
    void loginFields() {
        auto *login = in<QLineEdit>("Indicatif");
        QCOMPARE(login->text(), QStringLiteral("Q1ABC/P"));
        login->clear();
        QTest::keyClicks(login, QStringLiteral("on4zz"));
        QTest::keyClick(login, Qt::Key_Return);
        QCOMPARE(h.settings.value(Settings::commonSection(), QStringLiteral("Cluster Indicatif"), {}), QStringLiteral("ON4ZZ"));
        QTRY_COMPARE(node.connections, 4);
        QCOMPARE(spotsWindow->focusWidget(), table());
        auto *password = in<QLineEdit>("Mot_De_Passe");
        QTest::keyClicks(password, QStringLiteral("pw"));
        QTest::keyClick(password, Qt::Key_Return);
        QCOMPARE(h.settings.value(Settings::commonSection(), QStringLiteral("Cluster Mot de passe"), {}), QStringLiteral("pw"));
        QTRY_COMPARE(node.connections, 5);
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("ON4ZZ\r\n"));
        node.send("password: ");
        QTRY_COMPARE(node.received, QByteArray("ON4ZZ\r\npw\r\n"));
        login->setText(QStringLiteral("Q1ABC/P"));  // the station's own: kept as none
        QTest::keyClick(login, Qt::Key_Return);
        QCOMPARE(h.settings.value(Settings::commonSection(), QStringLiteral("Cluster Indicatif"), {}), QString());
        QTRY_COMPARE(node.connections, 6);
    }

    // Home then Enter in the table take the newest spot; End goes to the oldest.
    void keyboardChase() {
        table()->setCurrentIndex(table()->model()->index(3, M::Ref));
        QTest::keyClick(table(), Qt::Key_End);
        QCOMPARE(table()->currentIndex().row(), rows() - 1);
        QTest::keyClick(table(), Qt::Key_Home);
        QCOMPARE(table()->currentIndex().row(), 0);
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4GR4"));
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
    }

    // Without a node the window asks for it; the one given is remembered.
    void nodeAskedOnce() {
        spotsWindow->close();
        QTRY_VERIFY(!h.window->findChild<spots::SpotsWindow *>());
        h.settings.setValue(Settings::commonSection(), QStringLiteral("Cluster Telnet"), QString());
        h.triggerMenu(QStringLiteral("Mnu_Spots"));
        spotsWindow = h.window->findChild<spots::SpotsWindow *>();
        QVERIFY(status().startsWith(QStringLiteral("Déconnecté : entrez le noeud")));
        auto *noeud = in<QLineEdit>("Noeud");
        QCOMPARE(spotsWindow->focusWidget(), noeud);
        QTest::keyClicks(noeud, node.address());
        QTest::keyClick(noeud, Qt::Key_Return);
        QCOMPARE(h.settings.clusterTelnet(), node.address());
        QTRY_COMPARE(node.connections, 7);
        QCOMPARE(spotsWindow->focusWidget(), table());
    }
};

KASTLOG_WINDOW_TEST(TestMainSpots)
#include "test_main_spots.moc"
