// The log's history from the window: undo (Ctrl+Z) and redo, restore of a backup, and a
// backup that cannot be written.
#include "tests/mainwindow/harness.h"

#include "logstore/history.h"
#include "logstore/logstore.h"
#include "tests/common/diskfaults.h"

#include <QTreeWidget>

#include <optional>

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

    // An undo is refused while a QSO is typed, the entry kept. A restore
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

    // A history that cannot be written: the QSO is saved and the operator told at every
    // change; a precedent that could not be kept is never swapped back.
    void failedBackupIsToldEveryTime_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("injected fault") << false;
        QTest::newRow("read-only Sauvegardes") << true;
    }
    void failedBackupIsToldEveryTime() {
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
        QCOMPARE(h.infos().first().contains(QStringLiteral("ne pourra pas être annulée (Ctrl+Z)")), readOnlyFolder);
        h.typeQso(QStringLiteral("DL1AB"), QString(), QStringLiteral("LU002"));
        h.save();
        h.clickItem(0);
        QTest::mouseClick(h.w<QPushButton>(QStringLiteral("Annule_Saisie")), Qt::LeftButton);
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.infos().size(), 3);
    }

    // Undo and restore wait for the QSO typed, inserted or edited: a message, nothing changed,
    // the entry kept.
    void undoAndRestoreWaitForTheEntry_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("action");
        for (const char *mode : {"Saisie QSO", "Insertion QSO", "Modification QSO"})
            for (const char *action : {"Mnu_Annuler", "Mnu_Restaurer"})
                QTest::addRow("%s, %s", mode, action) << QString::fromUtf8(mode) << QString::fromLatin1(action);
    }
    void undoAndRestoreWaitForTheEntry() {
        QFETCH(QString, mode);
        QFETCH(QString, action);
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.save();
        const QByteArray log = h.dirs.readFile(LogFile);
        if (mode == QLatin1String("Saisie QSO")) {
            h.typeEnter(QStringLiteral("Ind_A"), QStringLiteral("DL1AB"));
            h.typeEnter(QStringLiteral("Prenom_A"), QStringLiteral("KARL"));
            h.typeEnter(QStringLiteral("Ref_A"), QStringLiteral("LU002"));
        } else if (mode == QLatin1String("Insertion QSO")) {
            QTest::mouseClick(h.w<QPushButton>(QStringLiteral("Ajout_QSO")), Qt::LeftButton);
        } else {
            h.doubleClickItem(0);
        }
        const QString call = h.text(QStringLiteral("Ind_A"));
        h.messages.clear();
        if (action == QLatin1String("Mnu_Annuler")) ctrlZ(h.window->focusWidget());
        else h.triggerMenu(action);
        QCOMPARE(h.messages.questions, QStringList());
        QCOMPARE(h.infos(), QStringList{QStringLiteral("Un QSO est en cours de saisie ou de modification : validez-le ou "
                                                       "annulez la saisie en cours avant de changer le log.")});
        QCOMPARE(h.dirs.readFile(LogFile), log);
        QCOMPARE(h.text(QStringLiteral("Mode_Aff")), mode);
        QCOMPARE(h.text(QStringLiteral("Ind_A")), call);
    }

    // Ctrl+Z reaches the log's undo from every field, the combo boxes included.
    void ctrlZFromEveryField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("editing");
        QTest::newRow("Ind_A") << "Ind_A" << false;
        QTest::newRow("Bande_A") << "Bande_A" << false;
        QTest::newRow("Liste_DNJ") << "Liste_DNJ" << false;
        QTest::newRow("Mode_A, while editing") << "Mode_A" << true;
    }
    void ctrlZFromEveryField() {
        QFETCH(QString, field);
        QFETCH(bool, editing);
        Harness h;
        h.station(Q1, {L, B});
        QVERIFY(h.start());
        h.clickItem(1);
        QTest::mouseClick(h.w<QPushButton>(QStringLiteral("Annule_Saisie")), Qt::LeftButton);
        if (editing) h.doubleClickItem(0);
        h.messages.clear();
        h.messages.answers = {false};
        ctrlZ(h.w(field));
        QCOMPARE(h.messages.shown.size(), 1);
        QCOMPARE(h.messages.questions.size(), editing ? 0 : 1);
    }

    // Ctrl+Z after a hand edit says why it cannot undo; after the log was deleted, Ctrl+Z
    // and Restaurer bring it back; a file in the place of Sauvegardes is named as such.
    void historyOfAnOddLog_data() {
        QTest::addColumn<int>("odd");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("told");   // the question or message, its start
        QTest::addColumn<bool>("changes");   // Yes brings the log back
        QTest::newRow("edited by hand, Ctrl+Z") << 0 << "Mnu_Annuler" << "La dernière modification ne peut pas être annulée." << false;
        QTest::newRow("deleted, Ctrl+Z") << 1 << "Mnu_Annuler" << "Le log est introuvable :" << true;
        QTest::newRow("deleted, Restaurer") << 1 << "Mnu_Restaurer" << "Remplacer le log par la sauvegarde du 19/07/2008 ?" << true;
        QTest::newRow("Sauvegardes is a file, Restaurer") << 2 << "Mnu_Restaurer" << "Les sauvegardes ne peuvent pas être lues." << false;
    }
    void historyOfAnOddLog() {
        QFETCH(int, odd);
        QFETCH(QString, action);
        QFETCH(QString, told);
        QFETCH(bool, changes);
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        const QByteArray original = h.dirs.readFile(LogFile);
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.save();
        if (odd == 0) h.dirs.writeFile(LogFile, h.dirs.readFile(LogFile) + "HAND1\r\n");
        if (odd == 1) QVERIFY(QFile::remove(h.dirs.path(LogFile)));
        if (odd == 2) {
            QVERIFY(QDir(history::folderPath(h.dirs.dataDir())).removeRecursively());
            h.dirs.writeFile(history::Folder, "x");
        }
        const QByteArray before = h.dirs.readFile(LogFile);
        h.messages.clear();
        if (action == QLatin1String("Mnu_Restaurer") && odd != 2)  // no list without a folder
            whenModal([](QWidget *dialog) { QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Restaurer")), Qt::LeftButton); });
        h.triggerMenu(action);
        QVERIFY2(!h.messages.shown.isEmpty() && h.messages.shown.first().startsWith(told), qPrintable(h.messages.shown.join('|')));
        QCOMPARE(h.dirs.readFile(LogFile), changes ? original : before);
        if (changes) QCOMPARE(h.window->mainListLines(), QStringList{displayLine(L, 1)});
    }

    // The restore list counts QSO, not lines, and shows backups dated in the future last;
    // the question names the lines that are not QSO.
    void restoreListCountsQsos() {
        Harness h;
        h.station(Q1, {L});
        const QString folder = history::Folder + QLatin1Char('/');
        QVERIFY(QDir().mkpath(history::folderPath(h.dirs.dataDir())));
        h.dirs.writeFile(folder + history::dailyName(Q1, QDate(2008, 7, 18)), "-- copie --\r\n\r\n" + L.toLatin1() + "\r\nfin\r\n");
        h.dirs.writeFile(folder + history::dailyName(Q1, QDate(2030, 1, 1)), L.toLatin1() + "\r\n");
        QVERIFY(h.start());
        QStringList rows;
        whenModal([&](QWidget *dialog) {
            const QTreeWidget *list = dialog->findChild<QTreeWidget *>(QStringLiteral("Liste_Sauvegardes"));
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *it = list->topLevelItem(i);
                rows << QStringList{it->text(0), it->text(1), it->text(2), it->text(3)}.join(QLatin1Char('|'));
            }
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Restaurer")), Qt::LeftButton);
        });
        h.messages.answers = {false};
        const QByteArray log = h.dirs.readFile(LogFile);
        h.triggerMenu(QStringLiteral("Mnu_Restaurer"));
        QCOMPARE(rows, (QStringList{QStringLiteral("18/07/2008|1|+0 / -0 QSO|3"),
                                    QStringLiteral("01/01/2030 (date future)|1|+0 / -0 QSO|")}));
        QCOMPARE(h.messages.questions,
                 QStringList{QStringLiteral("Remplacer le log par la sauvegarde du 18/07/2008 ?\r\n\r\n3 lignes de la sauvegarde ne "
                                            "sont pas des QSO ; elles seront copiées telles quelles dans le log :\r\n"
                                            "ligne 1 : -- copie --\r\nligne 2 : (vide)\r\nligne 4 : fin")});
        QCOMPARE(h.dirs.readFile(LogFile), log);
    }
};

KASTLOG_WINDOW_TEST(TestMainHistory)
#include "test_main_history.moc"
