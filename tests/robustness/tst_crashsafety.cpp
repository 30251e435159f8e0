// Kills the change driver with SIGKILL at random moments and checks after every kill that the
// log and the first-name memory hold exactly the content before or after the change that was
// under way, never anything else, and that the next run carries on from there. The history
// files, when present, are each a complete log the run has had at some point, and an undo
// that is offered swaps one of them back. Then kills an undo, a restore and a change at every
// step that makes a file durable, and checks that the undo offered afterwards is the right one
// or none.
#include "logstore/clock.h"
#include "logstore/history.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "tests/common/testdirs.h"
#include "tests/robustness/workload.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSet>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

using namespace kastlog;

namespace {
const QString Call = QStringLiteral("F4ABC");
constexpr int Kills = 200;

QByteArray bytesOf(const QStringList &lines) {
    QByteArray b;
    if (!joinLines(lines, b)) qFatal("workload text outside Windows-1252");
    return b;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray digest(const QByteArray &b) { return QCryptographicHash::hash(b, QCryptographicHash::Sha1); }
}  // namespace

class TstCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void survivesRandomKills();
    void killsAtEveryStep_data();
    void killsAtEveryStep();
};

void TstCrashSafety::survivesRandomKills() {
    test::TestDirs dirs;
    const QString dir = dirs.dataDir();
    const LogStore store(dir, Call);
    const QString prenomPath = dirs.path(files::ListePrenom);

    QStringList log = robust::initialLog(2000);
    QStringList prenoms = robust::initialPrenoms();
    dirs.writeFile(files::logName(Call), bytesOf(log));
    dirs.writeFile(files::ListePrenom, bytesOf(prenoms));

    const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/kastlog_crashdriver");
    QVERIFY2(QFile::exists(driver), qPrintable(driver));

    QSet<QByteArray> seen{digest(bytesOf(log))};  // every content the log has had
    int precedents = 0;
    QRandomGenerator delays(20261208);
    int interrupted = 0, interruptedAfter = 0, interruptedInRestore = 0, changesDone = 0, leftovers = 0, undoReady = 0;
    QElapsedTimer clock;
    clock.start();
    for (int run = 0; run < Kills; ++run) {
        const quint32 seed = quint32(run + 1);
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(driver, {dir, Call, QString::number(seed)});
        QVERIFY2(p.waitForStarted(5000), qPrintable(p.errorString()));
        // Start the clock once the driver has read the log, so the delay falls among changes.
        QByteArray out;
        while (!out.contains('\n') && p.state() == QProcess::Running) {
            p.waitForReadyRead(5000);
            out += p.readAllStandardOutput();
        }
        QVERIFY2(out.startsWith("R\n"), qPrintable(QStringLiteral("run %1: %2 %3").arg(run)
                     .arg(QString::fromLocal8Bit(out), QString::fromLocal8Bit(p.readAllStandardError()))));
        QThread::usleep(delays.bounded(500u, 120000u));
        p.kill();  // SIGKILL
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        out += p.readAllStandardOutput();

        // Replay what the driver announced.
        int lastBegun = -1, lastChanged = -1, lastEnded = -1;
        for (const QByteArray &l : out.split('\n')) {
            QVERIFY2(!l.startsWith('X'), l.constData());
            if (l.startsWith("B ")) lastBegun = l.mid(2).toInt();
            if (l.startsWith("U ")) lastChanged = l.mid(2).toInt();
            if (l.startsWith("E ")) lastEnded = l.mid(2).toInt();
        }
        QVERIFY(lastBegun == lastEnded || lastBegun == lastEnded + 1);
        for (int s = 0; s <= lastEnded; ++s) {
            const robust::Change c = robust::changeAt(seed, s, log);
            log = robust::applyToLog(log, c);
            prenoms = robust::applyToPrenoms(prenoms, c);
            seen.insert(digest(bytesOf(log)));
        }
        changesDone += lastEnded + 1;
        QStringList logAfter = log, prenomsAfter = prenoms;
        if (lastBegun > lastEnded) {
            ++interrupted;
            const robust::Change c = robust::changeAt(seed, lastBegun, log);
            logAfter = robust::applyToLog(log, c);
            prenomsAfter = robust::applyToPrenoms(prenoms, c);
            seen.insert(digest(bytesOf(logAfter)));
        }

        // The files exist, read back, and hold the content before or after, nothing else. Once
        // the change is done, a kill in its undo may leave the content before, one in its
        // restore the day's backup.
        const LoadedLog loaded = store.load();
        QVERIFY2(loaded.read.ok(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(loaded.read.reason)));
        const QByteArray logBytes = readAll(store.logPath());
        const QString where = QStringLiteral("run %1, change %2").arg(run).arg(lastBegun);
        const bool changed = lastBegun > lastEnded && lastChanged == lastBegun;
        const QDir backups(history::folderPath(dir));
        if (logBytes == bytesOf(logAfter)) {
            if (lastBegun > lastEnded && logAfter != log) ++interruptedAfter;
            log = logAfter;
        } else if (changed && lastBegun % 5 != 4) {
            const QList<history::Backup> days = history::dailyBackups(dir, Call, QDate::currentDate());
            const bool isBackup = std::any_of(days.begin(), days.end(), [&](const history::Backup &b) {
                return readAll(b.path) == logBytes;
            });
            QVERIFY2(lastBegun % 7 == 6 && isBackup, qPrintable(where + QStringLiteral(": log is neither after nor the backup")));
            log = splitLines(logBytes);
            ++interruptedInRestore;
        } else {
            QVERIFY2(logBytes == bytesOf(log), qPrintable(where + QStringLiteral(": log is neither before nor after")));
        }
        QCOMPARE(loaded.displayLines().size(), log.size());
        const ReadResult pr = readTextFile(prenomPath);
        QVERIFY2(pr.ok(), qPrintable(where + QStringLiteral(": ") + pr.reason));
        const QByteArray prenomBytes = readAll(prenomPath);
        if (prenomBytes == bytesOf(prenomsAfter)) {
            prenoms = prenomsAfter;
        } else {
            QVERIFY2(prenomBytes == bytesOf(prenoms),
                     qPrintable(where + QStringLiteral(": first names are neither before nor after")));
        }
        // An undo offered swaps back a log the run has had.
        const history::UndoState undo = store.undoState();
        if (undo.kind == history::UndoState::Ready) {
            ++undoReady;
            QVERIFY2(seen.contains(digest(undo.precedent)), qPrintable(where + QStringLiteral(": the undo offers an unknown log")));
        }
        for (const QString &name : backups.entryList(QDir::Files)) {
            if (name.endsWith(QStringLiteral(".tmp"))) continue;  // a history copy cut short, never read
            if (name == history::noteName(Call)) continue;
            QVERIFY2(seen.contains(digest(readAll(backups.filePath(name)))),
                     qPrintable(where + QStringLiteral(": ") + name + QStringLiteral(" is not a complete earlier log")));
        }
        if (QFile::exists(history::precedentPath(dir, Call))) ++precedents;
        if (QFile::exists(dirs.path(files::Temporaire)) || QFile::exists(dirs.path(files::Temporaire6)))
            ++leftovers;  // the next run's rewrite must cope with it
    }
    qInfo("%d kills survived (%d in the middle of a change, of which %d had already replaced the log and %d "
          "left the restored backup; %d left a temporary file), %d changes completed, %d checks of a precedent "
          "file, %d undos offered, %lld ms",
          Kills, interrupted, interruptedAfter, interruptedInRestore, leftovers, changesDone, precedents, undoReady,
          qint64(clock.elapsed()));
    // The log kept roughly its size, so every run worked on a log of about 2000 QSOs.
    QVERIFY(log.size() > 1500 && log.size() < 2500);
    QVERIFY(changesDone > Kills);  // the delays let the driver work, not just start
    QVERIFY(precedents > Kills / 2);  // the history was kept through the runs
}

