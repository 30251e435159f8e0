// One running copy per program directory, and the template of a new station's log.
#include "logstore/logstore.h"
#include "mainwindow/instance.h"
#include "tests/common/diskfaults.h"
#include "tests/common/testdirs.h"

#include <QSysInfo>
#include <QTest>

using namespace kastlog;
using namespace kastlog::test;

namespace {
const QString Lock = QStringLiteral("KASTLOG.lock");
// A lock file as the toolkit writes it: process number, program, computer name, machine id.
QByteArray lockContent(qint64 pid, const QString &host, const QByteArray &machineId = "0123456789abcdef0123456789abcdef") {
    return QByteArray::number(pid) + "\nkastlog\n" + host.toUtf8() + '\n' + machineId + '\n';
}
constexpr qint64 GonePid = 0x3fffff00;
}  // namespace

class TestInstance : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefused() {
        TestDirs dirs;
        auto first = takeInstanceLock(dirs.dataDir());
        QVERIFY(first);
        QVERIFY(!takeInstanceLock(dirs.dataDir()));
        QVERIFY(!takeInstanceLock(dirs.dataDir()));
        first.file.reset();  // the first copy ends
        QVERIFY(takeInstanceLock(dirs.dataDir()));
    }

    void lockOfADeadCopyIsTakenOver() {
        TestDirs dirs;
        // What a copy that crashed leaves behind: its process number, long gone.
        QLockFile stale(dirs.path(QStringLiteral("KASTLOG.lock")));
        QVERIFY(stale.tryLock());
        qint64 pid = 0;
        QString host, app;
        QVERIFY(stale.getLockInfo(&pid, &host, &app));
        stale.unlock();
        QByteArray content = QByteArray::number(0x3fffff00) + '\n' + app.toUtf8() + '\n' + host.toUtf8() + '\n';
        dirs.writeFile(QStringLiteral("KASTLOG.lock"), content);
        QVERIFY(takeInstanceLock(dirs.dataDir()));
    }

    // What no copy running on this computer holds is taken over without a question.
    void lockNoCopyHereHoldsIsTakenOver_data() {
        QTest::addColumn<QByteArray>("content");
        const QString here = QSysInfo::machineHostName();
        // A copy cut while it wrote its lock, or a file damaged since.
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xFFnot a lock");
        // Written here before the system was reinstalled (same computer name, another machine
        // id), by a process that has gone, or whose number another program has since.
        QTest::newRow("reinstalled, process gone") << lockContent(GonePid, here);
        QTest::newRow("reinstalled, number reused") << lockContent(QCoreApplication::applicationPid(), here);
    }
    void lockNoCopyHereHoldsIsTakenOver() {
        QFETCH(QByteArray, content);
        TestDirs dirs;
        dirs.writeFile(Lock, content);
        bool asked = false;
        const InstanceLock l = takeInstanceLock(dirs.dataDir(), [&](const QString &) { return asked = true; });
        QVERIFY2(l, qPrintable(l.refusal));
        QVERIFY(!asked);
        QVERIFY(!takeInstanceLock(dirs.dataDir()));  // and it holds
    }

    // A folder copied from another computer: only the operator knows whether KASTLOG still
    // runs there; the command line, with nobody to ask, names the file and the computer.
    void lockOfAnotherComputerIsTakenOverOnlyOnYes() {
        TestDirs dirs;
        const QByteArray other = lockContent(GonePid, QStringLiteral("autre-pc"));
        dirs.writeFile(Lock, other);
        const auto names = [&](const QString &text) {
            return text.contains(QStringLiteral("« autre-pc »")) && text.contains(dirs.path(Lock));
        };
        InstanceLock l = takeInstanceLock(dirs.dataDir());
        QVERIFY(!l);
        QVERIFY2(names(l.refusal), qPrintable(l.refusal));
        QStringList questions;
        l = takeInstanceLock(dirs.dataDir(), [&](const QString &q) {
            questions << q;
            return false;
        });
        QVERIFY(!l);
        QCOMPARE(l.refusal, QString());  // declined: nothing more to say
        QCOMPARE(questions.size(), 1);
        QVERIFY2(names(questions[0]) && questions[0].endsWith(QStringLiteral("Reprendre le verrou ?")), qPrintable(questions[0]));
        QCOMPARE(dirs.readFile(Lock), other);
        QVERIFY(takeInstanceLock(dirs.dataDir(), [](const QString &) { return true; }));
    }

    // Whatever its lock says, a running copy keeps it, even against a yes.
    void runningCopyIsNeverDispossessed() {
        TestDirs dirs;
        const InstanceLock running = takeInstanceLock(dirs.dataDir());
        QVERIFY(running);
        for (const QByteArray &content : {QByteArray("garbage"), lockContent(GonePid, QStringLiteral("autre-pc"))}) {
            dirs.writeFile(Lock, content);
            const InstanceLock l = takeInstanceLock(dirs.dataDir(), [](const QString &) { return true; });
            QVERIFY(!l);
            QCOMPARE(l.refusal, alreadyRunning());
            QCOMPARE(dirs.readFile(Lock), content);
        }
    }

    void otherDirectoriesAreIndependent() {
        TestDirs a, b;
        auto la = takeInstanceLock(a.dataDir());
        QVERIFY(la);
        QVERIFY(takeInstanceLock(b.dataDir()));
    }

    // Only another copy holding the lock means "already running": a folder that cannot be
    // written is named, with the reason.
    void unwritableFolderIsNotAnotherCopy() {
        TestDirs dirs;
        QString problem;
        {
            ReadOnlyDirectory ro(dirs.dataDir());
            if (!ro.inForce()) QSKIP("the folder stays writable here");
            problem = takeInstanceLock(dirs.dataDir()).refusal;
        }
        QVERIFY2(problem.contains(QStringLiteral("Dossier : ") + dirs.dataDir()), qPrintable(problem));
        QVERIFY2(problem.endsWith(QStringLiteral("Raison : accès refusé")), qPrintable(problem));
        auto first = takeInstanceLock(dirs.dataDir());
        QCOMPARE(takeInstanceLock(dirs.dataDir()).refusal, alreadyRunning());
        first.file.reset();
        // A lock left there by a copy that died: still the folder, not a running copy.
        dirs.writeFile(Lock, "garbage");
        {
            ReadOnlyDirectory ro(dirs.dataDir());
            problem = takeInstanceLock(dirs.dataDir()).refusal;
        }
        QVERIFY2(problem.endsWith(QStringLiteral("Raison : accès refusé")), qPrintable(problem));
    }

    void fullDiskIsNotAnotherCopy() {
        TestDirs dirs;
        QString problem;
        {
            FileSizeLimit full(4);
            if (!full.inForce()) QSKIP("no file-size limit here");
            const InstanceLock l = takeInstanceLock(dirs.dataDir());
            QVERIFY(!l);
            problem = l.refusal;
        }
        QVERIFY2(problem.endsWith(QStringLiteral("Raison : fichier trop gros")), qPrintable(problem));
        QVERIFY(!dirs.exists(QStringLiteral("KASTLOG.probe")));
    }

    void templateIsWrittenWhenAbsent() {
        TestDirs dirs;
        QVERIFY(!dirs.exists(files::Template));
        QVERIFY(ensureTemplate(dirs.dataDir()));
        QVERIFY(dirs.exists(files::Template));
        QCOMPARE(dirs.readFile(files::Template), QByteArray());
        QVERIFY(!dirs.exists(files::Temporaire));
    }

    void templateOfTheOperatorIsKept() {
        TestDirs dirs;
        dirs.writeFile(files::Template, "ON4AA\r\n");
        QVERIFY(ensureTemplate(dirs.dataDir()));
        QCOMPARE(dirs.readFile(files::Template), QByteArray("ON4AA\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
