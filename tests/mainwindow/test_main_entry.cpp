// Typing a QSO field by field: the whole road to the log line, and every refusal.
#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"

#include <QAction>

using namespace kastlog;
using namespace kastlog::test;

namespace {
QString pad(const QString &s, int n) { return s.leftJustified(n, QLatin1Char(' ')); }

// Two lines that tell the two placements apart: by numeric prefix, "F6ABC" (0) goes before
// "4X1AB" (4); by date, 19/07/08 goes before 01/01/10.
const QString L1 = record(QStringLiteral("ON4AA"), QStringLiteral("LG001"), QStringLiteral("01/01/10"),
                          QStringLiteral("10:00"), QStringLiteral("14 Mhz"));
const QString L2 = record(QStringLiteral("4X1AB"), QStringLiteral("LU002"), QStringLiteral("01/01/07"),
                          QStringLiteral("10:00"), QStringLiteral("14 Mhz"));

// The line of F6ABC / JEAN / NM047 / SSB / 14 Mhz / "C. DE LA ROCHE" / QSL, written by hand.
QString expectedLine(const QString &date, const QString &time) {
    return pad(QStringLiteral("F6ABC"), 12) + ' ' + pad(QStringLiteral("NM"), 4) + ' ' + pad(QStringLiteral("JEAN"), 15) +
           ' ' + QStringLiteral("NM047") + ' ' + date + ' ' + time + ' ' + QStringLiteral("SSB") + ' ' +
           pad(QStringLiteral("14 Mhz"), 7) + ' ' + QStringLiteral("59 ") + ' ' + QStringLiteral("59 ") + ' ' +
           pad(QStringLiteral("C. DE LA ROCHE"), 30) + ' ' + '*';
}
}  // namespace

class TestMainEntry : public QObject {
    Q_OBJECT

