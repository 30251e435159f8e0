// The record layout, the display line and the conversion back.
#include "bench/sample_log.h"
#include "logstore/record.h"

#include <QtTest>

using namespace kastlog;

class TestRecord : public QObject {
    Q_OBJECT

    static QsoFields sample() {
        QsoFields q;
        q.call = QStringLiteral("ON4ABC");
        q.province = QStringLiteral("NM");
        q.firstName = QStringLiteral("jean");
        q.reference = QStringLiteral("NM047");
        q.date = QStringLiteral("19/07/08");
        q.time = QStringLiteral("14:05");
        q.mode = QStringLiteral("SSB");
        q.band = QStringLiteral("144 Mhz");
        q.rstReceived = QStringLiteral("59");
        q.rstSent = QStringLiteral("57");
        q.castleName = QStringLiteral("  chateau de Namur  ");
        q.qsl = true;
        return q;
    }

private slots:
    void formatRecordLaysOutEveryColumn() {
        const QString r = formatRecord(sample());
        QCOMPARE(r.size(), rec::Length);
        QCOMPARE(r,
                 QStringLiteral("ON4ABC       NM   JEAN            NM047 19/07/08 14:05 SSB 144 Mhz 59  57  "
                                "CHATEAU DE NAMUR               *"));
    }

