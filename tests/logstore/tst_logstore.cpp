#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"
#include "tests/common/testdirs.h"

#include <QtTest>

using namespace kastlog;

namespace {
QString mk(const QString &call, const QString &ref, const QString &date, const QString &time) {
    QsoFields q;
    q.call = call; q.reference = ref; q.province = ref.left(2); q.date = date; q.time = time;
    q.mode = "SSB"; q.band = "14 Mhz"; q.rstReceived = "59"; q.rstSent = "59"; q.castleName = "C. ";
    return formatRecord(q);
}
class FailAt : public FaultInjector {
public:
    explicit FailAt(WriteStep s) : step(s) {}
    bool fails(WriteStep s) const override { return s == step; }
    WriteStep step;
};
}  // namespace

class TestLogStore : public QObject {
    Q_OBJECT
private slots:
    void loadsDisplayLines();
    void loadingMissingLogIsError53();
    void emptyLogLoadsEmpty();
    void rewritesPlaceRecordsAndLeaveNoTemporary();
    void insertionUsesItsOwnTemporaryFile();
    void rewriteOfMissingLogFailsAndCreatesNothing();
    void failedRewriteKeepsLogByteForByte();
    void unencodableRecordWritesNothing();
    void lastLineWithoutLineEndGetsOne();
    void templateCopy();
    void prenomsMemory();
    void prenomsFileLogic();
};

void TestLogStore::loadsDisplayLines() {
    test::TestDirs dirs;
    const QString a = mk("F6AAA", "NM047", "01/01/08", "10:00");
    dirs.writeLines("Q1ABC_DNJ.log", {a, a});
    const LoadedLog l = LogStore(dirs.dataDir(), "Q1ABC").load();
    QVERIFY(l.read.ok());
    QCOMPARE(l.displayLines.size(), 2);
    QCOMPARE(l.displayLines.at(1), displayLine(a, 2));
    QVERIFY(!l.truncated);
}

void TestLogStore::loadingMissingLogIsError53() {
    test::TestDirs dirs;
    const LoadedLog l = LogStore(dirs.dataDir(), "Q1ABC").load();
    QCOMPARE(l.read.kind, ReadResult::Missing);
    QCOMPARE(l.read.errorNumber, 53);
    QVERIFY(l.displayLines.isEmpty());
}

void TestLogStore::emptyLogLoadsEmpty() {
    test::TestDirs dirs;
    dirs.writeFile("Q1ABC_DNJ.log", {});
    const LoadedLog l = LogStore(dirs.dataDir(), "Q1ABC").load();
    QVERIFY(l.read.ok());
    QVERIFY(l.displayLines.isEmpty());
}

void TestLogStore::rewritesPlaceRecordsAndLeaveNoTemporary() {
    test::TestDirs dirs;
    dirs.writeFile("Q1ABC_DNJ.log", {});
    const LogStore s(dirs.dataDir(), "Q1ABC");
    const QString a = mk("F6AAA", "NM001", "01/01/08", "10:00"), x4 = mk("4X4AB", "NM002", "01/01/08", "11:00");
    QVERIFY(bool(s.enregistreQso(x4)));
    QVERIFY(bool(s.enregistreQso(a)));
    QCOMPARE(dirs.readLines("Q1ABC_DNJ.log"), QStringList({a, x4}));
    const QString b = mk("F6BBB", "NM003", "01/01/08", "10:30");
    QVERIFY(bool(s.modifieQso(b, a)));
    QCOMPARE(dirs.readLines("Q1ABC_DNJ.log"), QStringList({b, x4}));
    QVERIFY(bool(s.supprimeQso(x4)));
    QCOMPARE(dirs.readLines("Q1ABC_DNJ.log"), QStringList({b}));
    QVERIFY(!dirs.exists("Temporaire.txt"));
}

void TestLogStore::insertionUsesItsOwnTemporaryFile() {
    test::TestDirs dirs;
    const QString later = mk("F6AAA", "NM001", "01/01/00", "00:00");
    dirs.writeLines("Q1ABC_DNJ.log", {later});
    dirs.writeFile("Temporaire.txt", "unrelated");  // the other work file is left alone
    const QString earlier = mk("F6BBB", "NM002", "31/12/99", "12:00");
    QVERIFY(bool(LogStore(dirs.dataDir(), "Q1ABC").insereQso(earlier)));
    QCOMPARE(dirs.readLines("Q1ABC_DNJ.log"), QStringList({earlier, later}));
    QCOMPARE(dirs.readFile("Temporaire.txt"), QByteArray("unrelated"));
    QVERIFY(!dirs.exists("Temporaire6.txt"));
}

void TestLogStore::rewriteOfMissingLogFailsAndCreatesNothing() {
    test::TestDirs dirs;
    const WriteResult w = LogStore(dirs.dataDir(), "Q1ABC").enregistreQso(mk("F6A", "NM001", "01/01/08", "10:00"));
    QVERIFY(!w.ok);
    QVERIFY(w.fileName.endsWith("Q1ABC_DNJ.log"));
    QVERIFY(!dirs.exists("Q1ABC_DNJ.log"));
}

