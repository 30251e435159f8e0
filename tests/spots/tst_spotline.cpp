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
    // `fields` is spotter|freq|call|comment|time|area|band|ref|date, empty for no spot line.
    void parse_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");
        QTest::newRow("castle, locator") << "DX de ON4XX:     14025.0  ON4DNJ       DNJ NM047 castle cw     1234Z JO20"
                                         << "ON4XX|14025.0|ON4DNJ|DNJ NM047 castle cw|1234Z|JO20|14 Mhz|NM047|";
        QTest::newRow("no locator, glued DNJ") << "DX de F5AB-#: 7012.5 OT4A DNJLG003 up 0905Z"
                                               << "F5AB-#|7012.5|OT4A|DNJLG003 up|0905Z||7.0 Mhz|LG003|";
        QTest::newRow("small letters") << "dx de on1x: 144300 ON4B via nm047 0001z"
                                       << "on1x|144300|ON4B|via nm047|0001Z||144 Mhz|NM047|";
        QTest::newRow("no comment") << "DX de K1A: 28450 ON4C 2359Z JO10AB" << "K1A|28450|ON4C||2359Z|JO10AB|28 Mhz||";
        QTest::newRow("10 Mhz, reference in brackets") << "DX de K1A: 10120 ON4C (WV002) 1200Z"
                                                       << "K1A|10120|ON4C|(WV002)|1200Z||10 Mhz|WV002|";
        QTest::newRow("outside the bands") << "DX de K1A: 5357 ON4C NM047 1200Z" << "K1A|5357|ON4C|NM047|1200Z|||NM047|";
        QTest::newRow("432 Mhz") << "DX de K1A: 432200 ON4C HT100 1200Z" << "K1A|432200|ON4C|HT100|1200Z||432 Mhz|HT100|";
        QTest::newRow("70 cm edge") << "DX de K1A: 420000 ON4C HT100 1200Z" << "K1A|420000|ON4C|HT100|1200Z||432 Mhz|HT100|";
        // The spotter cut to its field: no colon, the next word is the frequency.
        QTest::newRow("spotter cut, no colon") << "DX de K1A 14025 ON4C NM047 1200Z" << "K1A|14025|ON4C|NM047|1200Z||14 Mhz|NM047|";
        QTest::newRow("spotter glued to the frequency") << "DX de ON4XX:14025.0 ON4C NM-047 1200Z"
                                                        << "ON4XX|14025.0|ON4C|NM-047|1200Z||14 Mhz|NM047|";
        QTest::newRow("time without Z") << "DX de K1A: 14025 ON4C NM047 1200" << "K1A|14025|ON4C|NM047|1200Z||14 Mhz|NM047|";
        QTest::newRow("zone after the time") << "DX de K1A: 14025 ON4C NM047 1200Z 14" << "K1A|14025|ON4C|NM047|1200Z|14|14 Mhz|NM047|";
        QTest::newRow("blanks before") << "  DX de K1A: 14025 ON4C NM047 1200Z" << "K1A|14025|ON4C|NM047|1200Z||14 Mhz|NM047|";
        // A line of the answer to "sh/dx": date and time, the spotter in brackets last.
        QTest::newRow("listed") << "  14025.0  ON4XYZ/P     9-Dec-2026 1234Z DNJ NM047        <ON4ABC>"
                                << "ON4ABC|14025.0|ON4XYZ/P|DNJ NM047|1234Z||14 Mhz|NM047|2026-12-09";
        QTest::newRow("listed, no comment") << "7007.0  F8FSN       04-Dec-2023 1655Z                            <IU5KZF>"
                                            << "IU5KZF|7007.0|F8FSN||1655Z||7.0 Mhz||2023-12-04";
        QTest::newRow("listed, no such day") << "14025.0 ON4XYZ 31-Feb-2026 1234Z NM047 <ON4ABC>" << "";
        QTest::newRow("listed, no spotter") << "14025.0 ON4XYZ 9-Dec-2026 1234Z NM047" << "";
        QTest::newRow("no such time") << "DX de K1A: 14025 ON4C NM047 2460Z" << "";
        QTest::newRow("talk") << "ON4XX de F5AB: hello NM047 1200Z" << "";
        QTest::newRow("no time") << "DX de K1A: 14025 ON4C NM047" << "";
        QTest::newRow("frequency not a number") << "DX de K1A: 14O25 ON4C NM047 1200Z" << "";
        QTest::newRow("no call") << "DX de K1A: 14025" << "";
        QTest::newRow("empty") << "" << "";
    }
    void parse() {
        QFETCH(QString, line);
        QFETCH(QString, fields);
        const auto s = parseSpotLine(line);
        QCOMPARE(bool(s), !fields.isEmpty());
        if (!s) return;
        const QStringList got{s->spotter, s->frequency, s->call,      s->comment, s->time,
                              s->spotterArea, s->band, s->reference, s->date.toString(Qt::ISODate)};
        QCOMPARE(got.join(u'|'), fields);
        Spot castle;
        QCOMPARE(readNodeLine(line, castle), s->reference.isEmpty() || s->band.isEmpty() ? LineKind::Spot : LineKind::CastleSpot);
    }

    // What a terminal acts on and does not print is dropped and costs no line; every line end
    // counts; the same bytes one at a time give the same lines.
    void controlBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("two BEL (set/beep)") << QByteArray("DX de A: 7012 B NM047 1200Z\a\a\r\n")
                                            << QStringList{"DX de A: 7012 B NM047 1200Z"};
        QTest::newRow("NUL keep-alives") << QByteArray("\0\0DX de A: 7012 B NM047 1200Z\r\n", 32)
                                         << QStringList{"DX de A: 7012 B NM047 1200Z"};
        QTest::newRow("telnet options") << QByteArray("\xff\xfb\x01\xff\xfd\x03login: ok\r\n") << QStringList{"login: ok"};
        QTest::newRow("telnet sub-negotiation") << QByteArray("\xff\xfa\x18\x01\xff\xf0ok\r\n") << QStringList{"ok"};
        QTest::newRow("IAC IAC is the byte 255") << QByteArray("a\xff\xff\x62\n") << QStringList{QStringLiteral("a\u00ffb")};
        QTest::newRow("ANSI colours") << QByteArray("\x1b[1;32mDX de\x1b[0m A\x1b(B\r\n") << QStringList{"DX de A"};
        QTest::newRow("CR alone") << QByteArray("one\rtwo\r") << QStringList{"one", "two"};
        QTest::newRow("LF CR") << QByteArray("one\n\rtwo\n\r") << QStringList{"one", "two"};
        QTest::newRow("empty line") << QByteArray("one\r\n\r\ntwo\n") << QStringList{"one", "", "two"};
    }
    void controlBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        LineReader whole;
        QCOMPARE(whole.feed(bytes), lines);
        LineReader bytewise;
        QStringList got;
        for (char c : bytes) got += bytewise.feed(QByteArray(1, c));
        QCOMPARE(got, lines);
    }

    // A prompt answered before its blank and line end came: nothing of it joins the next line.
    void promptTail() {
        LineReader r;
        QVERIFY(r.feed("Please enter your call:").isEmpty());
        r.clearPending();
        QCOMPARE(r.feed(" \r"), QStringList());
        QCOMPARE(r.feed("\nDX de A: 7012 B NM047 1200Z\r\n"), QStringList{"DX de A: 7012 B NM047 1200Z"});
        QCOMPARE(r.feed("  two\n"), QStringList{"  two"});  // later lines keep their blanks
    }

    void lines() {
        LineReader r;
        QCOMPARE(r.feed("one\r\ntw"), QStringList{"one"});
        QCOMPARE(r.pending(), QStringLiteral("tw"));
        QCOMPARE(r.feed("o\n"), QStringList{"two"});
        // 1024 bytes before CR LF are kept whole, the LF coming apart ending no second line; a
        // longer line, whether its end comes in the same packet or a later one, keeps its first
        // 1024 bytes and is counted, the rest of it thrown away; the next line is whole.
        QCOMPARE(r.feed(QByteArray(1024, 'y') + "\r"), QStringList{QString(MaxLineBytes, u'y')});
        QCOMPARE(r.feed("\n"), QStringList());
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
        auto add = [&b, t0](const QString &line, int s) { return b.add(*parseSpotLine(line), t0.addSecs(s)).kind; };
        QCOMPARE(add("DX de A: 14025 ON4A NM047 1200Z", 0), BookChange::Inserted);
        QCOMPARE(add("DX de A: 10120 ON4C LG001 1230Z", 1800), BookChange::Inserted);
        QCOMPARE(add("DX de A: 5357 ON4C LG001 1230Z", 1800), BookChange::None);  // outside the bands
        QCOMPARE(b.rows()[0].contacted, false);
        QCOMPARE(b.rows()[1].contacted, true);
        QCOMPARE(b.expire(t0.addSecs(3601)), 1);
        QCOMPARE(b.rows().size(), 1);
        QCOMPARE(add("DX de A: 14025 ON4B NM047 1200Z", 0), BookChange::None);  // older than the hour
        for (int i = 0; i < MaxSpots + 10; ++i)
            add(QStringLiteral("DX de A: 14025 ON4A NM%1 1200Z").arg(i % 1000, 3, 10, QLatin1Char('0')), 4000 + i);
        QCOMPARE(b.rows().size(), MaxSpots);
        QCOMPARE(b.rows().first().spot.reference, QStringLiteral("NM509"));
        QCOMPARE(add("DX de A: 14025 ON4A NM999 1200Z", 3700), BookChange::None);  // older than all of a full book
    }

    // One row per call, reference and band: a new spot updates it and puts it on top, each
    // spotter counted once; another band is another row; an older spot (from "sh/dx") only
    // adds its spotter, and a listed spot takes its place by time.
    void activations() {
        SpotBook b;
        const QDateTime t0(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
        auto add = [&b, t0](const QString &line, int s) { return b.add(*parseSpotLine(line), t0.addSecs(s)); };
        auto calls = [&b] {
            QStringList c;
            for (const SpotRow &r : b.rows()) c << r.spot.call + u' ' + r.spot.band + u' ' + r.spotters.join(u',');
            return c.join(u'|');
        };
        add("DX de A: 14025 ON4A NM047 1200Z", 0);
        add("DX de A: 14030 ON4B LG001 1201Z", 60);
        BookChange c = add("DX de B: 14026.5 on4a DNJ NM-047 QSY 1202Z", 120);
        QCOMPARE((QList<int>{c.kind, c.from, c.to}), (QList<int>{BookChange::Moved, 1, 0}));
        QCOMPARE(b.rows()[0].spot.frequency, QStringLiteral("14026.5"));
        add("DX de A: 14027 ON4A NM047 1203Z", 180);
        QCOMPARE(calls(), QStringLiteral("ON4A 14 Mhz A,B|ON4B 14 Mhz A"));
        add("DX de C: 7012 ON4A NM047 1204Z", 240);
        QCOMPARE(calls(), QStringLiteral("ON4A 7.0 Mhz C|ON4A 14 Mhz A,B|ON4B 14 Mhz A"));
        c = add("14020.0 ON4B 1-Jan-2026 1159Z NM047 <D>", -60);
        QCOMPARE((QList<int>{c.kind, c.to}), (QList<int>{BookChange::Inserted, 3}));
        c = add("14030.0 ON4B 1-Jan-2026 1200Z LG001 <E>", 0);
        QCOMPARE((QList<int>{c.kind, c.to}), (QList<int>{BookChange::Updated, 2}));
        QCOMPARE(b.rows()[2].spot.spotter, QStringLiteral("A"));
        QCOMPARE(b.rows()[2].spotters, (QStringList{"A", "E"}));
    }
};

QTEST_GUILESS_MAIN(TstSpotLine)
#include "tst_spotline.moc"
