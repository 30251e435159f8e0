// The program's printer: Qt's printing comes from its module at the first printout.
#include "ui/lazyprinter.h"

#include "tests/common/inprocess.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using kastlog::test::mappedInProcess;
using kastlog::ui::LazyPrinter;

class TestLazyPrinter : public QObject {
    Q_OBJECT
private slots:
    void printsThroughTheModule() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the printed page back");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        LazyPrinter printer(pdf);
        QVERIFY(!mappedInProcess("libQt6PrintSupport"));
        QVERIFY(printer.selectPrinter(nullptr));
        QVERIFY(mappedInProcess("libkastlog_print.so"));
        printer.setFont(QStringLiteral("Courier New"), 9, true);
        printer.printLine(QStringLiteral("NM047  Château de Test"));
        QString error;
        QVERIFY2(printer.endDocument(&error), qPrintable(error));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("NM047")) && printed.contains(QStringLiteral("Château")),
                 qPrintable(printed));
    }

    // Nothing to choose from: the printout goes on and fails with the module's name.
    void missingModuleFailsNamingIt() {
        LazyPrinter printer(QString(), {QStringLiteral("/nonexistent/libkastlog_print.so")});
        QVERIFY(printer.selectPrinter(nullptr));
        printer.printLine(QStringLiteral("NM047"));
        QString error;
        QVERIFY(!printer.endDocument(&error));
        QVERIFY2(error.contains(QStringLiteral("libkastlog_print.so")), qPrintable(error));
    }
};

QTEST_MAIN(TestLazyPrinter)
#include "tst_lazyprinter.moc"
