// The printer for real: lines printed to a PDF file and read back with pdftotext.
#include "ui/qtprinter.h"

#include "tests/common/inprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using kastlog::ui::QtPrinter;

namespace {

// The text of a PDF, column for column (a 9-point fixed-pitch face is 5.4 points wide).
QString pdfText(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("5.4"), pdf,
             QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString line(int i) {
    return QStringLiteral("NM%1 Chateau numero %2   12/07/08  ON4ABC   *").arg(i % 1000, 3, 10, QLatin1Char('0')).arg(i, 4);
}

}  // namespace

class TestQtPrinter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    // First, while nothing in this process has printed yet.
    void printSupportLoadsOnFirstUse();
    void manyLinesFlowOntoPages();
    void columnsLineUp();
    void accentsArePrinted();
    void twoDocumentsInARow();
    void nothingPrinted();
    void unwritableFileFails();

private:
    QTemporaryDir m_dir;
};

void TestQtPrinter::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the printed pages back");
}

bool printSupportInProcess() { return kastlog::test::mappedInProcess("libcups"); }

// The program makes its printer at start-up; the system's print support must wait for the
// first printed list. Then a PDF still comes out.
void TestQtPrinter::printSupportLoadsOnFirstUse() {
    const QString pdf = m_dir.filePath(QStringLiteral("first.pdf"));
    QtPrinter system, file(pdf);
    QVERIFY(!printSupportInProcess());
    file.printLine(QStringLiteral("NM047"));
    QVERIFY(file.endDocument(nullptr));
    QVERIFY(pdfText(pdf).contains(QStringLiteral("NM047")));
}

void TestQtPrinter::manyLinesFlowOntoPages() {
    const QString pdf = m_dir.filePath(QStringLiteral("many.pdf"));
    QtPrinter printer(pdf);
    QVERIFY(printer.selectPrinter(nullptr));
    printer.setFont(QStringLiteral("Courier New"), 9, true);
    const int count = 300;
    for (int i = 1; i <= count; ++i) printer.printLine(line(i));
    QString error;
    QVERIFY2(printer.endDocument(&error), qPrintable(error));

    const QString text = pdfText(pdf);
    // Every line once, in order.
    int from = 0;
    for (int i = 1; i <= count; ++i) {
        const int at = text.indexOf(line(i), from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("line %1 missing or out of order").arg(i)));
        from = at + 1;
    }
    // Pages end with a form feed: 300 lines of 9 points do not fit on one page, and no page
    // is left nearly empty by a wrong line height.
    const int pages = text.count(QLatin1Char('\f'));
    QVERIFY2(pages >= 4 && pages <= 7, qPrintable(QString::number(pages)));
    // No line is cut at the foot of a page: every page holds whole lines only.
    const QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    int lines = 0;
    for (const QString &page : pageTexts)
        for (const QString &l : page.split(QLatin1Char('\n')))
            if (l.contains(QLatin1String("Chateau numero"))) ++lines;
    QCOMPARE(lines, count);
}

void TestQtPrinter::columnsLineUp() {
    const QString pdf = m_dir.filePath(QStringLiteral("columns.pdf"));
    QtPrinter printer(pdf);
    printer.setFont(QStringLiteral("Courier New"), 9, false);
    printer.printLine(QStringLiteral("iiiii|"));
    printer.printLine(QStringLiteral("WWWWW|"));
    printer.printLine(QStringLiteral("     |"));
    QVERIFY(printer.endDocument(nullptr));
    const QStringList rows = pdfText(pdf).split(QLatin1Char('\n'));
    QList<int> bars;
    for (const QString &r : rows)
        if (r.contains(QLatin1Char('|'))) bars << r.indexOf(QLatin1Char('|')) - r.indexOf(QRegularExpression(QStringLiteral("\\S")));
    QCOMPARE(bars.size(), 3);
    // Fixed pitch: the bar stands in the same column whatever the letters before it.
    QCOMPARE(bars[0], 5);
    QCOMPARE(bars[1], 5);
}

void TestQtPrinter::accentsArePrinted() {
    const QString pdf = m_dir.filePath(QStringLiteral("accents.pdf"));
    QtPrinter printer(pdf);
    printer.setFont(QStringLiteral("Courier New"), 9, true);
    printer.printLine(QString::fromUtf8("Château de Léau"));
    QVERIFY(printer.endDocument(nullptr));
    QVERIFY(pdfText(pdf).contains(QString::fromUtf8("Château de Léau")));
}

void TestQtPrinter::twoDocumentsInARow() {
    const QString pdf = m_dir.filePath(QStringLiteral("twice.pdf"));
    QtPrinter printer(pdf);
    printer.printLine(QStringLiteral("first document"));
    QVERIFY(printer.endDocument(nullptr));
    printer.printLine(QStringLiteral("second document"));
    QVERIFY(printer.endDocument(nullptr));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("second document")));
    QVERIFY(!text.contains(QLatin1String("first document")));
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
}

void TestQtPrinter::nothingPrinted() {
    const QString pdf = m_dir.filePath(QStringLiteral("none.pdf"));
    QtPrinter printer(pdf);
    QString error = QStringLiteral("untouched");
    QVERIFY(printer.endDocument(&error));
    QCOMPARE(error, QStringLiteral("untouched"));
    QVERIFY(!QFile::exists(pdf));
}

void TestQtPrinter::unwritableFileFails() {
    const QString pdf = m_dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
    QtPrinter printer(pdf);
    printer.printLine(QStringLiteral("lost"));
    printer.printLine(QStringLiteral("lost too"));
    QString error;
    QVERIFY(!printer.endDocument(&error));
    QVERIFY(!error.isEmpty());
    // The next document starts afresh and fails again rather than reporting success.
    printer.printLine(QStringLiteral("again"));
    QVERIFY(!printer.endDocument(&error));
}

QTEST_MAIN(TestQtPrinter)
#include "tst_qtprinter.moc"
