// ADIF files as they come: other encodings, ADX as other programs start it, lengths that do not
// fit their values, files cut short, and files that hold no QSO at all.
#include "reports/adifimport/importer.h"
#include "tests/common/testdirs.h"

#include <QtTest>

using namespace kastlog;
using namespace kastlog::adifimport;

namespace {
// A WSJT-X record (its ADIF log, one record a line), with the castle in the award's fields.
const QByteArray Wsjtx = "<call:5>F6XYZ <gridsquare:4>JN18 <mode:3>FT8 <rst_sent:3>-10 <rst_rcvd:3>-12 "
                         "<qso_date:8>20240719 <time_on:6>140500 <band:3>20m <freq:9>14.075123 "
                         "<sig:3>DNJ <sig_info:5>NM047 <eor>\n";

QByteArray utf16(const QString &text, bool bigEndian) {
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

const QString Adx = QStringLiteral(
    "<ADX><HEADER><ADIF_VER>3.1.4</ADIF_VER></HEADER><RECORDS>"
    "<RECORD><CALL>F6XYZ</CALL><NAME>Jiří</NAME></RECORD>"
    "<RECORD><CALL>SP9ABC</CALL></RECORD></RECORDS></ADX>");

// Every record read: its CALL, or "!" followed by its problem.
QStringList read(const QByteArray &bytes, QString *problem = nullptr, QStringList *warnings = nullptr) {
    const AdifFile file = readAdif(bytes);
    QStringList out;
    for (const AdifRecord &r : file.records) {
        out << (r.readable() ? r.value(QLatin1String("CALL")) : QStringLiteral("!") + r.problem);
        if (warnings) *warnings << r.warnings;
    }
    if (problem) *problem = file.problem;
    return out;
}
}  // namespace

class TestAdifFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void readsOtherEncodingsAndXmlStarts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");  // NAME of the first record
        const QString adi = QStringLiteral("Log\r\n<eoh>\r\n<call:5>F6XYZ<name:4>Jiří<eor>\r\n<call:6>SP9ABC<eor>\r\n");
        // Windows programs that save their log as "Unicode" write UTF-16 with its mark.
        QTest::newRow("ADI in UTF-16 LE") << utf16(adi, false) << QStringLiteral("Jiří");
        QTest::newRow("ADI in UTF-16 BE") << utf16(adi, true) << QStringLiteral("Jiří");
        QTest::newRow("ADX in UTF-16 LE, its declaration saying so")
            << utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n") + Adx, false) << QStringLiteral("Jiří");
        QTest::newRow("ADX after a comment") << (QStringLiteral("<!-- exported 2024-07-19 -->\n<?xml version=\"1.0\" "
                                                                "encoding=\"UTF-8\"?>\n") + Adx).toUtf8()
                                             << QStringLiteral("Jiří");
        QTest::newRow("ADX without declaration") << ("\xEF\xBB\xBF\n" + Adx.toUtf8()) << QStringLiteral("Jiří");
    }
    void readsOtherEncodingsAndXmlStarts() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QString problem;
        QCOMPARE(read(bytes, &problem), (QStringList{"F6XYZ", "SP9ABC"}));
        QCOMPARE(problem, QString());
        QCOMPARE(readAdif(bytes).records.value(0).value(QLatin1String("NAME")), name);
    }

    // A length is checked against what follows its value: a tag, a blank or the end.
    void lengthsThatDoNotFit_data() {
        QTest::addColumn<QByteArray>("adi");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("warnings");
        // "Jiří" is 4 characters, 6 bytes in UTF-8: some programs count characters.
        QTest::newRow("length in characters") << QByteArray("<call:5>OK1AB<name:4>Jiří<qth:4>Brno<eor>")
                                              << QStringList{"OK1AB"}
                                              << QStringList{QStringLiteral("longueur de NAME comptée en caractères")};
        // Two too many: the value would swallow "<e" and the next record with it.
        QTest::newRow("2 too long, between two good records")
            << QByteArray("<call:4>F1AA<eor>\n<call:4>F2BB<name:6>PAUL<eor>\n<call:4>F3CC<eor>\n")
            << QStringList{"F1AA", QStringLiteral("!longueur de NAME fausse (ligne 2)"), "F3CC"} << QStringList();
        QTest::newRow("value holding <eor>") << QByteArray("<call:4>F2BB<rst_sent:7>59<eor> <call:4>F3CC<eor>")
                                             << QStringList{QStringLiteral("!longueur de RST_SENT fausse (ligne 1)"), "F3CC"}
                                             << QStringList();
        QTest::newRow("too short") << QByteArray("<call:4>F2BB<name:3>PAUL<eor><call:4>F3CC<eor>")
                                   << QStringList{QStringLiteral("!longueur de NAME fausse (ligne 1)"), "F3CC"} << QStringList();
        QTest::newRow("blank after the value") << QByteArray("<call:4>F2BB <name:4>PAUL\r\n<eor>")
                                               << QStringList{"F2BB"} << QStringList();
    }
    void lengthsThatDoNotFit() {
        QFETCH(QByteArray, adi);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, warnings);
        QStringList seen;
        QString problem;
        QCOMPARE(read(adi, &problem, &seen), calls);
        QCOMPARE(seen, warnings);
        QCOMPARE(problem, QString());
    }

    // A file cut short: the whole records before the cut, the cut one listed as such.
    void filesCutShort_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("problem");
        const QString cut = QStringLiteral("!") + CutRecord;
        QTest::newRow("inside a value") << Wsjtx + Wsjtx + Wsjtx.left(60) << QStringList{"F6XYZ", "F6XYZ", cut}
                                        << QStringLiteral("fichier tronqué après le QSO 2");
        QTest::newRow("inside a tag") << Wsjtx + Wsjtx.left(Wsjtx.indexOf("<band")) + "<ba"
                                      << QStringList{"F6XYZ", cut} << QStringLiteral("fichier tronqué après le QSO 1");
        QTest::newRow("before <eor>") << Wsjtx.left(Wsjtx.indexOf("<eor>")) << QStringList{cut}
                                      << QStringLiteral("fichier tronqué après le QSO 0");
        const QByteArray adx = ("<?xml version=\"1.0\"?>\n" + Adx).toUtf8();
        QTest::newRow("ADX inside an element") << adx.left(adx.indexOf("SP9A")) << QStringList{"F6XYZ", cut}
                                               << QStringLiteral("fichier tronqué après le QSO 1");
        QTest::newRow("ADX between records") << adx.left(adx.indexOf("<RECORD><CALL>SP9")) << QStringList{"F6XYZ"}
                                             << QStringLiteral("fichier tronqué après le QSO 1");
        QTest::newRow("whole") << Wsjtx + Wsjtx << QStringList{"F6XYZ", "F6XYZ"} << QString();
    }
    void filesCutShort() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, calls);
        QFETCH(QString, problem);
        QString seen;
        QCOMPARE(read(bytes, &seen), calls);
        QCOMPARE(seen, problem);
    }

    // The preview may still take the whole records of a cut file; the file's problem goes with it.
    void cutFileIsPlannedWithItsProblem() {
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("cut.adi", Wsjtx + Wsjtx.left(60));
        const PreparedImport p = prepareImport(dirs.dataDir(), "F1ABC", dirs.path("cut.adi"));
        QVERIFY(p.ok);
        QCOMPARE(p.plan.taken, 1);
        QCOMPARE(p.plan.refused, 1);
        QCOMPARE(p.plan.fileProblem, QStringLiteral("fichier tronqué après le QSO 1"));
    }

    void fileWithoutQso_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray noise(4096, 0);
        quint32 x = 12345;  // the same bytes every run
        for (char &c : noise) c = char((x = x * 1103515245 + 12345) >> 16);
        noise.replace(0, 40, "<a:1>b<tx:3>xyz<<>>:<eor>garbage<5:5>x<");
        QTest::newRow("random bytes") << noise;
        QTest::newRow("a header only") << QByteArray("ADIF export\n<adif_ver:5>3.1.4<eoh>\n");
        QTest::newRow("a text file") << QByteArray("Liste des QSO\r\nF6XYZ 19/07/24\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void fileWithoutQso() {
        QFETCH(QByteArray, bytes);
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", bytes);
        const PreparedImport p = prepareImport(dirs.dataDir(), "F1ABC", dirs.path("in.adi"));
        QVERIFY(!p.ok);
        QVERIFY2(p.error.endsWith(QStringLiteral(": aucun QSO ADIF dans ce fichier")), qPrintable(p.error));
    }
};

QTEST_GUILESS_MAIN(TestAdifFiles)
#include "tst_adiffiles.moc"
