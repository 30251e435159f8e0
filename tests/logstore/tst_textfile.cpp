#include "logstore/cp1252.h"
#include "logstore/textfile.h"
#include "tests/common/testdirs.h"

#include <QtTest>

using namespace kastlog;

namespace {
class FailAt : public FaultInjector {
public:
    explicit FailAt(WriteStep s) : step(s) {}
    bool fails(WriteStep s) const override { return s == step; }
    WriteStep step;
};
}  // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data();
    void splitLines();
    void everyByteRoundTrips();
    void encodingRefusesWhatTheCodePageLacks();
    void readFailures();
    void replaceWritesWholeContent();
    void replaceFailureLeavesTargetUntouched_data();
    void replaceFailureLeavesTargetUntouched();
    void replaceInMissingDirectoryFails();
};

void TestTextFile::splitLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("last without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone cr stays") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
    QTest::newRow("lone lf ends") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("cp1252") << QByteArray("\x80\xe9\r\n") << QStringList{QString::fromUtf8("€é")};
}

void TestTextFile::splitLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(kastlog::splitLines(bytes), lines);
}

void TestTextFile::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QByteArray back;
    QVERIFY(cp1252::encode(text, back));
    QCOMPARE(back, all);
    QCOMPARE(cp1252::decode(QByteArray("\x81")), QString(QChar(0x81)));
}

void TestTextFile::encodingRefusesWhatTheCodePageLacks() {
    QByteArray out;
    QVERIFY(cp1252::encode(QString::fromUtf8("€"), out));
    QCOMPARE(out, QByteArray("\x80"));
    QVERIFY(!cp1252::canEncode(QString::fromUtf8("CHÂTEAU Ł")));
    QCOMPARE(cp1252::firstUnencodable(QString::fromUtf8("abŁc")), QChar(0x141));
    QVERIFY(!cp1252::encode(QString::fromUtf8("Ł"), out));
    QByteArray joined;
    QVERIFY(!joinLines({QString::fromUtf8("ok"), QString::fromUtf8("漢")}, joined));
    QVERIFY(joinLines({"a", "b"}, joined));
    QCOMPARE(joined, QByteArray("a\r\nb\r\n"));
}

void TestTextFile::readFailures() {
    test::TestDirs dirs;
    ReadResult r = readTextFile(dirs.path("absent.log"));
    QCOMPARE(r.kind, ReadResult::Missing);
    QCOMPARE(r.errorNumber, 53);
    QVERIFY(!r.reason.isEmpty());
    QDir(dirs.dataDir()).mkdir("adir.log");
    r = readTextFile(dirs.path("adir.log"));
    QCOMPARE(r.kind, ReadResult::Failed);
    QVERIFY(r.errorNumber != 53 && r.errorNumber != 0);
    dirs.writeFile("ok.log", "x\r\n");
    r = readTextFile(dirs.path("ok.log"));
    QVERIFY(r.ok());
    QCOMPARE(r.lines, QStringList{"x"});
}

void TestTextFile::replaceWritesWholeContent() {
    test::TestDirs dirs;
    dirs.writeFile("log.txt", "old\r\n");
    QVERIFY(bool(replaceFile(dirs.dataDir(), "log.txt", "Temporaire.txt", "new\r\n")));
    QCOMPARE(dirs.readFile("log.txt"), QByteArray("new\r\n"));
    QVERIFY(!dirs.exists("Temporaire.txt"));
    QVERIFY(bool(replaceFile(dirs.dataDir(), "fresh.txt", "Temporaire.txt", "a\r\n")));
    QCOMPARE(dirs.readFile("fresh.txt"), QByteArray("a\r\n"));
}

void TestTextFile::replaceFailureLeavesTargetUntouched_data() {
    QTest::addColumn<int>("step");
    QTest::newRow("open temp") << int(WriteStep::OpenTemp);
    QTest::newRow("write") << int(WriteStep::Write);
    QTest::newRow("sync") << int(WriteStep::Sync);
    QTest::newRow("close") << int(WriteStep::Close);
    QTest::newRow("rename") << int(WriteStep::Rename);
    QTest::newRow("sync dir") << int(WriteStep::SyncDir);
}

void TestTextFile::replaceFailureLeavesTargetUntouched() {
    QFETCH(int, step);
    test::TestDirs dirs;
    const QByteArray before("line one\r\nline two\r\n");
    dirs.writeFile("F6ABC_DNJ.log", before);
    const FailAt fault{WriteStep(step)};
    const WriteResult w = replaceFile(dirs.dataDir(), "F6ABC_DNJ.log", "Temporaire.txt", QByteArray(5000, 'x'), &fault);
    QVERIFY(!w.ok);
    QVERIFY(!w.fileName.isEmpty());
    QVERIFY(!w.reason.isEmpty());
    QCOMPARE(dirs.readFile("F6ABC_DNJ.log"), before);
    QVERIFY(!dirs.exists("Temporaire.txt"));
    // A failed creation leaves no half file either.
    const WriteResult w2 = replaceFile(dirs.dataDir(), "new.log", "Temporaire.txt", "abc", &fault);
    QVERIFY(!w2.ok);
    QVERIFY(!dirs.exists("new.log"));
}

void TestTextFile::replaceInMissingDirectoryFails() {
    test::TestDirs dirs;
    dirs.writeFile("plain", "x");
    // A folder under a regular file cannot exist, even for root.
    const WriteResult w = replaceFile(dirs.path("plain") + "/sub", "a.log", "Temporaire.txt", "abc");
    QVERIFY(!w.ok);
    QVERIFY(w.fileName.contains("Temporaire.txt"));
    QVERIFY(!w.reason.isEmpty());
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