    // Valid values typed up to (not including) `field`, manual date order.
    void advanceTo(Harness &h, const QString &field) {
        const QStringList chain = {"Ind_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "RST_A", "RSTE_A", "Rem_A"};
        const QStringList values = {"F6ABC", "", "NM047", "19/07/08", "14:05", "", "", "", ""};
        for (int i = 0; i < chain.indexOf(field); ++i) h.typeEnter(chain[i], values[i]);
        if (field == QLatin1String("Bande_A")) h.w(field)->setFocus();
    }

private slots:
    void fullQsoInAutomaticDate() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"), {L1, L2});
        h.settings.setBandeUtilisee(QStringLiteral("Q1ABC"), 4);
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("f6abc"), QStringLiteral("jean"), QStringLiteral("nm047"), {}, {}, {},
                  QStringLiteral("de la roche"), true);
        QVERIFY(h.hasFocus(QStringLiteral("Valide_A")));
        QCOMPARE(h.messages.shown, QStringList());
        h.save();
        QCOMPARE(h.messages.questions, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
        const QString line = expectedLine(QStringLiteral("19/07/08"), QStringLiteral("14:05"));
        QCOMPARE(line.size(), 107);
        QCOMPARE(h.logLines(QStringLiteral("Q1ABC")), (QStringList{L1, line, L2}));
        QCOMPARE(h.dirs.readLines(files::ListePrenom), QStringList{QStringLiteral("F6ABC           JEAN")});
        // The list shows the file, last item selected; the entry is ready for the next QSO.
        QCOMPARE(h.window->mainListLines(), (QStringList{displayLine(L1, 1), displayLine(line, 2), displayLine(L2, 3)}));
        QCOMPARE(h.list()->currentIndex().row(), 2);
        QCOMPARE(h.window->selectedLine(), displayLine(L2, 3));
        QVERIFY(h.enabled(QStringLiteral("Annule_Saisie")));
        QVERIFY(h.enabled(QStringLiteral("Ind_A")));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
        QCOMPARE(h.text(QStringLiteral("Rem_A")), QStringLiteral("C. "));
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("14 Mhz"));
        QVERIFY(!h.enabled(QStringLiteral("Valide_A")));
        QVERIFY(!h.enabled(QStringLiteral("QSL_A")));
        QVERIFY(!h.w<QCheckBox>(QStringLiteral("QSL_A"))->isChecked());
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
        QVERIFY(!h.dirs.exists(files::Temporaire));
    }

    void fullQsoInManualDate() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"), {L1, L2});
        h.settings.setBandeUtilisee(QStringLiteral("Q1ABC"), 4);
        QVERIFY(h.start());
        h.triggerMenu(QStringLiteral("Mnu_Date_Man"));
        QCOMPARE(h.settings.dateAuto(QStringLiteral("Q1ABC")), QStringLiteral("Non"));
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"), QStringLiteral("20/07/08"),
                  QStringLiteral("09:30"), {}, QStringLiteral("DE LA ROCHE"), true);
        h.save();
        const QString line = expectedLine(QStringLiteral("20/07/08"), QStringLiteral("09:30"));
        // Placed by date and time, before the 2010 line.
        QCOMPARE(h.logLines(QStringLiteral("Q1ABC")), (QStringList{line, L1, L2}));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QStringLiteral("20/07/08"));  // kept for the next QSO
        QCOMPARE(h.text(QStringLiteral("Heure_A")), QString());
    }

    void refusals_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("call empty") << "Ind_A" << "" << "Entrez un indicatif";
        QTest::newRow("call 13") << "Ind_A" << "F6ABCDEFGHIJK" << "12 caracteres maxi pour l'indicatif";
        QTest::newRow("first name 16") << "Prenom_A" << "ABCDEFGHIJKLMNOP" << "15 caracteres maxi pour le Prenom";
        QTest::newRow("reference 4") << "Ref_A" << "NM04" << "5 caracteres pour la reference ex: NM047";
        QTest::newRow("reference 6") << "Ref_A" << "NM0477" << "5 caracteres pour la reference ex: NM047";
        QTest::newRow("reference empty") << "Ref_A" << "" << "5 caracteres pour la reference ex: NM047";
        QTest::newRow("date empty") << "Date_A" << "" << "Entrez une date";
        QTest::newRow("date short") << "Date_A" << "1/2/08" << "8 caracteres pour la date ex: 01/02/08";
        QTest::newRow("date day 32") << "Date_A" << "32/01/08" << "Le format de la date doit etre JJ/MM/AA";
        QTest::newRow("date month 13") << "Date_A" << "01/13/08" << "Le format de la date doit etre JJ/MM/AA";
        QTest::newRow("date dashes") << "Date_A" << "01-02-08" << "Le format de la date doit etre JJ/MM/AA";
        QTest::newRow("time empty") << "Heure_A" << "" << "Entrez une Heure";
        QTest::newRow("time 4") << "Heure_A" << "1525" << "5 caracteres pour l'heure ex: 15:25";
        QTest::newRow("time 24") << "Heure_A" << "24:00" << "Le format de l'heure doit etre HH:MM";
        QTest::newRow("time 60") << "Heure_A" << "09:60" << "Le format de l'heure doit etre HH:MM";
        QTest::newRow("time h") << "Heure_A" << "15h25" << "Le format de l'heure doit etre HH:MM";
        QTest::newRow("mode empty") << "Mode_A" << "" << "Entrez un Mode";
        // Modes of 4 to 6 letters the mode table does not know; a 7-letter one is never looked up.
        QTest::newRow("mode 4 unknown") << "Mode_A" << "DIGI" << "3 caracteres maxi pour le Mode";
        QTest::newRow("mode 5 unknown") << "Mode_A" << "wefax" << "3 caracteres maxi pour le Mode";
        QTest::newRow("mode 7") << "Mode_A" << "RTTY-45" << "3 caracteres maxi pour le Mode";
        QTest::newRow("rst empty") << "RST_A" << "" << "Entrez un Report";
        QTest::newRow("rst 4") << "RST_A" << "5999" << "3 caracteres maxi pour le Report";
        QTest::newRow("rst 6") << "RST_A" << "69" << "R (de RST)doit etre compris entre 0 et 5";
        QTest::newRow("rst letter") << "RST_A" << "a9" << "R (de RST)doit etre compris entre 0 et 5";
        QTest::newRow("rst blank") << "RST_A" << " 9" << "R (de RST)doit etre compris entre 0 et 5";
        QTest::newRow("rste empty") << "RSTE_A" << "" << "Entrez un Report";
        QTest::newRow("rste 9") << "RSTE_A" << "99" << "R (de RST)doit etre compris entre 0 et 5";
        QTest::newRow("rste 4") << "RSTE_A" << "5999" << "3 caracteres maxi pour le Report";
        QTest::newRow("castle 31") << "Rem_A" << "C. ABCDEFGHIJKLMNOPQRSTUVWXYZAB" << "30 caracteres maxi pour le nom du Chateau";
        QTest::newRow("band empty") << "Bande_A" << "" << "Entrez une QRG";
        QTest::newRow("band 8") << "Bande_A" << "1296 Mhz" << "7 caracteres maxi pour la QRG";
    }

    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.settings.setDateAuto(QStringLiteral("Q1ABC"), QStringLiteral("Non"));
        QVERIFY(h.start());
        advanceTo(h, field);
        QVERIFY(h.messages.shown.isEmpty());
        if (auto *cb = h.combo(field)) cb->lineEdit()->clear();
        else h.edit(field)->clear();
        h.type(field, typed);
        const QString before = h.text(field);
        const int bandBefore = h.settings.bandeUtilisee(QStringLiteral("Q1ABC"));
        h.settings.setModeUtilise(QStringLiteral("Q1ABC"), 2);
        h.enter(field);
        QCOMPARE(h.messages.shown, QStringList{message});
        QCOMPARE(h.text(field), before);
        QVERIFY(h.hasFocus(field));
        // Nothing further is opened, and a refused Enter remembers nothing.
        QVERIFY(!h.enabled(QStringLiteral("Valide_A")));
        if (field == QLatin1String("Mode_A")) QCOMPARE(h.settings.modeUtilise(QStringLiteral("Q1ABC")), 2);
        if (field == QLatin1String("Bande_A")) QCOMPARE(h.settings.bandeUtilisee(QStringLiteral("Q1ABC")), bandBefore);
        const QStringList chain = {"Ind_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"};
        const int i = chain.indexOf(field);
        if (i >= 0) QVERIFY(!h.enabled(chain[i + 1]));
    }

    void acceptances_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("next");
        QTest::newRow("call 12") << "Ind_A" << "F6ABCDEFGHIJ" << "Prenom_A";
        QTest::newRow("first name empty") << "Prenom_A" << "" << "Ref_A";
        QTest::newRow("first name 15") << "Prenom_A" << "ABCDEFGHIJKLMNO" << "Ref_A";
        QTest::newRow("reference digits") << "Ref_A" << "12345" << "Date_A";
        QTest::newRow("date zeros") << "Date_A" << "00/00/99" << "Heure_A";
        QTest::newRow("date 31/02") << "Date_A" << "31/02/08" << "Heure_A";
        QTest::newRow("time 23:59") << "Heure_A" << "23:59" << "Mode_A";
        QTest::newRow("time 00:00") << "Heure_A" << "00:00" << "Mode_A";
        QTest::newRow("mode 3 own") << "Mode_A" << "PSK" << "RST_A";
        QTest::newRow("mode CW") << "Mode_A" << "CW" << "RST_A";
        QTest::newRow("rst 0") << "RST_A" << "0" << "RSTE_A";
        QTest::newRow("rst 5A") << "RST_A" << "5A" << "RSTE_A";
        QTest::newRow("rst 599") << "RST_A" << "599" << "RSTE_A";
        QTest::newRow("rste 59") << "RSTE_A" << "59" << "Rem_A";
        QTest::newRow("castle 30") << "Rem_A" << "C. ABCDEFGHIJKLMNOPQRSTUVWXYZA" << "QSL_A";
        QTest::newRow("castle empty") << "Rem_A" << "" << "QSL_A";
        QTest::newRow("band own 7") << "Bande_A" << "2.3 Ghz" << "Ind_A";
    }

    void acceptances() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, next);
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.settings.setDateAuto(QStringLiteral("Q1ABC"), QStringLiteral("Non"));
        QVERIFY(h.start());
        advanceTo(h, field);
        if (auto *cb = h.combo(field)) cb->lineEdit()->clear();
        else h.edit(field)->clear();
        h.typeEnter(field, typed);
        QCOMPARE(h.messages.shown, QStringList());
        QVERIFY(h.enabled(next));
        QVERIFY(h.hasFocus(next));
        QCOMPARE(h.text(field), typed.toUpper());
    }

    // A longer mode the mode table knows takes its three-letter form on Enter, as typed by
    // operators of digital modes.
    void modeTakesItsForm_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("form");
        QTest::newRow("RTTY") << "RTTY" << "RTY";
        QTest::newRow("psk31, small letters") << "psk31" << "PSK";
        QTest::newRow("JT65") << "JT65" << "J65";
        QTest::newRow("OLIVIA") << "OLIVIA" << "OLV";
        QTest::newRow("C4FM") << "C4FM" << "C4F";
        QTest::newRow("SSTV") << "SSTV" << "STV";
    }
    void modeTakesItsForm() {
        QFETCH(QString, typed);
        QFETCH(QString, form);
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.settings.setDateAuto(QStringLiteral("Q1ABC"), QStringLiteral("Non"));
        QVERIFY(h.start());
        advanceTo(h, QStringLiteral("Mode_A"));
        h.combo(QStringLiteral("Mode_A"))->lineEdit()->clear();
        h.typeEnter(QStringLiteral("Mode_A"), typed);
        QCOMPARE(h.messages.shown, QStringList());
        QCOMPARE(h.text(QStringLiteral("Mode_A")), form);
        QVERIFY(h.hasFocus(QStringLiteral("RST_A")));
    }

    void lettersBecomeCapitalsAsTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("call") << "Ind_A" << "f6abc/p" << "F6ABC/P";
        QTest::newRow("first name accent") << "Prenom_A" << "rené é" << "RENé é";
        QTest::newRow("reference") << "Ref_A" << "nm047" << "NM047";
        QTest::newRow("castle") << "Rem_A" << "fort" << "C. FORT";
    }

    void lettersBecomeCapitalsAsTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.settings.setDateAuto(QStringLiteral("Q1ABC"), QStringLiteral("Non"));
        QVERIFY(h.start());
        advanceTo(h, field);
        h.type(field, typed);
        QCOMPARE(h.text(field), shown);
    }

    void defaultsAreReplacedByWhatIsTyped_data() {
        QTest::addColumn<QString>("dateAuto");
        QTest::newRow("automatic date") << "Oui";
        QTest::newRow("manual date") << "Non";
    }

    void defaultsAreReplacedByWhatIsTyped() {
        QFETCH(QString, dateAuto);
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.settings.setDateAuto(QStringLiteral("Q1ABC"), dateAuto);
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        if (dateAuto == QLatin1String("Non")) {
            h.typeEnter(QStringLiteral("Date_A"), QStringLiteral("19/07/08"));
            h.typeEnter(QStringLiteral("Heure_A"), QStringLiteral("14:05"));
        }
        h.typeEnter(QStringLiteral("Mode_A"), QStringLiteral("cw"));
        h.typeEnter(QStringLiteral("RST_A"), QStringLiteral("57"));
        h.typeEnter(QStringLiteral("RSTE_A"), QStringLiteral("4"));
        QCOMPARE(h.messages.shown, QStringList());
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("CW"));
        QCOMPARE(h.text(QStringLiteral("RST_A")), QStringLiteral("57"));
        QCOMPARE(h.text(QStringLiteral("RSTE_A")), QStringLiteral("4"));
        QVERIFY(h.hasFocus(QStringLiteral("Rem_A")));
    }

    void rememberedFirstNameIsFilledIn() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        h.dirs.writeLines(files::ListePrenom, {QStringLiteral("F6ABC           JEAN"), QStringLiteral("F5XYZ           PAUL")});
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("f5xyz"));
        QCOMPARE(h.text(QStringLiteral("Prenom_A")), QStringLiteral("PAUL"));
        QVERIFY(h.hasFocus(QStringLiteral("Prenom_A")));
    }

    void bandAndModeAreRemembered() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        QVERIFY(h.start());
        QComboBox *band = h.combo(QStringLiteral("Bande_A"));
        band->setFocus();
        QTest::keyClick(band, Qt::Key_Down);  // arrows choose without writing
        QTest::keyClick(band, Qt::Key_Down);
        QCOMPARE(band->currentText(), QStringLiteral("7.0 Mhz"));
        QCOMPARE(h.settings.value(Settings::stationSection(QStringLiteral("Q1ABC")), QStringLiteral("bande Utilisee"), QStringLiteral("none")),
                 QStringLiteral("none"));
        h.enter(QStringLiteral("Bande_A"));
        QCOMPARE(h.settings.bandeUtilisee(QStringLiteral("Q1ABC")), 2);
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        // A mode of the operator's own is remembered as no entry.
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        h.combo(QStringLiteral("Mode_A"))->lineEdit()->clear();
        h.typeEnter(QStringLiteral("Mode_A"), QStringLiteral("psk"));
        QCOMPARE(h.settings.modeUtilise(QStringLiteral("Q1ABC")), -1);
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("PSK"));
        // The next reset shows the remembered band.
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("7.0 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QString());
    }

    void bandEnterWhileCallSignLocked() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"), {L1});
        QVERIFY(h.start());
        h.clickItem(0);  // a QSO shown from the list locks the call-sign box
        QVERIFY(!h.enabled(QStringLiteral("Ind_A")));
        h.w(QStringLiteral("Bande_A"))->setFocus();
        h.enter(QStringLiteral("Bande_A"));
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(h.hasFocus(QStringLiteral("Bande_A")));
        QVERIFY(!h.enabled(QStringLiteral("Ind_A")));
    }

    void qslEnterOpensTheSave() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), {}, QStringLiteral("NM047"));
        QVERIFY(h.enabled(QStringLiteral("Valide_A")));
        QVERIFY(h.hasFocus(QStringLiteral("Valide_A")));
        QCOMPARE(ui::background(h.w(QStringLiteral("Valide_A"))), ui::Vert);
        QCOMPARE(ui::background(h.w(QStringLiteral("QSL_A"))), ui::Jaune);
        QCOMPARE(ui::background(h.w(QStringLiteral("Ind_A"))), ui::Jaune);
        QVERIFY(!h.w<QCheckBox>(QStringLiteral("QSL_A"))->isChecked());
    }

    void passedFieldsTurnYellowAndTheNextGreen() {
        Harness h;
        h.station(QStringLiteral("Q1ABC"));
        QVERIFY(h.start());
        QCOMPARE(ui::background(h.w(QStringLiteral("Ind_A"))), ui::Vert);
        QCOMPARE(ui::background(h.w(QStringLiteral("Prenom_A"))), ui::Jaune);
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        QCOMPARE(ui::background(h.w(QStringLiteral("Ind_A"))), ui::Jaune);
        QCOMPARE(ui::background(h.w(QStringLiteral("Prenom_A"))), ui::Vert);
        // A passed field stays open: Enter there again runs its check and moves on.
        QVERIFY(h.enabled(QStringLiteral("Ind_A")));
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("XXXXXXXXXX"));
        QCOMPARE(h.messages.last(), QStringLiteral("12 caracteres maxi pour l'indicatif"));
    }
};

KASTLOG_WINDOW_TEST(TestMainEntry)
#include "test_main_entry.moc"
