// The list of QSOs: a click shows a QSO, a double click opens it for editing; deleting,
// inserting and abandoning the entry.
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"

#include "logstore/logstore.h"
#include "logstore/record.h"
#include "ui/colours.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace kastlog {

// Selecting an item from code runs the same handling as a click on it.
void MainWindow::selectListItem(int row) {
    m_selecting = true;
    if (row < 0 || row >= m_lines->rowCount()) {
        Liste_DNJ->selectionModel()->clear();
        m_selecting = false;
        return;
    }
    const QModelIndex index = m_lines->index(row);
    Liste_DNJ->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    Liste_DNJ->scrollTo(index);
    m_selecting = false;
    Liste_DNJ_Click();
}

void MainWindow::fillFromLine(const QString &line) {
    Ind_A->setText(trimmedColumn(line, disp::CallCol, disp::CallWidth));
    Dpt_A->setText(trimmedColumn(line, disp::ProvCol, 4));
    Prenom_A->setText(trimmedColumn(line, disp::FirstNameCol, disp::FirstNameWidth));
    Ref_A->setText(trimmedColumn(line, disp::RefCol, disp::RefWidth));
    Date_A->setText(column(line, disp::DateCol, disp::DateWidth));
    Heure_A->setText(column(line, disp::TimeCol, disp::TimeWidth));
    Mode_A->setEditText(trimmedColumn(line, disp::ModeCol, disp::ModeWidth));
    Bande_A->setEditText(trimmedColumn(line, disp::BandCol, disp::BandWidth));
    RST_A->setText(trimmedColumn(line, disp::RstRCol, disp::RstRWidth));
    RSTE_A->setText(trimmedColumn(line, disp::RstECol, 4));
    Rem_A->setText(trimmedColumn(line, disp::NameCol, disp::NameWidth));
    QSL_A->setChecked(column(line, disp::QslCol, 1) == QLatin1String("*"));
}

void MainWindow::Liste_DNJ_Click() {
    if (m_editLock) return;
    const QModelIndex current = Liste_DNJ->currentIndex();
    if (!current.isValid()) return;
    m_selectedLine = current.data().toString();
    Annule_Saisie->setEnabled(true);
    Ind_A->setEnabled(false);
    fillFromLine(m_selectedLine);
}

void MainWindow::Liste_DNJ_DblClick() {
    if (m_editLock) return;
    m_editLock = true;
    if (m_selectedLine.isEmpty()) return m_s.messages->info(tr("Cliquez sur une ligne pour l'editer"));
    m_modification = true;
    for (QWidget *w : std::initializer_list<QWidget *>{Ind_A, Dpt_A, Prenom_A, Ref_A, Date_A, Heure_A, Mode_A,
                                                       Bande_A, RST_A, RSTE_A, Rem_A, QSL_A, Valide_A})
        w->setEnabled(true);
    Mode_Aff->setText(tr("Modification QSO"));
    fillFromLine(m_selectedLine);
    ui::setBackground(Ind_A, ui::Vert);
    Ind_A->setFocus();
}

void MainWindow::Annule_Saisie_Click() {
    if (m_selectedLine.isEmpty()) return m_s.messages->info(tr("Cliquez sur une ligne pour l'effacerer"));
    const QString record = recordFromDisplayLine(m_selectedLine);
    // Of identical lines, the one selected goes: the line number tells which copy it is.
    const int row = column(m_selectedLine, disp::NumberCol, disp::NumberWidth).trimmed().toInt() - 1;
    if (m_s.messages->askYesNo(tr("Voulez vous Supprimer ce QSO ?"))) {
        const ChangeResult r = logStore().supprimeQso(record, m_lines->copiesBefore(row, record));
        if (!r) {
            reportWriteFailure(tr("Le QSO n'a pas été supprimé."), r.fileName, r.reason);
        } else if (!r.found) {
            // A line edited by hand is not found: the log stays as it is, and the operator knows.
            m_s.messages->info(tr("Ce QSO n'a pas été trouvé dans le log : rien n'a été supprimé."));
        } else {
            noteHistory(r.history);
            if (lectureLog() == Load::Ended) return;
            selectListItem(m_lines->rowCount() - 1);
            //: Subject of "... est enregistré, mais le système n'a pas confirmé l'écriture sur le disque"
            reportUnconfirmed(tr("La suppression"), r);
        }
    }
    Annule_Saisie->setEnabled(false);
    Initialise_Saisie();
}

void MainWindow::Ajout_QSO_Click() {
    m_insertion = true;
    Mode_Aff->setText(tr("Insertion QSO"));
    Ind_A->setEnabled(true);  // a QSO shown from the list leaves the box locked
    Ind_A->setFocus();
}

void MainWindow::Efface_A_Click() { Initialise_Saisie(); }

}  // namespace kastlog
