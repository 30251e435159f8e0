// Reading the program's text files and replacing them without ever losing the old one.
#include "faultsteps.h"
#include "logstore/textfile.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace kastlog;
using kastlog::test::StepFault;
using kastlog::test::TestDirs;

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void splitting_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one line") << QByteArray("abc\r\n") << QStringList{"abc"};
        QTest::newRow("last line without line end") << QByteArray("abc\r\ndef") << QStringList{"abc", "def"};
        QTest::newRow("CR alone inside a line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("CR before CR LF stays") << QByteArray("ab\r\r\n") << QStringList{"ab\r"};
        QTest::newRow("CR alone at the end") << QByteArray("ab\r") << QStringList{"ab\r"};
        QTest::newRow("lone LF ends a line") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("just a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("Windows-1252 bytes") << QByteArray("\x80 \xe9\x81\r\n") << QStringList{QStringLiteral("€ é\u0081")};
        QTest::newRow("NUL inside") << QByteArray("a\0b\r\n", 5) << QStringList{QString::fromLatin1("a\0b", 3)};
    }
    void splitting() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(bytes), lines);
    }

    void joining() {
        QByteArray out;
        QVERIFY(joinLines({QStringLiteral("abc"), QString(), QStringLiteral("€é")}, out));
        QCOMPARE(out, QByteArray("abc\r\n\r\n\x80\xe9\r\n"));
        QVERIFY(joinLines({}, out));
        QCOMPARE(out, QByteArray());
        QVERIFY(!joinLines({QStringLiteral("ok"), QStringLiteral("Łódź")}, out));
    }

    // Every file that is read whole and written back keeps its bytes (a last line gains its
    // line end, lone LFs become CR LF).
    void bytesSurviveReadAndWrite() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\n') all.append(char(b));
        all += "\r\n";
        QByteArray out;
        QVERIFY(joinLines(splitLines(all + all), out));
        QCOMPARE(out, all + all);
    }

    void readingKinds() {
        TestDirs dirs;
        dirs.writeFile(QStringLiteral("log.txt"), QByteArray("one\r\ntwo"));
        ReadResult r = readTextFile(dirs.path(QStringLiteral("log.txt")));
        QCOMPARE(r.kind, ReadResult::Ok);
        QVERIFY(r.ok());
        QCOMPARE(r.lines, (QStringList{"one", "two"}));

        r = readTextFile(dirs.path(QStringLiteral("absent.txt")));
        QCOMPARE(r.kind, ReadResult::Missing);
        QCOMPARE(r.errorNumber, 53);
        QVERIFY(!r.reason.isEmpty());
        QVERIFY(r.lines.isEmpty());

        r = readTextFile(dirs.path(QStringLiteral("nodir/absent.txt")));
        QCOMPARE(r.kind, ReadResult::Missing);
        QCOMPARE(r.errorNumber, 53);

        QVERIFY(QDir(dirs.dataDir()).mkdir(QStringLiteral("folder.log")));
        r = readTextFile(dirs.path(QStringLiteral("folder.log")));
        QCOMPARE(r.kind, ReadResult::Failed);
        QCOMPARE(r.errorNumber, 75);
        QVERIFY(!r.reason.isEmpty());

        r = readTextFile(dirs.path(QStringLiteral("log.txt/under")));
        QCOMPARE(r.kind, ReadResult::Failed);
        QCOMPARE(r.errorNumber, 76);
        QVERIFY(!r.reason.isEmpty());
    }

    void replaceWritesEverything() {
        TestDirs dirs;
        dirs.writeFile(QStringLiteral("log.txt"), QByteArray("old\r\n"));
        const QByteArray content = QByteArray("new line\r\n").repeated(5000);
        StepFault none;
        const WriteResult w = replaceFile(dirs.dataDir(), QStringLiteral("log.txt"), QStringLiteral("Temporaire.txt"), content, &none);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(dirs.readFile(QStringLiteral("log.txt")), content);
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
        QCOMPARE(none.seen, (QList<WriteStep>{WriteStep::OpenTemp, WriteStep::Write, WriteStep::Sync, WriteStep::Close,
                                              WriteStep::Rename, WriteStep::Exchange, WriteStep::SyncDir}));
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{"log.txt"});
    }

    // Content produced in pieces: all of them in order, and the large old content gone with its
    // name; a write that fails refuses the pieces after it and leaves the old file as it was.
    void replaceFromPieces() {
        TestDirs dirs;
        const QByteArray old(3 * 1024 * 1024, 'o');
        dirs.writeFile(QStringLiteral("big.adi"), old);
        const QList<QByteArray> pieces{QByteArray(300 * 1024, 'a'), QByteArray(10, 'b'), QByteArray(300 * 1024, 'c')};
        QList<bool> accepted;
        const ContentProducer produce = [&](const ContentWriter &write) {
            for (const QByteArray &p : pieces) accepted << write(p);
        };
        StepFault fault(WriteStep::Write);
        QVERIFY(!replaceFileFrom(dirs.dataDir(), QStringLiteral("big.adi"), QStringLiteral("Temporaire.txt"), produce, &fault).ok);
        QCOMPARE(accepted, (QList<bool>{false, false, false}));
        QCOMPARE(dirs.readFile(QStringLiteral("big.adi")), old);
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));

        accepted.clear();
        const WriteResult w = replaceFileFrom(dirs.dataDir(), QStringLiteral("big.adi"), QStringLiteral("Temporaire.txt"), produce);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(accepted, (QList<bool>{true, true, true}));
        QCOMPARE(dirs.readFile(QStringLiteral("big.adi")), pieces.join());
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{"big.adi"});
    }

    void replaceCreatesAMissingTarget() {
        TestDirs dirs;
        const WriteResult w = replaceFile(dirs.dataDir(), QStringLiteral("new.txt"), QStringLiteral("Temporaire.txt"), "x\r\n");
        QVERIFY(w.ok);
        QCOMPARE(dirs.readFile(QStringLiteral("new.txt")), QByteArray("x\r\n"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    void replaceOverwritesAStaleTemporaryFile() {
        TestDirs dirs;
        dirs.writeFile(QStringLiteral("log.txt"), "old\r\n");
        dirs.writeFile(QStringLiteral("Temporaire.txt"), QByteArray(100000, 'z'));
        QVERIFY(replaceFile(dirs.dataDir(), QStringLiteral("log.txt"), QStringLiteral("Temporaire.txt"), "new\r\n").ok);
        QCOMPARE(dirs.readFile(QStringLiteral("log.txt")), QByteArray("new\r\n"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    // Whatever step fails, the old file stays byte for byte and no temporary file is left.
    void everyFailingStepKeepsTheOldFile_data() {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<QString>("namedFile");
        for (bool exists : {true, false}) {
            const char *suffix = exists ? "" : ", no old file";
            QTest::addRow("open temporary%s", suffix) << WriteStep::OpenTemp << exists << "Temporaire.txt";
            QTest::addRow("write%s", suffix) << WriteStep::Write << exists << "Temporaire.txt";
            QTest::addRow("sync%s", suffix) << WriteStep::Sync << exists << "Temporaire.txt";
            QTest::addRow("close%s", suffix) << WriteStep::Close << exists << "Temporaire.txt";
            QTest::addRow("rename%s", suffix) << WriteStep::Rename << exists << "log.txt";
            QTest::addRow("sync directory%s", suffix) << WriteStep::SyncDir << exists << "";
        }
    }
    void everyFailingStepKeepsTheOldFile() {
        QFETCH(WriteStep, step);
        QFETCH(bool, targetExists);
        QFETCH(QString, namedFile);
        TestDirs dirs;
        const QByteArray old("line one\r\nline two\r\n");
        if (targetExists) dirs.writeFile(QStringLiteral("log.txt"), old);
        StepFault fault(step);
        bool tempWasComplete = false;
        fault.onStep = [&](WriteStep s) {
            if (s == WriteStep::Rename) tempWasComplete = dirs.readFile(QStringLiteral("Temporaire.txt")).size() == 60000;
        };
        const WriteResult w = replaceFile(dirs.dataDir(), QStringLiteral("log.txt"), QStringLiteral("Temporaire.txt"),
                                          QByteArray(60000, 'n'), &fault);
        QVERIFY(!w.ok);
        QVERIFY(!bool(w));
        QVERIFY(!w.reason.isEmpty());
        QCOMPARE(w.fileName, namedFile.isEmpty() ? dirs.dataDir() : dirs.path(namedFile));
        if (targetExists)
            QCOMPARE(dirs.readFile(QStringLiteral("log.txt")), old);
        else
            QVERIFY(!dirs.exists(QStringLiteral("log.txt")));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files).size(), targetExists ? 1 : 0);
        // The steps after the failing one never ran; a rename only follows a complete copy.
        QCOMPARE(fault.seen.last(), step);
        if (step >= WriteStep::Rename) QVERIFY(tempWasComplete);
    }

    void failuresOfTheSystem() {
        TestDirs dirs;
        dirs.writeFile(QStringLiteral("plain"), "x");
        // A directory under a regular file cannot exist: the temporary file cannot be made.
        WriteResult w = replaceFile(dirs.path(QStringLiteral("plain/sub")), QStringLiteral("log.txt"),
                                    QStringLiteral("Temporaire.txt"), "data\r\n");
        QVERIFY(!w.ok);
        QCOMPARE(w.fileName, dirs.path(QStringLiteral("plain/sub/Temporaire.txt")));
        QCOMPARE(w.reason, QStringLiteral("une partie du chemin n'est pas un dossier"));
        QCOMPARE(dirs.readFile(QStringLiteral("plain")), QByteArray("x"));

        // A folder in the target's place is never swapped away.
        QVERIFY(QDir(dirs.dataDir()).mkdir(QStringLiteral("log.txt")));
        w = replaceFile(dirs.dataDir(), QStringLiteral("log.txt"), QStringLiteral("Temporaire.txt"), "data\r\n");
        QVERIFY(!w.ok);
        QVERIFY(QFileInfo(dirs.path(QStringLiteral("log.txt"))).isDir());
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));

        // A folder in the temporary file's place: the open fails, the target stays.
        dirs.writeFile(QStringLiteral("other.txt"), "keep\r\n");
        QVERIFY(QDir(dirs.dataDir()).mkdir(QStringLiteral("Temporaire6.txt")));
        w = replaceFile(dirs.dataDir(), QStringLiteral("other.txt"), QStringLiteral("Temporaire6.txt"), "data\r\n");
        QVERIFY(!w.ok);
        QCOMPARE(w.fileName, dirs.path(QStringLiteral("Temporaire6.txt")));
        QCOMPARE(dirs.readFile(QStringLiteral("other.txt")), QByteArray("keep\r\n"));
    }

    void permissionsAreKept() {
        TestDirs dirs;
        dirs.writeFile(QStringLiteral("log.txt"), "old\r\n");
        const QByteArray p = QFile::encodeName(dirs.path(QStringLiteral("log.txt")));
        QCOMPARE(::chmod(p.constData(), 0640), 0);
        QVERIFY(replaceFile(dirs.dataDir(), QStringLiteral("log.txt"), QStringLiteral("Temporaire.txt"), "new\r\n").ok);
        struct stat st {};
        QCOMPARE(::stat(p.constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);
    }

    void createNeverReplaces() {
        TestDirs dirs;
        QVERIFY(createFile(dirs.dataDir(), QStringLiteral("a.log"), QStringLiteral("Temporaire.txt"), "tpl\r\n").ok);
        QCOMPARE(dirs.readFile(QStringLiteral("a.log")), QByteArray("tpl\r\n"));
        const WriteResult w = createFile(dirs.dataDir(), QStringLiteral("a.log"), QStringLiteral("Temporaire.txt"), "other");
        QVERIFY(!w.ok);
        QCOMPARE(w.reason, QStringLiteral("le fichier existe déjà"));
        QCOMPARE(dirs.readFile(QStringLiteral("a.log")), QByteArray("tpl\r\n"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    void createFailingStepLeavesNothing_data() {
        test::addFaultStepRows();
    }
    void createFailingStepLeavesNothing() {
        QFETCH(WriteStep, step);
        TestDirs dirs;
        StepFault fault(step);
        QVERIFY(!createFile(dirs.dataDir(), QStringLiteral("a.log"), QStringLiteral("Temporaire.txt"), "tpl\r\n", &fault).ok);
        QVERIFY(QDir(dirs.dataDir()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
