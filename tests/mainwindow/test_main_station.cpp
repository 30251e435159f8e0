// Changing the station from the menu: to a new call sign, to a known one, and to one whose
// log cannot be created.
#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"

#include <QDialog>

using namespace kastlog;
using namespace kastlog::test;

class TestMainStation : public QObject {
    Q_OBJECT

    QDialog *openStation(Harness &h) {
        h.triggerMenu(QStringLiteral("Mnu_New_Indicatif"));
        auto *d = h.window->findChild<QDialog *>(QStringLiteral("Station"));
        if (d && (d->isModal() || !d->isVisible())) qWarning("the station dialog should open modeless");
        return d && !d->isModal() && d->isVisible() ? d : nullptr;
    }
    void answer(QDialog *d, const QString &call) {
        QVERIFY(d);
        QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("New_Indicatif")), call);
        d->findChild<QPushButton *>(QStringLiteral("Validation"))->click();
    }

private slots:
    void toANewCallSign() {
        Harness h;
        h.station(Q1, {L});
        h.settings.setBandeUtilisee(Q1, 4);
        QVERIFY(h.start());
        QDialog *d = openStation(h);
        QVERIFY(d);
        QVERIFY(h.window->isEnabled());  // Main stays usable
        QCOMPARE(openStation(h), d);     // one instance only
        answer(d, QStringLiteral("q2xyz/p"));
        QCOMPARE(h.window->stationCall(), QStringLiteral("Q2XYZ_P"));
        QCOMPARE(h.text(QStringLiteral("I_Station")), QStringLiteral("Q2XYZ/P"));
        QVERIFY(h.dirs.exists(QStringLiteral("Q2XYZ_P_DNJ.log")));
        QVERIFY(h.window->mainListLines().isEmpty());
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("1.8 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("SSB"));
        QCOMPARE(h.settings.bandeUtilisee(Q1), 4);  // the old station keeps its choices
        // The next QSO goes into the new station's log.
        h.typeQso(QStringLiteral("F6ABC"), QString(), QStringLiteral("NM047"));
        h.save();
        QCOMPARE(h.logLines(QStringLiteral("Q2XYZ_P")).size(), 1);
        QCOMPARE(h.logLines(Q1), QStringList{L});
    }

    void toAKnownCallSign() {
        Harness h;
        h.station(QStringLiteral("Q2XYZ"));
        h.dirs.writeLines(files::logName(Q1), {L});
        h.settings.setBandeUtilisee(Q1, 10);
        h.settings.setModeUtilise(Q1, 2);
        QVERIFY(h.start());
        answer(openStation(h), QStringLiteral("Q1ABC"));
        QCOMPARE(h.window->mainListLines(), QStringList{displayLine(L, 1)});
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("144 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("FM"));
        QCOMPARE(h.settings.bandeUtilisee(Q1), 10);
        QCOMPARE(h.logLines(Q1), QStringList{L});  // not replaced by the template
        // The duplicate search now reads the new station's log.
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        QComboBox *band = h.combo(QStringLiteral("Bande_A"));
        band->setCurrentIndex(4);
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("LG001"));
        QCOMPARE(h.messages.last(), QStringLiteral("LG001 Chateau deja contacté le 01/06/08 sur 14 Mhz"));
    }

    void noTemplateRecoveryClosedByItsFrame() {
        Harness h;
        h.station(Q1, {L});
        QFile::remove(h.dirs.path(files::Template));
        QVERIFY(h.start());
        QString missing;
        whenModal([&](QWidget *dialog) {
            missing = dialog->findChild<QLabel *>(QStringLiteral("Ind_Station1"))->text() +
                      dialog->findChild<QLabel *>(QStringLiteral("Err_Departement"))->text();
            dialog->close();
        });
        answer(openStation(h), QStringLiteral("Q2NEW"));
        QCOMPARE(missing, QStringLiteral("Q2NEW_DNJ.log"));
        QCOMPARE(h.programEnds, 0);
        QVERIFY(h.window->mainListLines().isEmpty());
        // Nothing can be logged blindly: the reference cannot be checked against a log.
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        QVERIFY(h.messages.last().contains(QStringLiteral("Q2NEW_DNJ.log")));
        QVERIFY(!h.enabled(QStringLiteral("Mode_A")));
        h.triggerMenu(QStringLiteral("Mnu_Quitter"));
        QCOMPARE(h.programEnds, 1);
    }

    // A QSO typed or edited belongs to the station it was begun for: the change of station is
    // refused while it is under way, when the dialog opens and when it validates, since the
    // dialog leaves Main usable in between.
    void refusedWhileAQsoIsTypedOrEdited_data() {
        QTest::addColumn<bool>("edit");
        QTest::newRow("typed") << false;
        QTest::newRow("edited") << true;
    }
    void refusedWhileAQsoIsTypedOrEdited() {
        QFETCH(bool, edit);
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        const auto begin = [&] {
            if (edit) h.doubleClickItem(0);
            else h.type(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        };
        const auto abandon = [&] { h.w<QPushButton>(QStringLiteral("Efface_A"))->click(); };
        begin();
        h.triggerMenu(QStringLiteral("Mnu_New_Indicatif"));
        QVERIFY(!h.window->findChild<QDialog *>(QStringLiteral("Station")));
        QCOMPARE(h.infos(), QStringList{stationDuringEntry()});

        abandon();
        QDialog *d = openStation(h);
        QVERIFY(d);
        begin();
        answer(d, QStringLiteral("ON4XYZ"));
        QCOMPARE(h.infos(), QStringList(2, stationDuringEntry()));
        QCOMPARE(h.window->stationCall(), Q1);
        QVERIFY(!h.dirs.exists(files::logName(QStringLiteral("ON4XYZ"))));
        QVERIFY(d->isVisible());  // with its text, for when the QSO is done

        abandon();
        d->findChild<QPushButton *>(QStringLiteral("Validation"))->click();
        QCOMPARE(h.window->stationCall(), QStringLiteral("ON4XYZ"));
    }

    void noTemplateRecoveryQuitter() {
        Harness h;
        h.station(Q1, {L});
        QFile::remove(h.dirs.path(files::Template));
        QVERIFY(h.start());
        whenModal([](QWidget *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("Quitter"))->click(); });
        answer(openStation(h), QStringLiteral("Q2NEW"));
        QCOMPARE(h.programEnds, 1);
        QVERIFY(h.window->ended());
    }
};

KASTLOG_WINDOW_TEST(TestMainStation)
#include "test_main_station.moc"
