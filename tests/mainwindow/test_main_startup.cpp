// Start-up of the main window: first installation, a known station, the settings it reads
// and writes, the clock, the controls and menus, and the missing or unreadable log.
#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"
#include "mainwindow/columnheader.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString FirstStart = QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n");

QString revision(Harness &h, const QString &call) {
    return h.settings.value(Settings::stationSection(call), QStringLiteral("Revision"), QStringLiteral("absent"));
}

QStringList someLines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << record(QStringLiteral("F%1AA").arg(i), QStringLiteral("NM%1").arg(i % 1000, 3, 10, QLatin1Char('0')),
                        QStringLiteral("01/01/08"), QStringLiteral("10:00"), QStringLiteral("14 Mhz"));
    return lines;
}
}  // namespace

class TestMainStartup : public QObject {
    Q_OBJECT

private slots:
    void firstStartAsksForTheStation() {
        Harness h;
        int shownBeforeDialog = -1;
        QString dialogName;
        whenModal([&](QWidget *dialog) {
            shownBeforeDialog = h.messages.shown.size();
            dialogName = dialog->objectName();
            auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("New_Indicatif"));
            QTest::keyClicks(box, QStringLiteral("q1abc/p"));
            dialog->findChild<QPushButton *>(QStringLiteral("Validation"))->click();
        });
        QVERIFY(h.start());
        QCOMPARE(dialogName, QStringLiteral("Station"));
        QCOMPARE(shownBeforeDialog, 1);
        QCOMPARE(h.messages.shown, QStringList{FirstStart});
        QCOMPARE(h.window->stationCall(), QStringLiteral("Q1ABC_P"));
        QCOMPARE(h.text(QStringLiteral("I_Station")), QStringLiteral("Q1ABC/P"));
        QVERIFY(h.dirs.exists(QStringLiteral("Q1ABC_P_DNJ.log")));
        QCOMPARE(revision(h, QStringLiteral("Q1ABC_P")), QStringLiteral(" 1.0.1"));
        QCOMPARE(h.settings.value(Settings::commonSection(), QStringLiteral("Chemin Repertoire"), {}), h.dirs.dataDir());
        QCOMPARE(h.window->windowTitle(), QStringLiteral("  KASTLOG    Revision  1.0.1"));
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("1.8 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("SSB"));
        QVERIFY(h.window->dateAuto());
        QVERIFY(h.window->mainListLines().isEmpty());
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QVERIFY(h.window->isVisible());
    }

