// The list of QSOs: showing, editing, deleting, inserting, abandoning; the save answered No.
#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"
#include "logstore/record.h"

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString A = record(QStringLiteral("ON4AA"), QStringLiteral("LG001"), QStringLiteral("01/06/08"), QStringLiteral("10:00"),
                         QStringLiteral("14 Mhz"), QStringLiteral("CW"), true, QStringLiteral("MARC"), QStringLiteral("C. DE BOUILLON"));
const QString B = record(QStringLiteral("F6ABC"), QStringLiteral("NM047"), QStringLiteral("12/07/08"), QStringLiteral("18:30"),
                         QStringLiteral("144 Mhz"), QStringLiteral("FM"));
const QString C = record(QStringLiteral("PA3XYZ"), QStringLiteral("LU002"), QStringLiteral("20/07/08"), QStringLiteral("08:15"),
                         QStringLiteral("7.0 Mhz"));
}  // namespace

class TestMainList : public QObject {
    Q_OBJECT

private slots:
    void clickShowsTheQso_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("fields");  // Ind, Dpt, Prenom, Ref, Date, Heure, Mode, Bande, RST, RSTE, Rem
        QTest::addColumn<bool>("qsl");
        QTest::newRow("with QSL") << 0
            << QStringList{"ON4AA", "LG", "MARC", "LG001", "01/06/08", "10:00", "CW", "14 Mhz", "59", "59", "C. DE BOUILLON"} << true;
        QTest::newRow("without QSL") << 1
            << QStringList{"F6ABC", "NM", "", "NM047", "12/07/08", "18:30", "FM", "144 Mhz", "59", "59", "C."} << false;
    }

    void clickShowsTheQso() {
        QFETCH(int, row);
        QFETCH(QStringList, fields);
        QFETCH(bool, qsl);
        Harness h;
        h.station(Q1, {A, B, C});
        QVERIFY(h.start());
        h.clickItem(row);
        const QStringList names = {"Ind_A", "Dpt_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A"};
        for (int i = 0; i < names.size(); ++i) QCOMPARE(h.text(names[i]), fields[i]);
        QCOMPARE(h.w<QCheckBox>(QStringLiteral("QSL_A"))->isChecked(), qsl);
        QCOMPARE(h.window->selectedLine(), displayLine(row == 0 ? A : B, row + 1));
        QVERIFY(h.enabled(QStringLiteral("Annule_Saisie")));
        QVERIFY(!h.enabled(QStringLiteral("Ind_A")));
        QVERIFY(!h.enabled(QStringLiteral("Prenom_A")));  // nothing else opens
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
    }

    void arrowKeysInTheListShowTheQso() {
        Harness h;
        h.station(Q1, {A, B, C});
        QVERIFY(h.start());
        h.list()->setFocus();
        QTest::keyClick(h.list(), Qt::Key_Up);
        QCOMPARE(h.window->selectedLine(), displayLine(B, 2));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("F6ABC"));
    }

    void editReplacesInPlace() {
        Harness h;
        h.station(Q1, {A, B, C});
        QVERIFY(h.start());
        h.doubleClickItem(1);
        QVERIFY(h.window->modificationFlag());
        QVERIFY(h.window->editLock());
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Modification QSO"));
        for (const char *f : {"Ind_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A", "Valide_A"})
            QVERIFY2(h.enabled(QString::fromLatin1(f)), f);
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QCOMPARE(ui::background(h.w(QStringLiteral("Ind_A"))), ui::Vert);
        // While editing, the list ignores clicks and the first-name memory is not asked.
        h.dirs.writeLines(files::ListePrenom, {QStringLiteral("F6ABC           PIERRE")});
        h.clickItem(0);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("F6ABC"));
        h.enter(QStringLiteral("Ind_A"));
        QCOMPARE(h.text(QStringLiteral("Prenom_A")), QString());
        h.edit(QStringLiteral("Date_A"))->setText(QStringLiteral("01/01/09"));  // moved in time, not in the file
        h.edit(QStringLiteral("Rem_A"))->setText(QStringLiteral("c. de vianden"));
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        const QString edited = record(QStringLiteral("F6ABC"), QStringLiteral("NM047"), QStringLiteral("01/01/09"),
                                      QStringLiteral("18:30"), QStringLiteral("144 Mhz"), QStringLiteral("FM"), false,
                                      QString(), QStringLiteral("C. DE VIANDEN"));
        QCOMPARE(h.logLines(Q1), (QStringList{A, edited, C}));
        QVERIFY(!h.window->modificationFlag());
        QVERIFY(!h.window->editLock());
        // The lock was up while the list was reselected: the selected line is the old one.
        QCOMPARE(h.window->selectedLine(), displayLine(B, 2));
        QVERIFY(h.enabled(QStringLiteral("Annule_Saisie")));
        QCOMPARE(h.list()->currentIndex().row(), 2);
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
        // A deletion asked now looks for the line as it was: nothing is removed.
        h.w<QPushButton>(QStringLiteral("Annule_Saisie"))->click();
        QCOMPARE(h.logLines(Q1), (QStringList{A, edited, C}));
    }

    void enterInTheListOpensTheQsoForEditing() {
        Harness h;
        h.station(Q1, {A, B});
        QVERIFY(h.start());
        h.list()->setFocus();
        QTest::keyClick(h.list(), Qt::Key_Up);
        QTest::keyClick(h.list(), Qt::Key_Return);
        QVERIFY(h.window->modificationFlag());
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4AA"));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
    }

    void doubleClickOnAnEmptyList() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Cliquez sur une ligne pour l'editer")});
        QVERIFY(h.window->editLock());
        QVERIFY(!h.window->modificationFlag());
        QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(h.messages.shown.size(), 1);  // the lock stays up
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        QVERIFY(!h.window->editLock());
    }

    void deletion_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("yes") << QStringList{A, B, C} << 1 << true << QStringList{A, C};
        QTest::newRow("no") << QStringList{A, B, C} << 1 << false << QStringList{A, B, C};
        QTest::newRow("the last") << QStringList{A, B} << 1 << true << QStringList{A};
        // An accidental double entry: the copy selected goes, the other stays.
        QTest::newRow("first of two copies") << QStringList{B, A, B} << 0 << true << QStringList{A, B};
        QTest::newRow("second of two copies") << QStringList{B, A, B} << 2 << true << QStringList{B, A};
        QTest::newRow("province field differs") << QStringList{QString(B).replace(13, 2, QStringLiteral("XX")), A} << 0
                                                << true << QStringList{QString(B).replace(13, 2, QStringLiteral("XX")), A};
    }

    void deletion() {
        QFETCH(QStringList, log);
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(QStringList, after);
        Harness h;
        h.station(Q1, log);
        QVERIFY(h.start());
        h.clickItem(row);
        h.messages.answers = {yes};
        h.w<QPushButton>(QStringLiteral("Annule_Saisie"))->click();
        QCOMPARE(h.messages.questions, QStringList{QStringLiteral("Voulez vous Supprimer ce QSO ?")});
        QCOMPARE(h.logLines(Q1), after);
        QCOMPARE(h.window->mainListLines().size(), after.size());
        QVERIFY(!h.enabled(QStringLiteral("Annule_Saisie")));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());
        QVERIFY(h.enabled(QStringLiteral("Ind_A")));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
    }

    void insertionPlacesByDateAndTime() {
        Harness h;
        h.station(Q1, {A, B, C});
        QVERIFY(h.start());
        h.clickItem(0);  // the call-sign box is locked by the click
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        QVERIFY(h.window->insertionFlag());
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Insertion QSO"));
        QVERIFY(h.enabled(QStringLiteral("Ind_A")));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("ON4AA"));  // the fields are not cleared
        h.edit(QStringLiteral("Ind_A"))->clear();
        h.typeQso(QStringLiteral("DL1AAA"), QString(), QStringLiteral("BW010"), QStringLiteral("15/07/08"),
                  QStringLiteral("12:00"), QStringLiteral("SSB"), QString());
        h.save();
        // What the click left in the other fields goes with it: band, castle name, QSL mark.
        const QString n = record(QStringLiteral("DL1AAA"), QStringLiteral("BW010"), QStringLiteral("15/07/08"),
                                 QStringLiteral("12:00"), QStringLiteral("14 Mhz"), QStringLiteral("SSB"), true,
                                 QString(), QStringLiteral("C. DE BOUILLON"));
        QCOMPARE(h.logLines(Q1), (QStringList{A, B, n, C}));
        QVERIFY(!h.window->insertionFlag());
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());  // automatic date: emptied
    }

    void insertionDuringAnEditStillReplaces() {
        Harness h;
        h.station(Q1, {A, B, C});
        QVERIFY(h.start());
        h.doubleClickItem(0);
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Insertion QSO"));
        h.edit(QStringLiteral("RST_A"))->setText(QStringLiteral("57"));
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.logLines(Q1).size(), 3);
        QCOMPARE(h.logLines(Q1).value(0).mid(67, 3), QStringLiteral("57 "));
        QCOMPARE(h.logLines(Q1).mid(1), (QStringList{B, C}));
    }

    void saveAnsweredNo() {
        Harness h;
        h.station(Q1, {A, B});
        QVERIFY(h.start());
        h.doubleClickItem(0);
        h.edit(QStringLiteral("RST_A"))->setText(QStringLiteral("33"));
        h.messages.answers = {false};
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.logLines(Q1), (QStringList{A, B}));
        QVERIFY(!h.dirs.exists(files::ListePrenom));
        QVERIFY(!h.window->modificationFlag());
        QVERIFY(!h.window->editLock());
        QCOMPARE(h.text(QStringLiteral("RST_A")), QStringLiteral("59"));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QVERIFY(!h.enabled(QStringLiteral("Valide_A")));
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
    }

    void cancelResetsTheEntry() {
        Harness h;
        h.station(Q1, {A});
        h.settings.setBandeUtilisee(Q1, 10);
        h.settings.setModeUtilise(Q1, 1);
        QVERIFY(h.start());
        h.doubleClickItem(0);
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        QVERIFY(!h.window->modificationFlag());
        QVERIFY(!h.window->insertionFlag());
        QVERIFY(!h.window->editLock());
        for (const char *f : {"Ind_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A", "Dpt_A"})
            QCOMPARE(h.text(QString::fromLatin1(f)), QString());
        QCOMPARE(h.text(QStringLiteral("RST_A")), QStringLiteral("59"));
        QCOMPARE(h.text(QStringLiteral("Rem_A")), QStringLiteral("C. "));
        QCOMPARE(h.text(QStringLiteral("Bande_A")), QStringLiteral("144 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_A")), QStringLiteral("CW"));
        QVERIFY(!h.w<QCheckBox>(QStringLiteral("QSL_A"))->isChecked());
        QVERIFY(!h.enabled(QStringLiteral("Prenom_A")));
        QVERIFY(!h.enabled(QStringLiteral("Valide_A")));
        QVERIFY(!h.enabled(QStringLiteral("Annule_Saisie")));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        QCOMPARE(h.window->selectedLine(), displayLine(A, 1));  // the list is not touched
    }
};

KASTLOG_WINDOW_TEST(TestMainList)
#include "test_main_list.moc"