    void formatRecordFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("expected");
        QTest::newRow("call of 12 fills its columns") << "call" << "DL1ABC/P/MMX" << 1 << "DL1ABC/P/MMX ";
        QTest::newRow("call of 13 is cut") << "call" << "DL1ABC/P/MMXY" << 1 << "DL1ABC/P/MMX ";
        QTest::newRow("first name to capitals") << "firstName" << "jérôme" << 19 << "JÉRÔME          ";
        QTest::newRow("first name of 16 is cut") << "firstName" << "abcdefghijklmnop" << 19 << "ABCDEFGHIJKLMNO ";
        QTest::newRow("mode of six is cut to three") << "mode" << "PKTRTY" << 56 << "PKT ";
        QTest::newRow("castle name trimmed") << "castleName" << "   x  " << 76 << "X                              ";
        QTest::newRow("castle name cut to 30")
            << "castleName" << "abcdefghijklmnopqrstuvwxyz0123456789" << 76 << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123 ";
        QTest::newRow("castle name cut after trimming")
            << "castleName" << "        abcdefghijklmnopqrstuvwxyz0123456789" << 76 << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123 ";
        QTest::newRow("empty castle name") << "castleName" << "" << 76 << "                               ";
        QTest::newRow("band padded") << "band" << "7.0 Mhz" << 60 << "7.0 Mhz ";
        QTest::newRow("report padded") << "rstReceived" << "5" << 68 << "5   ";
    }
    void formatRecordFields() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, col);
        QFETCH(QString, expected);
        QsoFields q = sample();
        if (field == "call") q.call = value;
        else if (field == "firstName") q.firstName = value;
        else if (field == "mode") q.mode = value;
        else if (field == "castleName") q.castleName = value;
        else if (field == "band") q.band = value;
        else if (field == "rstReceived") q.rstReceived = value;
        const QString r = formatRecord(q);
        QCOMPARE(r.size(), rec::Length);
        QCOMPARE(r.mid(col - 1, expected.size()), expected);
    }

    void qslMark() {
        QsoFields q = sample();
        q.qsl = false;
        const QString r = formatRecord(q);
        QCOMPARE(r.size(), rec::Length);
        QCOMPARE(r.at(106), QLatin1Char(' '));
        QCOMPARE(displayLine(r, 1).at(121), QLatin1Char(' '));
        q.qsl = true;
        QCOMPARE(displayLine(formatRecord(q), 1).at(121), QLatin1Char('*'));
    }

    void lineNumbers_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "    1";
        QTest::newRow("7") << 7 << "    7";
        QTest::newRow("42") << 42 << "   42";
        QTest::newRow("1234") << 1234 << " 1234";
        QTest::newRow("9999") << 9999 << " 9999";
        QTest::newRow("10000") << 10000 << "10000";
        QTest::newRow("99999") << 99999 << "99999";
    }
    void lineNumbers() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(lineNumberText(n), text);
        const QString d = displayLine(formatRecord(sample()), n);
        QCOMPARE(d.left(5), text);
        QCOMPARE(d.size(), disp::Length);
        QCOMPARE(d.mid(disp::CallCol - 1, 6), QStringLiteral("ON4ABC"));
    }

    void displayLineColumns() {
        const QString d = displayLine(formatRecord(sample()), 7);
        QCOMPARE(d,
                 QStringLiteral("    7  ON4ABC        NM   JEAN            NM047  19/07/08  14:05  SSB  144 Mhz  "
                                "59   57  CHATEAU DE NAMUR                *"));
        QCOMPARE(column(d, disp::RefCol, disp::RefWidth), QStringLiteral("NM047"));
        QCOMPARE(column(d, disp::DateCol, disp::DateWidth), QStringLiteral("19/07/08"));
        QCOMPARE(column(d, disp::BandCol, disp::BandWidth), QStringLiteral("144 Mhz"));
        QCOMPARE(trimmedColumn(d, disp::NameCol, disp::NameWidth), QStringLiteral("CHATEAU DE NAMUR"));
    }

    void provinceShownFromReference() {
        QsoFields q = sample();
        q.province = QStringLiteral("LG");  // differs from the reference's letters
        const QString r = formatRecord(q);
        const QString d = displayLine(r, 1);
        QCOMPARE(d.mid(disp::ProvCol - 1, 2), QStringLiteral("NM"));
        const QString back = recordFromDisplayLine(d);
        QCOMPARE(back.mid(rec::ProvCol - 1, 4), QStringLiteral("NM  "));
        QVERIFY(back != r);
    }

    void shortLineLoadsShorter_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("display");
        // Separators stay; the missing fields are empty, so the later columns shift left.
        QTest::newRow("empty") << "" << QStringLiteral("    1") + QString(23, QLatin1Char(' '));
        QTest::newRow("call only") << "F5XYZ" << QStringLiteral("    1  F5XYZ") + QString(21, QLatin1Char(' '));
        QTest::newRow("up to the date")
            << "F5XYZ        NM   LUC             NM047 19/07/08"
            << QStringLiteral("    1  F5XYZ         NM   LUC             NM047  19/07/08") + QString(13, QLatin1Char(' '));
    }
    void shortLineLoadsShorter() {
        QFETCH(QString, line);
        QFETCH(QString, display);
        QCOMPARE(displayLine(line, 1), display);
    }

    // The conversion back must find the file line again for every record a save writes.
    void roundTripOverGeneratedRecords_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("firstNumber");
        QTest::newRow("seed 1, from 1") << 1u << 1;
        QTest::newRow("seed 2, from 9990") << 2u << 9990;
        QTest::newRow("seed 3, five-digit numbers") << 3u << 10000;
        QTest::newRow("seed 4, up to 99999") << 4u << 99000;
    }
    void roundTripOverGeneratedRecords() {
        QFETCH(unsigned, seed);
        QFETCH(int, firstNumber);
        const QStringList records = bench::realisticRecords(1000, seed);
        QCOMPARE(records.size(), 1000);
        int withQsl = 0, digitFirst = 0;
        for (int i = 0; i < records.size(); ++i) {
            const QString &r = records.at(i);
            QCOMPARE(r.size(), rec::Length);
            const QString d = displayLine(r, firstNumber + i);
            QCOMPARE(d.size(), disp::Length);
            QCOMPARE(recordFromDisplayLine(d), r);
            withQsl += r.endsWith(QLatin1Char('*'));
            digitFirst += r.at(0).isDigit();
        }
        // The sample must exercise what it claims to.
        QVERIFY(withQsl > 100 && withQsl < 900);
        QVERIFY(digitFirst > 50);
    }

    void roundTripOfHandMadeRecords_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("castle");
        QTest::addColumn<bool>("qsl");
        QTest::newRow("empty castle") << "F5AAA" << "" << false;
        QTest::newRow("12-character call") << "ABCDEFGHIJKL" << "x" << true;
        QTest::newRow("accents") << "9A2XY" << "château de vêves" << true;
        QTest::newRow("blanks inside call") << "F 5 A" << "a  b" << false;
    }
    void roundTripOfHandMadeRecords() {
        QFETCH(QString, call);
        QFETCH(QString, castle);
        QFETCH(bool, qsl);
        QsoFields q = sample();
        q.call = call;
        q.castleName = castle;
        q.qsl = qsl;
        const QString r = formatRecord(q);
        QCOMPARE(recordFromDisplayLine(displayLine(r, 3)), r);
    }

    void columnsPastTheEnd() {
        QCOMPARE(column(QStringLiteral("abc"), 2, 5), QStringLiteral("bc"));
        QCOMPARE(column(QStringLiteral("abc"), 4, 5), QString());
        QCOMPARE(column(QStringLiteral("abc"), 10, 5), QString());
        QCOMPARE(trimmedColumn(QStringLiteral("a  b  c"), 2, 4), QStringLiteral("b"));
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
