// The first-name memory "Liste_Prenom.txt".
#include "faultsteps.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QtTest>

using namespace kastlog;
using kastlog::test::StepFault;
using kastlog::test::TestDirs;

namespace {
// The key the save builds: call sign padded to 13, province, blanks to 16, first name.
QString key(const QString &call, const QString &name, const QString &prov = QStringLiteral("NM")) {
    return (call.leftJustified(13, QLatin1Char(' ')) + prov).leftJustified(16, QLatin1Char(' ')) + name;
}
}  // namespace

class TestPrenoms : public QObject {
    Q_OBJECT
private slots:
    void lookup_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty memory") << QStringList{} << "F5ABC" << false << "";
        QTest::newRow("found") << QStringList{"ON4XYZ          LUC", "F5ABC           JEAN"} << "F5ABC" << true << "JEAN";
        QTest::newRow("the later line wins") << QStringList{"F5ABC           JEAN", "F5ABC           PAUL"} << "F5ABC" << true << "PAUL";
        QTest::newRow("empty name") << QStringList{"F5ABC           "} << "F5ABC" << true << "";
        QTest::newRow("name shown in capitals") << QStringList{"F5ABC           jérôme"} << "F5ABC" << true << "JÉRÔME";
        QTest::newRow("12-character call") << QStringList{"DL1ABC/P/MMX    ERIK"} << "DL1ABC/P/MMX" << true << "ERIK";
        QTest::newRow("small letters in the file do not match") << QStringList{"f5abc           JEAN"} << "F5ABC" << false << "";
        QTest::newRow("other call") << QStringList{"F5ABCD          JEAN"} << "F5ABC" << false << "";
        QTest::newRow("blanks around the stored call") << QStringList{"  F5ABC         JEAN"} << "F5ABC" << true << "JEAN";
        QTest::newRow("short line without name") << QStringList{"F5ABC"} << "F5ABC" << true << "";
        QTest::newRow("name from column 17 on") << QStringList{"F5ABC       XYZWJEAN MARC"} << "F5ABC" << true << "JEAN MARC";
    }
    void lookup() {
        QFETCH(QStringList, lines);
        QFETCH(QString, call);
        QFETCH(bool, found);
        QFETCH(QString, name);
        const std::optional<QString> r = prenoms::find(lines, call);
        QCOMPARE(r.has_value(), found);
        if (found) {
            QCOMPARE(*r, name);
            QVERIFY(!r->isNull());
        }
    }

    void store_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first save") << QStringList{} << key("F5ABC", "JEAN") << QStringList{"F5ABC           JEAN"};
        QTest::newRow("new call at the end") << QStringList{"ON4XYZ          LUC"} << key("F5ABC", "JEAN")
                                             << QStringList{"ON4XYZ          LUC", "F5ABC           JEAN"};
        QTest::newRow("known call replaced in place")
            << QStringList{"F5ABC           JEAN", "ON4XYZ          LUC"} << key("F5ABC", "PAUL")
            << QStringList{"F5ABC           PAUL", "ON4XYZ          LUC"};
        QTest::newRow("two lines both replaced")
            << QStringList{"F5ABC           JEAN", "ON4XYZ          LUC", "F5ABC           PAUL"} << key("F5ABC", "MARC")
            << QStringList{"F5ABC           MARC", "ON4XYZ          LUC", "F5ABC           MARC"};
        QTest::newRow("empty name: 16 characters") << QStringList{"F5ABC           JEAN"} << key("F5ABC", "")
                                                   << QStringList{"F5ABC           "};
        QTest::newRow("12-character call without padding") << QStringList{} << key("DL1ABC/P/MMX", "ERIK")
                                                           << QStringList{"DL1ABC/P/MMX    ERIK"};
        QTest::newRow("columns 13-16 become blanks") << QStringList{} << QStringLiteral("F5ABC       XYZWJEAN")
                                                     << QStringList{"F5ABC           JEAN"};
        QTest::newRow("short key keeps the 12 columns") << QStringList{} << QStringLiteral("F5AB") << QStringList{"F5AB            "};
        QTest::newRow("small-letter line is another call")
            << QStringList{"f5abc           JEAN"} << key("F5ABC", "PAUL") << QStringList{"f5abc           JEAN", "F5ABC           PAUL"};
    }
    void store() {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(QStringList, after);
        QCOMPARE(prenoms::store(lines, key), after);
    }

    void missingFileFindsNothingAndFirstSaveCreatesIt() {
        TestDirs dirs;
        QVERIFY(!lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")).has_value());
        QVERIFY(!dirs.exists(files::ListePrenom));
        const WriteResult w = enregistrePrenom(dirs.dataDir(), key("F5ABC", "JEAN"));
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(dirs.readFile(files::ListePrenom), QByteArray("F5ABC           JEAN\r\n"));
        QCOMPARE(lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")), std::optional<QString>(QStringLiteral("JEAN")));
        QVERIFY(!dirs.exists(files::Temporaire));
    }

    void savingTwiceKeepsOneLine() {
        TestDirs dirs;
        dirs.writeFile(files::ListePrenom, QByteArray());  // an empty memory is valid
        QVERIFY(!lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")).has_value());
        QVERIFY(enregistrePrenom(dirs.dataDir(), key("F5ABC", "JEAN")).ok);
        QVERIFY(enregistrePrenom(dirs.dataDir(), key("ON4XYZ", "LUC", "LG")).ok);
        QVERIFY(enregistrePrenom(dirs.dataDir(), key("F5ABC", "PAUL")).ok);
        QCOMPARE(dirs.readFile(files::ListePrenom), QByteArray("F5ABC           PAUL\r\nON4XYZ          LUC\r\n"));
        QVERIFY(enregistrePrenom(dirs.dataDir(), key("F5ABC", "")).ok);
        QCOMPARE(lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")), std::optional<QString>(QString()));
        QCOMPARE(dirs.readLines(files::ListePrenom).first(), QStringLiteral("F5ABC           "));
    }

    void accentsAreKeptInWindows1252() {
        TestDirs dirs;
        QVERIFY(enregistrePrenom(dirs.dataDir(), key("F5ABC", QStringLiteral("JÉRÔME"))).ok);
        QCOMPARE(dirs.readFile(files::ListePrenom), QByteArray("F5ABC           J\xc9R\xd4ME\r\n"));
        QCOMPARE(*lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")), QStringLiteral("JÉRÔME"));
    }

    void unencodableNameWritesNothing() {
        TestDirs dirs;
        dirs.writeFile(files::ListePrenom, "ON4XYZ          LUC\r\n");
        const WriteResult w = enregistrePrenom(dirs.dataDir(), key("SP9ABC", QStringLiteral("ŁUKASZ")));
        QVERIFY(!w.ok);
        QCOMPARE(w.fileName, dirs.path(files::ListePrenom));
        QVERIFY(!w.reason.isEmpty());
        QCOMPARE(dirs.readFile(files::ListePrenom), QByteArray("ON4XYZ          LUC\r\n"));
    }

    void unreadableMemoryIsNotOverwritten() {
        TestDirs dirs;
        QVERIFY(QDir(dirs.dataDir()).mkdir(files::ListePrenom));
        const WriteResult w = enregistrePrenom(dirs.dataDir(), key("F5ABC", "JEAN"));
        QVERIFY(!w.ok);
        QVERIFY(QFileInfo(dirs.path(files::ListePrenom)).isDir());
        QVERIFY(!lecturePrenom(dirs.dataDir(), QStringLiteral("F5ABC")).has_value());
    }

    void failingSaveKeepsTheMemory_data() {
        test::addFaultStepRows();
    }
    void failingSaveKeepsTheMemory() {
        QFETCH(WriteStep, step);
        TestDirs dirs;
        const QByteArray old("ON4XYZ          LUC\r\nF5ABC           JEAN\r\n");
        dirs.writeFile(files::ListePrenom, old);
        StepFault fault(step);
        QStringList atRename;
        fault.onStep = [&](WriteStep s) {
            if (s == WriteStep::Rename) atRename = QDir(dirs.dataDir()).entryList(QDir::Files);
        };
        QVERIFY(!enregistrePrenom(dirs.dataDir(), key("F5ABC", "PAUL"), &fault).ok);
        QCOMPARE(dirs.readFile(files::ListePrenom), old);
        QCOMPARE(QDir(dirs.dataDir()).entryList(QDir::Files), QStringList{files::ListePrenom});
        if (step >= WriteStep::Rename) QCOMPARE(atRename, (QStringList{files::ListePrenom, files::Temporaire}));
    }
};

QTEST_GUILESS_MAIN(TestPrenoms)
#include "tst_prenoms.moc"
