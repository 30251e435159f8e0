// What the operator is told when a line is not found or the disk does not confirm a write,
// and the colours the reset leaves.
#include "tests/mainwindow/harness.h"

#include "logstore/cp1252.h"
#include "logstore/logstore.h"
#include "logstore/record.h"

#include <QPointer>
#include <QScrollBar>

#include <sys/stat.h>

using namespace kastlog;
using namespace kastlog::test;

namespace {
// Fails every step it is given (Exchange: a file system without the name swap).
class Faults : public FaultInjector {
public:
    explicit Faults(QList<WriteStep> steps) : steps(std::move(steps)) {}
    bool fails(WriteStep s) const override { return steps.contains(s); }
    QList<WriteStep> steps;
};

const QString Edited = QString(L).replace(13, 2, QStringLiteral("XX"));  // province changed by hand

bool started(Harness &h, const QStringList &lines = {L}) {
    h.station(Q1, lines);
    return h.start();
}
ino_t inode(const Harness &h) {
    struct stat st {};
    return ::stat(QFile::encodeName(h.dirs.path(files::logName(Q1))).constData(), &st) == 0 ? st.st_ino : 0;
}
}  // namespace

class TestMainMends : public QObject {
    Q_OBJECT

private slots:
    // A line edited by hand: the deletion keeps the file as it is, the edit adds at the end;
    // both say so.
    void lineNotFoundIsTold() {
        Harness h;
        QVERIFY(started(h, {Edited}));
        const ino_t before = inode(h);
        h.clickItem(0);
        h.w<QPushButton>(QStringLiteral("Annule_Saisie"))->click();
        QCOMPARE(h.infos(), QStringList{QStringLiteral("Ce QSO n'a pas été trouvé dans le log : rien n'a été supprimé.")});
        QCOMPARE(h.logLines(Q1), QStringList{Edited});
        QCOMPARE(inode(h), before);  // not even rewritten unchanged
        QVERIFY(!h.enabled(QStringLiteral("Annule_Saisie")));
        QVERIFY(h.hasFocus(QStringLiteral("Ind_A")));
        h.messages.shown.clear();
        h.doubleClickItem(0);
        h.edit(QStringLiteral("Heure_A"))->setText(QStringLiteral("11:00"));
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.infos(), QStringList{QStringLiteral("L'ancienne ligne de ce QSO n'a pas été trouvée : le QSO modifié "
                                                       "a été ajouté à la fin du log.")});
        const QStringList lines = h.logLines(Q1);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], Edited);
        QCOMPARE(lines[1].mid(rec::TimeCol - 1, 5), QStringLiteral("11:00"));
    }

    // Without the name swap the new log is in place before the directory sync: the save
    // stands, the QSO is there once, and the operator is warned.
    void unconfirmedSaveIsAWarning() {
        Harness h;
        Faults faults({WriteStep::Exchange, WriteStep::SyncDir});
        h.services.faults = &faults;
        QVERIFY(started(h));
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        h.save();
        QCOMPARE(h.logLines(Q1).size(), 2);
        QCOMPARE(h.window->mainListLines().size(), 2);
        QVERIFY(!h.dirs.exists(QStringLiteral("Temporaire.txt")));
        QCOMPARE(h.text(QStringLiteral("Ind_A")), QString());  // saved: the entry moves on
        const QStringList infos = h.infos();
        QVERIFY(!infos.isEmpty());
        QVERIFY2(infos[0].startsWith(QStringLiteral("Le QSO est enregistré, mais le système n'a pas confirmé "
                                                    "l'écriture sur le disque : erreur de lecture ou d'écriture du disque")),
                 qPrintable(infos[0]));
    }

    // Capitals that stay in the log's code page: "ß" and "µ" are kept, nothing is cut.
    void capitalsTheLogCanHold() {
        Harness h;
        QVERIFY(started(h));
        const QString castle = QStringLiteral("µ castel ßtraße ÿ château 3");  // after "C. ": 30 in all
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("maßmaßmaßmaßmaß"), QStringLiteral("NM047"), {}, {}, {}, castle);
        h.save();
        QCOMPARE(h.infos(), QStringList());
        const QString saved = cp1252::decode(h.dirs.readFile(files::logName(Q1))).split(QStringLiteral("\r\n")).value(1);
        QCOMPARE(saved.mid(rec::FirstNameCol - 1, rec::FirstNameWidth), QStringLiteral("MAßMAßMAßMAßMAß"));
        QCOMPARE(saved.mid(rec::NameCol - 1, rec::NameWidth), QStringLiteral("C. µ CASTEL ßTRAßE Ÿ CHÂTEAU 3"));
        // The first name is remembered under the same capitals.
        QCOMPARE(h.dirs.readFile(files::ListePrenom), QByteArray("F6ABC           MA\xDFMA\xDFMA\xDFMA\xDFMA\xDF\r\n"));
    }

    // A date emptied by the choice of the automatic date after its check is refused at the save.
    void emptiedDateIsRefusedAtTheSave() {
        Harness h;
        QVERIFY(started(h));
        h.triggerMenu(QStringLiteral("Mnu_Date_Man"));
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"), QStringLiteral("20/07/08"),
                  QStringLiteral("10:00"));
        h.triggerMenu(QStringLiteral("Mnu_Date_Auto"));
        QCOMPARE(h.text(QStringLiteral("Date_A")), QString());
        h.save();
        QCOMPARE(h.infos(), QStringList{QStringLiteral("Entrez une date")});
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QVERIFY(h.hasFocus(QStringLiteral("Date_A")));
    }

    // While a QSO is modified the castle name skips its Enter check: the save keeps 30 characters.
    void editedCastleNameIsCutToThirty() {
        Harness h;
        QVERIFY(started(h));
        h.doubleClickItem(0);
        h.edit(QStringLiteral("Rem_A"))->setText(QStringLiteral("C. de la tour de guet du vieux moulin"));
        h.w<QPushButton>(QStringLiteral("Valide_A"))->click();
        QCOMPARE(h.infos(), QStringList());
        QCOMPARE(h.logLines(Q1).size(), 1);
        QCOMPARE(h.logLines(Q1)[0].mid(rec::NameCol - 1, rec::NameWidth), QStringLiteral("C. DE LA TOUR DE GUET DU VIEUX"));
    }

    // The program ends with its last open window: a report window outlives `Main`.
    void reportWindowOutlivesMain() {
        Harness h;
        QVERIFY(started(h));
        QPointer<QWidget> report = new QWidget(h.window.get(), Qt::Window);
        report->show();
        h.window->close();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->parentWidget(), nullptr);  // a window of its own: it counts as open
        h.window.reset();
        QVERIFY(report);  // not taken down with `Main`
        delete report;
    }

    // A short last line (edited by hand) does not cut the others: the list still scrolls to
    // the QSL column.
    void shortLastLineKeepsTheFullWidth() {
        Harness h;
        QVERIFY(started(h, {L, L, QStringLiteral("ON4BB")}));
        QListView *list = h.list();
        const int full = QFontMetrics(list->font()).horizontalAdvance(displayLine(L, 1));
        QVERIFY(list->visualRect(list->model()->index(0, 0)).width() >= full);
        const int needed = full - list->viewport()->width();
        QVERIFY2(list->horizontalScrollBar()->maximum() >= needed, qPrintable(QString::number(needed)));
    }

    // The reset disables "Valider le QSO" and leaves its colour as it was.
    void resetKeepsTheSaveButtonColour() {
        Harness h;
        QVERIFY(started(h));
        h.typeQso(QStringLiteral("F6ABC"), QStringLiteral("JEAN"), QStringLiteral("NM047"));
        QCOMPARE(ui::background(h.w(QStringLiteral("Valide_A"))), ui::Vert);
        h.w<QPushButton>(QStringLiteral("Efface_A"))->click();
        QVERIFY(!h.enabled(QStringLiteral("Valide_A")));
        QCOMPARE(ui::background(h.w(QStringLiteral("Valide_A"))), ui::Vert);
    }
};

KASTLOG_WINDOW_TEST(TestMainMends)
#include "test_main_mends.moc"
