#pragma once
// The preview of an ADIF import, "Importation ADIF": the counts, what is wrong with the file,
// every QSO of the file and what becomes of it; "Importer" writes, "Annuler" writes nothing.
#include "reports/adifimport/selection.h"

#include <QDialog>

#include <functional>
#include <memory>

class QFileDialog;
class QLabel;
class QPushButton;
class QTableView;

namespace kastlog {

// The file dialog of the import: opens in `dir`, filter "Fichiers ADIF (*.adi *.adif *.adx)".
std::unique_ptr<QFileDialog> makeAdifChooser(QWidget *parent, const QString &dir);
// How the window asks for the file: the dialog above, shown modally; "" when cancelled.
// Tests put their own choice here.
extern std::function<QString(QWidget *parent, const QString &dir)> chooseAdifFile;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // `plan` must outlive the dialog: the rows are read from it as they are shown, so that a
    // file of a hundred thousand QSOs costs no more than its plan.
    ImportDialog(const adifimport::ImportPlan &plan, QWidget *parent = nullptr);
    QPushButton *importButton() const { return m_import; }
    QTableView *table() const { return m_table; }
    QLabel *fileProblem() const { return m_problem; }
    // The text of a cell, as the table shows it.
    QString cell(int row, int column) const;

    // The last column of a QSO's row: "à importer" or the reason, then the warnings.
    static QString fate(const adifimport::ImportLine &l);

private:
    QPushButton *m_import = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_problem = nullptr;
};

}  // namespace kastlog
