// The castle reference: the refusal of a castle already contacted in the same band group,
// the province code and the date and time taken from the clock.
#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"

#include <QDir>

using namespace kastlog;
using namespace kastlog::test;

namespace {
QString line(const QString &ref, const QString &date, const QString &band, const QString &call = QStringLiteral("ON4AA")) {
    return record(call, ref, date, QStringLiteral("10:00"), band);
}
}  // namespace

class TestMainReference : public QObject {
    Q_OBJECT

    void chooseBand(Harness &h, const QString &band) {
        QComboBox *b = h.combo(QStringLiteral("Bande_A"));
        b->setCurrentIndex(b->findText(band));
        QCOMPARE(b->currentText(), band);
    }

private slots:
    void duplicates_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: the reference is accepted
        const QString m14 = QStringLiteral("NM047 Chateau deja contacté le 12/07/08 sur 14 Mhz");
        QTest::newRow("HF against HF") << QStringList{line("NM047", "12/07/08", "14 Mhz")} << "7.0 Mhz" << "NM047" << m14;
        QTest::newRow("VHF against HF") << QStringList{line("NM047", "12/07/08", "14 Mhz")} << "144 Mhz" << "NM047" << "";
        QTest::newRow("18 and 21") << QStringList{line("NM047", "01/06/08", "18 Mhz")} << "21 Mhz" << "NM047"
                                   << "NM047 Chateau deja contacté le 01/06/08 sur 18 Mhz";
        QTest::newRow("50 is HF") << QStringList{line("NM047", "01/06/08", "50 Mhz")} << "28 Mhz" << "NM047"
                                  << "NM047 Chateau deja contacté le 01/06/08 sur 50 Mhz";
        QTest::newRow("10 against 14") << QStringList{line("NM047", "01/06/08", "10 Mhz")} << "14 Mhz" << "NM047" << "";
        QTest::newRow("10 against 10") << QStringList{line("NM047", "01/06/08", "10 Mhz")} << "10 Mhz" << "NM047"
                                       << "NM047 Chateau deja contacté le 01/06/08 sur 10 Mhz";
        QTest::newRow("group of its own line") << QStringList{line("LG001", "01/06/08", "14 Mhz"), line("NM047", "02/06/08", "10 Mhz")}
                                               << "14 Mhz" << "NM047" << "";
        QTest::newRow("first one named") << QStringList{line("NM047", "01/01/08", "7.0 Mhz"), line("NM047", "02/02/08", "14 Mhz")}
                                         << "21 Mhz" << "NM047" << "NM047 Chateau deja contacté le 01/01/08 sur 7.0 Mhz";
        QTest::newRow("VHF twice") << QStringList{line("NM047", "03/03/08", "144 Mhz")} << "144 Mhz" << "NM047"
                                   << "NM047 Chateau deja contacté le 03/03/08 sur 144 Mhz";
        QTest::newRow("UHF against VHF") << QStringList{line("NM047", "03/03/08", "144 Mhz")} << "432 Mhz" << "NM047" << "";
        QTest::newRow("typed in small letters") << QStringList{line("NM047", "12/07/08", "14 Mhz")} << "3.5 Mhz" << "nm047"
                                                << "NM047 Chateau deja contacté le 12/07/08 sur 14 Mhz";
        QTest::newRow("stored in small letters") << QStringList{line("nm047", "12/07/08", "14 Mhz")} << "3.5 Mhz" << "NM047" << "";
        QTest::newRow("other castle") << QStringList{line("NM048", "12/07/08", "14 Mhz")} << "14 Mhz" << "NM047" << "";
        QTest::newRow("empty log") << QStringList{} << "14 Mhz" << "NM047" << "";
    }

    void duplicates() {
        QFETCH(QStringList, log);
        QFETCH(QString, band);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Harness h;
        h.station(Q1, log);
        QVERIFY(h.start());
        chooseBand(h, band);
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QStringLiteral("JEAN"));
        h.typeEnter(QStringLiteral("Ref_A"), typed);
        if (message.isEmpty()) {
            QCOMPARE(h.messages.shown, QStringList());
            QVERIFY(h.hasFocus(QStringLiteral("Mode_A")));
            QCOMPARE(h.text(QStringLiteral("Dpt_A")), QStringLiteral("NM"));
            QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("F6ABC"));
        } else {
            QCOMPARE(h.messages.shown, QStringList{message});
            // The QSO being typed is abandoned entirely; the entry starts again.
            for (const char *f : {"Ind_A", "Prenom_A", "Ref_A", "Date_A", "Heure_A"})
                QCOMPARE(h.text(QString::fromLatin1(f)), QString());
            QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
            QVERIFY(!h.enabled(QStringLiteral("Ref_A")));
            QVERIFY(!h.enabled(QStringLiteral("Mode_A")));
            QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
        }
        QCOMPARE(h.logLines(Q1), log);  // nothing written either way
    }

    void automaticDateFromTheClock() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.edit(QStringLiteral("Rem_A"))->setText(QStringLiteral("X"));
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("12345"));
        // Even before the first tick of the clock, never the design's placeholder time.
        QCOMPARE(h.text(QStringLiteral("Date_A")), QStringLiteral("19/07/08"));
        QCOMPARE(h.text(QStringLiteral("Heure_A")), QStringLiteral("14:05"));
        QCOMPARE(h.text(QStringLiteral("Rem_A")), QStringLiteral("C. "));
        QCOMPARE(h.edit(QStringLiteral("Rem_A"))->cursorPosition(), 3);
        QCOMPARE(h.text(QStringLiteral("Dpt_A")), QStringLiteral("12"));
        QVERIFY(!h.enabled(QStringLiteral("Date_A")));
        QVERIFY(!h.enabled(QStringLiteral("Heure_A")));
        QVERIFY(h.hasFocus(QStringLiteral("Mode_A")));
        QCOMPARE(ui::background(h.w(QStringLiteral("Mode_A"))), ui::Vert);
        QCOMPARE(ui::background(h.w(QStringLiteral("Ref_A"))), ui::Jaune);
        // The province code goes into the record.
        h.enter(QStringLiteral("Mode_A"));
        h.enter(QStringLiteral("RST_A"));
        h.enter(QStringLiteral("RSTE_A"));
        h.enter(QStringLiteral("Rem_A"));
        h.enter(QStringLiteral("QSL_A"));
        h.save();
        QCOMPARE(h.logLines(Q1).value(0).mid(13, 4), QStringLiteral("12  "));
        QCOMPARE(h.logLines(Q1).value(0).mid(34, 5), QStringLiteral("12345"));
    }

    void manualDateHandsOverToTheDate() {
        Harness h;
        h.station(Q1);
        h.settings.setDateAuto(Q1, QStringLiteral("Non"));
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        QVERIFY(h.hasFocus(QStringLiteral("Date_A")));
        QVERIFY(h.enabled(QStringLiteral("Date_A")));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
        QVERIFY(!h.enabled(QStringLiteral("Mode_A")));
    }

    void insertionSearchesButTypesTheDate() {
        Harness h;
        h.station(Q1, {line("NM047", "12/07/08", "14 Mhz")});
        QVERIFY(h.start());
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Insertion QSO"));
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM048"));
        QVERIFY(h.hasFocus(QStringLiteral("Date_A")));  // automatic date ticked, yet typed
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
        h.edit(QStringLiteral("Ref_A"))->setText(QStringLiteral("NM047"));
        h.enter(QStringLiteral("Ref_A"));
        QCOMPARE(h.messages.last(), QStringLiteral("NM047 Chateau deja contacté le 12/07/08 sur 14 Mhz"));
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
    }

    void editingDoesNotSearch() {
        Harness h;
        h.station(Q1, {line("NM047", "12/07/08", "14 Mhz")});
        QVERIFY(h.start());
        h.doubleClickItem(0);
        QVERIFY(h.window->modificationFlag());
        h.edit(QStringLiteral("Dpt_A"))->setText(QStringLiteral("XX"));
        h.enter(QStringLiteral("Ref_A"));
        QCOMPARE(h.messages.shown, QStringList());
        QCOMPARE(h.text(QStringLiteral("Dpt_A")), QStringLiteral("XX"));  // not taken again
        QVERIFY(h.hasFocus(QStringLiteral("Date_A")));
    }

    void wrongLengthKeepsTheField() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM04"));
        QCOMPARE(h.messages.shown, QStringList{QStringLiteral("5 caracteres pour la reference ex: NM047")});
        QCOMPARE(h.text(QStringLiteral("Ref_A")), QStringLiteral("NM04"));
        QCOMPARE(h.text(QStringLiteral("Dpt_A")), QString());
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
        QVERIFY(h.hasFocus(QStringLiteral("Ref_A")));
    }

    void unreadableLogRefusesTheReference() {
        Harness h;
        h.station(Q1);
        QVERIFY(h.start());
        QFile::remove(h.dirs.path(files::logName(Q1)));
        QDir(h.dirs.dataDir()).mkdir(files::logName(Q1));  // a folder where the log should be
        h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("F6ABC"));
        h.typeEnter(QStringLiteral("Prenom_A"), QString());
        h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("NM047"));
        QCOMPARE(h.messages.shown.size(), 1);
        QVERIFY2(h.messages.last().contains(QStringLiteral("Q1ABC_DNJ.log")), qPrintable(h.messages.last()));
        QVERIFY(h.messages.last().contains(QStringLiteral("ne peut pas être lu")));
        QCOMPARE(h.text(QStringLiteral("Ref_A")), QStringLiteral("NM047"));
        QVERIFY(h.hasFocus(QStringLiteral("Ref_A")));
        QVERIFY(!h.enabled(QStringLiteral("Mode_A")));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
    }
};

KASTLOG_WINDOW_TEST(TestMainReference)
#include "test_main_reference.moc"
