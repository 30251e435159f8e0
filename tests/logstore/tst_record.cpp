#include "logstore/record.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace kastlog;

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void formatsExampleRecord();
    void castleNameIsTrimmedCutAndCapitalised();
    void lineNumbers_data();
    void lineNumbers();
    void roundTripOverGeneratedRecords();
    void displayLineColumns();
    void provinceFieldFromReference();
    void shortLineGivesShorterDisplay();
};

static QsoFields sample() {
    QsoFields q;
    q.call = "Q1ABC"; q.province = "NM"; q.firstName = "jean"; q.reference = "NM047";
    q.date = "01/02/08"; q.time = "15:25"; q.mode = "SSB"; q.band = "14 Mhz";
    q.rstReceived = "59"; q.rstSent = "57"; q.castleName = "  c. de x  "; q.qsl = true;
    return q;
}

void TestRecord::formatsExampleRecord() {
    const QString r = formatRecord(sample());
    QCOMPARE(r.size(), 107);
    QCOMPARE(r, QString("Q1ABC        NM   JEAN            NM047 01/02/08 15:25 SSB 14 Mhz  59  57  "
                        "C. DE X                        *"));
    QsoFields q = sample();
    q.qsl = false;
    QCOMPARE(formatRecord(q).right(1), QString(" "));
}

void TestRecord::castleNameIsTrimmedCutAndCapitalised() {
    QsoFields q = sample();
    q.castleName = QString(35, 'a');
    const QString r = formatRecord(q);
    QCOMPARE(r.mid(75, 30), QString(30, 'A'));
    QCOMPARE(r.size(), 107);
    q.mode = "PSK31";  // cut, never widens the line
    QCOMPARE(formatRecord(q).size(), 107);
}

void TestRecord::lineNumbers_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("7") << 7 << "    7";
    QTest::newRow("1234") << 1234 << " 1234";
    QTest::newRow("9999") << 9999 << " 9999";
    QTest::newRow("10000") << 10000 << "10000";
    QTest::newRow("99999") << 99999 << "99999";
}

void TestRecord::lineNumbers() {
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(lineNumberText(n), text);
    QCOMPARE(displayLine(formatRecord(sample()), n).left(5), text);
}

void TestRecord::roundTripOverGeneratedRecords() {
    QRandomGenerator rng(42);
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/ .-éÉ";
    auto word = [&](int maxLen) {
        QString s;
        const int n = int(rng.bounded(maxLen + 1));
        for (int i = 0; i < n; ++i) s += alphabet.at(int(rng.bounded(alphabet.size())));
        return s;
    };
    const QStringList bands = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "144 Mhz", "432 Mhz"};
    for (int i = 0; i < 5000; ++i) {
        QsoFields q;
        q.call = word(12).trimmed();
        if (q.call.isEmpty()) q.call = "F6X";
        q.reference = QString("NMLGAN").mid(int(rng.bounded(3)) * 2, 2) + QString::number(rng.bounded(1000)).rightJustified(3, '0');
        q.province = q.reference.left(2);
        q.firstName = word(15);
        q.date = QString("%1/%2/%3").arg(rng.bounded(32), 2, 10, QChar('0')).arg(rng.bounded(13), 2, 10, QChar('0')).arg(rng.bounded(100), 2, 10, QChar('0'));
        q.time = QString("%1:%2").arg(rng.bounded(24), 2, 10, QChar('0')).arg(rng.bounded(60), 2, 10, QChar('0'));
        q.mode = word(3);
        q.band = bands.at(int(rng.bounded(bands.size())));
        q.rstReceived = word(3);
        q.rstSent = word(3);
        q.castleName = "C. " + word(40);
        q.qsl = rng.bounded(2);
        const QString r = formatRecord(q);
        QCOMPARE(r.size(), 107);
        const int n = 1 + int(rng.bounded(99999));
        const QString d = displayLine(r, n);
        QCOMPARE(d.size(), 122);
        QCOMPARE(recordFromDisplayLine(d), r);
    }
}

void TestRecord::displayLineColumns() {
    const QString d = displayLine(formatRecord(sample()), 3);
    QCOMPARE(d.mid(7, 12), QString("Q1ABC       "));
    QCOMPARE(d.mid(21, 2), QString("NM"));
    QCOMPARE(d.mid(42, 5), QString("NM047"));
    QCOMPARE(d.mid(49, 8), QString("01/02/08"));
    QCOMPARE(d.mid(59, 5), QString("15:25"));
    QCOMPARE(d.mid(71, 7), QString("14 Mhz "));
    QCOMPARE(d.at(121), QChar('*'));
}

void TestRecord::provinceFieldFromReference() {
    // The list shows the reference's letters, so a record whose province field differs does
    // not come back equal.
    QsoFields q = sample();
    q.province = "LG";
    const QString r = formatRecord(q);
    const QString d = displayLine(r, 1);
    QCOMPARE(d.mid(21, 2), QString("NM"));
    QVERIFY(recordFromDisplayLine(d) != r);
    QCOMPARE(recordFromDisplayLine(d).mid(13, 2), QString("NM"));
}

void TestRecord::shortLineGivesShorterDisplay() {
    const QString d = displayLine("F6ABC", 1);
    QVERIFY(d.startsWith("    1  F6ABC  "));
    QCOMPARE(d.trimmed(), QString("1  F6ABC"));
    QVERIFY(d.size() < 122);
    QCOMPARE(displayLine(QString(), 2).left(5), QString("    2"));
}

QTEST_APPLESS_MAIN(TestRecord)
#include "tst_record.moc"
