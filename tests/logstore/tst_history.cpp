// The log's history: the day's backup, the precedent content, undo and restore.
#include "logstore/history.h"
#include "logstore/logstore.h"
#include "tests/common/fakes.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QtTest>

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
}  // namespace

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
        const QList<history::Backup> kept = history::dailyBackups(dirs.dataDir(), Call);
        QCOMPARE(kept.size(), 30);
        QCOMPARE(kept.first().day, QDate(2026, 12, 9));
        QCOMPARE(kept.last().day, QDate(2026, 10, 4));  // the 2nd and 3rd of October went
        QVERIFY(dirs.exists(other));
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
