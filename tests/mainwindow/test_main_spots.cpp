// The window "Spots DX" over a node the test plays on 127.0.0.1, and a spot handed to the
// entry by Enter.
#include "tests/mainwindow/harness.h"
#include "tests/spots/node.h"

#include "spots/spotswindow.h"

#include <QTableView>

using namespace kastlog;
using namespace kastlog::test;

class TestMainSpots : public QObject {
    Q_OBJECT

    Harness h;
    Node node;
    spots::SpotsWindow *spotsWindow = nullptr;

    template <class T> T *in(const char *name) const { return spotsWindow->findChild<T *>(QString::fromLatin1(name)); }
    QTableView *table() const { return in<QTableView>("Table_Spots"); }
    QString cell(int row, int col) const { return table()->model()->index(row, col).data().toString(); }
    QColor colour(int row) const { return table()->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>(); }
    QString status() const { return in<QLabel>("Etat")->text(); }
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
        QCOMPARE(status(), QStringLiteral("Connexion..."));
        QTRY_COMPARE(status(), QStringLiteral("Connecté à ") + node.address());
        node.send("login: ");
        QTRY_COMPARE(node.received, QByteArray("Q1ABC/P\r\n"));  // the call as shown
    }

    void rowsAndColours() {
        node.send("DX de ON4XX: 14025.0 ON4DNJ DNJ LG001 cw 1200Z\r\n"
                  "DX de ON4XX: 14030.0 ON4NO no castle here 1201Z\r\n"
                  "DX de ON4XX: 5357.0 ON4FAR NM047 1202Z\r\n"
                  "DX de F5AB: 144300 ON4VHF LG001 1203Z JO20\r\n"
                  "DX de F5AB: 7012 ON4NEW nm047 1204Z\r\n");
        QTRY_COMPARE(rows(), 3);
        const QStringList first = {cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5)};
        QCOMPARE(first, (QStringList{"1204Z", "7.0 Mhz", "ON4NEW", "NM047", "F5AB", "nm047"}));
        QCOMPARE(cell(1, 2), QStringLiteral("ON4VHF"));  // LG001 in VHF: new
        QCOMPARE(colour(1), spots::Nouveau);
        QCOMPARE(cell(1, 6), QString());
        QCOMPARE(cell(2, 2), QStringLiteral("ON4DNJ"));  // LG001 in HF: in the log
        QCOMPARE(colour(2), spots::Contacte);
        QCOMPARE(cell(2, 6), QStringLiteral("déjà contacté"));
        for (bool only : {true, false}) {  // "Seulement les nouveaux", remembered
            in<QCheckBox>("Nouveaux")->click();
            QCOMPARE(rows(), only ? 2 : 3);
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
        QCOMPARE(rows(), 3);  // the spots stay
        in<QPushButton>("Deconnecter")->click();
        QCOMPARE(status(), QStringLiteral("Déconnecté : arrêt demandé"));
        QTest::qWait(100);
        QCOMPARE(node.connections, 2);
        in<QPushButton>("Reconnecter")->click();
        QTRY_COMPARE(node.connections, 3);
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
        QTest::keyClicks(noeud, node.address());
        QTest::keyClick(noeud, Qt::Key_Return);
        QCOMPARE(h.settings.clusterTelnet(), node.address());
        QTRY_COMPARE(node.connections, 4);
    }
};

KASTLOG_WINDOW_TEST(TestMainSpots)
#include "test_main_spots.moc"
