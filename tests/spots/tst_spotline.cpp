// The spot line, the band of a frequency, the cutting
// of node lines and the spots kept with their "already contacted" mark.
#include "spots/linereader.h"
#include "spots/spotbook.h"
#include "spots/spotline.h"
#include "logstore/record.h"

#include <QTest>

using namespace kastlog;
using namespace kastlog::spots;

class TstSpotLine : public QObject {
    Q_OBJECT
private slots:
    // `fields` is spotter|freq|call|comment|time|locator|band|ref, empty for no spot line.
    void parse_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");
        QTest::newRow("castle, locator") << "DX de ON4XX:     14025.0  ON4DNJ       DNJ NM047 castle cw     1234Z JO20"
                                         << "ON4XX|14025.0|ON4DNJ|DNJ NM047 castle cw|1234Z|JO20|14 Mhz|NM047";
        QTest::newRow("no locator, glued DNJ") << "DX de F5AB-#: 7012.5 OT4A DNJLG003 up 0905Z"
                                               << "F5AB-#|7012.5|OT4A|DNJLG003 up|0905Z||7.0 Mhz|LG003";
        QTest::newRow("small letters") << "dx de on1x: 144300 ON4B via nm047 0001Z"
                                       << "on1x|144300|ON4B|via nm047|0001Z||144 Mhz|NM047";
        QTest::newRow("no comment") << "DX de K1A: 28450 ON4C 2359Z JO10AB" << "K1A|28450|ON4C||2359Z|JO10AB|28 Mhz|";
        QTest::newRow("10 Mhz, reference in brackets") << "DX de K1A: 10120 ON4C (WV002) 1200Z"
                                                       << "K1A|10120|ON4C|(WV002)|1200Z||10 Mhz|WV002";
        QTest::newRow("outside the bands") << "DX de K1A: 5357 ON4C NM047 1200Z" << "K1A|5357|ON4C|NM047|1200Z|||NM047";
        QTest::newRow("432 Mhz") << "DX de K1A: 432200 ON4C HT100 1200Z" << "K1A|432200|ON4C|HT100|1200Z||432 Mhz|HT100";
        QTest::newRow("70 cm edge") << "DX de K1A: 420000 ON4C HT100 1200Z" << "K1A|420000|ON4C|HT100|1200Z||432 Mhz|HT100";
        QTest::newRow("talk") << "ON4XX de F5AB: hello NM047 1200Z" << "";
        QTest::newRow("no time") << "DX de K1A: 14025 ON4C NM047" << "";
        QTest::newRow("frequency not a number") << "DX de K1A: 14O25 ON4C NM047 1200Z" << "";
        QTest::newRow("no call") << "DX de K1A: 14025" << "";
        QTest::newRow("no colon") << "DX de K1A 14025 ON4C NM047 1200Z" << "";
        QTest::newRow("empty") << "" << "";
    }
    void parse() {
        QFETCH(QString, line);
        QFETCH(QString, fields);
        const auto s = parseSpotLine(line);
        QCOMPARE(bool(s), !fields.isEmpty());
        if (!s) return;
        const QStringList got{s->spotter, s->frequency, s->call, s->comment, s->time, s->locator, s->band, s->reference};
        QCOMPARE(got.join(u'|'), fields);
    }

    void lines() {
        LineReader r;
        QCOMPARE(r.feed("one\r\ntw"), QStringList{"one"});
        QCOMPARE(r.pending(), QStringLiteral("tw"));
        QCOMPARE(r.feed("o\n"), QStringList{"two"});
        // 1024 bytes before CR LF are kept whole, even when the LF comes apart; a longer line,
        // whether its end comes in the same packet or a later one, keeps its first 1024 bytes
        // and is counted, the rest of it thrown away; the next line is whole.
        QVERIFY(r.feed(QByteArray(1024, 'y') + "\r").isEmpty());
        QCOMPARE(r.feed("\n"), QStringList{QString(MaxLineBytes, u'y')});
        QStringList got = r.feed(QByteArray(1025, 'x'));
        got += r.feed("xx");
        got += r.feed("x\r\nnext\n");
        QCOMPARE(got, (QStringList{QString(MaxLineBytes, u'x'), "next"}));
        QCOMPARE(r.cutLines(), 1);
        QCOMPARE(r.feed(QByteArray(1025, 'z') + "\n"), QStringList{QString(MaxLineBytes, u'z')});
        QCOMPARE(r.cutLines(), 2);
        QCOMPARE(decodeNodeText("caf\xc3\xa9"), QStringLiteral("café"));  // UTF-8 when it is
    }

    // The log holds NM047 on 7.0 Mhz and LG001 on 14 Mhz, which is not the group of 10 Mhz.
    void book() {
        const auto logLine = [](const QString &ref, const QString &band) {
            return formatRecord({"ON4X", ref.left(2), {}, ref, "01/06/08", "10:00", "SSB", band, {}, {}, {}});
        };
        SpotBook b;
        b.setLog({logLine("NM047", "7.0 Mhz"), logLine("LG001", "14 Mhz")});
        const QDateTime t0(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
        auto add = [&b, t0](const char *line, int s) { return b.add(*parseSpotLine(QString::fromLatin1(line)), t0.addSecs(s)); };
        QVERIFY(add("DX de A: 14025 ON4A NM047 1200Z", 0));
        QVERIFY(add("DX de A: 10120 ON4C LG001 1230Z", 1800));
        QCOMPARE(b.rows()[0].contacted, false);
        QCOMPARE(b.rows()[1].contacted, true);
        b.expire(t0.addSecs(3601));
        QCOMPARE(b.rows().size(), 1);
        for (int i = 0; i < MaxSpots + 10; ++i) add("DX de A: 14025 ON4A NM047 1200Z", 4000);
        QCOMPARE(b.rows().size(), MaxSpots);
    }
};

QTEST_GUILESS_MAIN(TstSpotLine)
#include "tst_spotline.moc"
