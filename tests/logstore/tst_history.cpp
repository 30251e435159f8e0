// The log's history: the day's backup, the precedent content, undo and restore.
#include "logstore/history.h"
#include "logstore/logstore.h"
#include "tests/common/diskfaults.h"
#include "tests/common/fakes.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QtTest>

#include <optional>

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString Call = QStringLiteral("ON4XYZ");
const QString LogName = QStringLiteral("ON4XYZ_DNJ.log");

QString qso(const QString &call, const QString &ref = QStringLiteral("NM047"), const QString &time = QStringLiteral("14:05")) {
    return qsoRecord(call, ref, QStringLiteral("09/12/26"), time, QStringLiteral("14 Mhz"));
}

// A file of the Sauvegardes folder, by its name in the data directory; read empty when missing.
QString backupFile(const QString &name) { return history::Folder + QLatin1Char('/') + name; }
QByteArray saved(const TestDirs &d, const QString &name) { return d.readFile(backupFile(name)); }

// What spoils the pair (precedent, log) after a change, for the undo's refusals.
enum class Spoil { HistoryNotWritten, PrecedentNotMoved, HandEdit, NoNote, LogDeleted };

// The disk is full while the day's backup takes its room: every write of the log fails then.
class FullWhileBackedUp : public FaultInjector {
public:
    explicit FullWhileBackedUp(QString backup, bool always = false) : m_backup(std::move(backup)), m_always(always) {}
    bool fails(WriteStep step) const override { return step == WriteStep::Write && (m_always || QFileInfo::exists(m_backup)); }

private:
    QString m_backup;
    bool m_always;
};
}  // namespace
Q_DECLARE_METATYPE(Spoil)

class TestHistory : public QObject {
    Q_OBJECT
    FakeClock m_clock;
    history::Options options() { return {true, &m_clock}; }

private slots:
    void init() { m_clock.localNow = {2026, 12, 9, 6, 30, 0}; }

    // One backup per local day, of the log before its first change that day, never replaced.
    void dailyBackupOncePerDay() {
        TestDirs dirs;
        const QByteArray start = bytesOf({qso("F5A")});
        dirs.writeFile(LogName, start);
        const LogStore store(dirs.dataDir(), Call, nullptr, options());
        QVERIFY(store.enregistreQso(qso("G4D")).ok);
        QVERIFY(dirs.readFile(LogName) != start);
        QVERIFY(store.enregistreQso(qso("K1E")).ok);
        QCOMPARE(saved(dirs, QStringLiteral("ON4XYZ_DNJ_2026-12-09.log")), start);
        m_clock.localNow = {2026, 12, 10, 0, 0, 1};  // UTC may still be the day before: local counts
        m_clock.utcNow = {2026, 12, 9, 23, 0, 1};
        const QByteArray beforeNextDay = dirs.readFile(LogName);
        QVERIFY(store.supprimeQso(qso("F5A")).ok);
        QCOMPARE(saved(dirs, QStringLiteral("ON4XYZ_DNJ_2026-12-10.log")), beforeNextDay);
        QCOMPARE(saved(dirs, QStringLiteral("ON4XYZ_DNJ_2026-12-09.log")), start);
    }

    // Undo swaps log and precedent byte for byte (line ends of a hand edit included); a
    // second undo redoes. The next change moves the precedent on; one that changes nothing
    // keeps it.
    void undoSwapsAndRedoes() {
        TestDirs dirs;
        const QByteArray before = QByteArray(qso("F5A").toLatin1() + "\n" + qso("DL1B", "LG012").toLatin1());
        dirs.writeFile(LogName, before);
        const LogStore store(dirs.dataDir(), Call, nullptr, options());
        QVERIFY(!store.canUndo());
        QVERIFY(store.supprimeQso(qso("F5A")).ok);
        const QByteArray after = dirs.readFile(LogName);
        QVERIFY(store.canUndo());
        QVERIFY(store.undo().ok);
        QCOMPARE(dirs.readFile(LogName), before);
        QVERIFY(store.undo().ok);
        QCOMPARE(dirs.readFile(LogName), after);
        QCOMPARE(saved(dirs, history::precedentName(Call)), before);

        QVERIFY(store.modifieQso(qso("G4D"), qso("DL1B", "LG012")).ok);
        QVERIFY(store.supprimeQso(qso("NOBODY")).ok);
        QCOMPARE(saved(dirs, history::precedentName(Call)), after);
        QVERIFY(dirs.readFile(LogName) != after);
        QVERIFY(!dirs.exists(files::Temporaire));
    }

