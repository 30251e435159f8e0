// Where each change of the log puts its record, and the instant that orders insertions.
#include "logstore/instant.h"
#include "logstore/record.h"
#include "logstore/rewriterules.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace kastlog;

namespace {
// A record of call sign `call` at `date` `time`.
QString qso(const QString &call, const QString &date = QStringLiteral("19/07/08"),
            const QString &time = QStringLiteral("14:05")) {
    QsoFields q;
    q.call = call;
    q.reference = QStringLiteral("NM047");
    q.province = QStringLiteral("NM");
    q.date = date;
    q.time = time;
    q.mode = QStringLiteral("CW");
    q.band = QStringLiteral("14 Mhz");
    q.rstReceived = q.rstSent = QStringLiteral("599");
    return formatRecord(q);
}
}  // namespace

class TestRewriteRules : public QObject {
    Q_OBJECT
private slots:
    void widenYear_data() {
        QTest::addColumn<int>("yy");
        QTest::addColumn<int>("year");
        QTest::newRow("00") << 0 << 2000;
        QTest::newRow("08") << 8 << 2008;
        QTest::newRow("49") << 49 << 2049;
        QTest::newRow("50") << 50 << 1950;
        QTest::newRow("99") << 99 << 1999;
    }
    void widenYear() {
        QFETCH(int, yy);
        QFETCH(int, year);
        QCOMPARE(kastlog::widenYear(yy), year);
    }

    void instantOrder_data() {
        QTest::addColumn<QString>("earlierDate");
        QTest::addColumn<QString>("earlierTime");
        QTest::addColumn<QString>("laterDate");
        QTest::addColumn<QString>("laterTime");
        QTest::newRow("1999 before 2000") << "31/12/99" << "23:59" << "01/01/00" << "00:00";
        QTest::newRow("1950 before 2049") << "01/01/50" << "00:00" << "31/12/49" << "00:00";
        QTest::newRow("minute") << "19/07/08" << "14:05" << "19/07/08" << "14:06";
        QTest::newRow("hour beats minute") << "19/07/08" << "13:59" << "19/07/08" << "14:00";
        QTest::newRow("day beats time") << "18/07/08" << "23:59" << "19/07/08" << "00:00";
        QTest::newRow("month beats day") << "31/01/08" << "00:00" << "01/02/08" << "00:00";
        QTest::newRow("year beats month") << "31/12/07" << "00:00" << "01/01/08" << "00:00";
        QTest::newRow("31/02 before 01/03, no calendar check") << "31/02/08" << "00:00" << "01/03/08" << "00:00";
        QTest::newRow("00/00/00 still orders") << "00/00/00" << "00:00" << "01/01/00" << "00:00";
    }
    void instantOrder() {
        QFETCH(QString, earlierDate);
        QFETCH(QString, earlierTime);
        QFETCH(QString, laterDate);
        QFETCH(QString, laterTime);
        const auto a = recordInstant(qso("F5A", earlierDate, earlierTime));
        const auto b = recordInstant(qso("F5A", laterDate, laterTime));
        QVERIFY(a && b);
        QVERIFY(*a < *b);
        QVERIFY(!(*b <= *a));
    }

