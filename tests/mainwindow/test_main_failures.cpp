// Nothing is lost: a failed rewrite, a failed first-name save, a text the log cannot hold,
// a field edited past its columns.
#include "tests/mainwindow/harness.h"

#include "logstore/history.h"
#include "logstore/logstore.h"

using namespace kastlog;
using namespace kastlog::test;

class TestMainFailures : public QObject {
    Q_OBJECT

private slots:
    void failedRewriteKeepsTheQso_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("temporary file") << int(WriteStep::OpenTemp);
        QTest::newRow("write") << int(WriteStep::Write);
        QTest::newRow("rename") << int(WriteStep::Rename);
    }

    void failedRewriteKeepsTheQso() {
        QFETCH(int, step);
        Harness h;
        h.station(Q1, {L});
        // The day's backup is there already: a disk found full just after writing it is tried
        // again without it, which the history's tests show.
        QVERIFY(QDir().mkpath(history::folderPath(h.dirs.dataDir())));
        h.dirs.writeLines(history::Folder + QLatin1Char('/') + history::dailyName(Q1, QDate(2008, 7, 19)), {L});
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.faults.step = WriteStep(step);
        h.faults.failWrite = 1;
        h.save();
        QCOMPARE(h.infos().size(), 1);
        QVERIFY2(h.messages.last().startsWith(QStringLiteral("Le QSO n'a pas été enregistré.")), qPrintable(h.messages.last()));
        QVERIFY2(h.messages.last().contains(QStringLiteral("Q1ABC_DNJ.log")) || h.messages.last().contains(files::Temporaire), qPrintable(h.messages.last()));
        QVERIFY(h.messages.last().contains(QStringLiteral("Raison : ")));
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QVERIFY(!h.dirs.exists(files::ListePrenom));  // nothing half-done
        QCOMPARE(h.window->mainListLines(), QStringList{displayLine(L, 1)});
        // The typed QSO stays, ready to be saved again.
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("F6ABC"));
        QCOMPARE(h.text(QStringLiteral("Ref_A")), QStringLiteral("NM047"));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QStringLiteral("19/07/08"));
        QVERIFY(h.enabled(QStringLiteral("Valide_A")));
        h.faults.reset();
        h.save();
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.logLines(Q1).value(1).left(5), QStringLiteral("F6ABC"));
        QCOMPARE(h.dirs.readLines(files::ListePrenom), QStringList{QStringLiteral("F6ABC           JEAN")});
    }

    void failedFirstNameSaveKeepsTheQsoWritten() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.faults.failWrite = 2;  // the log goes through, the first-name memory does not
        h.save();
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.infos().size(), 1);
        QVERIFY(h.messages.last().contains(QStringLiteral("Liste_Prenom.txt")));
        QVERIFY(h.messages.last().startsWith(QStringLiteral("Le QSO est enregistré")));
        QVERIFY(!h.dirs.exists(files::ListePrenom));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());  // saved: the entry moves on
        QCOMPARE(h.window->mainListLines().size(), 2);
    }

    void failedDeletionKeepsTheLog() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.clickItem(0);
        h.faults.failWrite = 1;
        h.w<QPushButton>(QStringLiteral("Annule_Saisie"))->click();
        QVERIFY(h.messages.last().startsWith(QStringLiteral("Le QSO n'a pas été supprimé.")));
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QCOMPARE(h.window->mainListLines().size(), 1);
    }

    void textTheLogCannotHold_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first name") << "Prenom_A" << "ŁUKASZ" << "Prénom";
        QTest::newRow("castle name") << "Rem_A" << "C. ZAMEK ŁAŃCUT" << "Nom du Chateau";
        QTest::newRow("call sign") << "Ind_A" << "SP5Ł" << "Indicatif";
    }

    void textTheLogCannotHold() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QString(), QStringLiteral("NM047"));
        h.edit(field)->setText(typed);  // pasted
        h.save();
        QCOMPARE(h.infos().size(), 1);
        QVERIFY2(h.messages.last().contains(QLatin1Char('"') + caption + QLatin1Char('"')), qPrintable(h.messages.last()));
        QVERIFY(h.messages.last().contains(QStringLiteral("Ł")));
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QVERIFY(!h.dirs.exists(files::ListePrenom));
        QCOMPARE(h.text(field), typed.toUpper());
        QVERIFY(h.hasFocus(field));
    }

    void euroSignIsKept() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("RENé"), QStringLiteral("NM047"), {}, {}, {}, QStringLiteral("€"));
        h.save();
        QCOMPARE(h.infos(), QStringList());
        const QByteArray bytes = h.dirs.readFile(files::logName(Q1));
        QCOMPARE(bytes.size(), 109);
        QCOMPARE(bytes.mid(18, 4), QByteArray("REN\xC9"));  // É in Windows-1252
        QCOMPARE(bytes.mid(78, 1), QByteArray("\x80"));      // € in Windows-1252
    }

    void editedPastItsColumns_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("mode") << "Mode_A" << "DIGI" << "3 caracteres maxi pour le Mode";
        QTest::newRow("call") << "Ind_A" << "F6ABCDEFGHIJK" << "12 caracteres maxi pour l'indicatif";
        QTest::newRow("report") << "RST_A" << "5999" << "3 caracteres maxi pour le Report";
        QTest::newRow("date") << "Date_A" << "19/07/2008" << "8 caracteres pour la date ex: 01/02/08";
    }

    void editedPastItsColumns() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.doubleClickItem(0);
        if (QComboBox *c = h.combo(field)) c->setEditText(typed);
        else h.edit(field)->setText(typed);
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();  // without Enter in the field
        QCOMPARE(h.infos(), QStringList{message});
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QVERIFY(h.window->modificationFlag());  // the edit goes on
        QVERIFY(h.hasFocus(field));
    }

    // A known longer mode typed over an edited QSO without its Enter is saved as its form.
    void knownModeEditedWithoutEnterTakesItsForm() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.doubleClickItem(0);
        h.combo(QStringLiteral("Mode_A"))->setEditText(QStringLiteral("RTTY"));
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.infos(), QStringList());
        QCOMPARE(h.logLines(Q1), QStringList{record(QStringLiteral("ON4AA"), QStringLiteral("LG001"), QStringLiteral("01/06/08"),
                                                    QStringLiteral("10:00"), QStringLiteral("14 Mhz"), QStringLiteral("RTY"))});
    }
};

KASTLOG_WINDOW_TEST(TestMainFailures)
#include "test_main_failures.moc"
