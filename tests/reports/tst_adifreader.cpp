// The exported file read back by an independent ADIF parser (Node.js): every field of every
// record must come out as the log holds it, which also proves each length tag right.
#include "logstore/cp1252.h"
#include "reports/adif.h"
#include "reports/adifimport/adifreader.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

namespace {
// The bytes a value has in the file, as the reader (one character per byte) gives them back.
QString asFileBytes(const QString &s) {
    QByteArray b;
    if (!joinLines({s}, b)) return QStringLiteral("<unencodable>");
    b.chop(2);
    return QString::fromLatin1(b);
}
}  // namespace

class TestAdifReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void readerFindsEveryField() {
        struct Qso {
            QString call, name, band, mode, date, time, rstR, rstE, comment, sigInfo;
            QString line;
        };
        QList<Qso> qsos;
        const char *bands[][2] = {{"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
                                  {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
                                  {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
                                  {"2 m", ""}};
        int i = 0;
        for (const auto &b : bands) {
            ++i;
            const QString ref = QStringLiteral("NM%1").arg(i, 3, 10, QLatin1Char('0'));
            const QString castle = i % 2 ? QStringLiteral("CHÂTEAU N°%1 <ÉTÉ>").arg(i) : QString();
            const QString name = i % 3 ? QStringLiteral("FRANÇOIS") : QString();
            const QString year = i % 2 ? QStringLiteral("99") : QStringLiteral("07");
            const QString date = QStringLiteral("%1/0%2/%3").arg(10 + i).arg(i % 9 + 1).arg(year);
            const QString time = QStringLiteral("%1:%2").arg(i + 8, 2, 10, QLatin1Char('0')).arg(i * 4, 2, 10, QLatin1Char('0'));
            Qso q;
            q.call = i == 5 ? QStringLiteral("ON4/F1ABC/P") : QStringLiteral("F%1XYZ").arg(i);
            q.name = name;
            q.band = QLatin1String(b[1]);
            q.mode = i % 2 ? QStringLiteral("CW") : QStringLiteral("SSB");
            q.date = (year == QLatin1String("99") ? QStringLiteral("1999") : QStringLiteral("2007")) +
                     QStringLiteral("0%1").arg(i % 9 + 1) + QString::number(10 + i);
            q.time = time.left(2) + time.right(2);
            q.rstR = QStringLiteral("599");
            q.rstE = QStringLiteral("5");
            q.comment = ref + QLatin1Char(' ') + castle;
            q.sigInfo = ref;
            q.line = logLine(q.call, ref, QLatin1String(b[0]), date, castle, i % 4 == 0, name, time, q.mode,
                             q.rstR, q.rstE);
            qsos << q;
        }

        test::TestDirs dirs;
        QStringList lines;
        for (const Qso &q : qsos) lines << q.line;
        QByteArray bytes;
        QVERIFY(joinLines(lines, bytes));
        dirs.writeFile(QStringLiteral("F1ABC_DNJ.log"), bytes);
        const AdifExport r = exporteAdif(dirs.dataDir(), QStringLiteral("F1ABC"), QStringLiteral("F1ABC"));
        QVERIFY2(r.ok, qPrintable(r.message));

        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        QVERIFY2(!node.isEmpty(), "node (Node.js) is needed by this test: install the nodejs package");
        const QString script = QStringLiteral(ADIF_READER_DIR "/parse.js");
        QVERIFY2(QFile::exists(QStringLiteral(ADIF_READER_DIR "/node_modules/adif-parser-ts/package.json")),
                 "the reader is missing from the source tree");
        QProcess p;
        p.start(node, {script, dirs.path(QStringLiteral("F1ABC_DNJ.adi"))});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &err);
        QVERIFY2(err.error == QJsonParseError::NoError, qPrintable(err.errorString()));

        const QString headerText = doc[QStringLiteral("header")][QStringLiteral("text")].toString();
        QVERIFY2(headerText.startsWith(QStringLiteral("Exportation du log de la station F1ABC au format ADIF")),
                 qPrintable(headerText));
        const QJsonArray records = doc[QStringLiteral("records")].toArray();
        QCOMPARE(records.size(), qsos.size());
        // The program's own reader finds the same fields with the same values.
        const adifimport::AdifFile own = adifimport::readAdif(dirs.readFile(QStringLiteral("F1ABC_DNJ.adi")));
        QCOMPARE(own.records.size(), qsos.size());
        for (int k = 0; k < qsos.size(); ++k) {
            const QJsonObject rec = records[k].toObject();
            const Qso &q = qsos[k];
            const bool qsl = q.line.endsWith(QLatin1Char('*'));
            const QList<QPair<QString, QString>> fields{
                {QStringLiteral("call"), q.call},         {QStringLiteral("name"), q.name},
                {QStringLiteral("band"), q.band},         {QStringLiteral("mode"), q.mode},
                {QStringLiteral("qso_date"), q.date},     {QStringLiteral("time_on"), q.time},
                {QStringLiteral("rst_rcvd"), q.rstR},     {QStringLiteral("rst_sent"), q.rstE},
                {QStringLiteral("comment"), q.comment},   {QStringLiteral("sig"), QStringLiteral("DNJ")},
                {QStringLiteral("sig_info"), q.sigInfo}, {QStringLiteral("station_callsign"), QStringLiteral("F1ABC")}};
            QCOMPARE(rec.size(), fields.size() + (qsl ? 1 : 0));
            QCOMPARE(rec[QStringLiteral("qsl_rcvd")].toString(), qsl ? QStringLiteral("Y") : QString());
            QCOMPARE(own.records[k].fields.size(), rec.size());
            for (const adifimport::AdifField &f : own.records[k].fields)
                QCOMPARE(own.records[k].valueOf(f).toString(), cp1252::decode(rec[f.name.toLower()].toString().toLatin1()));
            for (const auto &[name, value] : fields) {
                QVERIFY2(rec.contains(name), qPrintable(QStringLiteral("record %1 lacks %2").arg(k).arg(name)));
                QCOMPARE(rec[name].toString(), asFileBytes(value));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestAdifReader)
#include "tst_adifreader.moc"
