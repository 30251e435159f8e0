// One running copy per program directory, and the template of a new station's log.
#include "logstore/logstore.h"
#include "mainwindow/instance.h"
#include "tests/common/diskfaults.h"
#include "tests/common/testdirs.h"

#include <QTest>

using namespace kastlog;
using namespace kastlog::test;

class TestInstance : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefused() {
        TestDirs dirs;
        auto first = takeInstanceLock(dirs.dataDir());
        QVERIFY(first);
        QVERIFY(!takeInstanceLock(dirs.dataDir()));
        QVERIFY(!takeInstanceLock(dirs.dataDir()));
        first.reset();  // the first copy ends
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
            QVERIFY(!takeInstanceLock(dirs.dataDir(), &problem));
        }
        QVERIFY2(problem.contains(QStringLiteral("Dossier : ") + dirs.dataDir()), qPrintable(problem));
        QVERIFY2(problem.endsWith(QStringLiteral("Raison : accès refusé")), qPrintable(problem));
        problem.clear();
        auto first = takeInstanceLock(dirs.dataDir(), &problem);
        QVERIFY(!takeInstanceLock(dirs.dataDir(), &problem));
        QCOMPARE(problem, QString());  // a running copy: the caller says "KASTLOG est deja lance"
    }

    void fullDiskIsNotAnotherCopy() {
        TestDirs dirs;
        QString problem;
        {
            FileSizeLimit full(4);
            if (!full.inForce()) QSKIP("no file-size limit here");
            QVERIFY(!takeInstanceLock(dirs.dataDir(), &problem));
        }
        QVERIFY2(problem.endsWith(QStringLiteral("Raison : le fichier dépasse la taille permise")), qPrintable(problem));
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
