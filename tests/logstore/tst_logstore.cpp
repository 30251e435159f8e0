// The station's log: loading it for the list and the four rewrites on disk.
#include "bench/sample_log.h"
#include "faultsteps.h"
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "logstore/rewriterules.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QtTest>

using namespace kastlog;
using kastlog::test::bytesOf;
using kastlog::test::StepFault;
using kastlog::test::TestDirs;

namespace {
const QString Call = QStringLiteral("ON4XYZ");
const QString LogName = QStringLiteral("ON4XYZ_DNJ.log");

QString qso(const QString &call, const QString &date = QStringLiteral("19/07/08"),
            const QString &time = QStringLiteral("14:05")) {
    return test::qsoRecord(call, QStringLiteral("LG012"), date, time, QStringLiteral("7.0 Mhz"), QStringLiteral("Luc"),
                           QStringLiteral("chateau de Jehay"));
}

enum class Op { Enregistre, Insere, Modifie, Supprime };
WriteResult run(const LogStore &store, Op op, const QString &a, const QString &b = QString()) {
    switch (op) {
    case Op::Enregistre: return store.enregistreQso(a);
    case Op::Insere: return store.insereQso(a);
    case Op::Modifie: return store.modifieQso(a, b);
    case Op::Supprime: return store.supprimeQso(a);
    }
    return {};
}
}  // namespace

Q_DECLARE_METATYPE(Op)

class TestLogStore : public QObject {
    Q_OBJECT
private slots:
    void pathAndNames() {
        TestDirs dirs;
        const LogStore store(dirs.dataDir(), Call);
        QCOMPARE(store.logPath(), dirs.path(LogName));
        QCOMPARE(files::logName(QStringLiteral("F_5ABC")), QStringLiteral("F_5ABC_DNJ.log"));
    }