// The operation killed, on a log L2 whose last change was L1 -> L2 (yesterday's backup holds
// L0): a change (L2 -> L3, deleting the first line), an undo (L2 -> L1), a restore of
// yesterday's backup (L2 -> L0). The first change of today also writes today's backup.
void TstCrashSafety::killsAtEveryStep_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("change") << QStringLiteral("change");
    QTest::newRow("undo") << QStringLiteral("undo");
    QTest::newRow("restore") << QStringLiteral("restore");
}

void TstCrashSafety::killsAtEveryStep() {
    QFETCH(QString, operation);
    const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/kastlog_crashdriver");
    const SystemClock yesterday([] { return QDateTime::currentDateTime().addDays(-1); });
    const QStringList l0 = robust::initialLog(40);
    const QStringList l1 = l0.mid(1);
    const QStringList l2 = l1 + robust::initialLog(41).mid(40);
    const QStringList after = operation == QLatin1String("change") ? l2.mid(1) : operation == QLatin1String("undo") ? l1 : l0;

    int steps = 0, undoKept = 0;
    for (int n = 1;; ++n) {
        QVERIFY2(n < 100, "the operation never ends");
        test::TestDirs dirs;
        const QString dir = dirs.dataDir();
        dirs.writeFile(files::logName(Call), bytesOf(l0));
        const LogStore before(dir, Call, nullptr, {true, &yesterday});
        QVERIFY(before.supprimeQso(l0.first()).history.ok());
        QVERIFY(before.enregistreQso(l2.last()).history.ok());
        QCOMPARE(readAll(before.logPath()), bytesOf(l2));
        const QString backup = QDir(history::folderPath(dir)).filePath(history::dailyName(Call, QDate::currentDate().addDays(-1)));
        QCOMPARE(readAll(backup), bytesOf(l0));

        QProcess p;
        p.start(driver, {QStringLiteral("--kill-at"), QString::number(n), dir, Call, operation, backup});
        QVERIFY(p.waitForFinished(10000));
        const QByteArray out = p.readAllStandardOutput();
        QVERIFY2(!out.startsWith('X'), out.constData());
        const QString where = QStringLiteral("%1 killed after step %2").arg(operation).arg(n);

        // The log is before or after, whole.
        const QByteArray log = readAll(before.logPath());
        QVERIFY2(log == bytesOf(l2) || log == bytesOf(after), qPrintable(where + QStringLiteral(": log is neither before nor after")));
        // An undo offered takes the log one step back, never further; or none is offered.
        const LogStore store(dir, Call);
        const history::UndoState undo = store.undoState();
        QVERIFY2(undo.kind != history::UndoState::Nothing, qPrintable(where));
        if (undo.kind == history::UndoState::Ready) {
            ++undoKept;
            // Not done: the last change is still L1 -> L2; done: every operation came from L2.
            const QByteArray back = log == bytesOf(l2) ? bytesOf(l1) : bytesOf(l2);
            QVERIFY2(undo.precedent == back, qPrintable(where + QStringLiteral(": the undo would not go one step back")));
        }
        // The history holds whole logs only.
        const QSet<QByteArray> logs{bytesOf(l0), bytesOf(l1), bytesOf(l2), bytesOf(after)};
        const QDir folder(history::folderPath(dir));
        for (const QString &name : folder.entryList(QDir::Files)) {
            if (name.endsWith(QStringLiteral(".tmp")) || name == history::noteName(Call)) continue;
            QVERIFY2(logs.contains(readAll(folder.filePath(name))), qPrintable(where + QStringLiteral(": ") + name));
        }
        // And the next change can be undone.
        const QString next = robust::initialLog(42).last();
        const QByteArray beforeNext = readAll(store.logPath());
        const ChangeResult r = store.enregistreQso(next);
        QVERIFY2(r.ok && r.history.ok(), qPrintable(where + QStringLiteral(": the next change fails")));
        QVERIFY2(store.undo().ok, qPrintable(where + QStringLiteral(": the next change cannot be undone")));
        QCOMPARE(readAll(store.logPath()), beforeNext);

        if (p.exitStatus() == QProcess::NormalExit) {
            QCOMPARE(p.exitCode(), 0);
            QCOMPARE(log, bytesOf(after));
            QVERIFY(undo.kind == history::UndoState::Ready);
            break;
        }
        ++steps;
    }
    QVERIFY(steps >= 6);  // a swap and the history's writes, each a few durable steps
    qInfo("%s: killed after each of its %d durable steps; the undo stayed offered (and right) after %d of them",
          qPrintable(operation), steps, undoKept);
}

QTEST_GUILESS_MAIN(TstCrashSafety)
#include "tst_crashsafety.moc"
