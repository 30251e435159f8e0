// The command line: help, version, bad usage, and the import without a window.
#include "app/commandline.h"
#include "i18n/language.h"
#include "mainwindow/instance.h"
#include "tests/common/diskfaults.h"
#include "tests/common/records.h"
#include "settings/settings.h"
#include "tests/common/testdirs.h"

#include <QTranslator>
#include <QtTest>

using namespace kastlog;

namespace {
struct Run {
    int code;
    QString out, err;
};

Run run(const QStringList &args, const QString &dir, const QString &station = QStringLiteral("F1ABC"),
        Settings *settings = nullptr) {
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = commandLine(args, dir, station, out, err, settings);
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
        QTest::newRow("bare file name") << QStringList{"wsjtx_log.adi"} << 2 << "";
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

    // Whatever is not the toolkit's own goes to the command line; nothing left: the window.
    void toolkitArgumentsGoToTheWindow_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("own");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("platform and value") << QStringList{"-platform", "offscreen"} << QStringList{};
        QTest::newRow("two dashes") << QStringList{"--platform", "xcb", "--reverse"} << QStringList{};
        QTest::newRow("style=") << QStringList{"-style=fusion", "-display", ":1"} << QStringList{};
        QTest::newRow("browser's") << QStringList{"--webEngineArgs", "--foo", "x.adi"} << QStringList{};
        QTest::newRow("help") << QStringList{"-h"} << QStringList{"-h"};
        QTest::newRow("unknown") << QStringList{"--bogus"} << QStringList{"--bogus"};
        QTest::newRow("short") << QStringList{"-platform", "offscreen", "-v"} << QStringList{"-v"};
        QTest::newRow("file") << QStringList{"file.adi"} << QStringList{"file.adi"};
        QTest::newRow("import among toolkit's")
            << QStringList{"-platform", "offscreen", "--import-adif", "x.adi", "-reverse"}
            << QStringList{"--import-adif", "x.adi"};
    }
    void toolkitArgumentsGoToTheWindow() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, own);
        QCOMPARE(programArguments(args), own);
    }

    // Exit 1 leaves the log as it was; exit 0 when done, even with nothing left to take.
    void importsIntoTheStationsLog() {
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("ON4_F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", Qsos);
        const QString in = dirs.path("in.adi");
        QCOMPARE(run({"--import-adif", dirs.path("absent.adi")}, dirs.dataDir()).code, 1);
        const Run noStation = run({"--import-adif", in}, dirs.dataDir(), "FXXXX");
        QCOMPARE(noStation.code, 1);
        QVERIFY2(noStation.err.contains(QStringLiteral("donnez --station INDICATIF")), qPrintable(noStation.err));
        {
            const auto held = takeInstanceLock(dirs.dataDir());
            QVERIFY(held);
            const Run r = run({"--import-adif", in}, dirs.dataDir());
            QCOMPARE(r.code, 1);
            QVERIFY(r.err.contains(alreadyRunning()));
        }
        QCOMPARE(dirs.readFile("F1ABC_DNJ.log"), QByteArray());
        QCOMPARE(run({"--import-adif", in}, dirs.dataDir()).code, 0);
        QCOMPARE(dirs.readLines("F1ABC_DNJ.log").size(), 1);

        const Run r = run({"--import-adif", in, "--station", "on4/f1abc"}, dirs.dataDir());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("2 QSO dans le fichier : 1 à importer, 0 déjà dans le log, 0 château déjà contacté, 1 refusés, "
                                       "0 confirmations\n"
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
                     r.err.contains(QStringLiteral("Raison : accès refusé")) && !r.err.contains(alreadyRunning()),
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

    // The program speaks the system's language, or the one chosen in Aide > Langue.
    void speaksTheChosenLanguage_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("setting");  // Langue
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG Flemish") << "LANG" << "nl_BE.UTF-8" << "" << "nl";
        QTest::newRow("LANGUAGE German") << "LANGUAGE" << "de" << "" << "en";
        QTest::newRow("French chosen over LANG Flemish") << "LANG" << "nl_BE.UTF-8" << "fr" << "fr";
        QTest::newRow("English chosen over LANGUAGE French") << "LANGUAGE" << "fr" << "en" << "en";
        QTest::newRow("hand-edited setting: the system's") << "LANG" << "nl_BE.UTF-8" << "de" << "nl";
    }
    void speaksTheChosenLanguage() {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, setting);
        QFETCH(QString, expected);
        QTemporaryDir home;
        Settings(home.filePath("config/DNJ/KASTLOG.conf")).setLangue(setting);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(name);
        env.insert(variable, value);
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        p.setProcessEnvironment(env);
        p.start(KASTLOG_PROGRAM, {"--help"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);

        QTranslator language;  // the help this test's own code gives in that language
        if (expected != QLatin1String("fr")) {
            QVERIFY(language.load(i18n::translationFile(expected)));
            QCoreApplication::installTranslator(&language);
        }
        test::TestDirs dirs;
        const QString help = run({"--help"}, dirs.dataDir()).out;
        QCoreApplication::removeTranslator(&language);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), help);
        QCOMPARE(help.startsWith(QLatin1String("Usage : kastlog")), expected == QLatin1String("fr"));
    }

    // On a fresh machine: the station given gets its log from the template and its settings,
    // as the station dialog would make them, and becomes the program's station.
    void newStationIsCreated() {
        test::TestDirs dirs;
        dirs.writeFile("in.adi", Qsos);
        Settings settings(dirs.path("KASTLOG.conf"));
        const Run r = run({"--import-adif", dirs.path("in.adi"), "--station", "on4/f1abc"}, dirs.dataDir(), QString(), &settings);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("Nouveau log créé pour la station ON4/F1ABC : ")), qPrintable(r.out));
        QCOMPARE(dirs.readLines("ON4_F1ABC_DNJ.log").size(), 1);
        QVERIFY(dirs.exists("FXXXX.txt"));
        QCOMPARE(settings.indicatifStation(), QStringLiteral("ON4_F1ABC"));
        QCOMPARE(settings.value(Settings::stationSection("ON4_F1ABC"), "Mode Utilise", "x"), QStringLiteral("0"));
        // A second station leaves the program's station as it is.
        QCOMPARE(run({"--import-adif", dirs.path("in.adi"), "--station", "F6ZZ"}, dirs.dataDir(), QString(), &settings).code, 0);
        QVERIFY(dirs.exists("F6ZZ_DNJ.log"));
        QCOMPARE(settings.indicatifStation(), QStringLiteral("ON4_F1ABC"));
    }

    // What the file holds: the warnings after the refusals; a damaged file or one with no QSO
    // writes nothing and fails.
    void damagedOrEmptyFilesWriteNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray jiri = "<call:4>F3XY<qso_date:8>20080719<time_on:4>1405<band:3>20m<mode:4>RTTY"
                                "<name:6>Ji\xC5\x99\xC3\xAD<sig:3>DNJ<sig_info:6>NM-049<eor>\n";
        QTest::newRow("warnings after refusals")
            << Qsos + jiri << 0
            << QStringLiteral("3 QSO dans le fichier : 2 à importer, 0 déjà dans le log, 0 château déjà contacté, 1 refusés, "
                              "0 confirmations\n"
                              "F2XY 19/07/08 14:05: bande absente du log\n"
                              "F3XY 19/07/08 14:05: prénom écrit JIRI\n")
            << "";
        QTest::newRow("cut") << Qsos + jiri.left(40) << 1
                             << QStringLiteral("3 QSO dans le fichier : 1 à importer, 0 déjà dans le log, 0 château déjà contacté, "
                                               "2 refusés, 0 confirmations\n"
                                               "F2XY 19/07/08 14:05: bande absente du log\n"
                                               "F3XY 20080719 : QSO incomplet (fichier tronqué)\n")
                             << QStringLiteral("kastlog : fichier tronqué après le QSO 2 : rien n'est importé\n");
        QTest::newRow("no QSO") << QByteArray("just text\n") << 1 << "" << "aucun QSO ADIF dans ce fichier";
    }
    void damagedOrEmptyFilesWriteNothing() {
        QFETCH(QByteArray, file);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        test::TestDirs dirs;
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", file);
        const Run r = run({"--import-adif", dirs.path("in.adi")}, dirs.dataDir());
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, out);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
        QCOMPARE(dirs.readLines("F1ABC_DNJ.log").size(), code == 0 ? 2 : 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
