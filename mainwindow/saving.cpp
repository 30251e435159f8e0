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
    struct Field {
        QWidget *w;
        QString name, text;
        int width;
        const char *tooLong;
    };
    const QList<Field> fields = {
        {Ind_A, QStringLiteral("Indicatif"), Ind_A->text(), rec::CallWidth, "12 caracteres maxi pour l'indicatif"},
        {Prenom_A, QStringLiteral("Prénom"), Prenom_A->text(), rec::FirstNameWidth, "15 caracteres maxi pour le Prenom"},
        {Ref_A, QStringLiteral("Ref Chateau"), Ref_A->text(), rec::RefWidth, "5 caracteres pour la reference ex: NM047"},
        {Date_A, QStringLiteral("Date"), Date_A->text(), rec::DateWidth, "8 caracteres pour la date ex: 01/02/08"},
        {Heure_A, QStringLiteral("Heure UTC"), Heure_A->text(), rec::TimeWidth, "5 caracteres pour l'heure ex: 15:25"},
        {Mode_A, QStringLiteral("Mode"), Mode_A->currentText(), rec::ModeWidth, "3 caracteres maxi pour le Mode"},
        {Bande_A, QStringLiteral("Bande"), Bande_A->currentText(), rec::BandWidth, "7 caracteres maxi pour la QRG"},
        {RST_A, QStringLiteral("RST R"), RST_A->text(), rec::RstRWidth, "3 caracteres maxi pour le Report"},
        {RSTE_A, QStringLiteral("RST E"), RSTE_A->text(), rec::RstEWidth, "3 caracteres maxi pour le Report"},
        {Rem_A, QStringLiteral("Nom du Chateau"), Rem_A->text(), 0, nullptr},
    };
    for (const Field &f : fields) {
        QString problem;
        if (f.width > 0 && f.text.size() > f.width) {
            problem = QString::fromUtf8(f.tooLong);
        } else if (const QChar bad = cp1252::firstUnencodable(f.text); !bad.isNull()) {
            problem = QStringLiteral("Le champ \"%1\" contient le caractère \"%2\", que le fichier du log ne peut pas "
                                     "enregistrer.\r\nLe QSO n'est pas enregistré.")
                          .arg(f.name, QString(bad));
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
    m_s.messages->info(what + QStringLiteral("\r\n\r\nFichier : ") + QDir::toNativeSeparators(file) +
                       QStringLiteral("\r\nRaison : ") + reason);
}

void MainWindow::reportUnconfirmed(const QString &what, const WriteResult &written) {
    if (written.unconfirmed.isEmpty()) return;
    m_s.messages->info(what + QStringLiteral(" est enregistré, mais le système n'a pas confirmé l'écriture sur le "
                                             "disque : ") + written.unconfirmed + QStringLiteral("\r\n\r\nFichier : ") +
                       QDir::toNativeSeparators(written.fileName));
}

void MainWindow::Valide_A_Click() {
    if (!radioAgreesWithTheBand()) return;
    if (!m_s.messages->askYesNo(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
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
        reportWriteFailure(QStringLiteral("Le QSO n'a pas été enregistré."), written.fileName, written.reason);
        return;
    }
    noteHistory(written.history);
    // The first name is remembered once the QSO itself is safe in the log; the QSO keeps its
    // first name whatever becomes of the memory.
    const WriteResult name = enregistrePrenom(m_s.dataDir, key, m_s.faults);
    if (lectureLog() == Load::Ended) return;
    selectListItem(m_lines->rowCount() - 1);
    reportUnconfirmed(QStringLiteral("Le QSO"), written);
    if (!written.found)
        m_s.messages->info(QStringLiteral("L'ancienne ligne de ce QSO n'a pas été trouvée : le QSO modifié a été "
                                          "ajouté à la fin du log."));
    if (!name)
        reportWriteFailure(QStringLiteral("Le QSO est enregistré, mais le prénom n'a pas pu être mémorisé."),
                           name.fileName, name.reason);
    resetAfterSave(dateUsed);
}

// With a manual date, `dateUsed` (the date of the QSO just saved) stays for the next QSO,
// whatever the list's last item, shown by the selections, holds.
void MainWindow::resetAfterSave(const QString &dateUsed) {
    selectListItem(m_lines->rowCount() - 1);
    m_modification = m_insertion = m_editLock = false;
    Mode_Aff->setText(QStringLiteral("Saisie QSO"));
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
