// Saving a QSO (Valider le QSO) and the reset that follows it.
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"

#include "logstore/cp1252.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"
#include "mainwindow/fieldchecks.h"
#include "settings/settings.h"
#include "ui/colours.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace kastlog {

QsoFields MainWindow::enteredFields() const {
    QsoFields q;
    q.call = Ind_A->text();
    q.province = Dpt_A->text();
    q.firstName = Prenom_A->text();
    q.reference = Ref_A->text();
    q.date = Date_A->text();
    q.time = Heure_A->text();
    q.mode = Mode_A->currentText();
    q.band = Bande_A->currentText();
    q.rstReceived = RST_A->text();
    q.rstSent = RSTE_A->text();
    q.castleName = Rem_A->text();
    q.qsl = QSL_A->checkState() == Qt::Checked;  // a greyed box counts as not ticked
    return q;
}

// A field edited without its Enter check (all fields are open while a QSO is modified)
// could be longer than its columns, or hold a character the log's code page lacks: the
// record would lose letters. Such a QSO is refused with the field named; nothing is written.
bool MainWindow::fieldsFitTheLog() {
    takeModeForm();  // a known mode edited without its Enter takes its form all the same
    for (QLineEdit *f : {Date_A, Heure_A}) {
        const QString problem = f == Date_A ? dateProblem(f->text()) : timeProblem(f->text());
        if (!problem.isEmpty()) {
            m_s.messages->info(problem);
            f->setEnabled(true);
            f->setFocus();
            return false;
        }
    }
    // Names and reasons marked here, translated where the message is made.
    struct Field {
        QWidget *w;
        const char *name;
        QString text;
        int width;
        const char *tooLong;
    };
    const QList<Field> fields = {
        {Ind_A, QT_TR_NOOP("Indicatif"), Ind_A->text(), rec::CallWidth,
         QT_TR_NOOP("12 caracteres maxi pour l'indicatif")},
        {Prenom_A, QT_TR_NOOP("Prénom"), Prenom_A->text(), rec::FirstNameWidth,
         QT_TR_NOOP("15 caracteres maxi pour le Prenom")},
        {Ref_A, QT_TR_NOOP("Ref Chateau"), Ref_A->text(), rec::RefWidth,
         QT_TR_NOOP("5 caracteres pour la reference ex: NM047")},
        {Date_A, QT_TR_NOOP("Date"), Date_A->text(), rec::DateWidth, QT_TR_NOOP("8 caracteres pour la date ex: 01/02/08")},
        {Heure_A, QT_TR_NOOP("Heure UTC"), Heure_A->text(), rec::TimeWidth,
         QT_TR_NOOP("5 caracteres pour l'heure ex: 15:25")},
        //: the radio mode (CW, SSB...)
        {Mode_A, QT_TR_NOOP("Mode"), Mode_A->currentText(), rec::ModeWidth,
         QT_TR_NOOP("3 caracteres maxi pour le Mode")},
        {Bande_A, QT_TR_NOOP("Bande"), Bande_A->currentText(), rec::BandWidth,
         QT_TR_NOOP("7 caracteres maxi pour la QRG")},
        //: signal report received
        {RST_A, QT_TR_NOOP("RST R"), RST_A->text(), rec::RstRWidth, QT_TR_NOOP("3 caracteres maxi pour le Report")},
        //: signal report sent
        {RSTE_A, QT_TR_NOOP("RST E"), RSTE_A->text(), rec::RstEWidth, QT_TR_NOOP("3 caracteres maxi pour le Report")},
        {Rem_A, QT_TR_NOOP("Nom du Chateau"), Rem_A->text(), 0, nullptr},
    };
    for (const Field &f : fields) {
        QString problem;
        if (f.width > 0 && f.text.size() > f.width) {
            problem = tr(f.tooLong);
        } else if (const QChar bad = cp1252::firstUnencodable(f.text); !bad.isNull()) {
            problem = tr("Le champ \"%1\" contient le caractère \"%2\", que le fichier du log ne peut pas "
                         "enregistrer.\r\nLe QSO n'est pas enregistré.")
                          .arg(tr(f.name), QString(bad));
        }
        if (!problem.isEmpty()) {
            m_s.messages->info(problem);
            f.w->setEnabled(true);
            f.w->setFocus();
            return false;
        }
    }
    return true;
}

void MainWindow::reportWriteFailure(const QString &what, const QString &file, const QString &reason) {
    //: %1: what failed (a whole sentence), %2: the file, %3: the system's reason
    m_s.messages->info(tr("%1\r\n\r\nFichier : %2\r\nRaison : %3").arg(what, QDir::toNativeSeparators(file), reason));
}

