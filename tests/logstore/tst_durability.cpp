// What makes a written file durable: the order of the syncs, the permissions kept, file
// systems without hard links, and the French reasons of the failures.
#include "faultsteps.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/textfile.h"
#include "tests/common/testdirs.h"

#include <QtTest>

#include <cerrno>
#include <functional>
#include <sys/stat.h>

using namespace kastlog;
using namespace kastlog::test;

namespace {
QString call(DurableCall c, const QString &path) { return QString::number(int(c)) + QLatin1Char(' ') + path; }

// The durable calls as they succeed, in their order.
class Recorder : public WriteObserver {
public:
    Recorder() { setWriteObserver(this); }
    ~Recorder() override { setWriteObserver(nullptr); }
    void called(DurableCall c, const QString &path) override { calls << call(c, path); }
    QStringList calls;
};

const QString Rec = QStringLiteral("ON4AA").leftJustified(107, QLatin1Char(' '));
using Write = std::function<bool(const QString &)>;
}  // namespace

Q_DECLARE_METATYPE(Write)

class TestDurability : public QObject {
    Q_OBJECT
private slots:
    // The data reaches the disk before its name is put in place, the directory after.
    void dataIsSyncedBeforeTheRenameAndTheDirectoryAfter_data() {
        QTest::addColumn<Write>("write");
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QString>("target");
        QTest::newRow("log") << Write([](const QString &d) { return LogStore(d, "Q1ABC").enregistreQso(Rec).ok; })
                             << "Temporaire.txt" << "Q1ABC_DNJ.log";
        QTest::newRow("insertion") << Write([](const QString &d) { return LogStore(d, "Q1ABC").insereQso(Rec).ok; })
                                   << "Temporaire6.txt" << "Q1ABC_DNJ.log";
        QTest::newRow("first names")
            << Write([](const QString &d) { return enregistrePrenom(d, QStringLiteral("ON4AA        LG MARC")).ok; })
            << "Temporaire.txt" << "Liste_Prenom.txt";
        QTest::newRow("new station's log")
            << Write([](const QString &d) { return creationFichierLog(d, QStringLiteral("F1NEW")); })
            << "Temporaire.txt" << "F1NEW_DNJ.log";
        QTest::newRow("any file") << Write([](const QString &d) {
            return replaceFile(d, QStringLiteral("x.adi"), QStringLiteral("Temporaire.txt"), "adif").ok;
        }) << "Temporaire.txt" << "x.adi";
    }
    void dataIsSyncedBeforeTheRenameAndTheDirectoryAfter() {
        QFETCH(Write, write);
        QFETCH(QString, temp);
        QFETCH(QString, target);
        TestDirs dirs;
        dirs.writeLines(QStringLiteral("Q1ABC_DNJ.log"), {Rec});
        dirs.writeFile(QStringLiteral("FXXXX.txt"), QByteArray());
        Recorder rec;
        QVERIFY(write(dirs.dataDir()));
        // The log's history adds its own files' calls around these; the order of these stands.
        const qsizetype renamed = rec.calls.indexOf(call(DurableCall::Rename, dirs.path(target)));
        const qsizetype synced = rec.calls.lastIndexOf(call(DurableCall::SyncData, dirs.path(temp)), renamed);
        QVERIFY2(synced >= 0 && renamed > synced, "the data is synced before the rename");
        QVERIFY2(rec.calls.indexOf(call(DurableCall::SyncDir, dirs.dataDir()), renamed) > renamed,
                 "the directory is synced after the rename");
    }

    // A group-shared log stays group-shared, whatever the umask.
    void groupSharedLogKeepsItsMode() {
        TestDirs dirs;
        dirs.writeLines(QStringLiteral("Q1ABC_DNJ.log"), {Rec});
        const QByteArray p = QFile::encodeName(dirs.path(QStringLiteral("Q1ABC_DNJ.log")));
        QCOMPARE(::chmod(p.constData(), 0660), 0);
        const mode_t old = ::umask(077);
        const bool ok = LogStore(dirs.dataDir(), QStringLiteral("Q1ABC")).enregistreQso(Rec).ok;
        ::umask(old);
        QVERIFY(ok);
        struct stat st {};
        QCOMPARE(::stat(p.constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0660);
    }

    // Where hard links are not supported, a new file is still made, and an existing one is
    // still never replaced.
    void createWithoutHardLinks() {
        TestDirs dirs;
        StepFault noLinks(WriteStep::Link);
        WriteResult w = createFile(dirs.dataDir(), QStringLiteral("a.log"), QStringLiteral("Temporaire.txt"), "tpl\r\n", &noLinks);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(dirs.readFile(QStringLiteral("a.log")), QByteArray("tpl\r\n"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
        w = createFile(dirs.dataDir(), QStringLiteral("a.log"), QStringLiteral("Temporaire.txt"), "other", &noLinks);
        QVERIFY(!w.ok);
        QCOMPARE(w.reason, QStringLiteral("le fichier existe déjà"));
        QCOMPARE(dirs.readFile(QStringLiteral("a.log")), QByteArray("tpl\r\n"));
        QVERIFY(!dirs.exists(QStringLiteral("Temporaire.txt")));
    }

    void reasonsInFrench_data() {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ENOSPC") << ENOSPC << "le disque est plein";
        QTest::newRow("EDQUOT") << EDQUOT << "le quota de disque est dépassé";
        QTest::newRow("EFBIG") << EFBIG << "fichier trop gros";
        QTest::newRow("EACCES") << EACCES << "accès refusé";
        QTest::newRow("EPERM") << EPERM << "accès refusé";
        QTest::newRow("EROFS") << EROFS << "le disque est en lecture seule";
        QTest::newRow("ENOENT") << ENOENT << "fichier ou dossier introuvable";
        QTest::newRow("ENOTDIR") << ENOTDIR << "une partie du chemin n'est pas un dossier";
        QTest::newRow("EISDIR") << EISDIR << "un dossier porte ce nom";
        QTest::newRow("EEXIST") << EEXIST << "le fichier existe déjà";
        QTest::newRow("EIO") << EIO << "erreur de lecture ou d'écriture du disque";
        QTest::newRow("EMFILE") << EMFILE << "trop de fichiers ouverts";
        QTest::newRow("ENFILE") << ENFILE << "trop de fichiers ouverts";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "nom de fichier trop long";
    }
    void reasonsInFrench() {
        QFETCH(int, err);
        QFETCH(QString, reason);
        QCOMPARE(systemReason(err), reason);
    }
};

QTEST_GUILESS_MAIN(TestDurability)
#include "tst_durability.moc"
