// The key handlers of the entry fields: every check on Enter, the move along the chain,
// capital letters as typed, the remembered band and mode.
#include "mainwindow/mainwindow.h"

#include "logstore/clock.h"
#include "logstore/cp1252.h"
#include "logstore/modes.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"
#include "mainwindow/fieldchecks.h"
#include "settings/settings.h"
#include "settings/stationcall.h"
#include "ui/colours.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kastlog {

namespace {
constexpr int Enter = 13;

// Letters a to z become capitals as they are typed.
void capital(int &code) {
    if (code >= 97 && code <= 122) code -= 32;
}

// The entry of the list the combo box shows, -1 for a text of the operator's own.
int selectedIndex(const QComboBox *combo) {
    return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}
}  // namespace

// `done` has passed its check: the next field is the one to type into.
void MainWindow::passTo(QWidget *done, QWidget *next) {
    ui::setBackground(done, ui::Jaune);
    next->setEnabled(true);
    ui::setBackground(next, ui::Vert);
    next->setFocus();
    // A default value ("SSB", "59") is replaced by what is typed, or kept by Enter.
    if (auto *combo = qobject_cast<QComboBox *>(next)) combo->lineEdit()->selectAll();
    if (next == RST_A || next == RSTE_A) static_cast<QLineEdit *>(next)->selectAll();
}

// Writes the entry the list shows to the station's settings, unless a QSO is being edited.
void MainWindow::remember(QComboBox *combo, const QString &key) {
    if (m_modification) return;
    if (key == QLatin1String("bande Utilisee"))
        m_s.settings->setBandeUtilisee(m_call, selectedIndex(combo));
    else
        m_s.settings->setModeUtilise(m_call, selectedIndex(combo));
}

void MainWindow::Bande_A_KeyPress(int &code) {
    if (code == Enter) {
        const QString t = Bande_A->currentText();
        if (t.isEmpty()) return m_s.messages->info(tr("Entrez une QRG"));
        if (t.size() > 7) return m_s.messages->info(tr("7 caracteres maxi pour la QRG"));
        ui::setBackground(Bande_A, ui::Jaune);
        if (Ind_A->isEnabled()) {  // a QSO shown from the list keeps the call-sign box locked
            ui::setBackground(Ind_A, ui::Vert);
            Ind_A->setFocus();
        }
    }
    capital(code);
    remember(Bande_A, QStringLiteral("bande Utilisee"));
}

void MainWindow::Ind_A_KeyPress(int &code) {
    if (m_call == station::Placeholder) {
        m_s.messages->info(tr("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                              "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
        return;
    }
    if (code == Enter) {
        const QString call = Ind_A->text();
        if (call.isEmpty()) return m_s.messages->info(tr("Entrez un indicatif"));
        if (call.size() > 12) return m_s.messages->info(tr("12 caracteres maxi pour l'indicatif"));
        if (!m_modification) {
            if (const auto name = lecturePrenom(m_s.dataDir, call)) {
                Prenom_A->setEnabled(true);
                Prenom_A->setText(cp1252::capitals(*name));
            }
        }
        passTo(Ind_A, Prenom_A);
    }
    capital(code);
}

void MainWindow::Prenom_A_KeyPress(int &code) {
    if (code == Enter) {
        if (Prenom_A->text().size() > 15) return m_s.messages->info(tr("15 caracteres maxi pour le Prenom"));
        passTo(Prenom_A, Ref_A);
    }
    capital(code);
}

void MainWindow::Date_A_KeyPress(int &code) {
    if (code == Enter) {
        if (const QString problem = dateProblem(Date_A->text()); !problem.isEmpty())
            return m_s.messages->info(problem);
        passTo(Date_A, Heure_A);
    }
    capital(code);
}

void MainWindow::Heure_A_KeyPress(int &code) {
    if (code == Enter) {
        if (const QString problem = timeProblem(Heure_A->text()); !problem.isEmpty())
            return m_s.messages->info(problem);
        passTo(Heure_A, Mode_A);
    }
    capital(code);
}

void MainWindow::Mode_A_KeyPress(int &code) {
    if (code == Enter) {
        const QString m = Mode_A->currentText();
        if (m.isEmpty()) return m_s.messages->info(tr("Entrez un Mode"));
        if (!takeModeForm()) return m_s.messages->info(tr("3 caracteres maxi pour le Mode"));
        passTo(Mode_A, RST_A);
    }
    capital(code);
    remember(Mode_A, QStringLiteral("Mode Utilise"));
}

// The record has three columns for the mode: a longer mode the mode table knows (RTTY, PSK31,
// OLIVIA) becomes its three-letter form in the field. False for a mode that cannot be written.
bool MainWindow::takeModeForm() {
    const QString m = Mode_A->currentText();
    if (m.size() <= rec::ModeWidth) return true;
    const QString form = m.size() <= 6 ? modes::logForm(m) : QString();
    if (form.isEmpty()) return false;
    Mode_A->setEditText(form);
    return true;
}

// The checks of a report on Enter; true when it passes.
bool MainWindow::checkReport(QLineEdit *field) {
    const QString r = field->text();
    if (r.isEmpty()) {
        m_s.messages->info(tr("Entrez un Report"));
        return false;
    }
    if (r.size() > 3) {
        m_s.messages->info(tr("3 caracteres maxi pour le Report"));
        return false;
    }
    if (r.at(0) < QLatin1Char('0') || r.at(0) > QLatin1Char('5')) {
        m_s.messages->info(tr("R (de RST)doit etre compris entre 0 et 5"));
        return false;
    }
    return true;
}

void MainWindow::RST_A_KeyPress(int &code) {
    if (code == Enter && checkReport(RST_A)) passTo(RST_A, RSTE_A);
    capital(code);
}

void MainWindow::RSTE_A_KeyPress(int &code) {
    if (code == Enter && checkReport(RSTE_A)) {
        passTo(RSTE_A, Rem_A);
        Rem_A->setCursorPosition(Rem_A->text().size());  // the name is typed after "C. "
    }
    capital(code);
}

void MainWindow::Rem_A_KeyPress(int &code) {
    if (code == Enter) {
        if (Rem_A->text().size() > 30)
            return m_s.messages->info(tr("30 caracteres maxi pour le nom du Chateau"));
        passTo(Rem_A, QSL_A);
    }
    capital(code);
}

void MainWindow::QSL_A_KeyPress(int &code) {
    if (code != Enter) return;
    passTo(QSL_A, Valide_A);
}

// A QSO is being typed or edited: a field after the call sign is open, or the call sign holds
// text, or an edit or insertion is under way.
bool MainWindow::entryInProgress() const {
    if (m_modification || m_insertion || m_editLock) return true;
    if (Ind_A->isEnabled() && !Ind_A->text().isEmpty()) return true;
    for (QWidget *f : std::initializer_list<QWidget *>{Prenom_A, Ref_A, Date_A, Heure_A, Mode_A, RST_A, RSTE_A, Rem_A})
        if (f->isEnabled()) return true;
    return false;
}

}  // namespace kastlog
