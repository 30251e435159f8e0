// The command line: help, version, bad usage, and the import without a window.
#include "app/commandline.h"
#include "mainwindow/instance.h"
#include "tests/common/diskfaults.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"

#include <QtTest>

using namespace kastlog;

namespace {
struct Run {
    int code;
    QString out, err;
};

Run run(const QStringList &args, const QString &dir, const QString &station = QStringLiteral("F1ABC")) {
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = commandLine(args, dir, station, out, err);
    out.flush();
    err.flush();
    return r;
}

const QByteArray Qsos = "<eoh>\n<call:4>F1XY<qso_date:8>20080719<time_on:4>1405<band:3>20m<mode:3>SSB"
                        "<sig:3>DNJ<sig_info:5>NM047<eor>\n"
                        "<call:4>F2XY<qso_date:8>20080719<time_on:4>1405<band:3>60m<mode:3>SSB"
                        "<sig:3>DNJ<sig_info:5>NM048<eor>\n";
}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void helpVersionAndBadUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");  // how the output begins
        QTest::newRow("version") << QStringList{"--version"} << 0 << QStringLiteral("kastlog " KASTLOG_VERSION "\n");
        QTest::newRow("help") << QStringList{"--help"} << 0 << QStringLiteral("Usage : kastlog");
        QTest::newRow("no file") << QStringList{"--import-adif"} << 2 << "";
        QTest::newRow("station alone") << QStringList{"--station", "F1ABC"} << 2 << "";
        QTest::newRow("unknown") << QStringList{"--import-adif", "x.adi", "--bogus"} << 2 << "";
        QTest::newRow("twice") << QStringList{"--import-adif", "x.adi", "--import-adif", "y.adi"} << 2 << "";
        QTest::newRow("bad station") << QStringList{"--import-adif", "x.adi", "--station", "F1 ABC"} << 2 << "";
    }
    void helpVersionAndBadUsage() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, out);
        test::TestDirs dirs;
        const Run r = run(args, dirs.dataDir());
        QCOMPARE(r.code, code);
        QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
        QCOMPARE(r.err.isEmpty(), code == 0);
    }

    void firstArgumentDecidesTheWindow() {
        QVERIFY(isProgramOption("--import-adif") && isProgramOption("--bogus") && isProgramOption("-h"));
        QVERIFY(!isProgramOption("--platform") && !isProgramOption("-platform") && !isProgramOption("file.adi"));
    }

    // Exit 1 leaves the log as it was; exit 0 when done, even with nothing left to take.
    void importsIntoTheStationsLog() {
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("ON4_F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", Qsos);
        const QString in = dirs.path("in.adi");
        QCOMPARE(run({"--import-adif", dirs.path("absent.adi")}, dirs.dataDir()).code, 1);
        QCOMPARE(run({"--import-adif", in}, dirs.dataDir(), "FXXXX").code, 1);  // no station set
        QCOMPARE(run({"--import-adif", in, "--station", "F6ZZ"}, dirs.dataDir()).code, 1);  // no log
        QVERIFY(!dirs.exists("F6ZZ_DNJ.log"));
        {
            const auto held = takeInstanceLock(dirs.dataDir());
            QVERIFY(held);
            const Run r = run({"--import-adif", in}, dirs.dataDir());
            QCOMPARE(r.code, 1);
            QVERIFY(r.err.contains(AlreadyRunning));
        }
        QCOMPARE(dirs.readFile("F1ABC_DNJ.log"), QByteArray());
        QCOMPARE(run({"--import-adif", in}, dirs.dataDir()).code, 0);
        QCOMPARE(dirs.readLines("F1ABC_DNJ.log").size(), 1);

        const Run r = run({"--import-adif", in, "--station", "on4/f1abc"}, dirs.dataDir());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("2 QSO dans le fichier : 1 à importer, 0 déjà dans le log, 0 château déjà contacté, 1 refusés\n"
                                       "F2XY 19/07/08 14:05: bande absente du log\n"));
        QCOMPARE(dirs.readLines("ON4_F1ABC_DNJ.log").size(), 1);
        QCOMPARE(run({"--import-adif", in, "--station", "ON4/F1ABC"}, dirs.dataDir()).code, 0);
        QCOMPARE(dirs.readLines("ON4_F1ABC_DNJ.log").size(), 1);
    }

    // A data folder that cannot be written is named with the reason: no copy is running.
    void unwritableFolderIsNotAnotherCopy() {
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", Qsos);
        Run r;
        {
            test::ReadOnlyDirectory ro(dirs.dataDir());
            if (!ro.inForce()) QSKIP("the folder stays writable here");
            r = run({"--import-adif", dirs.path("in.adi")}, dirs.dataDir());
        }
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("Dossier : ") + dirs.dataDir()) &&
                     r.err.contains(QStringLiteral("Raison : accès refusé")) && !r.err.contains(AlreadyRunning),
                 qPrintable(r.err));
    }

    // The program itself under a file-size limit (ulimit -f): the write fails as on a full
    // disk, with its message and exit 1, the log as it was, instead of the signal killing it.
    void fileSizeLimitFailsTheImport() {
        QTemporaryDir home;
        const QString data = home.filePath("data/DNJ/KASTLOG");
        QVERIFY(QDir().mkpath(data));
        QStringList lines;
        for (int i = 0; i < 20; ++i)
            lines << test::qsoRecord(QStringLiteral("F5N%1").arg(i, 2, 10, QLatin1Char('0')), "LG001", "01/06/08", "10:00", "14 Mhz");
        const QByteArray log = test::bytesOf(lines);  // 2180 bytes, past the limit of 1024
        QFile f(data + "/F1ABC_DNJ.log");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(log) == log.size());
        f.close();
        QFile adi(home.filePath("in.adi"));
        QVERIFY(adi.open(QIODevice::WriteOnly) && adi.write(Qsos) == Qsos.size());
        adi.close();

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        p.setProcessEnvironment(env);
        // dash counts the limit in blocks of 512 bytes.
        p.start("/bin/sh", {"-c", "ulimit -f 2 && exec \"$0\" \"$@\"", KASTLOG_PROGRAM, "--import-adif",
                            adi.fileName(), "--station", "F1ABC"});
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(err.contains(QStringLiteral("fichier trop gros")), qPrintable(err));
        QFile after(f.fileName());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), log);
        QVERIFY(!QFile::exists(data + "/KASTLOG.lock"));  // released at the end
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
