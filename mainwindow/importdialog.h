#pragma once
// The preview of an ADIF import, "Importation ADIF": the counts, every QSO of the file and what
// becomes of it; "Importer" writes, "Annuler" writes nothing.
#include "reports/adifimport/selection.h"

#include <QDialog>

#include <functional>
#include <memory>

class QFileDialog;
class QPushButton;
class QTableWidget;

namespace kastlog {

// The file dialog of the import: opens in `dir`, filter "Fichiers ADIF (*.adi *.adif *.adx)".
std::unique_ptr<QFileDialog> makeAdifChooser(QWidget *parent, const QString &dir);
// How the window asks for the file: the dialog above, shown modally; "" when cancelled.
// Tests put their own choice here.
extern std::function<QString(QWidget *parent, const QString &dir)> chooseAdifFile;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const adifimport::ImportPlan &plan, QWidget *parent = nullptr);
    QPushButton *importButton() const { return m_import; }
    QTableWidget *table() const { return m_table; }

    // The last column of a QSO's row: "importé" or the reason, then the warnings.
    static QString fate(const adifimport::ImportLine &l);

private:
    QPushButton *m_import = nullptr;
    QTableWidget *m_table = nullptr;
};

}  // namespace kastlog
