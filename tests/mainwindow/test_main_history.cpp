// The log's history from the window: undo (Ctrl+Z) and redo, restore of a backup, and a
// backup that cannot be written.
#include "tests/mainwindow/harness.h"

#include "logstore/history.h"
#include "logstore/logstore.h"
#include "tests/common/diskfaults.h"

#include <QTreeWidget>

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString B = record(QStringLiteral("F6ABC"), QStringLiteral("NM047"), QStringLiteral("12/07/08"), QStringLiteral("18:30"),
                         QStringLiteral("144 Mhz"), QStringLiteral("FM"));
const QString LogFile = files::logName(Q1);

// Fails the day's backup only.
class BackupFault : public FaultInjector {
public:
    bool fails(WriteStep step) const override { return step == WriteStep::Backup; }
};

void ctrlZ(QWidget *w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
}
}  // namespace

class TestMainHistory : public QObject {
    Q_OBJECT

private slots:
    // Delete, undo with Ctrl+Z in a focused field (answered No first: nothing changes): the
    // log is byte for byte as before; Ctrl+Z again (from the list this time) redoes.
    void deleteThenUndoThenRedo() {
        Harness h;
        h.station(Q1, {L, B});
        QVERIFY(h.start());
        QAction *undo = h.window->findChild<QAction *>(QStringLiteral("Mnu_Annuler"));
        QVERIFY(!undo->isEnabled());
        const QByteArray before = h.dirs.readFile(LogFile);
        h.clickItem(1);
        QTest::mouseClick(h.w<QPushButton>(QStringLiteral("Annule_Saisie")), Qt::LeftButton);
        QCOMPARE(h.logLines(Q1), QStringList{L});
        const QByteArray after = h.dirs.readFile(LogFile);
        QVERIFY(undo->isEnabled());

        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        h.messages.answers = {false};
        h.triggerMenu(QStringLiteral("Mnu_Annuler"));
        QCOMPARE(h.dirs.readFile(LogFile), after);
        h.messages.clear();
        ctrlZ(h.w(QStringLiteral("Ind_A")));
        QCOMPARE(h.messages.questions,
                 QStringList{QStringLiteral("Annuler la dernière modification ?\r\n\r\nQSO supprimé : F6ABC NM047 12/07/08 18:30 144 Mhz")});
        QCOMPARE(h.dirs.readFile(LogFile), before);
        QCOMPARE(h.window->mainListLines(), (QStringList{displayLine(L, 1), displayLine(B, 2)}));
        QCOMPARE(h.list()->currentIndex().row(), 1);
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), QStringLiteral("Saisie QSO"));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));

        h.messages.clear();
        ctrlZ(h.list());
        QCOMPARE(h.messages.questions.size(), 1);
        QVERIFY(h.messages.questions.first().endsWith(QStringLiteral("QSO ajouté : F6ABC NM047 12/07/08 18:30 144 Mhz")));
        QCOMPARE(h.dirs.readFile(LogFile), after);
    }

    // An undo is refused while a QSO is typed (Valide_A enabled), the entry kept. A restore
    // puts the day's backup back; undo takes the restore back.
    void restoreThenUndo() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        const QByteArray original = h.dirs.readFile(LogFile);
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.save();
        const QByteArray oneMore = h.dirs.readFile(LogFile);
        h.typeQso(QStringLiteral("DL1AB"), QString(), QStringLiteral("LU002"));
        QVERIFY(h.enabled(QStringLiteral("Valide_A")));
        h.messages.clear();
        ctrlZ(h.w(QStringLiteral("Rem_A")));
        QCOMPARE(h.messages.questions.size(), 0);
        QCOMPARE(h.infos().size(), 1);
        QCOMPARE(h.dirs.readFile(LogFile), oneMore);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QStringLiteral("DL1AB"));
        h.save();
        const QByteArray twoMore = h.dirs.readFile(LogFile);
        QString shownDiff;
        whenModal([&](QWidget *dialog) {
            const QTreeWidgetItem *newest = dialog->findChild<QTreeWidget *>(QStringLiteral("Liste_Sauvegardes"))->topLevelItem(0);
            shownDiff = newest->text(0) + QLatin1Char(' ') + newest->text(1) + QLatin1Char(' ') + newest->text(2);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Restaurer")), Qt::LeftButton);
        });
        h.triggerMenu(QStringLiteral("Mnu_Restaurer"));
        QCOMPARE(shownDiff, QStringLiteral("19/07/2008 1 +0 / -2 QSO"));  // the local day of the clock
        QCOMPARE(h.dirs.readFile(LogFile), original);
        QCOMPARE(h.window->mainListLines(), QStringList{displayLine(L, 1)});
        h.messages.clear();
        h.triggerMenu(QStringLiteral("Mnu_Annuler"));
        QVERIFY(h.messages.questions.value(0).endsWith(QStringLiteral("2 QSO supprimés")));
        QCOMPARE(h.dirs.readFile(LogFile), twoMore);
    }

    // A backup that cannot be written: the QSO is saved and the operator told once.
    void failedBackupIsToldOnce_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("injected fault") << false;
        QTest::newRow("read-only Sauvegardes") << true;
    }
    void failedBackupIsToldOnce() {
        QFETCH(bool, readOnlyFolder);
        Harness h;
        BackupFault fault;
        std::optional<ReadOnlyDirectory> ro;
        if (readOnlyFolder) {
            QVERIFY(QDir().mkpath(history::folderPath(h.dirs.dataDir())));
            ro.emplace(history::folderPath(h.dirs.dataDir()));
            QVERIFY(ro->inForce());
        } else {
            h.services.faults = &fault;
        }
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.save();
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.infos().size(), 1);
        QVERIFY2(h.infos().first().contains(QStringLiteral("Q1ABC_DNJ_2008-07-19.log")), qPrintable(h.infos().first()));
        QVERIFY(h.infos().first().contains(QStringLiteral("Raison : ")));
        h.typeQso(QStringLiteral("DL1AB"), QString(), QStringLiteral("LU002"));
        h.save();
        h.clickItem(0);
        QTest::mouseClick(h.w<QPushButton>(QStringLiteral("Annule_Saisie")), Qt::LeftButton);
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.infos().size(), 1);
    }
};

KASTLOG_WINDOW_TEST(TestMainHistory)
#include "test_main_history.moc"