void MainWindow::reportUnconfirmed(const QString &what, const WriteResult &written) {
    if (written.unconfirmed.isEmpty()) return;
    //: %1: what was written ("Le QSO", "La suppression"), %2: the system's reason, %3: the file
    m_s.messages->info(tr("%1 est enregistré, mais le système n'a pas confirmé l'écriture sur le disque : "
                          "%2\r\n\r\nFichier : %3")
                           .arg(what, written.unconfirmed, QDir::toNativeSeparators(written.fileName)));
}

void MainWindow::Valide_A_Click() {
    if (!radioAgreesWithTheBand()) return;
    if (!m_s.messages->askYesNo(tr("Voulez vous enregistrer ces données ?"))) {
        resetAfterSave(Date_A->text());
        return;
    }
    const QString dateUsed = Date_A->text();
    Prenom_A->setText(cp1252::capitals(Prenom_A->text()));
    const QString t = Rem_A->text().trimmed();
    if (t.size() > rec::NameWidth) Rem_A->setText(t.left(rec::NameWidth));
    if (!fieldsFitTheLog()) return;

    const QString key = prenoms::key(Ind_A->text(), Dpt_A->text(), Prenom_A->text());
    const QString record = formatRecord(enteredFields());
    const LogStore store = logStore();
    ChangeResult written;
    if (m_modification) {
        QString old = recordFromDisplayLine(m_selectedLine);
        old = old.left(rec::NameCol - 1) + cp1252::capitals(old.mid(rec::NameCol - 1, rec::NameWidth)) +
              old.mid(rec::NameCol - 1 + rec::NameWidth);
        written = store.modifieQso(record, old);
    } else if (dateAuto() && !m_insertion) {
        written = store.enregistreQso(record);
    } else {
        written = store.insereQso(record);
    }
    if (!written) {
        // The log is as it was: the QSO stays in the fields, to be saved again.
        reportWriteFailure(tr("Le QSO n'a pas été enregistré."), written.fileName, written.reason);
        return;
    }
    noteHistory(written.history);
    // The first name is remembered once the QSO itself is safe in the log; the QSO keeps its
    // first name whatever becomes of the memory.
    const WriteResult name = enregistrePrenom(m_s.dataDir, key, m_s.faults);
    if (lectureLog() == Load::Ended) return;
    selectListItem(m_lines->rowCount() - 1);
    //: subject of "%1 est enregistré, mais le système n'a pas confirmé l'écriture..."
    reportUnconfirmed(tr("Le QSO"), written);
    if (!written.found)
        m_s.messages->info(tr("L'ancienne ligne de ce QSO n'a pas été trouvée : le QSO modifié a été "
                              "ajouté à la fin du log."));
    if (!name)
        reportWriteFailure(tr("Le QSO est enregistré, mais le prénom n'a pas pu être mémorisé."),
                           name.fileName, name.reason);
    resetAfterSave(dateUsed);
}

// With a manual date, `dateUsed` (the date of the QSO just saved) stays for the next QSO,
// whatever the list's last item, shown by the selections, holds.
void MainWindow::resetAfterSave(const QString &dateUsed) {
    selectListItem(m_lines->rowCount() - 1);
    m_modification = m_insertion = m_editLock = false;
    //: the entry's state: a new QSO being entered
    Mode_Aff->setText(tr("Saisie QSO"));
    Valide_A->setEnabled(false);
    ui::setBackground(Valide_A, ui::Jaune);
    for (QLineEdit *f : {Ind_A, Dpt_A, Prenom_A, Ref_A}) {
        f->clear();
        f->setEnabled(false);
        ui::setBackground(f, ui::Jaune);
    }
    Date_A->setText(dateAuto() ? QString() : dateUsed);
    Date_A->setEnabled(false);
    ui::setBackground(Date_A, ui::Jaune);
    Heure_A->clear();
    Heure_A->setEnabled(false);
    ui::setBackground(Heure_A, ui::Jaune);
    Mode_A->setEnabled(false);
    ui::setBackground(Mode_A, ui::Jaune);
    ui::setBackground(Bande_A, ui::Jaune);
    for (QLineEdit *f : {RST_A, RSTE_A}) {
        f->setText(QStringLiteral("59"));
        f->setEnabled(false);
        ui::setBackground(f, ui::Jaune);
    }
    Rem_A->setText(QStringLiteral("C. "));
    Rem_A->setEnabled(false);
    ui::setBackground(Rem_A, ui::Jaune);
    QSL_A->setChecked(false);
    QSL_A->setEnabled(false);
    ui::setBackground(Ind_A, ui::Vert);
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    selectBandAndMode(m_s.settings->bandeUtilisee(m_call), m_s.settings->modeUtilise(m_call));
}

}  // namespace kastlog
