// Kills the change driver with SIGKILL at random moments and checks after every kill that the
// log and the first-name memory hold exactly the content before or after the change that was
// under way, never anything else, and that the next run carries on from there. The history
// files, when present, are each a complete log the run has had at some point.
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
    int interrupted = 0, interruptedAfter = 0, changesDone = 0, leftovers = 0;
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
        int lastBegun = -1, lastEnded = -1;
        for (const QByteArray &l : out.split('\n')) {
            QVERIFY2(!l.startsWith('X'), l.constData());
            if (l.startsWith("B ")) lastBegun = l.mid(2).toInt();
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

        // The files exist, read back, and hold the content before or after, nothing else.
        const LoadedLog loaded = store.load();
        QVERIFY2(loaded.read.ok(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(loaded.read.reason)));
        const QByteArray logBytes = readAll(store.logPath());
        const QString where = QStringLiteral("run %1, change %2").arg(run).arg(lastBegun);
        if (logBytes == bytesOf(logAfter)) {
            if (lastBegun > lastEnded && logAfter != log) ++interruptedAfter;
            log = logAfter;
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
        const QDir backups(history::folderPath(dir));
        for (const QString &name : backups.entryList(QDir::Files)) {
            if (name.endsWith(QStringLiteral(".tmp"))) continue;  // a history copy cut short, never read
            QVERIFY2(seen.contains(digest(readAll(backups.filePath(name)))),
                     qPrintable(where + QStringLiteral(": ") + name + QStringLiteral(" is not a complete earlier log")));
        }
        if (QFile::exists(history::precedentPath(dir, Call))) ++precedents;
        if (QFile::exists(dirs.path(files::Temporaire)) || QFile::exists(dirs.path(files::Temporaire6)))
            ++leftovers;  // the next run's rewrite must cope with it
    }
    // The log kept roughly its size, so every run worked on a log of about 2000 QSOs.
    QVERIFY(log.size() > 1500 && log.size() < 2500);
    QVERIFY(changesDone > Kills);  // the delays let the driver work, not just start
    QVERIFY(precedents > Kills / 2);  // the history was kept through the runs
    qInfo("%d kills survived (%d in the middle of a change, of which %d had already replaced the log; "
          "%d left a temporary file), %d changes completed, %d checks of a precedent file, %lld ms",
          Kills, interrupted, interruptedAfter, leftovers, changesDone, precedents, qint64(clock.elapsed()));
}

QTEST_GUILESS_MAIN(TstCrashSafety)
#include "tst_crashsafety.moc"
