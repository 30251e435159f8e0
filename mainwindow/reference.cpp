// The castle reference: its length, the province code, the refusal of a castle already
// contacted in the same band group, and the date and time taken from the clock.
#include "mainwindow/mainwindow.h"

#include "logstore/bandgroup.h"
#include "logstore/textfile.h"
#include "ui/colours.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace kastlog {

void MainWindow::Ref_A_KeyPress(int &code) {
    if (code == 13) {
        const QString ref = Ref_A->text();
        if (ref.size() != 5) return m_s.messages->info(tr("5 caracteres pour la reference ex: NM047"));
        if (!m_modification) {
            const BandGroup group = bandGroup(Bande_A->currentText());
            Dpt_A->setText(ref.left(2));
            // The search reads the file on disk: a QSO saved a moment ago is found too.
            const ReadResult log = readTextFile(logFileName());
            if (!log.ok()) {
                // Nothing can be verified: the reference is not accepted.
                return m_s.messages->info(tr("Le fichier %1 ne peut pas être lu (%2).\r\n"
                                             "La référence ne peut pas être vérifiée.")
                                              .arg(QDir::toNativeSeparators(logFileName()), log.reason));
            }
            const ContactFound found = rechercheChateauContacte(log.lines, ref, group);
            if (found.found) {
                //: %1 castle reference, %2 date of the earlier QSO, %3 its band (e.g. "14 Mhz")
                m_s.messages->info(tr("%1 Chateau deja contacté le %2 sur %3").arg(ref, found.date, found.band));
                Ref_A->clear();
                Initialise_Saisie();
                return;
            }
        }
        if (dateAuto() && !m_insertion && !m_modification) {
            ui::setBackground(Ref_A, ui::Jaune);
            Mode_A->setEnabled(true);
            ui::setBackground(Mode_A, ui::Vert);
            if (!m_ticked) Timer1_Timer();  // never the design's placeholder date
            Date_A->setText(Label33->text());
            Heure_A->setText(m_utcShown);
            Rem_A->setText(QStringLiteral("C. "));
            Mode_A->setFocus();
            Mode_A->lineEdit()->selectAll();  // typed text replaces the remembered mode
        } else {
            passTo(Ref_A, Date_A);
        }
        Rem_A->setCursorPosition(Rem_A->text().size());
    }
    if (code >= 97 && code <= 122) code -= 32;
}

}  // namespace kastlog
