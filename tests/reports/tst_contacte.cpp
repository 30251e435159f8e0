// The contacted-castles window: building the list, saving it and printing it.
#include "reports/castlelist.h"
#include "reports/contactewindow.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace kastlog;
using kastlog::test::logLine;

namespace {
const QString Log = QStringLiteral("F1ABC_DNJ.log");

struct Rig {
    test::TestDirs dirs;
    test::FakeMessageBox box;
    test::FakeClock clock;  // local date 19/07/2008
    test::FakePrinter printer;
    test::FakeStation station;
    Services s;
    std::unique_ptr<AffContacte> w;

    explicit Rig(const QStringList &lines) {
        dirs.writeLines(Log, lines);
        s.dataDir = dirs.dataDir();
        s.messages = &box;
        s.clock = &clock;
        s.printer = &printer;
        w = std::make_unique<AffContacte>(s, station);
        w->show();
        w->activateWindow();  // the focus moves between its controls as for the operator
        (void)QTest::qWaitForWindowActive(w.get(), 1000);
    }
    template <class T> T *child(const char *name) const { return w->findChild<T *>(QLatin1String(name)); }
    QStringList rows() const {
        QStringList out;
        auto *l = child<QListWidget>("Liste_DNJ_Contacte");
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
    void click(const char *button) {
        child<QPushButton>(button)->setFocus();  // as a real click does: the typed text loses the focus
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void typeGroup(const QString &text) {
        auto *c = child<QComboBox>("Bande_D");
        c->lineEdit()->selectAll();
        QTest::keyClicks(c->lineEdit(), text);
    }
};

const QStringList Sample{logLine("F1A", "NM047", "14 Mhz", "19/07/08", "CHATEAU DE X", true),
                         logLine("F1B", "AN001", "144 Mhz", "18/07/08", "KASTEEL", true),
                         logLine("F1C", "LG003", "50 Mhz", "17/07/08", "BURG"),
                         logLine("F1D", "HT002", "10 Mhz", "16/07/08", "D", true)};
}  // namespace

class TestContacte : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void opensEmpty() {
        Rig r(Sample);
        QCOMPARE(r.w->objectName(), QStringLiteral("Aff_Contacte"));
        QCOMPARE(r.w->windowTitle(), QStringLiteral("Liste des chateaux contactés"));
        auto *c = r.child<QComboBox>("Bande_D");
        QVERIFY(c->isEditable());
        QCOMPARE(c->count(), 3);
        QCOMPARE(c->itemText(0), QStringLiteral("HF"));
        QCOMPARE(c->itemText(1), QStringLiteral("VHF"));
        QCOMPARE(c->itemText(2), QStringLiteral("UHF"));
        QCOMPARE(c->currentText(), QStringLiteral("HF"));
        QVERIFY(r.rows().isEmpty());
        QVERIFY(!r.child<QPushButton>("Enregistrer")->isEnabled());
        QVERIFY(!r.child<QPushButton>("Imprimer")->isEnabled());
        QCOMPARE(ui::background(r.child<QListWidget>("Liste_DNJ_Contacte")), QColor(255, 255, 192));
    }

    void afficherBuildsTheGroup_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("contactes");
        QTest::addColumn<QString>("confirmes");
        QTest::newRow("HF") << "HF" << QStringList{castlelist::row(Sample[2]), castlelist::row(Sample[0])} << "2" << "1";
        QTest::newRow("VHF") << "VHF" << QStringList{castlelist::row(Sample[1])} << "1" << "1";
        QTest::newRow("UHF") << "UHF" << QStringList() << "0" << "0";
        QTest::newRow("typed in lower case") << "hf" << QStringList() << "0" << "0";
    }
    void afficherBuildsTheGroup() {
        QFETCH(QString, group);
        QFETCH(QStringList, rows);
        QFETCH(QString, contactes);
        QFETCH(QString, confirmes);
        Rig r(Sample);
        r.typeGroup(group);
        r.click("Afficher");
        QCOMPARE(r.rows(), rows);
        QCOMPARE(r.child<QLabel>("Compt_C")->text(), contactes);
        QCOMPARE(r.child<QLabel>("Compt_V")->text(), confirmes);
        QCOMPARE(r.child<QLabel>("Label2")->text(), castlelist::ListHeader);
        QVERIFY(r.child<QPushButton>("Enregistrer")->isEnabled());
        QVERIFY(r.child<QPushButton>("Imprimer")->isEnabled());
        QVERIFY(r.box.shown.isEmpty());
    }

    // The list is re-read from disk on each display.
    void afficherRereadsTheLog() {
        Rig r(Sample);
        r.click("Afficher");
        QCOMPARE(r.rows().size(), 2);
        r.dirs.writeLines(Log, Sample + QStringList{logLine("F1E", "BR001", "7.0 Mhz")});
        r.click("Afficher");
        QCOMPARE(r.rows().size(), 3);
        QCOMPARE(r.child<QLabel>("Compt_C")->text(), QStringLiteral("3"));
    }

