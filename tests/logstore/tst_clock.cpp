#include "logstore/clock.h"

#include <QtTest>

using namespace kastlog;

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void newYearUtc();
    void zoneAheadOfUtcAfterLocalMidnight();
    void controleDate_data();
    void controleDate();
    void controleHeure_data();
    void controleHeure();
};

void TestClock::newYearUtc() {
    const QDateTime t(QDate(2009, 1, 1), QTime(0, 0, 5), Qt::UTC);
    SystemClock c([t] { return t; }, QTimeZone("Europe/Brussels"));
    QCOMPARE(dateUtc(c), QString("01/01/09"));
    QCOMPARE(heureUtc(c), QString("00:00:05"));
    QCOMPARE(heureLocale(c), QString("01:00:05"));
}

void TestClock::zoneAheadOfUtcAfterLocalMidnight() {
    // 00:10 in Brussels (summer, UTC+2) is 22:10 UTC the day before.
    const QDateTime t(QDate(2008, 7, 19), QTime(22, 10, 0), Qt::UTC);
    SystemClock c([t] { return t; }, QTimeZone("Europe/Brussels"));
    QCOMPARE(dateUtc(c), QString("19/07/08"));
    QCOMPARE(heureUtc(c), QString("22:10:00"));
    QCOMPARE(heureLocale(c), QString("00:10:00"));
    QCOMPARE(dateLocale(c), QString("20/07/08"));
}

void TestClock::controleDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("valid") << "01/02/08" << 0;
    QTest::newRow("letter") << "1a/02/08" << 1;
    QTest::newRow("dashes") << "01-02-08" << 1;
    QTest::newRow("day 32") << "32/01/08" << 1;
    QTest::newRow("month 13") << "01/13/08" << 1;
    QTest::newRow("zeros") << "00/00/00" << 0;
    QTest::newRow("31 feb") << "31/02/08" << 0;
    QTest::newRow("blank") << " 1/02/08" << 1;
    QTest::newRow("arabic digit") << QString::fromUtf8("٠1/02/08") << 1;
}

void TestClock::controleDate() {
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(kastlog::controleDate(text), result);
}

void TestClock::controleHeure_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("15:25") << "15:25" << 0;
    QTest::newRow("15h25") << "15h25" << 1;
    QTest::newRow("23:59") << "23:59" << 0;
    QTest::newRow("24:00") << "24:00" << 1;
    QTest::newRow("09:60") << "09:60" << 1;
    QTest::newRow("blank first") << " 9:30" << 1;
    QTest::newRow("00:00") << "00:00" << 0;
}

void TestClock::controleHeure() {
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(kastlog::controleHeure(text), result);
}

QTEST_APPLESS_MAIN(TestClock)
#include "tst_clock.moc"
