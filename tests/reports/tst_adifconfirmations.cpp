// QSL confirmations brought in by the import: what carries one, which QSO of the log it
// confirms, what the preview says of it, and the marks written with the new QSOs.
#include "logstore/history.h"
#include "logstore/logstore.h"
#include "reports/adifimport/importer.h"
#include "reports/scores.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"

#include <QtTest>

using namespace kastlog;
using namespace kastlog::adifimport;
using kastlog::test::logLine;

namespace {
QByteArray f(const char *name, const QString &value) { return test::adifField(name, value); }

// A LoTW "Your QSOs > Download Report" (lotwreport.adi, arrl.org/adif): its header and one
// record a QSL, one field a line.
const QByteArray LotwHeader = "ARRL Logbook of the World Status Report\n"
                              "Generated at 2024-08-02 10:11:12\n"
                              "for on4abc\n"
                              "Query:\n"
                              "    QSL ONLY: YES\n"
                              "QSL RX SINCE: 2024-07-01 00:00:00 (user supplied value)\n\n"
                              "<PROGRAMID:4>LoTW\n"
                              "<APP_LoTW_LASTQSL:19>2024-08-01 09:08:07\n\n"
                              "<APP_LoTW_NUMREC:1>1\n\n"
                              "<eoh>\n";
QByteArray lotwQsl(const QString &call, const QString &band, const QString &mode, const QString &date,
                   const QString &time) {
    return "\n" + f("APP_LoTW_OWNCALL", "ON4ABC") + "\n" + f("STATION_CALLSIGN", "ON4ABC") + "\n" + f("CALL", call) +
           "\n" + f("BAND", band) + "\n" + f("FREQ", "14.07512") + "\n" + f("MODE", mode) + "\n" +
           f("APP_LoTW_MODEGROUP", "DATA") + "\n" + f("QSO_DATE", date) + "\n" + f("TIME_ON", time) + "\n" +
           f("QSL_RCVD", "Y") + "\n" + f("QSLRDATE", "20240801") + "\n<eor>\n";
}

// An eQSL inbox download (DownloadInBox, eqsl.cc/QSLCard/DownloadInBox.txt): the records say
// nothing of a QSL received, the header tells they are all confirmations.
const QByteArray EqslHeader = "Received eQSLs for ON4ABC \r\n"
                              "for QSOs between 01-Jan-2024 and 31-Dec-2034 and uploaded on or after 01-Jan-2024 00:00Z\r\n"
                              "Generated on Monday, August 5, 2024 at 09:59:26 AM UTC\r\n"
                              "<PROGRAMID:21>eQSL.cc DownloadInBox\r\n<ADIF_Ver:5>3.1.0\r\n<EOH>\r\n";
const QByteArray EqslRecord = "<CALL:5>F6XYZ<QSO_DATE:8:D>20240719<TIME_ON:4>1405<BAND:3>20M<MODE:3>SSB<RST_SENT:2>59"
                              "<RST_RCVD:0><QSL_SENT:1>Y<QSL_SENT_VIA:1>E<QSLMSG:8>TNX QSO!<APP_EQSL_AG:1>Y"
                              "<GRIDSQUARE:6>jn18eu<EOR>\r\n";

// The log of most cases: F6XYZ on 20m in SSB on 19/07/24 at 14:05 (NM047).
const QString Logged = logLine("F6XYZ", "NM047", "14 Mhz", "19/07/24", "C. WALZIN", false, "PAUL", "14:05", "SSB");

struct Outcomes {
    QStringList fates;  // the reason of each line, "taken" for a QSO taken
    int confirmed;
};
Outcomes plan(const QByteArray &adi, const QStringList &log) {
    const ImportPlan p = planImport(readAdif(adi), log, "ON4ABC");
    Outcomes o{{}, p.confirmed};
    for (const ImportLine &l : p.lines) o.fates << (l.outcome == Outcome::Taken ? QStringLiteral("taken") : l.reason);
    return o;
}
}  // namespace