    void loadGivesDisplayLines() {
        TestDirs dirs;
        const QStringList records = bench::realisticRecords(300, 11);
        QByteArray bytes;
        QVERIFY(joinLines(records, bytes));
        dirs.writeFile(LogName, bytes);
        const LoadedLog log = LogStore(dirs.dataDir(), Call).load();
        QVERIFY(log.read.ok());
        QVERIFY(!log.truncated);
        const QStringList shown = log.displayLines();
        QCOMPARE(shown.size(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            QCOMPARE(shown.at(i), displayLine(records.at(i), i + 1));
            QCOMPARE(recordFromDisplayLine(shown.at(i)), records.at(i));
        }
    }

    void loadEdgeCases_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        const QString a = qso("F5A"), b = qso("F5B");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("last line without line end") << (a.toLatin1() + "\r\n" + b.toLatin1()) << QStringList{a, b};
        QTest::newRow("CR inside a line") << (a.left(50).toLatin1() + "\r" + a.mid(51).toLatin1() + "\r\n")
                                          << QStringList{a.left(50) + QLatin1Char('\r') + a.mid(51)};
        QTest::newRow("short hand-edited line") << QByteArray("F5XYZ\r\n") << QStringList{"F5XYZ"};
        QTest::newRow("empty line in the middle") << (a.toLatin1() + "\r\n\r\n" + b.toLatin1() + "\r\n")
                                                  << QStringList{a, QString(), b};
    }
    void loadEdgeCases() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        TestDirs dirs;
        dirs.writeFile(LogName, bytes);
        const LoadedLog log = LogStore(dirs.dataDir(), Call).load();
        QVERIFY(log.read.ok());
        const QStringList shown = log.displayLines();
        QCOMPARE(shown.size(), records.size());
        for (int i = 0; i < records.size(); ++i) QCOMPARE(shown.at(i), displayLine(records.at(i), i + 1));
        // Loading never changes the file.
        QCOMPARE(dirs.readFile(LogName), bytes);
    }

    void loadFailures() {
        TestDirs dirs;
        LoadedLog log = LogStore(dirs.dataDir(), Call).load();
        QCOMPARE(log.read.kind, ReadResult::Missing);
        QCOMPARE(log.read.errorNumber, 53);
        QVERIFY(log.displayLines().isEmpty());

        QVERIFY(QDir(dirs.dataDir()).mkdir(LogName));
        log = LogStore(dirs.dataDir(), Call).load();
        QCOMPARE(log.read.kind, ReadResult::Failed);
        QCOMPARE(log.read.errorNumber, 75);
        QVERIFY(log.displayLines().isEmpty());
    }

    void tenThousandLinesAndMore() {
        TestDirs dirs;
        const QString r = qso("F5A");
        QStringList lines;
        for (int i = 0; i < 10001; ++i) lines << r;
        QByteArray bytes;
        QVERIFY(joinLines(lines, bytes));
        dirs.writeFile(LogName, bytes);
        const LoadedLog log = LogStore(dirs.dataDir(), Call).load();
        QCOMPARE(log.displayLines().size(), 10001);
        QVERIFY(!log.truncated);
        QCOMPARE(log.displayLines().at(9998).left(5), QStringLiteral(" 9999"));
        QCOMPARE(log.displayLines().at(9999).left(5), QStringLiteral("10000"));
        QCOMPARE(recordFromDisplayLine(log.displayLines().at(10000)), r);
    }

    void beyondTheLastNumberIsTruncated() {
        TestDirs dirs;
        QByteArray bytes = QByteArray("F5A\r\n").repeated(MaxDisplayLines + 2);
        dirs.writeFile(LogName, bytes);
        const LoadedLog log = LogStore(dirs.dataDir(), Call).load();
        QVERIFY(log.read.ok());
        QVERIFY(log.truncated);
        QCOMPARE(log.displayLines().size(), MaxDisplayLines);
        QCOMPARE(log.displayLines().last().left(5), QStringLiteral("99999"));
    }

    void rewritesOnDisk_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("after");
        const QString f = qso("F5A"), on = qso("ON4B"), x4 = qso("4X1AB"), g = qso("G4D");
        QTest::newRow("enregistre before 4X") << Op::Enregistre << QStringList{f, x4} << g << QString() << QStringList{f, g, x4};
        QTest::newRow("enregistre at the end") << Op::Enregistre << QStringList{f, on} << g << QString() << QStringList{f, on, g};
        QTest::newRow("enregistre into empty log") << Op::Enregistre << QStringList{} << g << QString() << QStringList{g};
        const QString d1 = qso("F5A", "01/01/00", "00:00"), d0 = qso("F5N", "31/12/99", "23:59");
        QTest::newRow("insere 1999 before 2000") << Op::Insere << QStringList{d1} << d0 << QString() << QStringList{d0, d1};
        QTest::newRow("insere into empty log") << Op::Insere << QStringList{} << d0 << QString() << QStringList{d0};
        QTest::newRow("modifie both copies") << Op::Modifie << QStringList{f, on, f} << g << f << QStringList{g, on, g};
        QTest::newRow("modifie without match adds") << Op::Modifie << QStringList{on} << g << f << QStringList{on, g};
        QTest::newRow("supprime one of two copies") << Op::Supprime << QStringList{f, on, f} << f << QString() << QStringList{on, f};
        QTest::newRow("supprime without match") << Op::Supprime << QStringList{on} << f << QString() << QStringList{on};
    }
    void rewritesOnDisk() {
        QFETCH(Op, op);
        QFETCH(QStringList, before);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, after);
        TestDirs dirs;
        dirs.writeFile(LogName, bytesOf(before));
        const LogStore store(dirs.dataDir(), Call);
        const WriteResult w = run(store, op, a, b);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(dirs.readFile(LogName), bytesOf(after));
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{LogName});
        const LoadedLog log = store.load();
        QCOMPARE(log.displayLines().size(), after.size());
    }

    // The rewrites on disk give exactly the lines of the rules, on generated logs with odd
    // lines mixed in (lone LF, CR inside, accents, short and empty lines, no last line end).
    void rewritesAgreeWithTheRules_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u}) {
            QTest::addRow("enregistre %u", seed) << Op::Enregistre << seed;
            QTest::addRow("insere %u", seed) << Op::Insere << seed;
            QTest::addRow("modifie %u", seed) << Op::Modifie << seed;
            QTest::addRow("supprime %u", seed) << Op::Supprime << seed;
        }
    }
    void rewritesAgreeWithTheRules() {
        QFETCH(Op, op);
        QFETCH(unsigned, seed);
        QStringList records = bench::realisticRecords(400, seed);
        records[7] = records[3];                                   // a line twice
        records[50] = QString();                                   // an empty line
        records[51] = records[51].left(45);                        // cut before the date
        records[52] = records[52].left(20) + QChar(0x20AC) + records[52].mid(21);  // euro sign
        records[53] = records[53].left(60) + QLatin1Char('\r') + records[53].mid(61);  // CR inside
        QByteArray bytes;
        QVERIFY(joinLines(records, bytes));
        bytes.replace(QByteArray(records[100].toLatin1() + "\r\n"), records[100].toLatin1() + "\n");  // lone LF
        bytes.chop(2);                                             // no line end at the end
        TestDirs dirs;
        dirs.writeFile(LogName, bytes);
        const QStringList lines = splitLines(bytes);
        QCOMPARE(lines.size(), records.size());

        const QString fresh = bench::realisticRecords(1, seed + 100).first();
        const QString target = records.at(3);
        QStringList expected;
        switch (op) {
        case Op::Enregistre: expected = rules::enregistre(lines, fresh); break;
        case Op::Insere: expected = rules::insere(lines, fresh); break;
        case Op::Modifie: expected = rules::modifie(lines, fresh, target); break;
        case Op::Supprime: expected = rules::supprime(lines, target); break;
        }
        const WriteResult w = run(LogStore(dirs.dataDir(), Call), op, op == Op::Supprime ? target : fresh, target);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QByteArray want;
        QVERIFY(joinLines(expected, want));
        QCOMPARE(dirs.readFile(LogName), want);
        QCOMPARE(expected.size() - lines.size(), op == Op::Supprime ? -1 : (op == Op::Modifie ? 0 : 1));
    }

    void lastLineGainsItsLineEnd() {
        TestDirs dirs;
        const QString a = qso("F5A"), b = qso("F5B");
        dirs.writeFile(LogName, a.toLatin1() + "\r\n" + b.toLatin1());
        QVERIFY(LogStore(dirs.dataDir(), Call).supprimeQso(qso("F5C")).ok);
        QCOMPARE(dirs.readFile(LogName), bytesOf({a, b}));
    }

    void windows1252BytesSurviveARewrite() {
        TestDirs dirs;
        QByteArray line = qso("F5A").toLatin1();
        line[20] = char(0x80);  // euro sign in the first name
        line[21] = char(0x81);  // a byte the code page leaves undefined
        line[22] = char(0xE9);
        dirs.writeFile(LogName, line + "\r\n");
        QVERIFY(LogStore(dirs.dataDir(), Call).enregistreQso(qso("G4D")).ok);
        QCOMPARE(dirs.readFile(LogName), line + "\r\n" + qso("G4D").toLatin1() + "\r\n");
    }

    // The temporary file of each rewrite, seen while it is being written.
    void temporaryFileNames_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<QString>("temp");
        QTest::newRow("enregistre") << Op::Enregistre << "Temporaire.txt";
        QTest::newRow("insere") << Op::Insere << "Temporaire6.txt";
        QTest::newRow("modifie") << Op::Modifie << "Temporaire.txt";
        QTest::newRow("supprime") << Op::Supprime << "Temporaire.txt";
    }
    void temporaryFileNames() {
        QFETCH(Op, op);
        QFETCH(QString, temp);
        TestDirs dirs;
        dirs.writeFile(LogName, bytesOf({qso("F5A")}));
        StepFault watch;
        QStringList atRename;
        watch.onStep = [&](WriteStep s) {
            if (s == WriteStep::Rename) atRename = QDir(dirs.dataDir()).entryList(QDir::Files);
        };
        const LogStore store(dirs.dataDir(), Call, &watch);
        // A deletion that finds no line writes nothing: it deletes the one there is.
        QVERIFY(run(store, op, op == Op::Supprime ? qso("F5A") : qso("G4D"), qso("F5A")).ok);
        QCOMPARE(atRename, (QStringList{LogName, temp}));
        QVERIFY(!dirs.exists(temp));
    }

    // Any failing step of any rewrite leaves the log as it was and no temporary file.
    void failingRewriteKeepsTheLog_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<WriteStep>("step");
        const std::pair<Op, const char *> ops[] = {
            {Op::Enregistre, "enregistre"}, {Op::Insere, "insere"}, {Op::Modifie, "modifie"}, {Op::Supprime, "supprime"}};
        const std::pair<WriteStep, const char *> steps[] = {
            {WriteStep::OpenTemp, "open"}, {WriteStep::Write, "write"},   {WriteStep::Sync, "sync"},
            {WriteStep::Close, "close"},   {WriteStep::Rename, "rename"}, {WriteStep::SyncDir, "sync directory"}};
        for (const auto &o : ops)
            for (const auto &s : steps) QTest::addRow("%s, %s", o.second, s.second) << o.first << s.first;
    }
    void failingRewriteKeepsTheLog() {
        QFETCH(Op, op);
        QFETCH(WriteStep, step);
        TestDirs dirs;
        QByteArray old;
        QVERIFY(joinLines(bench::realisticRecords(500, 5), old));
        dirs.writeFile(LogName, old);
        StepFault fault(step);
        const LogStore store(dirs.dataDir(), Call, &fault);
        const QString first = readTextFile(store.logPath()).lines.first();
        const WriteResult w = run(store, op, op == Op::Supprime ? first : qso("G4D"), first);
        QVERIFY(!w.ok);
        QVERIFY(!w.fileName.isEmpty());
        QVERIFY(!w.reason.isEmpty());
        QCOMPARE(dirs.readFile(LogName), old);
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{LogName});
    }

    void missingLogIsAFailureNotANewLog_data() {
        QTest::addColumn<Op>("op");
        QTest::newRow("enregistre") << Op::Enregistre;
        QTest::newRow("insere") << Op::Insere;
        QTest::newRow("modifie") << Op::Modifie;
        QTest::newRow("supprime") << Op::Supprime;
    }
    void missingLogIsAFailureNotANewLog() {
        QFETCH(Op, op);
        TestDirs dirs;
        const WriteResult w = run(LogStore(dirs.dataDir(), Call), op, qso("G4D"), qso("F5A"));
        QVERIFY(!w.ok);
        QCOMPARE(w.fileName, dirs.path(LogName));
        QCOMPARE(w.reason, QStringLiteral("fichier ou dossier introuvable"));
        QVERIFY(QDir(dirs.dataDir()).entryList(QDir::Files).isEmpty());
    }

    // A record with a character the code page cannot hold is refused before anything is written.
    void unencodableRecordWritesNothing_data() {
        QTest::addColumn<Op>("op");
        QTest::newRow("enregistre") << Op::Enregistre;
        QTest::newRow("insere") << Op::Insere;
        QTest::newRow("modifie") << Op::Modifie;
    }
    void unencodableRecordWritesNothing() {
        QFETCH(Op, op);
        TestDirs dirs;
        const QByteArray old = bytesOf({qso("F5A"), qso("ON4B")});
        dirs.writeFile(LogName, old);
        StepFault watch;
        const WriteResult w = run(LogStore(dirs.dataDir(), Call, &watch), op, qso(QStringLiteral("SP9ŁÓ")), qso("F5A"));
        QVERIFY(!w.ok);
        QCOMPARE(w.fileName, dirs.path(LogName));
        QVERIFY2(w.reason.contains(QStringLiteral("Ł")), qPrintable(w.reason));
        QCOMPARE(dirs.readFile(LogName), old);
        QVERIFY(watch.seen.isEmpty());  // not even the temporary file was opened
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{LogName});
    }

    void creationFromTemplate() {
        TestDirs dirs;
        QVERIFY(!creationFichierLog(dirs.dataDir(), Call));  // no template
        QVERIFY(!dirs.exists(LogName));

        QByteArray tpl;
        for (int b = 0; b < 256; ++b) tpl.append(char(b));
        dirs.writeFile(files::Template, tpl);
        QVERIFY(creationFichierLog(dirs.dataDir(), Call));
        QCOMPARE(dirs.readFile(LogName), tpl);
        QCOMPARE(dirs.readFile(files::Template), tpl);

        // An existing log is never replaced by the template.
        dirs.writeFile(LogName, "my log\r\n");
        QVERIFY(!creationFichierLog(dirs.dataDir(), Call));
        QCOMPARE(dirs.readFile(LogName), QByteArray("my log\r\n"));
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), (QStringList{"FXXXX.txt", LogName}));
    }

    void emptyTemplateGivesEmptyLog() {
        TestDirs dirs;
        dirs.writeFile(files::Template, QByteArray());
        QVERIFY(creationFichierLog(dirs.dataDir(), QStringLiteral("F_5ABC")));
        QVERIFY(dirs.exists(QStringLiteral("F_5ABC_DNJ.log")));
        QCOMPARE(dirs.readFile(QStringLiteral("F_5ABC_DNJ.log")), QByteArray());
        const LoadedLog log = LogStore(dirs.dataDir(), QStringLiteral("F_5ABC")).load();
        QVERIFY(log.read.ok());
        QVERIFY(log.displayLines().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLogStore)
#include "tst_logstore.moc"