    void saveWritesTheDatedFile() {
        Rig r(Sample);
        r.click("Afficher");
        r.click("Enregistrer");
        const QString name = QStringLiteral("F1ABC_Liste_Chateaux_Bande_HF_19_07_08.txt");
        QCOMPARE(r.box.shown, QStringList{QStringLiteral("Fichier enregistré sous le nom : ") + name});
        const QByteArray bytes = r.dirs.readFile(name);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        const QStringList lines = r.dirs.readLines(name);
        QCOMPARE(lines, castlelist::fileLines(QStringLiteral("F1ABC"), QStringLiteral("HF"), QStringLiteral("19/07/08"),
                                              {castlelist::row(Sample[2]), castlelist::row(Sample[0])}));
        // "é" is written as the one byte 0xE9.
        QVERIFY(bytes.startsWith(" F1ABC Liste alphanumerique des Chateaux contact\xe9s bande HF au 19/07/08\r\n"));
        QVERIFY(!r.dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    // Saving takes the group text of the moment; the rows stay those of the last display.
    void saveUsesTheGroupTextOfTheClick() {
        Rig r(Sample);
        r.click("Afficher");
        r.typeGroup(QStringLiteral("UHF"));
        r.clock.localNow = ClockReading{2009, 1, 2, 8, 0, 0};
        r.click("Enregistrer");
        const QString name = QStringLiteral("F1ABC_Liste_Chateaux_Bande_UHF_02_01_09.txt");
        QVERIFY(r.dirs.exists(name));
        const QStringList lines = r.dirs.readLines(name);
        QVERIFY(lines[0].contains(QStringLiteral("bande UHF au 02/01/09")));
        QCOMPARE(lines.size(), 4 + 2 + 2);
        QCOMPARE(lines[4], QStringLiteral("    1 ") + castlelist::row(Sample[2]));
    }

    void saveTwiceReplaces() {
        Rig r(Sample);
        r.click("Afficher");
        r.click("Enregistrer");
        r.dirs.writeLines(Log, {Sample[0]});
        r.click("Afficher");
        r.click("Enregistrer");
        const QStringList lines = r.dirs.readLines(QStringLiteral("F1ABC_Liste_Chateaux_Bande_HF_19_07_08.txt"));
        QCOMPARE(lines.size(), 4 + 1 + 2);
    }

    void unusableGroupTextIsRefused_data() {
        QTest::addColumn<QString>("group");
        QTest::newRow("slash") << "H/F";
        QTest::newRow("backslash") << "H\\F";
        QTest::newRow("star") << "HF*";
    }
    void unusableGroupTextIsRefused() {
        QFETCH(QString, group);
        Rig r(Sample);
        r.click("Afficher");
        r.typeGroup(group);
        r.click("Enregistrer");
        QCOMPARE(r.box.shown.size(), 1);
        QVERIFY2(r.box.last().contains(group), qPrintable(r.box.last()));
        QVERIFY(!r.box.last().startsWith(QStringLiteral("Fichier enregistré")));
        QCOMPARE(QDir(r.dirs.dataDir()).entryList(QDir::Files), QStringList{Log});
        // Still usable: a proper group saves.
        r.typeGroup(QStringLiteral("HF"));
        r.click("Enregistrer");
        QVERIFY(r.box.last().startsWith(QStringLiteral("Fichier enregistré sous le nom : ")));
    }

    void writeFailureIsReported() {
        Rig r(Sample);
        test::FailingSteps faults({WriteStep::Rename});
        r.s.faults = &faults;
        r.click("Afficher");
        r.click("Enregistrer");
        QCOMPARE(r.box.shown.size(), 1);
        QVERIFY2(r.box.last().contains(QStringLiteral("F1ABC_Liste_Chateaux_Bande_HF_19_07_08.txt")),
                 qPrintable(r.box.last()));
        QVERIFY(!r.box.last().startsWith(QStringLiteral("Fichier enregistré")));
        QVERIFY(!r.dirs.exists(QStringLiteral("F1ABC_Liste_Chateaux_Bande_HF_19_07_08.txt")));
        QVERIFY(r.child<QPushButton>("Enregistrer")->isEnabled());
    }

    void printSendsTheLines() {
        Rig r(Sample);
        r.click("Afficher");
        r.click("Imprimer");
        QCOMPARE(r.printer.dialogs, 1);
        QCOMPARE(r.printer.fonts, QStringList{QStringLiteral("Courier New 9 bold")});
        QCOMPARE(r.printer.lines,
                 castlelist::printLines(QStringLiteral("F1ABC"), QStringLiteral("HF"), QStringLiteral("19/07/08"),
                                        {castlelist::row(Sample[2]), castlelist::row(Sample[0])}));
        QCOMPARE(r.printer.lines[4], QStringLiteral("        1 ") + castlelist::row(Sample[2]));
        QCOMPARE(r.printer.documents, 1);
        QVERIFY(r.box.shown.isEmpty());
    }

    void cancelledPrinterChoicePrintsNothing() {
        Rig r(Sample);
        r.printer.accept = false;
        r.click("Afficher");
        r.click("Imprimer");
        QCOMPARE(r.printer.dialogs, 1);
        QVERIFY(r.printer.lines.isEmpty());
        QCOMPARE(r.printer.documents, 0);
        QVERIFY(r.box.shown.isEmpty());
    }

    void printerFailureIsReported() {
        Rig r(Sample);
        r.printer.failWith = QStringLiteral("plus de papier");
        r.click("Afficher");
        r.click("Imprimer");
        QCOMPARE(r.box.shown.size(), 1);
        QVERIFY(r.box.last().contains(QStringLiteral("plus de papier")));
        QVERIFY(r.child<QPushButton>("Imprimer")->isEnabled());
    }

    void missingLogIsReported() {
        Rig r(Sample);
        QFile::remove(r.dirs.path(Log));
        r.click("Afficher");
        QCOMPARE(r.box.shown.size(), 1);
        QVERIFY(r.box.last().contains(Log));
        QVERIFY(r.rows().isEmpty());
    }
};

QTEST_MAIN(TestContacte)
#include "tst_contacte.moc"
