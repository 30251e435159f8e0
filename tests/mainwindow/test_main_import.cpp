// "Importer un fichier ADIF...": the file dialog, the preview, the write and the refusal while
// a QSO is being typed.
#include "harness.h"
#include "logstore/logstore.h"
#include "mainwindow/importdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTableView>

using namespace kastlog;
using namespace kastlog::test;

namespace {
// Chooses `file` for the import, then presses `button` of the preview after `look`.
void chooseAndAnswer(const QString &file, const QString &button, std::function<void(ImportDialog *)> look = {}) {
    chooseAdifFile = [=](QWidget *, const QString &) {
        whenModal([=](QWidget *m) {
            auto *preview = qobject_cast<ImportDialog *>(m);
            QVERIFY(preview);
            if (look) look(preview);
            QTest::mouseClick(preview->findChild<QPushButton *>(button), Qt::LeftButton);
        });
        return file;
    };
}

const QByteArray Adi =
    "<eoh><call:4>F1XY<qso_date:8>20080531<time_on:4>0900<band:3>40m<mode:2>CW<name:4>paul<rst_rcvd:2>59<rst_sent:2>59<sig:3>DNJ"
    "<sig_info:5>NM047<station_callsign:4>F6ZZ<eor>"
    "<call:4>F2XY<qso_date:8>20080601<time_on:4>1100<band:3>20m<mode:3>SSB<sig:3>DNJ<sig_info:5>LG001<eor>";
}  // namespace

class TestMainImport : public QObject {
    Q_OBJECT
private slots:
    void fileDialogOpensInTheDataDirectory() {
        const auto d = makeAdifChooser(nullptr, QDir::tempPath());
        QCOMPARE(d->nameFilters(), QStringList{QStringLiteral("Fichiers ADIF (*.adi *.adif *.adx)")});
        QCOMPARE(d->directory().absolutePath(), QDir(QDir::tempPath()).absolutePath());
    }

    void cancelWritesNothingImportWritesAfterThePreview() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.dirs.writeFile("in.adi", Adi);
        chooseAndAnswer(h.dirs.path("in.adi"), "Annuler");
        h.triggerMenu("Mnu_Import_ADIF");
        QCOMPARE(h.logLines(Q1), QStringList{L});
        QVERIFY(!h.dirs.exists("Liste_Prenom.txt") || h.dirs.readLines("Liste_Prenom.txt").isEmpty());

        QStringList cells;
        bool importEnabled = false;
        chooseAndAnswer(h.dirs.path("in.adi"), "Importer", [&](ImportDialog *p) {
            importEnabled = p->importButton()->isEnabled() && p->importButton()->isDefault();
            for (int c = 0; c < 7; ++c) cells << p->cell(0, c);
            cells << p->cell(1, 6);
        });
        h.triggerMenu("Mnu_Import_ADIF");
        QVERIFY(importEnabled);
        QCOMPARE(cells, (QStringList{"F1XY", "NM047", "31/05/08", "09:00", "7.0 Mhz", "CW",
                                     "à importer ; fait par la station F6ZZ",
                                     "château déjà contacté le 01/06/08 sur 14 Mhz"}));
        // Placed by date before the QSO of 01/06/08; the list shows the last line.
        QCOMPARE(h.logLines(Q1), (QStringList{record("F1XY", "NM047", "31/05/08", "09:00", "7.0 Mhz", "CW", false, "PAUL"), L}));
        QCOMPARE(h.infos().last(), QStringLiteral("1 QSO importés dans le log de Q1ABC"));
        QCOMPARE(h.list()->currentIndex().row(), 1);
    }

    // A LoTW report and two new QSOs: the preview says what becomes of each, "Importer" marks
    // and adds in one rewrite, the list shows the mark at once, and one Ctrl+Z takes it all back.
    void confirmationsAndQsosComeAndGoTogether() {
        Harness h;
        const QString logged = record("F6XYZ", "NM047", "19/07/24", "14:05", "14 Mhz", "SSB");
        h.station(Q1, {L, logged});
        QVERIFY(h.start());
        const QByteArray before = h.dirs.readFile(files::logName(Q1));
        // lotwreport.adi as LoTW's "Your QSOs > Download Report" writes it (arrl.org/adif).
        h.dirs.writeFile("lotwreport.adi",
                         "ARRL Logbook of the World Status Report\nGenerated at 2024-08-02 10:11:12\nfor q1abc\n\n"
                         "<PROGRAMID:4>LoTW\n<APP_LoTW_NUMREC:1>2\n\n<eoh>\n"
                         "<CALL:5>F6XYZ\n<BAND:3>20M\n<MODE:3>SSB\n<QSO_DATE:8>20240719\n<TIME_ON:6>140712\n<QSL_RCVD:1>Y\n<eor>\n"
                         "<CALL:5>G4ABC\n<BAND:3>20M\n<MODE:3>FT8\n<QSO_DATE:8>20240719\n<TIME_ON:6>150000\n<QSL_RCVD:1>Y\n<eor>\n");
        QString counts;
        QStringList rows;
        chooseAndAnswer(h.dirs.path("lotwreport.adi"), "Importer", [&](ImportDialog *p) {
            counts = p->findChild<QLabel *>(QStringLiteral("Comptes"))->text();
            for (int r = 0; r < 2; ++r) {
                QStringList row;
                for (int c = 0; c < 7; ++c) row << p->cell(r, c);
                rows << row.join(u'|');
            }
        });
        h.triggerMenu("Mnu_Import_ADIF");
        QCOMPARE(counts, QStringLiteral("2 QSO dans le fichier : 0 à importer, 0 déjà dans le log, 0 château déjà contacté, "
                                        "1 refusés, 1 confirmations"));
        QCOMPARE(rows, (QStringList{"F6XYZ|NM047|19/07/24|14:05|14 Mhz|SSB|confirmé (LoTW)",
                                    "G4ABC||19/07/24|15:00|14 Mhz|FT8|pas dans le log"}));
        const QString marked = logged.left(106) + u'*';
        QCOMPARE(h.logLines(Q1), (QStringList{L, marked}));
        QCOMPARE(h.window->mainListLines().last(), displayLine(marked, 2));
        QCOMPARE(h.infos().last(), QStringLiteral("0 QSO importés et 1 QSO confirmés dans le log de Q1ABC"));
        h.triggerMenu("Mnu_Annuler");
        QCOMPARE(h.dirs.readFile(files::logName(Q1)), before);
    }

    // A file cut short: the preview says so and may still take its whole records.
    void cutFileIsShownWithItsProblem() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.dirs.writeFile("cut.adi", Adi.left(Adi.size() - 12));
        QString problem;
        chooseAndAnswer(h.dirs.path("cut.adi"), "Importer", [&](ImportDialog *p) {
            if (!p->fileProblem()->isHidden()) problem = p->fileProblem()->text();
        });
        h.triggerMenu("Mnu_Import_ADIF");
        QVERIFY2(problem.startsWith(QStringLiteral("fichier tronqué après le QSO 1")), qPrintable(problem));
        QCOMPARE(h.logLines(Q1).size(), 2);
    }

    void refusedWhileAQsoIsTyped() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        h.typeEnter("Ind_A", "F5AB");
        h.triggerMenu("Mnu_Import_ADIF");  // no dialog opens: the test would hang on it
        QVERIFY(h.infos().last().startsWith(QStringLiteral("Terminez ou annulez la saisie")));
    }
};

KASTLOG_WINDOW_TEST(TestMainImport)
#include "test_main_import.moc"
