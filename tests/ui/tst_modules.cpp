// Where the modules are looked for: beside the program and in ../lib/kastlog; the build
// tree only when the tests name it.
#include "ui/modules.h"

#include <QTest>

using kastlog::modules::candidates;
using kastlog::modules::ExtraPlaceVariable;

class TestModules : public QObject {
    Q_OBJECT
private slots:
    void places_data() {
        QTest::addColumn<QByteArray>("extra");  // empty: the variable unset
        QTest::addColumn<QStringList>("places");
        const QString beside = QStringLiteral("/opt/kastlog/bin/libkastlog_print.so");
        const QString installed = QStringLiteral("/opt/kastlog/lib/kastlog/libkastlog_print.so");
        QTest::newRow("installed") << QByteArray() << QStringList{beside, installed};
        QTest::newRow("tests") << QByteArray("/tmp/tree/lib/kastlog/")
                               << QStringList{beside, installed, QStringLiteral("/tmp/tree/lib/kastlog/libkastlog_print.so")};
        QTest::newRow("tests, same folder") << QByteArray("/opt/kastlog/lib/kastlog") << QStringList{beside, installed};
    }
    void places() {
        QFETCH(QByteArray, extra);
        QFETCH(QStringList, places);
        const QByteArray kept = qgetenv(ExtraPlaceVariable);
        if (extra.isEmpty())
            qunsetenv(ExtraPlaceVariable);
        else
            qputenv(ExtraPlaceVariable, extra);
        const QStringList found = candidates(QStringLiteral("libkastlog_print.so"), QStringLiteral("/opt/kastlog/bin"));
        qputenv(ExtraPlaceVariable, kept);
        QCOMPARE(found, places);
    }
};

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"
