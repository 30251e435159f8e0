// Clock texts and the date and time checks.
#include "logstore/clock.h"

#include <QtTest>

using namespace kastlog;

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void newYearUtc() {
        const QDateTime at(QDate(2009, 1, 1), QTime(0, 0, 5), Qt::UTC);
        const SystemClock clock([at] { return at; }, QTimeZone(QByteArrayLiteral("UTC")));
        QCOMPARE(dateUtc(clock), QStringLiteral("01/01/09"));
        QCOMPARE(heureUtc(clock), QStringLiteral("00:00:05"));
        QCOMPARE(heureLocale(clock), QStringLiteral("00:00:05"));
    }

    void zoneAheadJustAfterLocalMidnight_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("dateUtcText");
        QTest::addColumn<QString>("heureUtcText");
        QTest::addColumn<QString>("localTime");
        QTest::addColumn<QString>("localDate");
        QTest::newRow("Brussels summer")
            << QByteArray("Europe/Brussels") << QDateTime(QDate(2008, 7, 19), QTime(22, 10, 0), Qt::UTC)
            << "19/07/08" << "22:10:00" << "00:10:00" << "20/07/08";
        QTest::newRow("Brussels winter, new year")
            << QByteArray("Europe/Brussels") << QDateTime(QDate(2008, 12, 31), QTime(23, 0, 1), Qt::UTC)
            << "31/12/08" << "23:00:01" << "00:00:01" << "01/01/09";
        QTest::newRow("UTC+14")
            << QByteArray("Pacific/Kiritimati") << QDateTime(QDate(2010, 2, 28), QTime(10, 30, 0), Qt::UTC)
            << "28/02/10" << "10:30:00" << "00:30:00" << "01/03/10";
    }
    void zoneAheadJustAfterLocalMidnight() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, utc);
        QFETCH(QString, dateUtcText);
        QFETCH(QString, heureUtcText);
        QFETCH(QString, localTime);
        QFETCH(QString, localDate);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());
        // The clock may hand over its time in any zone; the texts do not depend on it.
        const SystemClock clock([utc, tz] { return utc.toTimeZone(tz); }, tz);
        QCOMPARE(dateUtc(clock), dateUtcText);
        QCOMPARE(heureUtc(clock), heureUtcText);
        QCOMPARE(heureLocale(clock), localTime);
        QCOMPARE(dateLocale(clock), localDate);
    }

    // A zone Qt does not know, or none: the system's local time, following a zone change.
    void unknownZoneFollowsTheSystemsLocalTime() {
        const auto at = [] { return QDateTime(QDate(2008, 7, 19), QTime(14, 5, 30), Qt::UTC); };
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "XYZ-02");
        const SystemClock clock(at, QTimeZone(QByteArrayLiteral("Nowhere/Unknown")));
        QStringList seen{heureLocale(clock)};
        qputenv("TZ", "XYZ-05");
        seen << heureLocale(clock) << heureLocale(SystemClock(at));  // changed; a clock of the system's zone
        oldTz.isNull() ? qunsetenv("TZ") : qputenv("TZ", oldTz);
        QCOMPARE(seen, (QStringList{"16:05:30", "19:05:30", "19:05:30"}));
    }

    void defaultClockIsNow() {
        const SystemClock clock;
        const QDateTime before = QDateTime::currentDateTimeUtc();
        const ClockReading r = clock.utc();
        const QDateTime after = QDateTime::currentDateTimeUtc();
        const QDateTime read(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute, r.second), Qt::UTC);
        QVERIFY(read >= before.addSecs(-1) && read <= after);
    }

    void controleDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::newRow("01/02/08") << "01/02/08" << 0;
        QTest::newRow("1a/02/08") << "1a/02/08" << 1;
        QTest::newRow("01-02-08") << "01-02-08" << 1;
        QTest::newRow("32/01/08") << "32/01/08" << 1;
        QTest::newRow("01/13/08") << "01/13/08" << 1;
        QTest::newRow("00/00/00") << "00/00/00" << 0;
        QTest::newRow("31/02/08") << "31/02/08" << 0;
        QTest::newRow("31/12/99") << "31/12/99" << 0;
        QTest::newRow("letter in year") << "01/02/0x" << 1;
        QTest::newRow("letter in month") << "01/o2/08" << 1;
        QTest::newRow("blank first") << " 1/02/08" << 1;
        QTest::newRow("slash moved") << "010/2/08" << 1;
        QTest::newRow("second separator") << "01/02.08" << 1;
        QTest::newRow("99/99/99") << "99/99/99" << 1;
        QTest::newRow("non-ASCII digit") << QStringLiteral("٠1/02/08") << 1;
        QTest::newRow("too short") << "1/2/08" << 1;
    }
    void controleDate() {
        QFETCH(QString, text);
        QFETCH(int, result);
        QCOMPARE(kastlog::controleDate(text), result);
    }

    void controleHeure_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::newRow("15:25") << "15:25" << 0;
        QTest::newRow("15h25") << "15h25" << 1;
        QTest::newRow("23:59") << "23:59" << 0;
        QTest::newRow("00:00") << "00:00" << 0;
        QTest::newRow("24:00") << "24:00" << 1;
        QTest::newRow("09:60") << "09:60" << 1;
        QTest::newRow("12:60") << "12:60" << 1;
        QTest::newRow("blank then 9:30") << " 9:30" << 1;
        QTest::newRow("letter in minutes") << "12:3O" << 1;
        QTest::newRow("too long") << "12:345" << 1;
    }
    void controleHeure() {
        QFETCH(QString, text);
        QFETCH(int, result);
        QCOMPARE(kastlog::controleHeure(text), result);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
