// The ADIF export: band names, dates, record lines, the written file and its failures.
#include "reports/adif.h"

#include "logstore/cp1252.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"

#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

class TestAdif : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void bandName_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("band");
        const char *rows[][2] = {{"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
                                 {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
                                 {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
                                 {"14 MHZ", ""},      {"14 mhz", ""},     {"14 Mhz ", ""},    {"14", ""},
                                 {"", ""},            {"1296 Mhz", ""}};
        for (const auto &r : rows) QTest::newRow(r[0][0] ? r[0] : "empty") << QString(r[0]) << QString(r[1]);
    }
    void bandName() {
        QFETCH(QString, label);
        QFETCH(QString, band);
        QCOMPARE(adif::bandName(label), band);
    }

    void qsoDate_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2008") << "01/02/08" << "20080201";
        QTest::newRow("last of 1999") << "31/12/99" << "19991231";
        QTest::newRow("first 19xx year") << "01/01/50" << "19500101";
        QTest::newRow("last 20xx year") << "31/12/49" << "20491231";
        QTest::newRow("2000") << "15/06/00" << "20000615";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("year not digits") << "01/02/AB" << "AB0201";
    }
    void qsoDate() {
        QFETCH(QString, date);
        QFETCH(QString, expected);
        QCOMPARE(adif::qsoDate(date), expected);
    }

    void record_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("example QSO")
            << logLine("Q1ABC", "NM047", "14 Mhz", "01/02/08", "CHATEAU DE X", false, "JEAN", "15:25", "SSB", "59", "57")
            << "<call:5>Q1ABC<name:4>JEAN<band:3>20m<mode:3>SSB<qso_date:8>20080201<time_on:4>1525"
               "<rst_rcvd:2>59<rst_sent:2>57<comment:18>NM047 CHATEAU DE X<sig:3>DNJ<sig_info:5>NM047<eor>";
        QTest::newRow("432 Mhz is 70cm, QSL mark")
            << logLine("ON4XY/P", "LG003", "432 Mhz", "31/12/99", "BURG", true, "ANNE", "23:59", "FM", "5", "5")
            << "<call:7>ON4XY/P<name:4>ANNE<band:4>70cm<mode:2>FM<qso_date:8>19991231<time_on:4>2359"
               "<rst_rcvd:1>5<rst_sent:1>5<comment:10>LG003 BURG<qsl_rcvd:1>Y<sig:3>DNJ<sig_info:5>LG003<eor>";
        // The three-letter forms of longer modes are written as their ADIF mode and submode.
        QTest::newRow("RTTY")
            << logLine("F5AAA", "AN001", "7.0 Mhz", "05/05/10", "", false, "", "08:00", "RTY")
            << "<call:5>F5AAA<name:0><band:3>40m<mode:4>RTTY<qso_date:8>20100505<time_on:4>0800"
               "<rst_rcvd:2>59<rst_sent:2>57<comment:6>AN001 <sig:3>DNJ<sig_info:5>AN001<eor>";
        QTest::newRow("FT4 under MFSK")
            << logLine("F5AAA", "AN001", "14 Mhz", "05/05/10", "", false, "", "08:00", "FT4", "-5", "+3")
            << "<call:5>F5AAA<name:0><band:3>20m<mode:4>MFSK<submode:3>FT4<qso_date:8>20100505<time_on:4>0800"
               "<rst_rcvd:2>-5<rst_sent:2>+3<comment:6>AN001 <sig:3>DNJ<sig_info:5>AN001<eor>";
        QTest::newRow("typed band and empty first name")
            << logLine("F5AAA", "AN001", "2 m", "05/05/10", "KASTEEL", false, "", "08:00", "CW")
            << "<call:5>F5AAA<name:0><band:0><mode:2>CW<qso_date:8>20100505<time_on:4>0800"
               "<rst_rcvd:2>59<rst_sent:2>57<comment:13>AN001 KASTEEL<sig:3>DNJ<sig_info:5>AN001<eor>";
        QTest::newRow("accented castle counts one byte a letter")
            << logLine("F6B", "BW010", "7.0 Mhz", "01/01/20", QStringLiteral("CHÂTEAU D'ÉTÉ"))
            << QStringLiteral("<call:3>F6B<name:4>JEAN<band:3>40m<mode:3>SSB<qso_date:8>20200101<time_on:4>1405"
                              "<rst_rcvd:2>59<rst_sent:2>57<comment:19>BW010 CHÂTEAU D'ÉTÉ<sig:3>DNJ"
                              "<sig_info:5>BW010<eor>");
        // A hand-edited line cut after the date: later fields are empty, the comment is " ".
        QTest::newRow("short line")
            << logLine("F1X", "NM001", "14 Mhz").left(48)
            << "<call:3>F1X<name:4>JEAN<band:0><mode:0><qso_date:8>20080719<time_on:0><rst_rcvd:0>"
               "<rst_sent:0><comment:6>NM001 <sig:3>DNJ<sig_info:5>NM001<eor>";
        QTest::newRow("empty line")
            << QString() << "<call:0><name:0><band:0><mode:0><qso_date:0><time_on:0><rst_rcvd:0><rst_sent:0>"
                            "<comment:1> <sig:3>DNJ<sig_info:0><eor>";
    }
    void record() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(adifRecord(line), expected);
        QString out = QStringLiteral("left over");
        ADIF_SP(line, out);
        QCOMPARE(out, expected);
    }

    void header() {
        const QStringList h = adif::header(QStringLiteral("ON4/F1ABC"));
        QCOMPARE(h.size(), 7);
        QCOMPARE(h[0], QStringLiteral("Exportation du log de la station ON4/F1ABC au format ADIF"));
        QVERIFY(h[1].isEmpty());
        QVERIFY(!h[2].isEmpty());
        QVERIFY(!h[2].startsWith(QLatin1Char('<')));
        QVERIFY(h[3].isEmpty() && h[4].isEmpty());
        QCOMPARE(h[5], QStringLiteral("<adif_ver:5>3.1.4<programid:7>KASTLOG<programversion:%1>%2")
                           .arg(QStringLiteral(KASTLOG_VERSION).size()).arg(QStringLiteral(KASTLOG_VERSION)));
        QCOMPARE(h[6], QStringLiteral("<eoh>"));
    }

    // The file on disk: CR LF, Windows-1252, named by the stored call sign, announced with the
    // label's text.
    void exportWritesWholeFile() {
        test::TestDirs dirs;
        const QStringList log{
            logLine("Q1ABC", "NM047", "14 Mhz", "01/02/08", "CHATEAU DE X", false, "JEAN", "15:25"),
            logLine("F2B", "HT004", "144 Mhz", "02/03/09", QStringLiteral("ÉCAUSSINNES"), true)};
        QByteArray bytes;
        QVERIFY(joinLines(log, bytes));
        dirs.writeFile(QStringLiteral("ON4_F1ABC_DNJ.log"), bytes);

        const AdifExport r = exporteAdif(dirs.dataDir(), QStringLiteral("ON4_F1ABC"), QStringLiteral("ON4/F1ABC"));
        QVERIFY(r.ok);
        QCOMPARE(r.message, QStringLiteral("Le fichier a été enregistré sous le nom : ON4/F1ABC_DNJ.adi"));
        const QByteArray file = dirs.readFile(QStringLiteral("ON4_F1ABC_DNJ.adi"));
        const QList<QByteArray> lines = file.split('\n');
        QCOMPARE(lines.size(), 10);  // seven header lines, two records, nothing after the last CR LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 9; ++i) QVERIFY2(lines[i].endsWith('\r'), qPrintable(QString::number(i)));
        QCOMPARE(lines[0], QByteArray("Exportation du log de la station ON4/F1ABC au format ADIF\r"));
        QCOMPARE(lines[6], QByteArray("<eoh>\r"));
        QCOMPARE(lines[7], QByteArray("<call:5>Q1ABC<name:4>JEAN<band:3>20m<mode:3>SSB<qso_date:8>20080201"
                                      "<time_on:4>1525<rst_rcvd:2>59<rst_sent:2>57<comment:18>NM047 CHATEAU DE X"
                                      "<sig:3>DNJ<sig_info:5>NM047<station_callsign:9>ON4/F1ABC<eor>\r"));
        // "É" is the single byte 0xC9, and the length counts it once.
        QCOMPARE(lines[8], QByteArray("<call:3>F2B<name:4>JEAN<band:2>2m<mode:3>SSB<qso_date:8>20090302"
                                      "<time_on:4>1405<rst_rcvd:2>59<rst_sent:2>57<comment:17>HT004 \xC9"
                                      "CAUSSINNES<qsl_rcvd:1>Y<sig:3>DNJ<sig_info:5>HT004<station_callsign:9>ON4/F1ABC<eor>\r"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    // The export writes from the log's bytes what the records of the decoded lines say, whatever
    // the blanks around the fields, the length of the lines and the size of the log.
    void exportFromBytesIsTheRecordsOfTheText_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("count");
        QByteArray plain;
        QVERIFY(cp1252::encode(logLine("ON4XY/P", "LG003", "432 Mhz", "31/12/99", QStringLiteral("BURG ÉTÉ"), true), plain));
        QByteArray odd = plain;
        odd[7] = '\t';        // in the call sign's padding
        odd[32] = char(0xA0);  // a no-break space ends the first name
        odd[80] = '\r';       // a lone carriage return inside the castle name
        QTest::newRow("record") << plain << 1;
        QTest::newRow("tab, no-break space and carriage return among the blanks") << odd << 1;
        QTest::newRow("longer than 128 bytes") << plain + QByteArray(40, 'Z') << 1;
        QTest::newRow("cut after the date") << plain.left(48) << 1;
        QTest::newRow("all blanks but the QSL mark") << QByteArray(106, ' ') + '*' << 1;
        QTest::newRow("empty") << QByteArray() << 2;
        // Past the pieces the file is written in and the point where the disk starts on it.
        QTest::newRow("4000 lines") << plain << 4000;
    }
    void exportFromBytesIsTheRecordsOfTheText() {
        QFETCH(QByteArray, line);
        QFETCH(int, count);
        test::TestDirs dirs;
        const QByteArray log = QByteArray(line + "\r\n").repeated(count);
        dirs.writeFile(QStringLiteral("ON4_F1ABC_DNJ.log"), log);
        QVERIFY(exporteAdif(dirs.dataDir(), QStringLiteral("ON4_F1ABC"), QStringLiteral("ON4/F1ABC")).ok);
        QByteArray expected;
        QVERIFY(joinLines(adif::fileLines(QStringLiteral("ON4/F1ABC"), splitLines(log), QStringLiteral("ON4/F1ABC")), expected));
        QCOMPARE(dirs.readFile(QStringLiteral("ON4_F1ABC_DNJ.adi")), expected);
    }

    void emptyLogGivesHeaderOnly() {
        test::TestDirs dirs;
        dirs.writeFile(QStringLiteral("F1ABC_DNJ.log"), QByteArray());
        dirs.writeFile(QStringLiteral("F1ABC_DNJ.adi"), QByteArray("an older export\r\n<call:1>X<eor>\r\n"));
        const AdifExport r = exporteAdif(dirs.dataDir(), QStringLiteral("F1ABC"), QStringLiteral("F1ABC"));
        QVERIFY(r.ok);
        QCOMPARE(dirs.readLines(QStringLiteral("F1ABC_DNJ.adi")), adif::header(QStringLiteral("F1ABC")));
    }

    void failures_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("temporary file") << int(WriteStep::OpenTemp);
        QTest::newRow("write") << int(WriteStep::Write);
        QTest::newRow("rename") << int(WriteStep::Rename);
    }
    // A failed write names the file, gives a reason, never claims success, and leaves the
    // earlier export as it was.
    void failures() {
        QFETCH(int, step);
        test::TestDirs dirs;
        dirs.writeLines(QStringLiteral("F1ABC_DNJ.log"), {logLine("Q1ABC", "NM047", "14 Mhz")});
        const QByteArray before("earlier export\r\n");
        dirs.writeFile(QStringLiteral("F1ABC_DNJ.adi"), before);
        test::FailingSteps faults({WriteStep(step)});
        const AdifExport r =
            exporteAdif(dirs.dataDir(), QStringLiteral("F1ABC"), QStringLiteral("F1ABC"), &faults);
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(QStringLiteral("F1ABC_DNJ.adi")), qPrintable(r.message));
        QVERIFY(!r.message.startsWith(QStringLiteral("Le fichier a été enregistré")));
        QVERIFY2(!r.message.trimmed().endsWith(QLatin1Char(':')), qPrintable(r.message));  // a reason follows
        QCOMPARE(dirs.readFile(QStringLiteral("F1ABC_DNJ.adi")), before);
    }

    void missingLogWritesNothing() {
        test::TestDirs dirs;
        const AdifExport r = exporteAdif(dirs.dataDir(), QStringLiteral("F1ABC"), QStringLiteral("F1ABC"));
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(QStringLiteral("F1ABC_DNJ.log")), qPrintable(r.message));
        QVERIFY(!dirs.exists(QStringLiteral("F1ABC_DNJ.adi")));
    }

    void unwritableLabelFailsCleanly() {
        test::TestDirs dirs;
        dirs.writeLines(QStringLiteral("F1ABC_DNJ.log"), {logLine("Q1ABC", "NM047", "14 Mhz")});
        const AdifExport r = exporteAdif(dirs.dataDir(), QStringLiteral("F1ABC"), QStringLiteral("F1ABC\u2603"));
        QVERIFY(!r.ok);
        QVERIFY(r.message.contains(QStringLiteral("F1ABC_DNJ.adi")));
        QVERIFY(!dirs.exists(QStringLiteral("F1ABC_DNJ.adi")));
    }
};

QTEST_GUILESS_MAIN(TestAdif)
#include "tst_adif.moc"
