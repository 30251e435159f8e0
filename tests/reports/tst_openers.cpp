// The report openers of the main window: one window each, brought to the front when open,
// built afresh after closing; the export runs at once and tells the outcome.
#include "ui/openers.h"
#include "reports/reportwindows.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"
#include "ui/services.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

class TestOpeners : public QObject {
    Q_OBJECT

    test::TestDirs *m_dirs = nullptr;
    test::FakeMessageBox m_box;
    test::FakeClock m_clock;
    test::FakePrinter m_printer;
    test::FakeStation m_station;
    test::FakeMainList m_main;
    Services m_s;
    Openers m_o;
    QWidget *m_mainWindow = nullptr;

    QList<QWidget *> windowsNamed(const QString &name) const {
        QList<QWidget *> out;
        for (QWidget *w : m_mainWindow->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly)) out << w;
        return out;
    }

private slots:
    void initTestCase() {
        test::isolateUserDirectories();
        m_dirs = new test::TestDirs;
        m_dirs->writeLines(QStringLiteral("ON4_F1ABC_DNJ.log"), {logLine("Q1ABC", "NM047", "14 Mhz")});
        m_station.call = QStringLiteral("ON4_F1ABC");
        m_station.label = QStringLiteral("ON4/F1ABC");
        m_s.dataDir = m_dirs->dataDir();
        m_s.messages = &m_box;
        m_s.clock = &m_clock;
        m_s.printer = &m_printer;
        m_mainWindow = new QWidget;
        addReportOpeners(m_o, m_s, m_station, m_main, m_mainWindow);
    }
    void cleanupTestCase() {
        delete m_mainWindow;
        delete m_dirs;
    }

    void everyReportIsWired() {
        QVERIFY(m_o.adif);
        QVERIFY(m_o.scores);
        QVERIFY(m_o.contacte);
        QVERIFY(m_o.recherche);
        QVERIFY(m_o.carte);
    }

    void adifExportsAndTells() {
        m_box.clear();
        m_o.adif();
        QCOMPARE(m_box.shown, QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : ON4/F1ABC_DNJ.adi")});
        QVERIFY(m_dirs->exists(QStringLiteral("ON4_F1ABC_DNJ.adi")));
    }

    void oneWindowEach_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("scores") << "scores" << "Score_Chateaux";
        QTest::newRow("castle list") << "contacte" << "Aff_Contacte";
        QTest::newRow("search") << "recherche" << "Recherche_Indicatif";
        QTest::newRow("province map") << "carte" << "Carte_Acti_DNJ";
    }
    void oneWindowEach() {
        QFETCH(QString, which);
        QFETCH(QString, name);
        const std::function<void()> &open = which == QLatin1String("scores")     ? m_o.scores
                                            : which == QLatin1String("contacte") ? m_o.contacte
                                            : which == QLatin1String("carte")    ? m_o.carte
                                                                                 : m_o.recherche;
        open();
        QCOMPARE(windowsNamed(name).size(), 1);
        QPointer<QWidget> first = windowsNamed(name).first();
        QVERIFY(first->isVisible());
        QVERIFY(first->isWindow());
        QVERIFY(!first->isModal());
        open();
        QCOMPARE(windowsNamed(name).size(), 1);
        QCOMPARE(windowsNamed(name).first(), first.data());
        first->close();
        QTRY_VERIFY(first.isNull());  // unloaded when closed
        QCOMPARE(windowsNamed(name).size(), 0);
        open();
        QCOMPARE(windowsNamed(name).size(), 1);
        windowsNamed(name).first()->close();
    }

    // Scores are computed when the window loads, not when it is brought to the front.
    void scoresComputedAtLoad() {
        m_o.scores();
        QPointer<QWidget> w = windowsNamed(QStringLiteral("Score_Chateaux")).first();
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("HF_CT"))->text(), QStringLiteral("1"));
        m_dirs->writeLines(QStringLiteral("ON4_F1ABC_DNJ.log"),
                           {logLine("Q1ABC", "NM047", "14 Mhz"), logLine("Q1ABD", "NM048", "14 Mhz")});
        m_o.scores();
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("HF_CT"))->text(), QStringLiteral("1"));
        w->close();
        QTRY_VERIFY(w.isNull());
        m_o.scores();
        w = windowsNamed(QStringLiteral("Score_Chateaux")).first();
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("HF_CT"))->text(), QStringLiteral("2"));
        w->close();
    }
};

QTEST_MAIN(TestOpeners)
#include "tst_openers.moc"