    void unreadableInstants_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty line") << QString();
        QTest::newRow("short line") << QStringLiteral("F5ABC        NM   JEAN            NM047 19/07/08");
        QTest::newRow("letters in date") << qso("F5A", "ab/07/08");
        QTest::newRow("dashes") << qso("F5A", "19-07-08");
        QTest::newRow("blank date") << qso("F5A", "        ");
        QTest::newRow("blank time") << qso("F5A", "19/07/08", "     ");
        QTest::newRow("time with h") << qso("F5A", "19/07/08", "14h05");
    }
    void unreadableInstants() {
        QFETCH(QString, line);
        QVERIFY(!recordInstant(line).has_value());
    }

    void enregistre_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("at");
        QTest::newRow("all letters: at the end") << QStringList{qso("F5A"), qso("ON4B"), qso("DL1C")} << qso("G4D") << 3;
        QTest::newRow("before the 4X line") << QStringList{qso("F5A"), qso("ON4B"), qso("4X1AB"), qso("PA3X")} << qso("G4D") << 2;
        QTest::newRow("empty log") << QStringList{} << qso("G4D") << 0;
        QTest::newRow("9A after 4X, before 3D2 (300)") << QStringList{qso("F5A"), qso("4X1AB"), qso("3D2RA")} << qso("9A2XY") << 2;
        QTest::newRow("2E0 equals 2: after 2") << QStringList{qso("2A1"), qso("2E0XYZ"), qso("3A1")} << qso("2E0ABC") << 2;
        QTest::newRow("equal prefixes keep file order") << QStringList{qso("9A1"), qso("9A2")} << qso("9A3") << 2;
        QTest::newRow("smaller than every line") << QStringList{qso("9A1"), qso("4X1")} << qso("F5A") << 0;
        QTest::newRow("only the first greater line counts") << QStringList{qso("F5A"), qso("9A1"), qso("4X1")} << qso("2E0") << 1;
        QTest::newRow("empty and short lines") << QStringList{QString(), QStringLiteral("5"), qso("F5A")} << qso("4X1") << 1;
    }
    void enregistre() {
        QFETCH(QStringList, lines);
        QFETCH(QString, record);
        QFETCH(int, at);
        QStringList expected = lines;
        expected.insert(at, record);
        QCOMPARE(rules::enregistre(lines, record), expected);
    }

    void insere_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("at");
        QTest::newRow("empty log") << QStringList{} << qso("F5N", "19/07/08", "14:05") << 0;
        QTest::newRow("31/12/99 goes before 01/01/00")
            << QStringList{qso("F5A", "30/12/99", "10:00"), qso("F5B", "01/01/00", "00:00")} << qso("F5N", "31/12/99", "23:59") << 1;
        QTest::newRow("same instant: before it")
            << QStringList{qso("F5A", "19/07/08", "14:00"), qso("F5B", "19/07/08", "14:05"), qso("F5C", "19/07/08", "14:05")}
            << qso("F5N", "19/07/08", "14:05") << 1;
        QTest::newRow("latest: at the end")
            << QStringList{qso("F5A", "19/07/08", "14:00"), qso("F5B", "20/07/08", "09:00")} << qso("F5N", "21/07/08", "00:00") << 2;
        QTest::newRow("earliest: first") << QStringList{qso("F5A", "19/07/08", "14:00")} << qso("F5N", "19/07/07", "14:00") << 0;
        QTest::newRow("unsorted file: first later line wins")
            << QStringList{qso("F5A", "01/01/08", "10:00"), qso("F5B", "01/06/08", "10:00"), qso("F5C", "01/02/08", "10:00")}
            << qso("F5N", "01/03/08", "10:00") << 1;
        QTest::newRow("unreadable line never counts as later")
            << QStringList{qso("F5A", "01/01/08", "10:00"), QString(), qso("F5B", "xx/xx/xx"), qso("F5C", "01/02/08", "10:00")}
            << qso("F5N", "15/01/08", "10:00") << 3;
        QTest::newRow("only unreadable lines: at the end") << QStringList{QString(), QStringLiteral("hand edit")}
                                                           << qso("F5N", "15/01/08", "10:00") << 2;
        QTest::newRow("31/02 orders without calendar")
            << QStringList{qso("F5A", "28/02/08", "10:00"), qso("F5B", "01/03/08", "10:00")} << qso("F5N", "31/02/08", "10:00") << 1;
        QTest::newRow("unreadable new record: at the end")
            << QStringList{qso("F5A", "28/02/08", "10:00"), qso("F5B", "01/03/08", "10:00")} << qso("F5N", "?1/02/08") << 2;
    }
    void insere() {
        QFETCH(QStringList, lines);
        QFETCH(QString, record);
        QFETCH(int, at);
        QStringList expected = lines;
        expected.insert(at, record);
        QCOMPARE(rules::insere(lines, record), expected);
    }

    void modifie_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("o");
        QTest::addColumn<QStringList>("expected");
        const QString a = qso("F5A"), b = qso("F5B"), c = qso("F5C"), n = qso("F5N", "01/01/01");
        QTest::newRow("in place, whatever the new date") << QStringList{a, b, c} << n << b << QStringList{a, n, c};
        QTest::newRow("every equal line") << QStringList{b, a, b} << n << b << QStringList{n, a, n};
        QTest::newRow("no match: added at the end") << QStringList{a, c} << n << b << QStringList{a, c, n};
        QTest::newRow("case counts") << QStringList{qso("f5b")} << n << qso("F5B") << QStringList{qso("f5b"), n};
        QTest::newRow("length counts") << QStringList{b + QLatin1Char(' ')} << n << b << QStringList{b + QLatin1Char(' '), n};
        QTest::newRow("empty log") << QStringList{} << n << b << QStringList{n};
    }
    void modifie() {
        QFETCH(QStringList, lines);
        QFETCH(QString, n);
        QFETCH(QString, o);
        QFETCH(QStringList, expected);
        QCOMPARE(rules::modifie(lines, n, o), expected);
    }

    void supprime_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QStringList>("expected");
        const QString a = qso("F5A"), b = qso("F5B"), c = qso("F5C");
        QTest::newRow("one line") << QStringList{a, b, c} << b << QStringList{a, c};
        QTest::newRow("both copies") << QStringList{b, a, b} << b << QStringList{a};
        QTest::newRow("no match: unchanged") << QStringList{a, c} << b << QStringList{a, c};
        QTest::newRow("last line") << QStringList{b} << b << QStringList{};
        QTest::newRow("trailing blank counts") << QStringList{b.trimmed()} << b << QStringList{b.trimmed()};
    }
    void supprime() {
        QFETCH(QStringList, lines);
        QFETCH(QString, d);
        QFETCH(QStringList, expected);
        QCOMPARE(rules::supprime(lines, d), expected);
    }

    // Many records at once land where inserting them one by one puts them, whatever the
    // order of the log; only records of one instant differ: they keep the file's order.
    void insereTousPlacesAsOneByOne() {
        QRandomGenerator rng(7);
        auto line = [](int minute) {
            if (minute < 0) return QStringLiteral("hand-edited line");
            const QDateTime t = QDateTime(QDate(2008, 1, 1), QTime(0, 0), Qt::UTC).addSecs(60 * minute);
            return QStringLiteral("F1AA         NM   X               NM001 ") + t.toString(QStringLiteral("dd/MM/yy HH:mm"));
        };
        for (int round = 0; round < 200; ++round) {
            QStringList log, news;
            for (int i = int(rng.bounded(30)); i > 0; --i) log << line(int(rng.bounded(-2, 20000)));
            QSet<int> minutes;  // one record per instant
            for (int i = int(rng.bounded(30)); i > 0; --i) minutes << int(rng.bounded(20000));
            for (int m : minutes) news << line(m);
            QStringList oneByOne = log;
            for (const QString &r : news) oneByOne = rules::insere(oneByOne, r);
            QCOMPARE(rules::insereTous(log, news), oneByOne);
        }
        const QString a = line(5) + QLatin1Char('a'), b = line(5) + QLatin1Char('b');
        QCOMPARE(rules::insereTous({line(9), line(5)}, {a, b, QStringLiteral("x")}),
                 (QStringList{a, b, line(9), line(5), QStringLiteral("x")}));
    }

    // An import of confirmations: the lines it confirms take the mark in their place (a short
    // hand-edited line is padded to it), every equal line with them; new records land as before.
    void insereEtMarqueMarksInPlace() {
        const QString full = QStringLiteral("F1AA         NM   X               NM001 01/01/08 10:00").leftJustified(107);
        const QString shortLine = QStringLiteral("F2BB         LG   Y               LG002 02/01/08 11:00");
        const QString other = QStringLiteral("F3CC         BR   Z               BR003 03/01/08 12:00").leftJustified(107);
        const QString added = QStringLiteral("F4DD         HT   W               HT004 02/01/08 11:30");
        const QString fullMarked = full.left(106) + QLatin1Char('*');
        QCOMPARE(rules::insereEtMarque({full, shortLine, other, full}, {added}, {full, shortLine}),
                 (QStringList{fullMarked, shortLine.leftJustified(106) + QLatin1Char('*'), added, other, fullMarked}));
        QCOMPARE(rules::insereEtMarque({full, other}, {}, {}), (QStringList{full, other}));
    }
};

QTEST_GUILESS_MAIN(TestRewriteRules)
#include "tst_rewriterules.moc"
