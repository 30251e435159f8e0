// Windows-1252 text: every byte reads and writes back, characters outside it are refused.
#include "logstore/cp1252.h"

#include <QStringDecoder>
#include <QtTest>

using namespace kastlog;

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) all.append(char(b));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(cp1252::canEncode(text));
        QByteArray back;
        QVERIFY(cp1252::encode(text, back));
        QCOMPARE(back, all);
        // No two bytes share a character.
        QSet<QChar> seen(text.begin(), text.end());
        QCOMPARE(seen.size(), 256);
    }

    // The export trims the log's bytes as the lines it decodes would be trimmed.
    void blankBytesAreTheDecodedSpaces() {
        for (int b = 0; b < 256; ++b)
            QVERIFY2(cp1252::isBlank(char(b)) == cp1252::decode(QByteArray(1, char(b))).at(0).isSpace(),
                     qPrintable(QString::number(b, 16)));
    }

    // Capitals one character at a time, never leaving the code page nor changing the length.
    void capitals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("capitals");
        QTest::newRow("ascii") << "c. de vianden 1" << "C. DE VIANDEN 1";
        QTest::newRow("accents") << QStringLiteral("éàçœš") << QStringLiteral("ÉÀÇŒŠ");
        QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("sharp s stays") << QStringLiteral("straße") << QStringLiteral("STRAßE");
        QTest::newRow("micro stays") << QStringLiteral("µm") << QStringLiteral("µM");
    }
    void capitals() {
        QFETCH(QString, text);
        QFETCH(QString, capitals);
        QCOMPARE(cp1252::capitals(text), capitals);
    }

    void knownCharacters_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 81") << 0x81 << 0x81;
        QTest::newRow("undefined 8D") << 0x8D << 0x8D;
        QTest::newRow("undefined 8F") << 0x8F << 0x8F;
        QTest::newRow("undefined 90") << 0x90 << 0x90;
        QTest::newRow("undefined 9D") << 0x9D << 0x9D;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("OE") << 0x8C << 0x0152;
        QTest::newRow("right quote") << 0x92 << 0x2019;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("nbsp") << 0xA0 << 0xA0;
        QTest::newRow("e acute") << 0xE9 << 0xE9;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
        QTest::newRow("A") << 0x41 << 0x41;
        QTest::newRow("nul") << 0x00 << 0x00;
    }
    void knownCharacters() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString s = cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(s.size(), 1);
        QCOMPARE(int(s.at(0).unicode()), unicode);
        QByteArray out;
        QVERIFY(cp1252::encode(QString(QChar(unicode)), out));
        QCOMPARE(out, QByteArray(1, char(byte)));
    }

    // Apart from the five undefined bytes, the table is the system's own code page.
    void agreesWithTheSystemDecoder() {
        QStringDecoder dec("windows-1252");
        QVERIFY(dec.isValid());
        for (int b = 0; b < 256; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
            const QByteArray one(1, char(b));
            QCOMPARE(cp1252::decode(one), QString(dec.decode(one)));
        }
    }

    void refusedCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::newRow("L stroke") << QStringLiteral("ŁÓDŹ") << 0x141;
        QTest::newRow("after ASCII") << QStringLiteral("F5ABC Ł") << 0x141;
        QTest::newRow("U+0080 is not the euro") << QString(QChar(0x80)) << 0x80;
        QTest::newRow("U+009F") << QStringLiteral("ab") + QChar(0x9F) << 0x9F;
        QTest::newRow("cyrillic") << QStringLiteral("éЖ") << 0x416;
        QTest::newRow("emoji") << QStringLiteral("x😀") << 0xD83D;
    }
    void refusedCharacters() {
        QFETCH(QString, text);
        QFETCH(int, first);
        QVERIFY(!cp1252::canEncode(text));
        QCOMPARE(int(cp1252::firstUnencodable(text).unicode()), first);
        QByteArray out;
        QVERIFY(!cp1252::encode(text, out));
    }

    // The nearest letters of names other programs hold (a QRZ logbook's first names and
    // places); "" when a character has none.
    void nearestLetters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("nearest");
        // Once one letter must lose its accent, all do: the name reads the same throughout.
        QTest::newRow("Czech, caron and acute") << QStringLiteral("Jiří Dvořák") << QStringLiteral("Jiri Dvorak");
        QTest::newRow("Polish, L stroke") << QStringLiteral("Głowacki Łódź") << QStringLiteral("Glowacki Lodz");
        QTest::newRow("Serbian, D stroke") << QStringLiteral("Đorđe") << QStringLiteral("Dorde");
        QTest::newRow("Turkish, dotless i") << QStringLiteral("Işık Göğüş") << QStringLiteral("Isik Gogus");
        QTest::newRow("letters with no accent to drop") << QStringLiteral("Łukasz Ærø ß") << QStringLiteral("Lukasz Ærø ß");
        QTest::newRow("Romanian, comma below") << QStringLiteral("Ștefănescu") << QStringLiteral("Stefanescu");
        QTest::newRow("Maltese, H stroke") << QStringLiteral("Ħamrun") << QStringLiteral("Hamrun");
        QTest::newRow("held as it is") << QStringLiteral("Zoë Œuvre €") << QStringLiteral("Zoë Œuvre €");
        QTest::newRow("Greek has no nearest letter") << QStringLiteral("Αλέξης") << QString();
        QTest::newRow("a symbol neither") << QStringLiteral("Jiří ★") << QString();
    }
    void nearestLetters() {
        QFETCH(QString, text);
        QFETCH(QString, nearest);
        QString out;
        QCOMPARE(cp1252::nearestLetters(text, out), !nearest.isEmpty());
        if (!nearest.isEmpty()) QCOMPARE(out, nearest);
    }

    void encodableText() {
        const QString t = QStringLiteral("€ Šœ Ÿ éàü ÿ CHÂTEAU");
        QVERIFY(cp1252::canEncode(t));
        QVERIFY(cp1252::firstUnencodable(t).isNull());
        QByteArray out;
        QVERIFY(cp1252::encode(t, out));
        QCOMPARE(out.size(), t.size());
        QCOMPARE(out.at(0), char(0x80));
        QCOMPARE(cp1252::decode(out), t);
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
