// The marking rule of the map: which provinces a log marks for a band group.
#include "reports/map/marking.h"
#include "tests/reports/reportfixtures.h"

#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

namespace {
// The codes marked, in table order, joined by commas.
QString markedCodes(const carte::Marks &m) {
    QStringList codes;
    for (int i = 0; i < carte::ProvinceCount; ++i)
        if (m[i]) codes << QLatin1String(carte::Provinces[i].code);
    return codes.join(QLatin1Char(','));
}

QString withProvinceField(QString line, const QString &field) { return line.replace(13, 2, field); }
}  // namespace

class TestMarking : public QObject {
    Q_OBJECT
private slots:
    void provinceIndex_data() {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << "AN" << 0;
        QTest::newRow("Brussels") << "BR" << 1;
        QTest::newRow("last") << "WV" << 10;
        QTest::newRow("small letters") << "nm" << -1;
        QTest::newRow("with a blank") << "NM " << -1;
        QTest::newRow("one letter") << "N" << -1;
        QTest::newRow("no such province") << "XX" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void provinceIndex() {
        QFETCH(QString, letters);
        QFETCH(int, index);
        QCOMPARE(carte::provinceIndex(letters), index);
    }

    void marks_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("marked");
        const QStringList three{logLine("F1A", "NM047", "14 Mhz"), logLine("F1B", "NM012", "14 Mhz"),
                                logLine("F1C", "LG003", "14 Mhz")};
        QTest::newRow("empty log") << QStringList() << "HF" << "";
        QTest::newRow("two castles of Namur and one of Liege, HF") << three << "HF" << "LG,NM";
        QTest::newRow("same log, VHF") << three << "VHF" << "";
        QTest::newRow("144 Mhz marks in VHF") << QStringList{logLine("A", "AN001", "144 Mhz")} << "VHF" << "AN";
        QTest::newRow("144 Mhz marks nothing in HF") << QStringList{logLine("A", "AN001", "144 Mhz")} << "HF" << "";
        QTest::newRow("432 Mhz marks in UHF") << QStringList{logLine("A", "LU010", "432 Mhz")} << "UHF" << "LU";
        QTest::newRow("50 Mhz is HF") << QStringList{logLine("A", "WV002", "50 Mhz")} << "HF" << "WV";
        QTest::newRow("10 Mhz in no group, HF") << QStringList{logLine("A", "NM001", "10 Mhz")} << "HF" << "";
        QTest::newRow("no-group band against an empty group")
            << QStringList{logLine("A", "NM001", "10 Mhz"), logLine("A", "LG001", "2 m")} << "" << "";
        QTest::newRow("group typed in small letters") << three << "hf" << "";
        QTest::newRow("group with a trailing blank") << three << "HF " << "";
        QTest::newRow("band label in another case") << QStringList{logLine("A", "NM001", "14 MHZ")} << "HF" << "";
        QTest::newRow("reference in small letters") << QStringList{logLine("A", "nm047", "14 Mhz")} << "HF" << "";
        QTest::newRow("reference letters not trimmed")
            << QStringList{logLine("A", " NM04", "14 Mhz")} << "HF" << "";
        QTest::newRow("letters of no province") << QStringList{logLine("A", "XX001", "14 Mhz"), logLine("A", "12345", "14 Mhz")}
                                                << "HF" << "";
        QTest::newRow("the reference decides, not the province field")
            << QStringList{withProvinceField(logLine("A", "NM001", "14 Mhz"), "LG")} << "HF" << "NM";
        QTest::newRow("confirmed or not, both mark")
            << QStringList{logLine("A", "HT001", "14 Mhz", "01/01/08", "", true), logLine("A", "OV001", "21 Mhz")}
            << "HF" << "HT,OV";
        QTest::newRow("each line judged on its own band")
            << QStringList{logLine("A", "BW001", "144 Mhz"), logLine("A", "VB001", "432 Mhz"), logLine("A", "BR001", "7.0 Mhz")}
            << "VHF" << "BW";
        QTest::newRow("line too short for a band") << QStringList{logLine("A", "NM001", "14 Mhz").left(59)} << "HF" << "";
        QTest::newRow("line cut inside the band label") << QStringList{logLine("A", "NM001", "144 Mhz").left(64)} << "VHF"
                                                        << "";
        QTest::newRow("line ending after the band") << QStringList{logLine("A", "NM001", "144 Mhz").left(66)} << "VHF"
                                                    << "NM";
        QStringList all;
        for (const carte::Province &p : carte::Provinces)
            all << logLine("A", QLatin1String(p.code) + QStringLiteral("001"), "28 Mhz");
        QTest::newRow("all eleven") << all << "HF"
                                    << "AN,BR,BW,HT,LB,LG,LU,NM,OV,VB,WV";
    }
    void marks() {
        QFETCH(QStringList, lines);
        QFETCH(QString, group);
        QFETCH(QString, marked);
        QCOMPARE(markedCodes(carte::provincesContactees(lines, group)), marked);
    }

    // The one table: numbers 1 to 11 in order, and every box inside the 493 x 406 picture.
    void provinceTable() {
        for (int i = 0; i < carte::ProvinceCount; ++i) {
            const carte::Province &p = carte::Provinces[i];
            QCOMPARE(p.number, i + 1);
            QVERIFY2(p.x >= 0 && p.y >= 0 && p.x + p.width <= carte::MapWidth && p.y + p.height <= carte::MapHeight,
                     p.code);
        }
    }
};

QTEST_APPLESS_MAIN(TestMarking)
#include "tst_marking.moc"