    void firstStartDialogClosedByItsFrame() {
        Harness h;
        whenModal([](QWidget *dialog) { dialog->close(); });
        QVERIFY(h.start());
        QCOMPARE(h.window->stationCall(), QStringLiteral("FXXXX"));
        QCOMPARE(revision(h, QStringLiteral("FXXXX")), QStringLiteral(" 1.0.1"));
        QVERIFY(h.window->mainListLines().isEmpty());
        // Every key in the call-sign box answers with the hint; the keys are still typed.
        h.messages.clear();
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("f6"));
        const QString hint = QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                                            "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
        QCOMPARE(h.messages.shown, (QStringList{hint, hint, hint}));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("f6"));
        QVERIFY(!h.enabled(QStringLiteral("Prenom_A")));
    }

    void knownStationShowsItsLastQso() {
        Harness h;
        const QStringList lines = someLines(250);
        h.station(Q1, lines);
        QVERIFY(h.start());
        QCOMPARE(h.messages.shown, QStringList());
        QCOMPARE(h.text(QStringLiteral("I_Station")), Q1);
        QCOMPARE(h.window->mainListLines().size(), 250);
        QCOMPARE(h.window->mainListLines().last(), displayLine(lines.last(), 250));
        QCOMPARE(h.list()->currentIndex().row(), 249);
        QVERIFY(h.list()->viewport()->rect().intersects(h.list()->visualRect(h.list()->currentIndex())));
        QCOMPARE(h.window->selectedLine(), displayLine(lines.last(), 250));
        // The reset that ends the start-up empties what the click showed.
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());
        QVERIFY(h.enabled(QStringLiteral("Ind_A")));
        QVERIFY(!h.enabled(QStringLiteral("Annule_Saisie")));
        QCOMPARE(revision(h, Q1), QStringLiteral(" 1.0.1"));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
    }

    void storedChoices_data() {
        QTest::addColumn<QString>("dateAuto");
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("bandText");
        QTest::addColumn<QString>("modeText");
        QTest::newRow("Oui") << "Oui" << 10 << 1 << true << "144 Mhz" << "CW";
        QTest::newRow("Non") << "Non" << 11 << 2 << false << "432 Mhz" << "FM";
        QTest::newRow("oui is not Oui") << "oui" << 0 << 0 << true << "1.8 Mhz" << "SSB";
        QTest::newRow("band of his own") << "Oui" << -1 << -1 << true << "" << "";
    }

    void storedChoices() {
        QFETCH(QString, dateAuto);
        QFETCH(int, band);
        QFETCH(int, mode);
        QFETCH(bool, automatic);
        QFETCH(QString, bandText);
        QFETCH(QString, modeText);
        Harness h;
        h.station(Q1);
        h.settings.setDateAuto(Q1, dateAuto);
        h.settings.setBandeUtilisee(Q1, band);
        h.settings.setModeUtilise(Q1, mode);
        QVERIFY(h.start());
        QCOMPARE(h.window->findChild<QAction *>(QStringLiteral("Mnu_Date_Auto"))->isChecked(), automatic);
        QCOMPARE(h.window->findChild<QAction *>(QStringLiteral("Mnu_Date_Man"))->isChecked(), !automatic);
        QCOMPARE(h.text(QStringLiteral("Bande_A")), bandText);
        QCOMPARE(h.text(QStringLiteral("Mode_A")), modeText);
        QCOMPARE(h.settings.dateAuto(Q1), dateAuto);  // read, not rewritten
    }

    void dateModeMenu() {
        Harness h;
        h.station(Q1);
        h.settings.setDateAuto(Q1, QStringLiteral("Non"));
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        h.type(QStringLiteral("Date_A"), QStringLiteral("12/07"));
        h.triggerMenu(QStringLiteral("Mnu_Date_Man"));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QStringLiteral("12/07"));  // kept
        h.triggerMenu(QStringLiteral("Mnu_Date_Auto"));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());  // emptied
        QVERIFY(h.window->findChild<QAction *>(QStringLiteral("Mnu_Date_Auto"))->isChecked());
        QVERIFY(!h.window->findChild<QAction *>(QStringLiteral("Mnu_Date_Man"))->isChecked());
        QCOMPARE(h.settings.dateAuto(Q1), QStringLiteral("Oui"));
        h.triggerMenu(QStringLiteral("Mnu_Date_Man"));
        QCOMPARE(h.settings.dateAuto(Q1), QStringLiteral("Non"));
        QVERIFY(!h.window->dateAuto());
    }

    void clockTicksAfterOneSecond() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QCOMPARE(h.text(QStringLiteral("Label33")), QStringLiteral("02/02/08"));
        QCOMPARE(h.text(QStringLiteral("Label34")), QStringLiteral("12:20"));
        QCOMPARE(h.text(QStringLiteral("Label37")), QStringLiteral("12:35"));
        h.clock.utcNow = {2008, 12, 31, 23, 59, 59};
        h.clock.localNow = {2009, 1, 1, 0, 59, 59};
        QTRY_COMPARE_WITH_TIMEOUT(h.text(QStringLiteral("Label37")), QStringLiteral("23:59 Utc"), 1600);
        QCOMPARE(h.text(QStringLiteral("Label34")), QStringLiteral("00:59 Loc"));
        QCOMPARE(h.text(QStringLiteral("Label33")), QStringLiteral("31/12/08"));
        h.clock.utcNow = {2009, 1, 1, 0, 0, 0};
        QTRY_COMPARE_WITH_TIMEOUT(h.text(QStringLiteral("Label33")), QStringLiteral("01/01/09"), 1600);
        QCOMPARE(h.text(QStringLiteral("Label37")), QStringLiteral("00:00 Utc"));
    }

    void controlsAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("station") << "Label2" << "INDICATIF DE LA STATION  : ";
        QTest::newRow("mode") << "Mode_Aff" << "Saisie QSO";
        QTest::newRow("save") << "Valide_A" << "Valider le QSO";
        QTest::newRow("cancel") << "Efface_A" << "Annuler saisie en cours";
        QTest::newRow("insert") << "Ajout_QSO" << "Inserer un QSO";
        QTest::newRow("delete") << "Annule_Saisie" << "Supprimer un QSO";
        QTest::newRow("search") << "Rechercher" << "Rechercher un QSO";
        QTest::newRow("castles") << "Command1" << "Liste des DNJ";
        QTest::newRow("RST R") << "RST_A" << "59";
        QTest::newRow("RST E") << "RSTE_A" << "59";
        QTest::newRow("castle name") << "Rem_A" << "C. ";
    }

    void controlsAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QVERIFY2(h.w(name), qPrintable(name));
        QCOMPARE(h.text(name), caption);
    }

    void layoutOfTheWindow() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QCOMPARE(h.window->centralWidget()->size(), QSize(769, 522));
        const QRect screen = h.window->screen()->availableGeometry();
        const QRect frame = h.window->frameGeometry();
        QCOMPARE(frame.x(), (screen.width() - frame.width()) / 2);
        QCOMPARE(frame.y(), (screen.height() - frame.height()) / 2);
        QCOMPARE(h.w(QStringLiteral("Ind_A"))->geometry(), QRect(136, 96, 129, 27));
        QCOMPARE(h.w(QStringLiteral("Date_A"))->geometry(), QRect(8 + 576, 64 + 32, 81, 28));  // in the entry frame
        QCOMPARE(h.w(QStringLiteral("Liste_DNJ"))->geometry(), QRect(24, 224, 641, 268));
        QVERIFY(!h.w(QStringLiteral("Dpt_A"))->isVisible());
        QCOMPARE(h.w<QGroupBox>(QStringLiteral("L_Communes"))->title(),
                 QStringLiteral("Un clique sur un QSO pour l'afficher ou le supprimer, un double clique pour l'editer"));
        QCOMPARE(h.w(QStringLiteral("Annule_Saisie"))->toolTip(),
                 QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté"));
        QVERIFY(h.list()->font().fixedPitch());
        QCOMPARE(h.w(QStringLiteral("Label_Entete"))->font(), h.list()->font());
        QCOMPARE(qobject_cast<QComboBox *>(h.w(QStringLiteral("Bande_A")))->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(h.combo(QStringLiteral("Bande_A"))->count(), 12);
        QCOMPARE(h.combo(QStringLiteral("Bande_A"))->itemText(3), QStringLiteral("10 Mhz"));
        QCOMPARE(h.combo(QStringLiteral("Mode_A"))->count(), 3);
        // Enter on the entry's combo boxes never adds an entry.
        h.typeEnter(QStringLiteral("Bande_A"), QStringLiteral("X"));
        QCOMPARE(h.combo(QStringLiteral("Bande_A"))->count(), 12);
    }

    void columnHeader_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        const QList<QPair<QString, int>> words = {{"N°", 6}, {"Indicatif", 11}, {"Prov", 29}, {"Prénom", 36}, {"Ref", 58},
                                                 {"Date", 68}, {"QTR", 79}, {"Mode", 84}, {"QRG", 91}, {"RSTR", 96},
                                                 {"RSTE", 101}, {"Mom du Chateau", 113}, {"QSL", 142}};
        for (const auto &w : words) QTest::newRow(qPrintable(w.first)) << w.first << w.second;
    }

    void columnHeader() {
        QFETCH(QString, word);
        QFETCH(int, position);
        const QString header = columnHeaderText();
        QCOMPARE(header.size(), 144);
        QCOMPARE(header.mid(position - 1, word.size()), word);
        // Blanks around it: no word runs into its neighbour.
        if (position > 1) QCOMPARE(header.at(position - 2), QLatin1Char(' '));
        if (position - 1 + word.size() < 144) QCOMPARE(header.at(position - 1 + word.size()), QLatin1Char(' '));
        QCOMPARE(header.simplified().split(' ').size(), 15);  // 13 headings, "Mom du Chateau" is three words
    }

    void menusAreReachableByKeyboard() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QStringList top;
        QSet<QChar> mnemonics;
        for (QAction *a : h.window->menuBar()->actions()) {
            top << QString(a->text()).remove('&');
            const int amp = a->text().indexOf('&');
            QVERIFY2(amp >= 0, qPrintable(a->text()));
            const QChar m = a->text().at(amp + 1).toLower();
            QVERIFY2(!mnemonics.contains(m), qPrintable(a->text()));
            mnemonics.insert(m);
            if (QMenu *menu = a->menu())
                for (QAction *item : menu->actions()) QVERIFY2(item->text().contains('&'), qPrintable(item->text()));
        }
        QCOMPARE(top, (QStringList{"Fichier", "Date", "Station", "Liste", "Carte", "Scores", "Afficher le cluster", "Spots", "Aide"}));
        auto caption = [&](const char *name) {
            return QString(h.window->findChild<QAction *>(QString::fromLatin1(name))->text()).remove('&');
        };
        QCOMPARE(caption("Mnu_Quitter"), QStringLiteral("Quitter KASTLOG"));
        QCOMPARE(caption("Mnu_ADIF"), QStringLiteral("Exporter le log au format ADIF"));
        QCOMPARE(caption("Mnu_Date_Auto"), QStringLiteral("Automatique"));
        QCOMPARE(caption("Mnu_Date_Man"), QStringLiteral("Manuelle"));
        QCOMPARE(caption("Mnu_New_Indicatif"), QStringLiteral("Nouvel indicatif"));
        QCOMPARE(caption("Mnu_C_Contacte"), QStringLiteral("des Chateaux contactés"));
        QCOMPARE(caption("Mnu_Carte_Acti_DNJ"), QStringLiteral("des Provinces contactées"));
        QCOMPARE(caption("Mnu_APropos"), QStringLiteral("A_Propos"));
        QCOMPARE(caption("Mnu_Reglement"), QStringLiteral("Règlement"));
        QCOMPARE(caption("Mnu_Historique"), QStringLiteral("Historique"));
        // The other windows open through their openers; none wired: nothing happens.
        int opened = 0;
        h.window->openers().scores = [&] { ++opened; };
        h.window->openers().listeDnj = [&] { opened += 10; };
        h.triggerMenu(QStringLiteral("Mnu_Score"));
        h.triggerMenu(QStringLiteral("Mnu_Cluster"));
        QTest::keyClick(h.w(QStringLiteral("Command1")), Qt::Key_Return);  // a button answers Enter
        QCOMPARE(opened, 11);
    }

    void tabOrder() {
        Harness h;
        h.station(Q1, someLines(2));
        QVERIFY(h.start());
        // Every field open, as while editing, so that each takes the focus in turn.
        h.doubleClickItem(0);
        const QStringList expected = {"Command1", "Valide_A", "Heure_A", "RST_A", "Ind_A", "Liste_DNJ", "Bande_A", "Mode_A",
                                      "Efface_A", "Annule_Saisie", "Ref_A", "QSL_A", "Prenom_A", "RSTE_A", "Ajout_QSO",
                                      "Rechercher", "Date_A", "Rem_A"};
        QWidget *start = h.w(QStringLiteral("Command1"));
        QStringList order;
        QWidget *w = start;
        do {
            if (expected.contains(w->objectName()) && !order.contains(w->objectName())) order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(order, expected);
        // Tab from the call-sign box reaches the list, as the design's indexes say.
        h.w(QStringLiteral("Ind_A"))->setFocus();
        QTest::keyClick(h.w(QStringLiteral("Ind_A")), Qt::Key_Tab);
        QCOMPARE(h.focusName(), QStringLiteral("Liste_DNJ"));
    }

    void aboutAndHistory() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        h.triggerMenu(QStringLiteral("Mnu_APropos"));
        QVERIFY(h.messages.last().startsWith(QStringLiteral("KASTLOG  Révision  1.0.1\r\n\r\n")));
        QVERIFY(h.messages.last().size() > 30);
        // The licence under the program's notice.
        QVERIFY(h.messages.last().contains(QStringLiteral("\r\n\r\nCopyright (C) 2026")));
        QVERIFY(h.messages.last().contains(QStringLiteral("GPL), version 3 ou toute version ultérieure")));
        h.triggerMenu(QStringLiteral("Mnu_Historique"));
        QCOMPARE(h.messages.last(), QStringLiteral("V1.0.0   le 14/07/2008 creation\r\nV1.0.1   le 19/07/2008 Suppression saisie Province\r\n"));
        QCOMPARE(h.programEnds, 0);
        h.triggerMenu(QStringLiteral("Mnu_Quitter"));
        QCOMPARE(h.programEnds, 1);
    }

    void missingLogQuitter() {
        Harness h;
        h.settings.setIndicatifStation(Q1);  // no Q1ABC_DNJ.log
        QString missing;
        whenModal([&](QWidget *dialog) {
            missing = dialog->findChild<QLabel *>(QStringLiteral("Ind_Station1"))->text() +
                      dialog->findChild<QLabel *>(QStringLiteral("Err_Departement"))->text();
            dialog->findChild<QPushButton *>(QStringLiteral("Quitter"))->click();
        });
        QVERIFY(!h.start());
        QCOMPARE(missing, QStringLiteral("Q1ABC_DNJ.log"));
        QCOMPARE(h.programEnds, 1);
        QVERIFY(h.window->ended());
        QCOMPARE(revision(h, Q1), QStringLiteral("absent"));  // nothing more of the start-up ran
        QCOMPARE(h.settings.indicatifStation(), Q1);
    }

    void missingLogInitialiserThenQuitter() {
        Harness h;
        h.settings.setIndicatifStation(Q1);
        whenModal([&](QWidget *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("Initialisation"))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("Quitter"))->click();
        });
        QVERIFY(!h.start());
        QCOMPARE(h.settings.indicatifStation(), QStringLiteral("FXXXX"));
    }

    void missingLogDialogClosedByItsFrame() {
        Harness h;
        h.settings.setIndicatifStation(Q1);
        whenModal([](QWidget *dialog) { dialog->close(); });
        QVERIFY(h.start());  // the program goes on
        QCOMPARE(h.programEnds, 0);
        QVERIFY(h.window->isVisible());
        QVERIFY(h.window->mainListLines().isEmpty());
        QCOMPARE(revision(h, Q1), QStringLiteral("absent"));  // the start-up did not go on
        h.triggerMenu(QStringLiteral("Mnu_Quitter"));
        QCOMPARE(h.programEnds, 1);  // and it still ends from the menu
    }

    void unreadableLogEndsTheProgram() {
        Harness h;
        h.settings.setIndicatifStation(Q1);
        QDir(h.dirs.dataDir()).mkdir(files::logName(Q1));  // there, but not a file that reads
        QVERIFY(!h.start());
        QCOMPARE(h.messages.shown.size(), 1);
        QVERIFY2(h.messages.last().startsWith(QStringLiteral("Erreur N° ")), qPrintable(h.messages.last()));
        bool number = false;
        h.messages.last().mid(10).toInt(&number);
        QVERIFY(number);
        QCOMPARE(h.programEnds, 1);
    }
};

KASTLOG_WINDOW_TEST(TestMainStartup)
#include "test_main_startup.moc"