void TestLogStore::failedRewriteKeepsLogByteForByte() {
    test::TestDirs dirs;
    const QByteArray before = (mk("F6AAA", "NM001", "01/01/08", "10:00") + "\r\n").toLatin1();
    dirs.writeFile("Q1ABC_DNJ.log", before);
    for (WriteStep step : {WriteStep::OpenTemp, WriteStep::Write, WriteStep::Sync, WriteStep::Close, WriteStep::Rename, WriteStep::SyncDir}) {
        const FailAt f(step);
        const LogStore s(dirs.dataDir(), "Q1ABC", &f);
        QVERIFY(!s.enregistreQso(mk("F6BBB", "NM002", "01/01/08", "11:00")).ok);
        QVERIFY(!s.supprimeQso(mk("F6AAA", "NM001", "01/01/08", "10:00")).ok);
        QCOMPARE(dirs.readFile("Q1ABC_DNJ.log"), before);
        QVERIFY(!dirs.exists("Temporaire.txt"));
    }
}

void TestLogStore::unencodableRecordWritesNothing() {
    test::TestDirs dirs;
    dirs.writeFile("Q1ABC_DNJ.log", "x\r\n");
    const WriteResult w = LogStore(dirs.dataDir(), "Q1ABC").enregistreQso(QString::fromUtf8("F6Ł"));
    QVERIFY(!w.ok);
    QVERIFY(!w.reason.isEmpty());
    QCOMPARE(dirs.readFile("Q1ABC_DNJ.log"), QByteArray("x\r\n"));
}

void TestLogStore::lastLineWithoutLineEndGetsOne() {
    test::TestDirs dirs;
    dirs.writeFile("Q1ABC_DNJ.log", "ZZ1\r\nZZ2\rX\xe9");
    QVERIFY(bool(LogStore(dirs.dataDir(), "Q1ABC").supprimeQso("absent")));
    QCOMPARE(dirs.readFile("Q1ABC_DNJ.log"), QByteArray("ZZ1\r\nZZ2\rX\xe9\r\n"));
}

void TestLogStore::templateCopy() {
    test::TestDirs dirs;
    QVERIFY(!creationFichierLog(dirs.dataDir(), "Q1ABC"));
    QVERIFY(!dirs.exists("Q1ABC_DNJ.log"));
    dirs.writeFile("FXXXX.txt", "tpl\r\n\x80");
    QVERIFY(creationFichierLog(dirs.dataDir(), "Q1ABC_P"));
    QCOMPARE(dirs.readFile("Q1ABC_P_DNJ.log"), QByteArray("tpl\r\n\x80"));
}

void TestLogStore::prenomsMemory() {
    test::TestDirs dirs;
    QVERIFY(!lecturePrenom(dirs.dataDir(), "F6ABC").has_value());  // no file yet
    QVERIFY(bool(enregistrePrenom(dirs.dataDir(), "F6ABC        NM JEAN")));
    QCOMPARE(dirs.readLines("Liste_Prenom.txt"), QStringList{"F6ABC           JEAN"});
    QVERIFY(bool(enregistrePrenom(dirs.dataDir(), "F6ABC        NM PAUL")));
    QCOMPARE(dirs.readLines("Liste_Prenom.txt"), QStringList{"F6ABC           PAUL"});
    QVERIFY(bool(enregistrePrenom(dirs.dataDir(), "F5XYZ        LG ")));
    QCOMPARE(dirs.readLines("Liste_Prenom.txt").last(), QString("F5XYZ           "));
    QCOMPARE(lecturePrenom(dirs.dataDir(), "F5XYZ"), std::optional<QString>(QString()));
    QCOMPARE(lecturePrenom(dirs.dataDir(), "F6ABC"), std::optional<QString>("PAUL"));
    QVERIFY(!dirs.exists("Temporaire.txt"));
}

void TestLogStore::prenomsFileLogic() {
    // Twelve characters fill the call column; a hand-edited second line wins the lookup and
    // both are replaced by the next save; small letters in the file do not match.
    QStringList lines{"ABCDEFGHIJKL    ANNE", "F6ABC           JEAN", "F6ABC           luc", "f6xyz           ZOE"};
    QCOMPARE(prenoms::find(lines, "ABCDEFGHIJKL"), std::optional<QString>("ANNE"));
    QCOMPARE(prenoms::find(lines, "F6ABC"), std::optional<QString>("LUC"));
    QVERIFY(!prenoms::find(lines, "F6XYZ").has_value());
    const QStringList stored = prenoms::store(lines, "F6ABC        NM MARC");
    QCOMPARE(stored, QStringList({"ABCDEFGHIJKL    ANNE", "F6ABC           MARC", "F6ABC           MARC", "f6xyz           ZOE"}));
}

QTEST_APPLESS_MAIN(TestLogStore)
#include "tst_logstore.moc"