    // The 30 newest backups stay; other stations' backups are left alone.
    void keepsThirtyNewest() {
        TestDirs dirs;
        QDir().mkpath(history::folderPath(dirs.dataDir()));
        const QString other = backupFile(history::dailyName(QStringLiteral("F5ZZ"), QDate(2020, 1, 1)));
        dirs.writeFile(other, {});
        for (int d = 1; d <= 31; ++d) dirs.writeFile(backupFile(history::dailyName(Call, QDate(2026, 10, 1).addDays(d))), {});
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        QVERIFY(LogStore(dirs.dataDir(), Call, nullptr, options()).enregistreQso(qso("G4D")).ok);
        const QList<history::Backup> kept = history::dailyBackups(dirs.dataDir(), Call, QDate(2026, 12, 9));
        QCOMPARE(kept.size(), 30);
        QCOMPARE(kept.first().day, QDate(2026, 12, 9));
        QCOMPARE(kept.last().day, QDate(2026, 10, 4));  // the 2nd and 3rd of October went
        QVERIFY(dirs.exists(other));
    }

    // The undo swaps only a precedent known to be the log just before the current one; a
    // deleted log is brought back. Any other state is refused, says why and changes nothing.
    void undoOnlyFromTheLogJustBefore_data() {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("reason");
        QTest::newRow("history not written, two more changes") << Spoil::HistoryNotWritten << "le log a changé";
        QTest::newRow("killed between swap and move") << Spoil::PrecedentNotMoved << "interrompu";
        QTest::newRow("edited by hand") << Spoil::HandEdit << "hors de KASTLOG";
        QTest::newRow("precedent of an older version") << Spoil::NoNote << "rien ne dit";
        QTest::newRow("log deleted") << Spoil::LogDeleted << QString();
    }
    void undoOnlyFromTheLogJustBefore() {
        QFETCH(Spoil, spoil);
        QFETCH(QString, reason);
        TestDirs dirs;
        const QByteArray start = bytesOf({qso("F5A")});
        dirs.writeFile(LogName, start);
        const LogStore store(dirs.dataDir(), Call, nullptr, options());
        QVERIFY(store.enregistreQso(qso("G4D")).history.ok());
        const QByteArray afterFirst = dirs.readFile(LogName);
        std::optional<ReadOnlyDirectory> readOnly;
        switch (spoil) {
        case Spoil::HistoryNotWritten:
            readOnly.emplace(history::folderPath(dirs.dataDir()));
            QVERIFY(readOnly->inForce());
            QVERIFY(!store.enregistreQso(qso("K1E")).history.ok());
            QVERIFY(!store.enregistreQso(qso("W1F")).history.ok());
            break;
        case Spoil::PrecedentNotMoved:  // the log swapped, its old content not yet moved
            QVERIFY(store.enregistreQso(qso("K1E")).history.ok());
            dirs.writeFile(backupFile(history::precedentName(Call)), start);
            break;
        case Spoil::HandEdit:
            dirs.writeFile(LogName, afterFirst + "HAND1\r\n");
            break;
        case Spoil::NoNote:
            QVERIFY(QFile::remove(history::notePath(dirs.dataDir(), Call)));
            break;
        case Spoil::LogDeleted:
            QVERIFY(QFile::remove(store.logPath()));
            break;
        }
        const QByteArray log = dirs.readFile(LogName);
        const history::UndoState state = store.undoState();
        const ChangeResult undone = store.undo();
        if (reason.isEmpty()) {
            QCOMPARE(state.kind, history::UndoState::Ready);
            QVERIFY(undone.ok);
            QCOMPARE(dirs.readFile(LogName), start);
            return;
        }
        QCOMPARE(state.kind, history::UndoState::Refused);
        QVERIFY2(state.reason.contains(reason), qPrintable(state.reason));
        QVERIFY(!undone.ok);
        QCOMPARE(undone.reason, state.reason);
        QCOMPARE(dirs.readFile(LogName), log);
    }

