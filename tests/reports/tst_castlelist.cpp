// The contacted-castles list: rows, order, counters, file name and the saved and printed lines.
#include "reports/castlelist.h"
#include "tests/reports/reportfixtures.h"

#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

class TestCastleList : public QObject {
    Q_OBJECT
private slots:
    void row_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole record")
            << logLine("ON4XYZ", "NM047", "14 Mhz", "19/07/08", "CHATEAU DE X", true)
            << " NM047  CHATEAU DE X                    19/07/08  ON4XYZ        *";
        QTest::newRow("no QSL mark keeps the blank")
            << logLine("F1A", "LG003", "14 Mhz", "01/02/08", "BURG")
            << " LG003  BURG                            01/02/08  F1A            ";
        QTest::newRow("line ending inside the castle name")
            << logLine("F1A", "LG003", "14 Mhz", "01/02/08", "BURG REULAND").left(80)
            << " LG003  BURG   01/02/08  F1A           ";
    }
    void row() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(castlelist::row(line), expected);
    }

    void rowIs65Characters() { QCOMPARE(castlelist::row(logLine("F1A", "NM001", "14 Mhz")).size(), 65); }

    void build_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("refsAndCalls");  // reference + call of each row, in order
        QTest::addColumn<int>("contactes");
        QTest::addColumn<int>("confirmes");
        const QStringList mixed{logLine("F1A", "NM047", "14 Mhz", "01/01/08", "B", true),
                                logLine("F1B", "AN001", "144 Mhz", "01/01/08", "A", true),
                                logLine("F1C", "LG003", "50 Mhz", "01/01/08", "C", false),
                                logLine("F1D", "HT002", "10 Mhz", "01/01/08", "D", true),
                                logLine("F1E", "BR001", "432 Mhz", "01/01/08", "E", true)};
        QTest::newRow("HF, sorted by reference") << mixed << "HF" << QStringList{"LG003 F1C", "NM047 F1A"} << 2 << 1;
        QTest::newRow("VHF") << mixed << "VHF" << QStringList{"AN001 F1B"} << 1 << 1;
        QTest::newRow("UHF") << mixed << "UHF" << QStringList{"BR001 F1E"} << 1 << 1;
        QTest::newRow("lower case group matches nothing") << mixed << "hf" << QStringList() << 0 << 0;
        QTest::newRow("empty group text matches nothing, not the ungrouped 10 Mhz")
            << mixed << "" << QStringList() << 0 << 0;
        QTest::newRow("empty log") << QStringList() << "HF" << QStringList() << 0 << 0;
        QTest::newRow("same castle twice gives two rows, by date text (day first)")
            << QStringList{logLine("F1A", "NM047", "14 Mhz", "15/01/08", "X"),
                           logLine("F1B", "NM047", "7.0 Mhz", "02/05/08", "X", true)}
            << "HF" << QStringList{"NM047 F1B", "NM047 F1A"} << 2 << 1;
        QTest::newRow("case is ignored in the order")
            << QStringList{logLine("F1C", "nm047", "14 Mhz", "01/01/08", "CHATEAU C"),
                           logLine("F1B", "NM047", "14 Mhz", "01/01/08", "CHATEAU B"),
                           logLine("F1A", "NM047", "14 Mhz", "01/01/08", "chateau a")}
            << "HF" << QStringList{"NM047 F1A", "NM047 F1B", "nm047 F1C"} << 3 << 0;
        QTest::newRow("a QSL mark other than * is listed, not confirmed")
            << QStringList{logLine("F1A", "NM047", "14 Mhz").left(106) + QLatin1Char('x')}
            << "HF" << QStringList{"NM047 F1A"} << 1 << 0;
        QTest::newRow("an ungrouped line after a grouped one is not listed")
            << QStringList{logLine("F1A", "NM047", "14 Mhz"), logLine("F1B", "NM048", "14 MHz")}
            << "HF" << QStringList{"NM047 F1A"} << 1 << 0;
    }
    void build() {
        QFETCH(QStringList, lines);
        QFETCH(QString, group);
        QFETCH(QStringList, refsAndCalls);
        QFETCH(int, contactes);
        QFETCH(int, confirmes);
        const castlelist::List l = castlelist::build(lines, group);
        QStringList got;
        for (const QString &r : l.rows) got << r.mid(1, 5) + QLatin1Char(' ') + r.mid(50, 12).trimmed();
        QCOMPARE(got, refsAndCalls);
        QCOMPARE(l.contactes, contactes);
        QCOMPARE(l.confirmes, confirmes);
    }

    void rowNumber_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "    1";
        QTest::newRow("7") << 7 << "    7";
        QTest::newRow("123") << 123 << "  123";
        QTest::newRow("9999") << 9999 << " 9999";
        QTest::newRow("99999") << 99999 << "99999";
    }
    void rowNumber() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(castlelist::rowNumber(n), text);
    }

    void fileName_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("name");
        QTest::newRow("HF on 19 July 2008") << "HF" << 2008 << 7 << 19 << "F1ABC_Liste_Chateaux_Bande_HF_19_07_08.txt";
        QTest::newRow("UHF on 1 January 2031") << "UHF" << 2031 << 1 << 1 << "F1ABC_Liste_Chateaux_Bande_UHF_01_01_31.txt";
        QTest::newRow("typed group as it stands") << "vhf" << 1999 << 12 << 31
                                                  << "F1ABC_Liste_Chateaux_Bande_vhf_31_12_99.txt";
    }
    void fileName() {
        QFETCH(QString, group);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, name);
        QCOMPARE(castlelist::fileName(QStringLiteral("F1ABC"), group, ClockReading{year, month, day, 10, 0, 0}), name);
    }

    void fitsFileName_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("fits");
        QTest::newRow("HF") << "HF" << true;
        QTest::newRow("lower case") << "uhf" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blank inside") << "H F" << true;
        QTest::newRow("slash") << "H/F" << false;
        QTest::newRow("backslash") << "H\\F" << false;
        QTest::newRow("parent directory") << "../HF" << false;
        QTest::newRow("colon") << "HF:" << false;
        QTest::newRow("star") << "*" << false;
        QTest::newRow("question mark") << "HF?" << false;
        QTest::newRow("quote") << "\"HF\"" << false;
        QTest::newRow("angle brackets") << "<HF>" << false;
        QTest::newRow("pipe") << "H|F" << false;
        QTest::newRow("tab") << "H\tF" << false;
        QTest::newRow("line feed") << "HF\n" << false;
        QTest::newRow("C1 control") << QString(QChar(0x85)) << false;
    }
    void fitsFileName() {
        QFETCH(QString, group);
        QFETCH(bool, fits);
        QCOMPARE(castlelist::fitsFileName(group), fits);
    }

    void fileLines() {
        const QStringList rows{castlelist::row(logLine("ON4XYZ", "NM047", "14 Mhz", "19/07/08", "CHATEAU DE X", true)),
                               castlelist::row(logLine("F1A", "NM048", "14 Mhz", "18/07/08", "BURG"))};
        const QStringList l = castlelist::fileLines(QStringLiteral("F1ABC"), QStringLiteral("HF"),
                                                    QStringLiteral("19/07/08"), rows);
        QCOMPARE(l.size(), 8);
        QCOMPARE(l[0], QStringLiteral(" F1ABC Liste alphanumerique des Chateaux contactés bande HF au 19/07/08"));
        QCOMPARE(l[1], QString());
        QCOMPARE(l[2], QStringLiteral("   N°   Ref        Nom du Chateau               Date    Indicatif    QSL"));
        QCOMPARE(l[3], QString());
        QCOMPARE(l[4], QStringLiteral("    1  NM047  CHATEAU DE X                    19/07/08  ON4XYZ        *"));
        QCOMPARE(l[5], QStringLiteral("    2  NM048  BURG                            18/07/08  F1A            "));
        QCOMPARE(l[6], QString());
        QVERIFY(l[7].startsWith(QString(24, QLatin1Char(' '))));
        QVERIFY(l[7].size() > 24 && l[7][24] != QLatin1Char(' '));
    }

    void fileLinesOfEmptyList() {
        const QStringList l =
            castlelist::fileLines(QStringLiteral("F1ABC"), QStringLiteral("VHF"), QStringLiteral("01/01/09"), {});
        QCOMPARE(l.size(), 6);
        QCOMPARE(l[0], QStringLiteral(" F1ABC Liste alphanumerique des Chateaux contactés bande VHF au 01/01/09"));
        QVERIFY(l[1].isEmpty() && l[3].isEmpty() && l[4].isEmpty());
        QVERIFY(l[5].startsWith(QString(24, QLatin1Char(' '))));
    }

    void printLines() {
        QStringList rows;
        for (int i = 1; i <= 123; ++i)
            rows << castlelist::row(logLine("F1A", QStringLiteral("NM%1").arg(i, 3, 10, QLatin1Char('0')), "14 Mhz"));
        const QStringList l =
            castlelist::printLines(QStringLiteral("F1ABC"), QStringLiteral("HF"), QStringLiteral("19/07/08"), rows);
        QCOMPARE(l.size(), 4 + 123 + 3);
        QCOMPARE(l[0], QStringLiteral("     F1ABC Liste alphanumerique des Chateaux contactés bande HF au 19/07/08"));
        QCOMPARE(l[1], QString());
        QCOMPARE(l[2], QStringLiteral("        N°  Ref         Nom du Chateau              Date   Indicatif     QSL"));
        QCOMPARE(l[3], QString());
        QCOMPARE(l[4], QStringLiteral("        1 ") + rows[0]);
        QCOMPARE(l[10], QStringLiteral("        7 ") + rows[6]);
        QCOMPARE(l[126], QStringLiteral("      123 ") + rows[122]);
        QVERIFY(l[127].isEmpty() && l[128].isEmpty());
        QVERIFY(l[129].startsWith(QString(21, QLatin1Char(' '))));
        QVERIFY(l[129][21] != QLatin1Char(' '));
    }
};

QTEST_GUILESS_MAIN(TestCastleList)
#include "tst_castlelist.moc"
