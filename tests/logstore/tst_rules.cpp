#include "logstore/bandgroup.h"
#include "logstore/instant.h"
#include "logstore/numericprefix.h"
#include "logstore/record.h"
#include "logstore/rewriterules.h"

#include <QtTest>

using namespace kastlog;

// A record with the fields that the rules look at.
static QString mk(const QString &call, const QString &ref, const QString &date, const QString &time,
                   const QString &band = "14 Mhz", bool qsl = false) {
    QsoFields q;
    q.call = call; q.reference = ref; q.province = ref.left(2); q.date = date; q.time = time;
    q.mode = "SSB"; q.band = band; q.rstReceived = "59"; q.rstSent = "59"; q.castleName = "C. "; q.qsl = qsl;
    return formatRecord(q);
}

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void numericPrefix_data();
    void numericPrefix();
    void instants_data();
    void instants();
    void enregistre();
    void insere();
    void modifie();
    void supprime();
    void bandGroups_data();
    void bandGroups();
    void duplicateSearch_data();
    void duplicateSearch();
};

void TestRules::numericPrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("9A") << "9A1AA" << 9.0;
    QTest::newRow("2E0") << "2E0AB" << 2.0;
    QTest::newRow("3D2") << "3D2AB" << 300.0;
    QTest::newRow("letter") << "F6ABC" << 0.0;
    QTest::newRow("4X") << "4X4AB" << 4.0;
    QTest::newRow("blanks inside") << " 1 2X" << 12.0;
    QTest::newRow("tab and lf") << "\t3\n4" << 34.0;
    QTest::newRow("sign") << "-5AB" << -5.0;
    QTest::newRow("decimal") << "1.5.3" << 1.5;
    QTest::newRow("E without digits") << "5EAB" << 5.0;
    QTest::newRow("E with sign") << "1E-1X" << 0.1;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "+" << 0.0;
}

void TestRules::numericPrefix() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(kastlog::numericPrefix(text), value);
}

void TestRules::instants_data() {
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("later");
    QTest::newRow("1999 before 2000") << mk("A", "NM001", "31/12/99", "23:59") << mk("A", "NM001", "01/01/00", "00:00");
    QTest::newRow("1950 before 2049") << mk("A", "NM001", "01/01/50", "00:00") << mk("A", "NM001", "01/01/49", "00:00");
    QTest::newRow("minutes") << mk("A", "NM001", "01/01/08", "10:05") << mk("A", "NM001", "01/01/08", "10:06");
    QTest::newRow("no calendar check") << mk("A", "NM001", "00/00/08", "00:00") << mk("A", "NM001", "31/02/08", "00:00");
}

void TestRules::instants() {
    QFETCH(QString, earlier);
    QFETCH(QString, later);
    QVERIFY(recordInstant(earlier).has_value());
    QVERIFY(*recordInstant(earlier) < *recordInstant(later));
    QVERIFY(!recordInstant(QString()).has_value());
    QVERIFY(!recordInstant(mk("A", "NM001", "ab/cd/ef", "10:00")).has_value());
}

void TestRules::enregistre() {
    const QString a = mk("F6AAA", "NM001", "01/01/08", "10:00"), b = mk("ON4BB", "NM002", "01/01/08", "11:00");
    const QString x4 = mk("4X4AB", "NM003", "01/01/08", "12:00");
    const QString n = mk("F5NEW", "LG001", "02/01/08", "10:00");
    // All lines begin with a letter: the new record goes at the end.
    QCOMPARE(rules::enregistre({a, b}, n), QStringList({a, b, n}));
    // A line beginning with 4X: the new record goes just before it.
    QCOMPARE(rules::enregistre({a, x4, b}, n), QStringList({a, n, x4, b}));
    QCOMPARE(rules::enregistre({}, n), QStringList({n}));
    // A numbered call sign goes before the first greater number.
    const QString nine = mk("9A1AA", "NM009", "01/01/08", "10:00");
    QCOMPARE(rules::enregistre({x4, nine}, mk("5B4AA", "NM004", "01/01/08", "10:00")).at(1).left(5), QString("5B4AA"));
}

void TestRules::insere() {
    const QString y2000 = mk("F6AAA", "NM001", "01/01/00", "00:00");
    const QString y1999 = mk("F6BBB", "NM002", "31/12/99", "23:00");
    QCOMPARE(rules::insere({y2000}, y1999), QStringList({y1999, y2000}));
    QCOMPARE(rules::insere({}, y1999), QStringList({y1999}));
    // Same instant: before the existing line.
    const QString same = mk("F6CCC", "NM003", "01/01/00", "00:00");
    QCOMPARE(rules::insere({y2000}, same), QStringList({same, y2000}));
    // Lines out of order stay where they are; the first line not earlier wins.
    const QString mid = mk("F6DDD", "NM004", "15/06/05", "12:00");
    const QString late = mk("F6EEE", "NM005", "01/01/10", "12:00");
    const QString early = mk("F6FFF", "NM006", "01/01/01", "12:00");
    QCOMPARE(rules::insere({late, early}, mid), QStringList({mid, late, early}));
    // An unreadable line never counts as later.
    QCOMPARE(rules::insere({QString(), "hand edited", late}, mid), QStringList({QString(), "hand edited", mid, late}));
}

