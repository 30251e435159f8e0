// Real node lines, as the bytes come off the socket, through the line reader and the spot
// parser: every castle spot is taken with its call, frequency and reference, and no other line
// gives a castle. The layouts, prompts and control bytes are the nodes' own, from the sources
// named per group; the castle comments are written the ways hunters write references.
#include "spots/linereader.h"
#include "spots/spotline.h"

#include <QTest>

using namespace kastlog::spots;

class TstNodeLines : public QObject {
    Q_OBJECT
private slots:
    // `castle` is "CALL FREQ REF" for a castle spot, empty for any other line.
    void lines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("castle");
        auto row = [](const char *name, const QByteArray &bytes, const char *castle) {
            QTest::newRow(name) << bytes << QString::fromLatin1(castle);
        };

        // DXSpider, a spot as it happens: "DX de" with the spotter's colon, the comment field,
        // the time; SET/DXGRID adds the spotter's locator after the time (DXSpider help).
        row("dxspider", "DX de ON4ABC:    14025.0  ON4DNJ       DNJ NM047 castle cw            1234Z\r\n",
            "ON4DNJ 14025.0 NM047");
        row("dxspider grid", "DX de ON4ABC:    14025.0  ON4DNJ       DNJ NM047                      1234Z JO20\r\n",
            "ON4DNJ 14025.0 NM047");
        // SET/BEEP, the default of current nodes: two BEL after the line (DXSpider help; the
        // issue's measure on a node with the per-user beep on).
        row("dxspider beep", "DX de ON4ABC:     7012.0  OT4DNJ       dnj lg-003                     1234Z\a\a\r\n",
            "OT4DNJ 7012.0 LG003");
        // The spotter cut to its 7 or 9 characters, without the colon (DXSpider's spot field).
        row("dxspider spotter cut to 7", "DX de ON4ABC-    14250.0  ON4DNJ       DNJ LG-003                     1234Z\r\n",
            "ON4DNJ 14250.0 LG003");
        row("dxspider spotter cut to 9", "DX de PA3ABC-15 14250.0  ON4DNJ/P     DNJ-LG-003                     1234Z\r\n",
            "ON4DNJ/P 14250.0 LG003");
        // SET/DXCQ and SET/DXITU: the spotted's zone before the time, the spotter's after it;
        // SET/USSTATE likewise with US states (DXSpider help).
        row("dxspider cq zones", "DX de ON4ABC:     7012.0  ON4DNJ       DNJ HT.100                  14 1234Z 14\r\n",
            "ON4DNJ 7012.0 HT100");
        row("dxspider itu zones", "DX de ON4ABC:     3760.0  ON4DNJ       DNJ HT 100 ssb              27 1234Z 27\r\n",
            "ON4DNJ 3760.0 HT100");
        row("dxspider us state", "DX de W1ABC:     14025.0  ON4DNJ       DNJ WV-002                     1234Z MA\r\n",
            "ON4DNJ 14025.0 WV002");
        row("time without Z", "DX de ON4ABC:    14025.0  ON4DNJ       nm-047 castle                  1234\r\n",
            "ON4DNJ 14025.0 NM047");
        // The answer to "sh/dx": frequency, call, date, time, comment, <spotter> (DXSpider's
        // layout as the issue quotes it; the AK1A-style SH/DX pattern f|c|d|tZ|q|<r> quoted in a
        // 2002 mailing-list post for AR-Cluster and its kin).
        row("dxspider sh/dx", "  14025.0  ON4XYZ/P     9-Dec-2026 1234Z DNJ NM047                   <ON4ABC>\r\n",
            "ON4XYZ/P 14025.0 NM047");
        row("ar-cluster show/dx", " 18120.0 ON4DNJ      09-Dec-2026 1234Z DNJ BR-001 qrv               <K1TTT>\r\n",
            "ON4DNJ 18120.0 BR001");
        // CC Cluster's "sh/dx": a two-digit day and two blanks before the comment (a user's
        // report of a CC Cluster node, December 2023).
        row("cc cluster sh/dx", "              14222.0  ON4DNJ      04-Dec-2026 1655Z  DNJ BW-012                <EB1DJ>\r\n",
            "ON4DNJ 14222.0 BW012");
        // AR-Cluster: the spotter's state or country after the time (SET/DXSQTH, AR-Cluster user
        // manual); two NUL after ten quiet minutes, the spot after them whole (the measure).
        row("ar-cluster state", "DX de K1TTT:     21290.0  ON4DNJ       DNJ AN001 (castle)             1234Z MA\r\n",
            "ON4DNJ 21290.0 AN001");
        row("ar-cluster keep-alive", QByteArray(2, '\0') + "DX de K1TTT:     28480.0  ON4DNJ       DNJ LU-050                     1234Z\r\n",
            "ON4DNJ 28480.0 LU050");
        // Telnet negotiation before the text and colour codes around it, which some nodes send.
        row("telnet and colours", "\xff\xfb\x01\x1b[1;32mDX de ON4ABC:   144300.0  ON4DNJ       DNJ OV-010 tropo             1234Z\x1b[0m\r\n",
            "ON4DNJ 144300.0 OV010");
        row("lf cr", "DX de ON4ABC:   432200.0  ON4DNJ       DNJ VB 007                     1234Z\n\r", "ON4DNJ 432200.0 VB007");

