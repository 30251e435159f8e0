// "Importer un fichier ADIF...": the file dialog, the preview, the write and the refusal while
// a QSO is being typed.
#include "harness.h"
#include "mainwindow/importdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QTableWidget>

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
            for (int c = 0; c < 7; ++c) cells << p->table()->item(0, c)->text();
            cells << p->table()->item(1, 6)->text();
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