void TestRules::modifie() {
    const QString a = mk("F6AAA", "NM001", "01/01/08", "10:00"), b = mk("F6BBB", "NM002", "01/01/08", "11:00");
    const QString n = mk("F6AAA", "NM001", "05/05/09", "10:00");
    QCOMPARE(rules::modifie({a, b}, n, a), QStringList({n, b}));  // keeps its place whatever the date
    QCOMPARE(rules::modifie({a, a, b}, n, a), QStringList({n, n, b}));
    QCOMPARE(rules::modifie({a, b}, n, "no such line"), QStringList({a, b, n}));
    QCOMPARE(rules::modifie({a}, n, a.toLower()), QStringList({a, n}));  // case counts
}

void TestRules::supprime() {
    const QString a = mk("F6AAA", "NM001", "01/01/08", "10:00"), b = mk("F6BBB", "NM002", "01/01/08", "11:00");
    QCOMPARE(rules::supprime({a, b, a}, a), QStringList({b}));
    QCOMPARE(rules::supprime({a, b}, "absent"), QStringList({a, b}));
    QCOMPARE(rules::supprime({}, a), QStringList());
}

void TestRules::bandGroups_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("group");
    for (const char *hf : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz"})
        QTest::newRow(hf) << hf << "HF";
    QTest::newRow("144") << "144 Mhz" << "VHF";
    QTest::newRow("432") << "432 Mhz" << "UHF";
    QTest::newRow("10 Mhz") << "10 Mhz" << "";
    QTest::newRow("case") << "14 MHZ" << "";
    QTest::newRow("typed") << "40m" << "";
    QTest::newRow("blank around") << " 14 Mhz" << "";
}

void TestRules::bandGroups() {
    QFETCH(QString, label);
    QFETCH(QString, group);
    QCOMPARE(bandGroupName(bandGroup(label)), group);
}

void TestRules::duplicateSearch_data() {
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<QString>("band");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("foundBand");
    const QString nm14 = mk("F6AAA", "NM047", "12/07/08", "10:00", "14 Mhz");
    QTest::newRow("HF against HF") << QStringList{nm14} << "NM047" << "7.0 Mhz" << true << "12/07/08" << "14 Mhz";
    QTest::newRow("VHF against HF") << QStringList{nm14} << "NM047" << "144 Mhz" << false << "" << "";
    QTest::newRow("18 and 21") << QStringList{mk("F6A", "NM047", "01/01/08", "10:00", "18 Mhz")} << "NM047" << "21 Mhz" << true << "01/01/08" << "18 Mhz";
    QTest::newRow("50 is HF") << QStringList{mk("F6A", "NM047", "02/01/08", "10:00", "50 Mhz")} << "NM047" << "28 Mhz" << true << "02/01/08" << "50 Mhz";
    const QString nm10 = mk("F6A", "NM047", "03/01/08", "10:00", "10 Mhz");
    QTest::newRow("10 vs 14") << QStringList{nm10} << "NM047" << "14 Mhz" << false << "" << "";
    QTest::newRow("10 vs 10") << QStringList{nm10} << "NM047" << "10 Mhz" << true << "03/01/08" << "10 Mhz";
    QTest::newRow("no group carried over") << QStringList{mk("F6A", "LG001", "01/01/08", "10:00", "14 Mhz"), nm10} << "NM047" << "14 Mhz" << false << "" << "";
    QTest::newRow("first in file order") << QStringList{mk("F6A", "NM047", "05/05/05", "10:00", "21 Mhz"), nm14} << "NM047" << "14 Mhz" << true << "05/05/05" << "21 Mhz";
    QTest::newRow("case of stored ref") << QStringList{mk("F6A", "nm047", "05/05/05", "10:00")} << "NM047" << "14 Mhz" << false << "" << "";
    QTest::newRow("empty log") << QStringList{} << "NM047" << "14 Mhz" << false << "" << "";
}

void TestRules::duplicateSearch() {
    QFETCH(QStringList, log);
    QFETCH(QString, ref);
    QFETCH(QString, band);
    QFETCH(bool, found);
    QFETCH(QString, date);
    QFETCH(QString, foundBand);
    const ContactFound f = rechercheChateauContacte(log, ref, bandGroup(band));
    QCOMPARE(f.found, found);
    QCOMPARE(f.date, date);
    QCOMPARE(f.band, foundBand);
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