        // No castle. The Reverse Beacon Network's lines as a DXSpider node takes them in (the
        // node's RBN notes, July 2020), and a skimmer spot quoted in the 2023 report.
        row("rbn beacon", "DX de KM3T-2-#: 14100.0 CS3B CW 24 dB 22 WPM NCDXF B 2259Z\r\n", "");
        row("rbn beacon 10 m", "DX de KM3T-2-#: 28263.9 AB8Z/B CW 15 dB 18 WPM BEACON 2259Z\r\n", "");
        row("rbn cq", "DX de LZ3CB-#: 7018.20 RW1M CW 10 dB 18 WPM CQ 2259Z\r\n", "");
        row("rbn cq 20 m", "DX de W9XG-#: 14057.6 K7GT CW 7 dB 21 WPM CQ 2259Z\r\n", "");
        row("rbn ncdxf", "DX de G0LUJ-#: 14100.1 CS3B CW 18 dB 20 WPM NCDXF B 2259Z\r\n", "");
        row("rbn cq 40 m", "DX de LZ4UX-#: 7018.3 RW1M CW 13 dB 18 WPM CQ 2259Z\r\n", "");
        row("skimmer", "DX de W3OA-#:    14029.0  VU2TMP       CW  8 dB 27 WPM CQ             1658Z\r\n", "");
        // CC Cluster's "sh/dx" lines as quoted in the same report.
        row("cc tnx", "              14222.0  9L5M        04-Dec-2023 1655Z  TNX                       <EB1DJ>\r\n", "");
        row("cc empty", "               7007.0  F8FSN       04-Dec-2023 1655Z                            <IU5KZF>\r\n", "");
        row("cc memorial", "               7019.8  PA3AAV      04-Dec-2023 1656Z  OK1WC Memorial            <IT9VDQ>\r\n", "");
        row("cc 2 bands", "               14071.3  VK9CY       04-Dec-2023 1656Z  Tnx 2.bnd, Vy 73 Gl Dx    <DM2DMI>\r\n", "");
        // Ordinary comments that only look like a castle to a careless eye.
        row("watts", "DX de ON4ABC:    14025.0  ON4LB        LB 100 watts                   1234Z\r\n", "");
        row("dot without the tag", "DX de ON4ABC:     7074.0  OT4A         FT8 up NM.047                  1234Z\r\n", "");
        row("glued digits", "DX de ON4ABC:    14025.0  OT4A         WV-0021 BR0011                 1234Z\r\n", "");
        row("castle off the bands", "DX de ON4ABC:     5357.0  ON4DNJ       DNJ NM047                      1234Z\r\n", "");
        // The node's own words (DXSpider's prompt and messages, the S50CLX node's page of
        // February 2020; WWV and announcement lines of DXSpider nodes).
        row("prompt", "S50U de S50CLX 20-Feb-2020 1101Z dxspider >\r\n", "");
        row("filter", "Filter 0 updated for S50U.pl\r\n", "");
        row("refusal", "Sorry, ON4ABC/P is an invalid callsign\r\n", "");
        row("wwv", "WWV de VE7CC <00>:   SFI=110, A=6, K=2, No Storms -> No Storms\r\n", "");
        row("announcement", "To ALL de ON4ABC: DNJ NM047 QRV 14.025 CW\a\a\r\n", "");
        row("login", "\xff\xfb\x01\xff\xfb\x03Please enter your callsign: \r\n", "");
    }
    void lines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, castle);
        LineReader reader;
        const QStringList lines = reader.feed(bytes);
        QCOMPARE(lines.size(), 1);
        const auto spot = parseCastleSpot(lines.first());
        const QString got = spot ? spot->call + u' ' + spot->frequency + u' ' + spot->reference : QString();
        QCOMPARE(got, castle);
    }
};

QTEST_GUILESS_MAIN(TstNodeLines)
#include "tst_nodelines.moc"
