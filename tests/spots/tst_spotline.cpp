// The spot line, the castle reference in its comment, the band of a frequency, the cutting
// of node lines and the spots kept with their "already contacted" mark.
#include "spots/linereader.h"
#include "spots/spotbook.h"
#include "spots/spotline.h"
#include "logstore/record.h"

#include <QTest>

using namespace kastlog;
using namespace kastlog::spots;

namespace {
QString logLine(const QString &ref, const QString &band) {
    QsoFields q;
    q.call = QStringLiteral("ON4X");
    q.province = ref.left(2);
    q.reference = ref;
    q.date = QStringLiteral("01/06/08");
    q.time = QStringLiteral("10:00");
    q.mode = QStringLiteral("SSB");
    q.band = band;
    return formatRecord(q);
}
}  // namespace

class TstSpotLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");  // spotter|freq|call|comment|time|locator|band|ref
        QTest::newRow("castle, locator") << "DX de ON4XX:     14025.0  ON4DNJ       DNJ NM047 castle cw     1234Z JO20"
                                         << "ON4XX|14025.0|ON4DNJ|DNJ NM047 castle cw|1234Z|JO20|14 Mhz|NM047";
        QTest::newRow("no locator, glued DNJ") << "DX de F5AB-#: 7012.5 OT4A DNJLG003 up 0905Z"
                                               << "F5AB-#|7012.5|OT4A|DNJLG003 up|0905Z||7.0 Mhz|LG003";
        QTest::newRow("small letters") << "dx de on1x: 144300 ON4B via nm047 0001Z"
                                       << "on1x|144300|ON4B|via nm047|0001Z||144 Mhz|NM047";
        QTest::newRow("no comment") << "DX de K1A: 28450 ON4C 2359Z JO10AB"
                                    << "K1A|28450|ON4C||2359Z|JO10AB|28 Mhz|";
        QTest::newRow("10 Mhz band, reference in brackets") << "DX de K1A: 10120 ON4C (WV002) 1200Z"
                                                            << "K1A|10120|ON4C|(WV002)|1200Z||10 Mhz|WV002";
        QTest::newRow("outside the bands") << "DX de K1A: 5357 ON4C NM047 1200Z" << "K1A|5357|ON4C|NM047|1200Z|||NM047";
        QTest::newRow("432 Mhz") << "DX de K1A: 432200 ON4C HT100 1200Z"
                                               << "K1A|432200|ON4C|HT100|1200Z||432 Mhz|HT100";
    }
    void parse() {
        QFETCH(QString, line);
        QFETCH(QString, fields);
        const auto s = parseSpotLine(line);
        QVERIFY(s);
        const QStringList got{s->spotter, s->frequency, s->call, s->comment, s->time, s->locator, s->band, s->reference};
        QCOMPARE(got.join(u'|'), fields);
    }

    void notASpot_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("talk") << "ON4XX de F5AB: hello NM047 1200Z";
        QTest::newRow("no time") << "DX de K1A: 14025 ON4C NM047";
        QTest::newRow("frequency not a number") << "DX de K1A: 14O25 ON4C NM047 1200Z";
        QTest::newRow("no call") << "DX de K1A: 14025";
        QTest::newRow("no colon") << "DX de K1A 14025 ON4C NM047 1200Z";
        QTest::newRow("empty") << "";
    }
    void notASpot() {
        QFETCH(QString, line);
        QVERIFY(!parseSpotLine(line));
    }

    void reference_data() {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("ref");
        QTest::newRow("inside a word") << "XNM047 NM0471 NM04" << "";
        QTest::newRow("not a province") << "ZZ047 AB123" << "";
        QTest::newRow("first of two") << "BR001/BW002" << "BR001";
        QTest::newRow("DNJ with a dash") << "DNJ-OV010" << "OV010";
        QTest::newRow("letters before DNJ") << "XDNJNM047" << "";
        QTest::newRow("end of text") << "qrv vb999" << "VB999";
    }
    void reference() {
        QFETCH(QString, comment);
        QFETCH(QString, ref);
        QCOMPARE(castleReference(comment), ref);
    }

    void lines() {
        LineReader r;
        QCOMPARE(r.feed("one\r\ntw"), QStringList{"one"});
        QCOMPARE(r.pending(), QStringLiteral("tw"));
        QCOMPARE(r.feed("o\n"), QStringList{"two"});
        // A 100 000-byte line keeps its first 1024 bytes, is counted, and the next line is whole.
        QByteArray huge(100000, 'x');
        QStringList got = r.feed(huge.left(500));
        got += r.feed(huge.mid(500) + "\r\nnext\r\n");
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0], QString(MaxLineBytes, u'x'));
        QCOMPARE(got[1], QStringLiteral("next"));
        QCOMPARE(r.cutLines(), 1);
        // Exactly 1024 bytes before CR LF is not cut, even when the LF comes apart; 1025 is.
        QVERIFY(r.feed(QByteArray(1024, 'y') + "\r").isEmpty());
        QCOMPARE(r.feed("\n").first().size(), 1024);
        QCOMPARE(r.cutLines(), 1);
        QCOMPARE(r.feed(QByteArray(1025, 'y') + "\n").first().size(), 1024);
        QCOMPARE(r.cutLines(), 2);
    }

    void decoding() {
        QCOMPARE(decodeNodeText("caf\xc3\xa9"), QStringLiteral("café"));
        QCOMPARE(decodeNodeText("caf\xe9 \x80"), QStringLiteral("café €"));
    }

    void book() {
        SpotBook b;
        const QDateTime t0(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
        auto spot = [](const QString &line) { return *parseSpotLine(line); };
        QVERIFY(!b.add(spot("DX de A: 14025 ON4A no castle 1200Z"), t0));
        QVERIFY(!b.add(spot("DX de A: 5357 ON4A NM047 1200Z"), t0));
        QVERIFY(b.add(spot("DX de A: 14025 ON4A NM047 1200Z"), t0));
        QVERIFY(b.add(spot("DX de A: 144300 ON4B NM047 1230Z"), t0.addSecs(1800)));
        QVERIFY(b.add(spot("DX de A: 10120 ON4C LG001 1230Z"), t0.addSecs(1800)));
        QCOMPARE(b.rows().first().spot.call, QStringLiteral("ON4C"));  // newest first
        // The log holds NM047 on 7.0 Mhz (HF) and LG001 on 14 Mhz (not the group of 10 Mhz).
        b.setLog({logLine("NM047", "7.0 Mhz"), logLine("LG001", "14 Mhz")});
        QCOMPARE(b.rows()[0].contacted, false);
        QCOMPARE(b.rows()[1].contacted, false);  // 144 Mhz: VHF
        QCOMPARE(b.rows()[2].contacted, true);
        // A spot added after the log was read is marked at once.
        QVERIFY(b.add(spot("DX de A: 21025 ON4D NM047 1231Z"), t0.addSecs(1860)));
        QVERIFY(b.rows()[0].contacted);
        b.expire(t0.addSecs(3601));
        QCOMPARE(b.rows().size(), 3);
        for (int i = 0; i < MaxSpots + 10; ++i) b.add(spot("DX de A: 14025 ON4A NM047 1200Z"), t0.addSecs(4000));
        QCOMPARE(b.rows().size(), MaxSpots);
    }
};

QTEST_GUILESS_MAIN(TstSpotLine)
#include "tst_spotline.moc"
