// The operator's log when the disk lets the program down for real (full, read-only) and when
// the file was edited by hand: a message, the log as it was, the work still possible.
#include "tests/mainwindow/harness.h"

#include "bench/sample_log.h"
#include "logstore/logstore.h"
#include "tests/common/diskfaults.h"

using namespace kastlog;
using namespace kastlog::test;

namespace {
enum Change { Save, Insertion, Edit, Deletion };

// A reference no QSO of `lines` has, so that the new QSO is never a castle worked before.
QString freshReference(const QStringList &lines) {
    for (int n = 999;; --n) {
        const QString ref = QStringLiteral("NM%1").arg(n, 3, 10, QLatin1Char('0'));
        bool used = false;
        for (const QString &l : lines) used = used || l.mid(rec::RefCol - 1, rec::RefWidth) == ref;
        if (!used) return ref;
    }
}

// Starts the change as the operator does, up to the button that writes the log.
void prepare(Harness &h, Change c, const QString &ref) {
    switch (c) {
    case Save: h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), ref); break;
    case Insertion:  // a forgotten QSO, typed in among the others
        h.clickItem(5);
        h.w<QPushButton>(QStringLiteral("Ajout_QSO"))->click();
        h.edit(QStringLiteral("Ind_A"))->clear();
        h.typeQso(QStringLiteral("DL1AAA"), QString(), ref, QStringLiteral("15/07/08"), QStringLiteral("12:00"));
        break;
    case Edit:
        h.doubleClickItem(5);
        h.edit(QStringLiteral("RST_A"))->setText(QStringLiteral("33"));
        break;
    case Deletion: h.clickItem(5); break;
    }
}

void commit(Harness &h, Change c) {
    if (c == Save || c == Insertion) h.save();
    else if (c == Deletion) h.w<QPushButton>(QStringLiteral("Annule_Saisie"))->click();
    else h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
}

QString failureText(Change c) {
    return c == Deletion ? QStringLiteral("Le QSO n'a pas été supprimé.") : QStringLiteral("Le QSO n'a pas été enregistré.");
}

int linesAfter(Change c) { return c == Deletion ? 1999 : c == Edit ? 2000 : 2001; }

void changeRows() {
    QTest::addColumn<int>("change");
    QTest::newRow("save") << int(Save);
    QTest::newRow("insertion") << int(Insertion);
    QTest::newRow("edit") << int(Edit);
    QTest::newRow("deletion") << int(Deletion);
}
}  // namespace

class TestMainBadFiles : public QObject {
    Q_OBJECT

    // The change fails under `fault`; once the fault is gone, the operator does it again.
    template <class MakeFault>
    void failsThenSucceeds(Change c, const QString &reason, MakeFault makeFault) {
        Harness h;
        const QStringList log = bench::realisticRecords(2000);
        h.station(Q1, log);
        QVERIFY(h.start());
        const QByteArray before = h.dirs.readFile(files::logName(Q1));
        const QString ref = freshReference(log);
        prepare(h, c, ref);
        {
            const auto fault = makeFault(h);
            QVERIFY(fault.inForce());
            commit(h, c);
        }
        QCOMPARE(h.infos().size(), 1);
        QVERIFY2(h.infos().first().startsWith(failureText(c)), qPrintable(h.infos().first()));
        QVERIFY2(h.infos().first().endsWith(QStringLiteral("Raison : ") + reason), qPrintable(h.infos().first()));
        QVERIFY(h.dirs.readFile(files::logName(Q1)) == before);  // byte for byte
        QVERIFY(!h.dirs.exists(files::Temporaire) && !h.dirs.exists(files::Temporaire6));
        QVERIFY(!h.dirs.exists(files::ListePrenom));
        QCOMPARE(h.window->mainListLines().size(), 2000);

        // Space freed, or the directory writable again: the same gesture goes through.
        if (c == Deletion) prepare(h, c, ref);  // a refused deletion leaves the entry reset
        commit(h, c);
        QCOMPARE(h.infos().size(), 1);
        const QStringList after = h.logLines(Q1);
        QCOMPARE(after.size(), linesAfter(c));
        if (c == Save || c == Insertion) {
            QCOMPARE(after.filter(ref).size(), 1);
            QStringList withoutNew = after;
            withoutNew.removeOne(after.filter(ref).first());
            QCOMPARE(withoutNew, log);
        }
    }

private slots:
    void fullDisk_data() { changeRows(); }
    void fullDisk() {
        QFETCH(int, change);
        // No file may grow past half the log: the new log cannot be written whole.
        failsThenSucceeds(Change(change), QStringLiteral("fichier trop gros"), [](Harness &h) {
            return FileSizeLimit(h.dirs.readFile(files::logName(Q1)).size() / 2);
        });
    }

    void readOnlyDirectory_data() { changeRows(); }
    void readOnlyDirectory() {
        QFETCH(int, change);
        failsThenSucceeds(Change(change), QStringLiteral("accès refusé"),
                          [](Harness &h) { return ReadOnlyDirectory(h.dirs.dataDir()); });
    }

    // Lines no entry makes, then more lines than the list can number: the list shows what it
    // can and says so once, the odd lines can be clicked, and a new QSO keeps every line.
    void handEditedLog() {
        Harness h;
        QList<QByteArray> lines = {"", "x", QByteArray(300, 'A'), "F6ABC  \r  half a line after a lone CR"};
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b)
            if (b != '\n') everyByte += char(b);
        lines << everyByte;
        const QStringList records = bench::realisticRecords(2000);
        while (lines.size() < 100000) lines << records.at(lines.size() % records.size()).toLatin1();
        QByteArray file;
        for (const QByteArray &l : lines) file += l + "\r\n";
        h.settings.setIndicatifStation(Q1);
        h.dirs.writeFile(files::logName(Q1), file);

        QVERIFY(h.start());
        QCOMPARE(h.window->mainListLines().size(), MaxDisplayLines);
        QCOMPARE(h.infos(), QStringList{QStringLiteral("Le log contient 100000 lignes : la liste ne montre que les 99999 "
                                                       "premières. Le fichier les garde toutes.")});
        for (int row = 0; row < 5; ++row) {
            h.clickItem(row);
            QVERIFY(h.list()->currentIndex().row() == row);
        }
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();

        const QString ref = freshReference(records);
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), ref);
        h.save();
        QCOMPARE(h.infos().size(), 1);  // said once, not at every reload
        QList<QByteArray> after = h.dirs.readFile(files::logName(Q1)).split('\n');
        QCOMPARE(after.takeLast(), QByteArray());
        QCOMPARE(after.size(), 100001);
        qsizetype added = -1;
        for (qsizetype i = 0; i < after.size() && added < 0; ++i)
            if (after[i].mid(rec::RefCol - 1, rec::RefWidth) == ref.toLatin1()) added = i;
        QVERIFY(added >= 0);
        after.removeAt(added);
        for (qsizetype i = 0; i < after.size(); ++i) QVERIFY(after[i] == lines[i] + "\r");
    }
};

KASTLOG_WINDOW_TEST(TestMainBadFiles)
#include "test_main_badfiles.moc"
