// The castle list printed for real: to a PDF file, read back with pdftotext.
#include "reports/castlelist.h"
#include "reports/contactewindow.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"
#include "ui/qtprinter.h"
#include "ui/services.h"

#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

class TestPrintout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void printedPdfHoldsTitleHeaderAndEveryRow() {
        test::TestDirs dirs;
        QStringList log;
        const int count = 150;  // more than a page
        for (int i = count; i >= 1; --i)
            log << logLine(QStringLiteral("F%1AB").arg(i), QStringLiteral("NM%1").arg(i, 3, 10, QLatin1Char('0')),
                           QStringLiteral("14 Mhz"), QStringLiteral("19/07/08"), QStringLiteral("CHATEAU %1").arg(i),
                           i % 2 == 0);
        dirs.writeLines(QStringLiteral("F1ABC_DNJ.log"), log);
        const QString pdf = dirs.path(QStringLiteral("liste.pdf"));

        test::FakeMessageBox box;
        test::FakeClock clock;
        ui::QtPrinter printer(pdf);
        test::FakeStation station;
        Services s;
        s.dataDir = dirs.dataDir();
        s.messages = &box;
        s.clock = &clock;
        s.printer = &printer;
        AffContacte w(s, station);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Imprimer")), Qt::LeftButton);
        QVERIFY2(box.shown.isEmpty(), qPrintable(box.shown.join(QLatin1Char('\n'))));
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed by this test");
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("5.4"), pdf,
                            QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QStringList lines;
        for (const QString &l : text.split(QLatin1Char('\n'))) lines << l.trimmed();

        QVERIFY2(lines.contains(QStringLiteral("F1ABC Liste alphanumerique des Chateaux contactés bande HF au 19/07/08")),
                 qPrintable(text.left(600)));
        QVERIFY(lines.contains(QStringLiteral("N°  Ref         Nom du Chateau              Date   Indicatif     QSL")));
        QVERIFY2(text.count(QLatin1Char('\f')) >= 1, "the rows should flow onto a second page");
        // Every row once, numbered in list order, its columns kept.
        int at = -1;
        for (int i = 1; i <= count; ++i) {
            const QString ref = QStringLiteral("NM%1").arg(i, 3, 10, QLatin1Char('0'));
            const QString expected = (QString::number(i) + QLatin1Char(' ') +
                                      castlelist::row(log[count - i]))
                                         .trimmed();
            const int found = lines.indexOf(expected);
            QVERIFY2(found > at, qPrintable(QStringLiteral("row %1 (%2) missing or out of order").arg(i).arg(ref)));
            at = found;
        }
    }
};

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