    // An undo or a restore that cannot keep the log it replaces leaves the log as it is.
    void swapBackNeedsRoomForTheLog() {
        TestDirs dirs;
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        const LogStore store(dirs.dataDir(), Call, nullptr, options());
        QVERIFY(store.enregistreQso(qso("G4D")).history.ok());
        const QByteArray log = dirs.readFile(LogName);
        ReadOnlyDirectory readOnly(history::folderPath(dirs.dataDir()));
        QVERIFY(readOnly.inForce());
        for (const ChangeResult &r : {store.undo(), store.restore(history::folderPath(dirs.dataDir()) + "/ON4XYZ_DNJ_2026-12-09.log")}) {
            QVERIFY(!r.ok);
            QCOMPARE(dirs.readFile(LogName), log);
        }
        QCOMPARE(store.undoState().kind, history::UndoState::Ready);
    }

    // A change that finds no room once the day's backup is written goes through without it,
    // and says so; without room even then, the log stays as it was.
    void backupGivesWayToTheChange_data() {
        QTest::addColumn<bool>("fullAnyway");
        QTest::newRow("room once the backup is gone") << false;
        QTest::newRow("no room at all") << true;
    }
    void backupGivesWayToTheChange() {
        QFETCH(bool, fullAnyway);
        TestDirs dirs;
        const QByteArray start = bytesOf({qso("F5A")});
        dirs.writeFile(LogName, start);
        const QString backup = dirs.path(backupFile(history::dailyName(Call, QDate(2026, 12, 9))));
        const FullWhileBackedUp full(backup, fullAnyway);
        const ChangeResult r = LogStore(dirs.dataDir(), Call, &full, options()).enregistreQso(qso("G4D"));
        QCOMPARE(r.ok, !fullAnyway);
        QCOMPARE(dirs.readFile(LogName) == start, fullAnyway);
        QVERIFY(!QFileInfo::exists(backup));
        if (fullAnyway) return;
        QVERIFY(r.history.backupDropped);
        const QList<history::KeptProblem> told = history::problems(r.history);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().what, QStringLiteral("la sauvegarde du jour n'a pas pu être gardée : elle a été retirée pour "
                                                   "laisser la place au log"));
        QCOMPARE(told.first().reason, QStringLiteral("le disque est plein"));
    }

    // A clock set back: the day's backup is the oldest, and stays; backups dated after
    // today are listed last, as such.
    void clockSetBack() {
        TestDirs dirs;
        QDir().mkpath(history::folderPath(dirs.dataDir()));
        for (int d = 0; d < 30; ++d) dirs.writeFile(backupFile(history::dailyName(Call, QDate(2026, 11, 1).addDays(d))), {});
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        m_clock.localNow = {2020, 1, 1, 12, 0, 0};
        QVERIFY(LogStore(dirs.dataDir(), Call, nullptr, options()).enregistreQso(qso("G4D")).history.ok());
        const QList<history::Backup> listed = history::dailyBackups(dirs.dataDir(), Call, QDate(2020, 1, 1));
        QCOMPARE(listed.size(), 30);
        QCOMPARE(listed.first().day, QDate(2020, 1, 1));
        QVERIFY(!listed.first().future);
        QCOMPARE(listed.at(1).day, QDate(2026, 11, 30));
        QVERIFY(listed.at(1).future);
        QCOMPARE(listed.last().day, QDate(2026, 11, 2));  // the oldest of the others went
    }

    // A plain file where the folder should be: no backup, no undo, and the reason says so.
    void fileInPlaceOfTheFolder() {
        TestDirs dirs;
        dirs.writeFile(history::Folder, "not a folder");
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        const LogStore store(dirs.dataDir(), Call, nullptr, options());
        const ChangeResult r = store.enregistreQso(qso("G4D"));
        QVERIFY(r.ok);
        const QList<history::KeptProblem> told = history::problems(r.history);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().reason, QStringLiteral("un fichier porte le nom du dossier des sauvegardes"));
        QCOMPARE(history::folderProblem(dirs.dataDir()), told.first().reason);
        QCOMPARE(store.undoState().kind, history::UndoState::Refused);
    }

    // The lines of a backup that are not QSO, told before it is restored.
    void describeOtherLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("text");
        const QString a = qso("F5A");
        // The restore question of the window shows short ones; here, how long ones are cut.
        QTest::newRow("long line") << QStringList{a, QString(a).replace(40, 8, "32/13/26")}
                                   << "1 ligne de la sauvegarde n'est pas un QSO ; elle sera copiée telle quelle dans le log :\r\n"
                                      "ligne 2 : " + QString(a).replace(40, 8, "32/13/26").left(60) + "...";
        QStringList many(12, QStringLiteral("x"));
        QTest::newRow("twelve") << many << "12 lignes de la sauvegarde ne sont pas des QSO ; elles seront copiées telles quelles "
                                           "dans le log :\r\nligne 1 : x\r\nligne 2 : x\r\nligne 3 : x\r\nligne 4 : x\r\n"
                                           "ligne 5 : x\r\nligne 6 : x\r\nligne 7 : x\r\nligne 8 : x\r\nligne 9 : x\r\n"
                                           "ligne 10 : x\r\net 2 autres lignes";
    }
    void describeOtherLines() {
        QFETCH(QStringList, lines);
        QFETCH(QString, text);
        QCOMPARE(history::describeOtherLines(lines), text);
    }

    void historyOff() {
        TestDirs dirs;
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        QVERIFY(LogStore(dirs.dataDir(), Call, nullptr, {false, &m_clock}).enregistreQso(qso("G4D")).ok);
        QVERIFY(!QFileInfo::exists(history::folderPath(dirs.dataDir())));
    }

    // The words of the undo question and the restore dialog's count (a single deletion and a
    // single addition are shown by the window's undo and redo).
    void describeChange_data() {
        QTest::addColumn<QStringList>("from");
        QTest::addColumn<QStringList>("to");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        const QString a = qso("ON4XYZ"), b = qso("F5A", "LG012", "15:10"), c = qso("K1E"), d = qso("G4D");
        QTest::newRow("three added") << QStringList{a} << QStringList{a, b, c, d} << "3 QSO ajoutés" << "+3 / -0 QSO";
        QTest::newRow("modified") << QStringList{a, b} << QStringList{a, c} << "QSO modifié : F5A LG012 09/12/26 15:10 14 Mhz"
                                  << "+1 / -1 QSO";
        QTest::newRow("twice, once removed") << QStringList{a, a, b} << QStringList{a, b} << "QSO supprimé : ON4XYZ NM047 09/12/26 14:05 14 Mhz"
                                             << "+0 / -1 QSO";
        QTest::newRow("mixed") << QStringList{a, b, c} << QStringList{d} << "QSO ajouté : G4D NM047 09/12/26 14:05 14 Mhz, 3 QSO supprimés"
                               << "+1 / -3 QSO";
        // An import of confirmations marks lines: confirmed, not removed and added.
        const QString aMarked = a.left(106) + QLatin1Char('*'), bMarked = b.left(106) + QLatin1Char('*');
        QTest::newRow("one confirmed") << QStringList{a, b} << QStringList{aMarked, b}
                                       << "QSO confirmé : ON4XYZ NM047 09/12/26 14:05 14 Mhz" << "+1 / -1 QSO";
        QTest::newRow("added and confirmed") << QStringList{a, b} << QStringList{aMarked, bMarked, c, d}
                                             << "2 QSO ajoutés, 2 QSO confirmés" << "+4 / -2 QSO";
        QTest::newRow("order only") << QStringList{a, b} << QStringList{b, a} << "aucun QSO changé" << "+0 / -0 QSO";
        // One line gone and another come elsewhere (a hand edit, a restore): no edit of either.
        QTest::newRow("one gone, another come") << QStringList{a, b} << QStringList{c, a}
                                                << "QSO ajouté : K1E NM047 09/12/26 14:05 14 Mhz, QSO supprimé : F5A LG012 09/12/26 15:10 14 Mhz"
                                                << "+1 / -1 QSO";
        QTest::newRow("lines that are no QSO") << QStringList{a, "note"} << QStringList{a, "HAND1", QString(), b}
                                               << "QSO ajouté : F5A LG012 09/12/26 15:10 14 Mhz, 2 autres lignes ajoutées, "
                                                  "1 autre ligne supprimée"
                                               << "+1 / -0 QSO";
    }
    void describeChange() {
        QFETCH(QStringList, from);
        QFETCH(QStringList, to);
        QFETCH(QString, text);
        QFETCH(QString, count);
        QCOMPARE(history::describeChange(from, to), text);
        QCOMPARE(history::countChange(from, to), count);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
