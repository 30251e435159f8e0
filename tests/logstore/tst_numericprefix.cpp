// The number a text begins with, as the log orders call signs.
#include "logstore/numericprefix.h"

#include <QtTest>

using namespace kastlog;

class TestNumericPrefix : public QObject {
    Q_OBJECT
private slots:
    void values_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("9A") << "9A2XY" << 9.0;
        QTest::newRow("2E0 is 2 times ten to the 0") << "2E0AB" << 2.0;
        QTest::newRow("3D2 is 300") << "3D2RA" << 300.0;
        QTest::newRow("letter first") << "F5ABC" << 0.0;
        QTest::newRow("4X") << "4X1AB" << 4.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "     " << 0.0;
        QTest::newRow("leading blanks") << "  42X" << 42.0;
        QTest::newRow("blanks inside") << "1 2 3" << 123.0;
        QTest::newRow("tab and line feed inside") << "1\t2\n3" << 123.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("minus") << "-12AB" << -12.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("sign then blank") << "- 5" << -5.0;
        QTest::newRow("sign alone") << "-ABC" << 0.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("decimal point") << "1.5X" << 1.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("point alone") << ".X" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("bare E is not an exponent") << "2EAB" << 2.0;
        QTest::newRow("E at the end") << "2E" << 2.0;
        QTest::newRow("E and sign without digits") << "2E+" << 2.0;
        QTest::newRow("negative exponent") << "5E-1" << 0.5;
        QTest::newRow("positive exponent") << "5D+2" << 500.0;
        QTest::newRow("exponent after fraction") << "1.5E1" << 15.0;
        QTest::newRow("small e") << "3e2" << 300.0;
        QTest::newRow("small d") << "3d1" << 30.0;
        QTest::newRow("exponent with blank") << "3D 2" << 300.0;
        QTest::newRow("E first is no number") << "E5" << 0.0;
        QTest::newRow("second exponent stops") << "1E1E1" << 10.0;
        QTest::newRow("huge exponent") << "1E999" << qInf();
        QTest::newRow("tiny exponent") << "1E-999" << 0.0;
        QTest::newRow("long run of digits") << QString(80, QLatin1Char('1')).prepend("0.") << 0.11111111111111111;
        QTest::newRow("non-ASCII digit is no digit") << QStringLiteral("٣5") << 0.0;
    }
    void values() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numericPrefix(text), value);
        QCOMPARE(numericPrefixOf(QStringView(text)), value);
    }

    void independentOfTheLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const double v = numericPrefix(QStringLiteral("1.5"));
        QLocale::setDefault(before);
        QCOMPARE(v, 1.5);
    }
};

QTEST_GUILESS_MAIN(TestNumericPrefix)
#include "tst_numericprefix.moc"
