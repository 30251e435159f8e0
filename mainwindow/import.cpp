// "Importer un fichier ADIF...": choose the file, show what becomes of each QSO, then write
// the log in one rewrite.
#include "mainwindow/importdialog.h"
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"
#include "reports/adifimport/importer.h"
#include "ui/messagebox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kastlog {

void MainWindow::Mnu_Import_ADIF_Click() {
    if (entryInProgress()) {
        m_s.messages->info(tr("Terminez ou annulez la saisie en cours avant d'importer un fichier ADIF"));
        return;
    }
    const QString file = chooseAdifFile(this, m_s.dataDir);
    if (file.isEmpty()) return;
    const adifimport::PreparedImport p = adifimport::prepareImport(m_s.dataDir, m_call, file);
    if (!p.ok) {
        m_s.messages->info(p.error);
        return;
    }
    ImportDialog preview(p.plan, this);
    if (preview.exec() != QDialog::Accepted || !p.plan.writesAnything()) return;
    // New QSOs and confirmation marks in one rewrite: one undo takes them back together.
    const adifimport::ImportWritten w = adifimport::writeImport(m_s.dataDir, m_call, p.plan, m_s.faults, m_s.clock);
    if (w.logWritten) {
        noteHistory(w.history);
        if (lectureLog() == Load::Ended) return;
        selectListItem(m_lines->rowCount() - 1);
    }
    if (!w.error.isEmpty()) {
        m_s.messages->info(w.error);
        if (!w.logWritten) return;
    }
    const QString done =
        p.plan.confirmed == 0
            //: %1: the station's call sign
            ? tr("%n QSO importés dans le log de %1", nullptr, p.plan.taken).arg(I_Station->text())
            //: %1: "N QSO confirmés", %2: the station's call sign
            : tr("%n QSO importés et %1 dans le log de %2", nullptr, p.plan.taken)
                  .arg(tr("%n QSO confirmés", nullptr, p.plan.confirmed), I_Station->text());
    m_s.messages->info(done);
}

}  // namespace kastlog
