// The scores: counts per band group, and the window that shows them.
#include "reports/scores.h"
#include "reports/scoreswindow.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

using Counts = QList<int>;  // HF contacted, HF confirmed, VHF..., UHF...

class TestScores : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void counts_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Counts>("expected");
        QTest::newRow("empty log") << QStringList() << Counts{0, 0, 0, 0, 0, 0};
        QTest::newRow("same castle twice on 14 Mhz")
            << QStringList{logLine("F1A", "NM047", "14 Mhz", "01/01/08", "X", true),
                           logLine("F1B", "NM047", "14 Mhz", "02/01/08", "X", false)}
            << Counts{2, 1, 0, 0, 0, 0};
        QTest::newRow("144 Mhz confirmed is VHF only")
            << QStringList{logLine("F1A", "AN001", "144 Mhz", "01/01/08", "X", true)} << Counts{0, 0, 1, 1, 0, 0};
        QTest::newRow("every HF label, 50 Mhz included")
            << QStringList{logLine("A", "NM001", "1.8 Mhz"), logLine("A", "NM001", "3.5 Mhz"),
                           logLine("A", "NM001", "7.0 Mhz"), logLine("A", "NM001", "14 Mhz"),
                           logLine("A", "NM001", "18 Mhz"), logLine("A", "NM001", "21 Mhz"),
                           logLine("A", "NM001", "24 Mhz"), logLine("A", "NM001", "28 Mhz"),
                           logLine("A", "NM001", "50 Mhz", "01/01/08", "", true)}
            << Counts{9, 1, 0, 0, 0, 0};
        QTest::newRow("no group: 10 Mhz, typed and lower-case labels count nowhere")
            << QStringList{logLine("A", "NM001", "10 Mhz", "01/01/08", "", true), logLine("A", "NM001", "2 m"),
                           logLine("A", "NM001", "144 mhz", "01/01/08", "", true)}
            << Counts{0, 0, 0, 0, 0, 0};
        QTest::newRow("432 Mhz is UHF")
            << QStringList{logLine("A", "NM001", "432 Mhz", "01/01/08", "", true), logLine("A", "LG002", "432 Mhz")}
            << Counts{0, 0, 0, 0, 2, 1};
        QTest::newRow("only * confirms")
            << QStringList{logLine("A", "NM001", "14 Mhz").left(106) + QLatin1Char('X'),
                           logLine("A", "NM001", "14 Mhz").left(106) + QLatin1Char('+')}
            << Counts{2, 0, 0, 0, 0, 0};
        QTest::newRow("short line: unconfirmed, or no band at all")
            << QStringList{logLine("A", "NM001", "144 Mhz").left(80), logLine("A", "NM001", "14 Mhz").left(59)}
            << Counts{0, 0, 1, 0, 0, 0};
    }
    void counts() {
        QFETCH(QStringList, lines);
        QFETCH(Counts, expected);
        const Scores s = computeScores(lines);
        QCOMPARE((Counts{s.hf.contactes, s.hf.confirmes, s.vhf.contactes, s.vhf.confirmes, s.uhf.contactes,
                         s.uhf.confirmes}),
                 expected);
    }

    void windowShowsCounts() {
        test::TestDirs dirs;
        dirs.writeLines(QStringLiteral("F1ABC_DNJ.log"),
                        {logLine("A", "NM001", "14 Mhz", "01/01/08", "", true), logLine("B", "NM002", "21 Mhz"),
                         logLine("C", "AN001", "144 Mhz", "01/01/08", "", true), logLine("D", "LG001", "432 Mhz")});
        test::FakeMessageBox box;
        Services s;
        s.dataDir = dirs.dataDir();
        s.messages = &box;
        test::FakeStation station;
        ScoreChateaux w(s, station);
        QCOMPARE(w.objectName(), QStringLiteral("Score_Chateaux"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Scores"));
        const std::pair<const char *, const char *> expected[] = {{"HF_CT", "2"},  {"HF_CF", "1"}, {"VHF_CT", "1"},
                                                                  {"VHF_CF", "1"}, {"UHF_CT", "1"}, {"UHF_CF", "0"}};
        for (const auto &[name, text] : expected) {
            auto *e = w.findChild<QLineEdit *>(QLatin1String(name));
            QVERIFY2(e, name);
            QCOMPARE(e->text(), QLatin1String(text));
            QCOMPARE(ui::background(e), QColor(255, 255, 192));
        }
        const std::pair<const char *, const char *> labels[] = {
            {"Label2", "Scores DNJ"}, {"Label1", "DNJ HF"}, {"Label5", "DNJ VHF"}, {"Label6", "DNJ UHF"},
            {"Label3", "Nombre de Chateaux contactés"}, {"Label10", "Nombre de Chateaux confirmés"}};
        for (const auto &[name, text] : labels) {
            auto *l = w.findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(l, name);
            QCOMPARE(l->text(), QString::fromUtf8(text));
        }
        QVERIFY(box.shown.isEmpty());
    }

    void emptyLogShowsZeros() {
        test::TestDirs dirs;
        dirs.writeFile(QStringLiteral("F1ABC_DNJ.log"), QByteArray());
        test::FakeMessageBox box;
        Services s;
        s.dataDir = dirs.dataDir();
        s.messages = &box;
        test::FakeStation station;
        ScoreChateaux w(s, station);
        for (const char *name : {"HF_CT", "HF_CF", "VHF_CT", "VHF_CF", "UHF_CT", "UHF_CF"})
            QCOMPARE(w.findChild<QLineEdit *>(QLatin1String(name))->text(), QStringLiteral("0"));
    }

    void missingLogIsReported() {
        test::TestDirs dirs;
        test::FakeMessageBox box;
        Services s;
        s.dataDir = dirs.dataDir();
        s.messages = &box;
        test::FakeStation station;
        ScoreChateaux w(s, station);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.last().contains(QStringLiteral("F1ABC_DNJ.log")), qPrintable(box.last()));
        QVERIFY(w.findChild<QLineEdit *>(QStringLiteral("HF_CT"))->text().isEmpty());
    }
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