class TestAdifConfirmations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    // What carries a confirmation, and where it comes from.
    void whatConfirms_data() {
        QTest::addColumn<QByteArray>("adi");
        QTest::addColumn<QString>("fate");
        const QByteArray qso = f("CALL", "F6XYZ") + f("QSO_DATE", "20240719") + f("TIME_ON", "1405") + f("BAND", "20m") +
                               f("MODE", "SSB");
        QTest::newRow("LoTW report") << LotwHeader + lotwQsl("F6XYZ", "20M", "SSB", "20240719", "140530") << "confirmé (LoTW)";
        QTest::newRow("eQSL inbox") << EqslHeader + EqslRecord << "confirmé (eQSL)";
        // A general logger's export with its QSL fields.
        QTest::newRow("LOTW_QSL_RCVD Y") << qso + f("LOTW_QSL_RCVD", "Y") + "<eor>" << "confirmé (LoTW)";
        QTest::newRow("EQSL_QSL_RCVD V") << qso + f("EQSL_QSL_RCVD", "V") + "<eor>" << "confirmé (eQSL)";
        QTest::newRow("QSL_RCVD y") << qso + f("QSL_RCVD", "y") + "<eor>" << "confirmé (QSL)";
        QTest::newRow("QSL_RCVD N: no confirmation") << qso + f("QSL_RCVD", "N") + f("LOTW_QSL_RCVD", "R") + "<eor>"
                                                      << reason::NoReference;
        QTest::newRow("QSL sent is none") << qso + f("QSL_SENT", "Y") + "<eor>" << reason::NoReference;
    }
    void whatConfirms() {
        QFETCH(QByteArray, adi);
        QFETCH(QString, fate);
        QCOMPARE(plan(adi, {Logged}).fates, QStringList{fate});
    }

    // The match: call sign in any case, band, 30 minutes either side; the mode decides between
    // several, then the time; a tie is left alone.
    void whichQsoIsConfirmed_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QByteArray>("qsl");
        QTest::addColumn<QString>("fate");
        QTest::addColumn<int>("line");  // the log line confirmed, -1 for none
        const auto qsl = [](const char *call, const char *band, const char *mode, const char *time) {
            return LotwHeader + lotwQsl(QLatin1String(call), QLatin1String(band), QLatin1String(mode), "20240719",
                                        QLatin1String(time));
        };
        const auto at = [](const char *time, const char *mode, const char *ref = "NM047") {
            return logLine("F6XYZ", QLatin1String(ref), "14 Mhz", "19/07/24", "", false, "", QLatin1String(time),
                           QLatin1String(mode));
        };
        QTest::newRow("same minute") << QStringList{Logged} << qsl("F6XYZ", "20M", "SSB", "140500") << "confirmé (LoTW)" << 0;
        QTest::newRow("small letters, other mode") << QStringList{Logged} << qsl("f6xyz", "20m", "USB", "140500")
                                                   << "confirmé (LoTW)" << 0;
        QTest::newRow("30 minutes later") << QStringList{Logged} << qsl("F6XYZ", "20M", "SSB", "143500") << "confirmé (LoTW)" << 0;
        QTest::newRow("31 minutes before") << QStringList{Logged} << qsl("F6XYZ", "20M", "SSB", "133400") << "pas dans le log" << -1;
        QTest::newRow("across midnight") << QStringList{logLine("F6XYZ", "NM047", "14 Mhz", "19/07/24", "", false, "", "23:50")}
                                         << LotwHeader + lotwQsl("F6XYZ", "20M", "SSB", "20240720", "001000")
                                         << "confirmé (LoTW)" << 0;
        QTest::newRow("other band") << QStringList{Logged} << qsl("F6XYZ", "40M", "SSB", "140500") << "pas dans le log" << -1;
        QTest::newRow("other call") << QStringList{Logged} << qsl("F6XYZ/P", "20M", "SSB", "140500") << "pas dans le log" << -1;
        QTest::newRow("several: the same mode") << QStringList{at("14:00", "CW", "LG001"), at("14:10", "SSB")}
                                                << qsl("F6XYZ", "20M", "SSB", "140000") << "confirmé (LoTW)" << 1;
        QTest::newRow("several, no same mode: the nearest") << QStringList{at("14:00", "CW", "LG001"), at("14:20", "SSB")}
                                                            << qsl("F6XYZ", "20M", "FT8", "141500") << "confirmé (LoTW)" << 1;
        QTest::newRow("several of the same mode: the nearest")
            << QStringList{at("14:00", "FT8", "LG001"), at("14:08", "FT8"), at("14:30", "CW", "BR001")}
            << qsl("F6XYZ", "20M", "FT8", "140600") << "confirmé (LoTW)" << 1;
        QTest::newRow("tie") << QStringList{at("14:00", "CW", "LG001"), at("14:10", "CW")} << qsl("F6XYZ", "20M", "SSB", "140500")
                             << "ambigu" << -1;
        QTest::newRow("already marked") << QStringList{logLine("F6XYZ", "NM047", "14 Mhz", "19/07/24", "", true, "", "14:05")}
                                        << qsl("F6XYZ", "20M", "SSB", "140500") << "déjà confirmé" << -1;
        QTest::newRow("twice in the file") << QStringList{Logged}
                                           << qsl("F6XYZ", "20M", "SSB", "140500") + lotwQsl("F6XYZ", "20M", "SSB", "20240719", "140600")
                                           << "confirmé (LoTW)|déjà confirmé" << 0;
    }
    void whichQsoIsConfirmed() {
        QFETCH(QStringList, log);
        QFETCH(QByteArray, qsl);
        QFETCH(QString, fate);
        QFETCH(int, line);
        const ImportPlan p = planImport(readAdif(qsl), log, "ON4ABC");
        QStringList fates;
        for (const ImportLine &l : p.lines) fates << l.reason;
        QCOMPARE(fates.join(u'|'), fate);
        QCOMPARE(p.marks(), line < 0 ? QStringList() : QStringList{log[line]});
    }

    // A confirmation of a QSO the log does not hold, that names a castle, is a QSO like any
    // other: taken, with its mark.
    void confirmedCastleNotInTheLogIsTaken() {
        const QByteArray adi = f("CALL", "F6XYZ") + f("QSO_DATE", "20240719") + f("TIME_ON", "1405") + f("BAND", "20m") +
                               f("MODE", "SSB") + f("LOTW_QSL_RCVD", "Y") + f("SIG", "DNJ") + f("SIG_INFO", "LG003") + "<eor>";
        const ImportPlan p = planImport(readAdif(adi), {}, "ON4ABC");
        QCOMPARE(p.taken, 1);
        QVERIFY(p.lines[0].qso.record.endsWith(u'*'));
    }

    // The preview's words: the counts line, and each row with the QSO of the log it is about.
    void previewSaysWhatBecomesOfEach() {
        QByteArray adi = LotwHeader + lotwQsl("F6XYZ", "20M", "SSB", "20240719", "140500") +
                         lotwQsl("G4ABC", "20M", "FT8", "20240719", "150000");
        const ImportPlan p = planImport(readAdif(adi), {Logged}, "ON4ABC");
        QCOMPARE(p.countsLine(), QStringLiteral("2 QSO dans le fichier : 0 à importer, 0 déjà dans le log, "
                                                "0 château déjà contacté, 1 refusés, 1 confirmations"));
        QCOMPARE(p.lines[0].value(MappedQso::Reference), QStringLiteral("NM047"));  // from the log
        QCOMPARE(refusalLine(p.lines[1]), QStringLiteral("G4ABC 19/07/24 15:00: pas dans le log"));
        QVERIFY(p.writesAnything());
    }

    // Marks and new QSOs in the one rewrite of the import: one undo takes both back.
    void marksAndQsosAreOneChange() {
        test::TestDirs dirs;
        const QString other = logLine("ON4AA", "LG001", "14 Mhz", "01/06/24");
        QByteArray before;
        QVERIFY(joinLines({Logged, other}, before));
        dirs.writeFile("ON4ABC_DNJ.log", before);
        dirs.writeFile("in.adi", EqslHeader + EqslRecord + f("CALL", "F5NEW") + f("QSO_DATE", "20240801") +
                                     f("TIME_ON", "0900") + f("BAND", "40M") + f("MODE", "CW") + f("COMMENT", "BR001") +
                                     "<EOR>");
        const PreparedImport p = prepareImport(dirs.dataDir(), "ON4ABC", dirs.path("in.adi"));
        QVERIFY2(p.ok, qPrintable(p.error));
        QCOMPARE(p.plan.confirmed, 1);
        QCOMPARE(p.plan.taken, 1);
        QCOMPARE(writeImport(dirs.dataDir(), "ON4ABC", p.plan).error, QString());
        const QStringList after = dirs.readLines("ON4ABC_DNJ.log");
        QCOMPARE(after.size(), 3);
        QCOMPARE(after[0], Logged.left(106) + u'*');
        QCOMPARE(after[1], other);
        QVERIFY(after[2].startsWith(QStringLiteral("F5NEW")));
        // Every record of an inbox is a confirmation: the new QSO comes confirmed too, and the
        // scores read both marks from the log.
        QCOMPARE(computeScores(after).hf, (GroupScore{3, 2}));
        QCOMPARE(history::describeChange(splitLines(before), after),
                 QStringLiteral("QSO ajouté : F5NEW BR001 01/08/24 09:00 7.0 Mhz, QSO confirmé : F6XYZ NM047 19/07/24 14:05 14 Mhz"));
        QVERIFY(LogStore(dirs.dataDir(), "ON4ABC").undo().ok);
        QCOMPARE(dirs.readFile("ON4ABC_DNJ.log"), before);
    }
};

QTEST_GUILESS_MAIN(TestAdifConfirmations)
#include "tst_adifconfirmations.moc"
