// Logs edited by hand in another editor: odd lines, odd line ends, every byte value, more lines
// than the list can number. Loading never fails on them and a rewrite keeps every line.
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "tests/common/testdirs.h"

#include <QtTest>

using namespace kastlog;

namespace {
const QString Call = QStringLiteral("F4ABC");
using Lines = QList<QByteArray>;

QByteArray crlf(const Lines &lines) {
    QByteArray b;
    for (const QByteArray &l : lines) b += l + "\r\n";
    return b;
}

// A well-formed record, as the entry window writes it.
QString newRecord() {
    QsoFields q;
    q.call = QStringLiteral("F5XYZ");
    q.province = QStringLiteral("AB");
    q.firstName = QStringLiteral("Jérôme");
    q.reference = QStringLiteral("AB123");
    q.date = QStringLiteral("01/02/24");
    q.time = QStringLiteral("12:34");
    q.mode = QStringLiteral("SSB");
    q.band = QStringLiteral("40m");
    q.rstReceived = QStringLiteral("59");
    q.rstSent = QStringLiteral("59");
    q.castleName = QStringLiteral("Chateau de test");
    return formatRecord(q);
}

QByteArray encoded(const QString &record) {
    QByteArray b;
    if (!joinLines({record}, b)) qFatal("record outside Windows-1252");
    return b;  // with its CR LF
}

// True when `file` is `lines` in order, each ending in CR LF, with `added` (CR LF included)
// somewhere among them.
bool keptWithOneAdded(const QByteArray &file, const Lines &lines, const QByteArray &added) {
    qsizetype pos = 0;
    bool seen = false;
    for (const QByteArray &l : lines) {
        const QByteArray want = l + "\r\n";
        if (file.mid(pos, want.size()) == want) {
            pos += want.size();
            continue;
        }
        if (seen || file.mid(pos, added.size()) != added) return false;
        pos += added.size();
        seen = true;
        if (file.mid(pos, want.size()) != want) return false;
        pos += want.size();
    }
    if (!seen) {
        if (file.mid(pos) != added) return false;
        pos += added.size();
    }
    return pos == file.size();
}

Lines manyLines(int n) {
    Lines out;
    out.reserve(n);
    const QByteArray tail = QByteArray(100, 'x');
    for (int i = 0; i < n; ++i) out << QByteArray::number(i).rightJustified(6, '0') + tail;
    return out;
}
}  // namespace

class TstHandEdited : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }
    void loadAndRewrite_data();
    void loadAndRewrite();
};

void TstHandEdited::loadAndRewrite_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Lines>("lines");  // the lines the file holds, without their ends

    QTest::newRow("empty file") << QByteArray() << Lines{};
    QTest::newRow("empty lines") << QByteArray("A\r\n\r\n\r\nB\r\n\r\n") << Lines{"A", "", "", "B", ""};
    QTest::newRow("one character") << QByteArray("X\r\n") << Lines{"X"};
    const QByteArray long300 = QByteArray(150, 'a') + QByteArray(150, 'Z');
    QTest::newRow("300 characters") << crlf({"short", long300, "after"}) << Lines{"short", long300, "after"};
    QTest::newRow("CR without LF inside") << QByteArray("abc\rdef\r\nghi\r\n") << Lines{"abc\rdef", "ghi"};
    QTest::newRow("CR without LF at end") << QByteArray("abc\r\ndef\r") << Lines{"abc", "def\r"};
    QTest::newRow("CR CR LF") << QByteArray("abc\r\r\n") << Lines{"abc\r"};
    QTest::newRow("lone LF ends") << QByteArray("a\nb\nc") << Lines{"a", "b", "c"};
    QTest::newRow("no last line end") << QByteArray("a\r\nb") << Lines{"a", "b"};

    QByteArray all;  // every byte but the line feed, on one line
    Lines singles;   // and each of them alone on a line
    for (int c = 0; c < 256; ++c) {
        if (c == '\n') continue;
        all += char(c);
        singles << QByteArray(1, char(c));
    }
    QTest::newRow("every byte on one line") << crlf({all}) << Lines{all};
    QTest::newRow("every byte alone") << crlf(singles) << singles;

    const Lines l99999 = manyLines(99999);
    QTest::newRow("99 999 lines") << crlf(l99999) << l99999;
    const Lines l100000 = manyLines(100000);
    QTest::newRow("100 000 lines") << crlf(l100000) << l100000;
}

void TstHandEdited::loadAndRewrite() {
    QFETCH(QByteArray, file);
    QFETCH(Lines, lines);
    test::TestDirs dirs;
    const LogStore store(dirs.dataDir(), Call);
    const QString name = files::logName(Call);
    dirs.writeFile(name, file);

    // Loading shows what the list can number, and says when there is more.
    const LoadedLog loaded = store.load();
    QVERIFY2(loaded.read.ok(), qPrintable(loaded.read.reason));
    QCOMPARE(loaded.lineCount(), lines.size());
    const qsizetype shown = qMin<qsizetype>(lines.size(), MaxDisplayLines);
    QCOMPARE(loaded.displayLines().size(), shown);
    QCOMPARE(loaded.truncated, lines.size() > MaxDisplayLines);
    if (shown > 0) {
        QVERIFY(loaded.displayLines().first().startsWith(lineNumberText(1)));
        QVERIFY(loaded.displayLines().last().startsWith(lineNumberText(int(shown))));
    }

    // A rewrite that drops nothing keeps every line byte for byte, each ending in CR LF.
    const QString rec = newRecord();
    QVERIFY(store.supprimeQso(rec).ok);
    QCOMPARE(dirs.readFile(name), crlf(lines));

    // A record that is not there, modified: it is added at the end, the rest kept.
    QVERIFY(store.modifieQso(rec, rec + QStringLiteral("?")).ok);
    QCOMPARE(dirs.readFile(name), crlf(lines) + encoded(rec));
    QVERIFY(store.supprimeQso(rec).ok);
    QCOMPARE(dirs.readFile(name), crlf(lines));

    // Saved and inserted: one more line, wherever the odd lines put it; all others kept.
    QVERIFY(store.enregistreQso(rec).ok);
    QVERIFY(keptWithOneAdded(dirs.readFile(name), lines, encoded(rec)));
    QVERIFY(store.supprimeQso(rec).ok);
    QVERIFY(store.insereQso(rec).ok);
    QVERIFY(keptWithOneAdded(dirs.readFile(name), lines, encoded(rec)));

    // And the rewritten file loads again, all of it.
    const LoadedLog again = store.load();
    QVERIFY(again.read.ok());
    QCOMPARE(again.lineCount(), lines.size() + 1);
}

QTEST_GUILESS_MAIN(TstHandEdited)
#include "tst_handedited.moc"
