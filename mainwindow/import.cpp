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

inline const QString ImportDuringEntry =
    QStringLiteral("Terminez ou annulez la saisie en cours avant d'importer un fichier ADIF");

void MainWindow::Mnu_Import_ADIF_Click() {
    if (entryInProgress()) {
        m_s.messages->info(ImportDuringEntry);
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
    const QString done = p.plan.confirmed == 0
                             ? QStringLiteral("%1 QSO importés dans le log de %2").arg(p.plan.taken).arg(I_Station->text())
                             : QStringLiteral("%1 QSO importés et %2 QSO confirmés dans le log de %3")
                                   .arg(p.plan.taken).arg(p.plan.confirmed).arg(I_Station->text());
    m_s.messages->info(done);
}

}  // namespace kastlog
