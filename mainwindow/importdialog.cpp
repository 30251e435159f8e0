#include "mainwindow/importdialog.h"

#include "ui/centre.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kastlog {

std::unique_ptr<QFileDialog> makeAdifChooser(QWidget *parent, const QString &dir) {
    auto chooser = std::make_unique<QFileDialog>(parent, QStringLiteral("Importer un fichier ADIF"), dir,
                                                 QStringLiteral("Fichiers ADIF (*.adi *.adif *.adx)"));
    chooser->setObjectName(QStringLiteral("Choix_ADIF"));
    chooser->setFileMode(QFileDialog::ExistingFile);
    return chooser;
}

std::function<QString(QWidget *, const QString &)> chooseAdifFile = [](QWidget *parent, const QString &dir) {
    const auto chooser = makeAdifChooser(parent, dir);
    if (chooser->exec() != QDialog::Accepted || chooser->selectedFiles().isEmpty()) return QString();
    return chooser->selectedFiles().first();
};

QString ImportDialog::fate(const adifimport::ImportLine &l) {
    QString text = l.outcome == adifimport::Outcome::Taken ? QStringLiteral("à importer") : l.reason;
    for (const QString &w : l.qso.warnings) text += QStringLiteral(" ; ") + w;
    return text;
}

ImportDialog::ImportDialog(const adifimport::ImportPlan &plan, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Importation_ADIF"));
    setWindowTitle(QStringLiteral("Importation ADIF"));
    auto *layout = new QVBoxLayout(this);
    auto *counts = new QLabel(plan.countsLine(), this);
    counts->setObjectName(QStringLiteral("Comptes"));
    layout->addWidget(counts);

    m_table = new QTableWidget(int(plan.lines.size()), 7, this);
    m_table->setObjectName(QStringLiteral("QSOs"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Indicatif"), QStringLiteral("Référence"), QStringLiteral("Date"),
                                        QStringLiteral("Heure"), QStringLiteral("Bande"), QStringLiteral("Mode"),
                                        QStringLiteral("Suite")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < plan.lines.size(); ++row) {
        const adifimport::ImportLine &l = plan.lines[row];
        const QString cells[] = {l.qso.call(), l.qso.reference(), l.qso.date(), l.qso.time(), l.qso.band(), l.qso.mode(), fate(l)};
        for (int c = 0; c < 7; ++c) m_table->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(QStringLiteral("Importer"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("Importer"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Annuler"));
    m_import->setEnabled(plan.taken > 0);
    m_import->setDefault(plan.taken > 0);
    m_import->setAutoDefault(plan.taken > 0);
    if (plan.taken == 0) cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 480);
    ui::centreOnScreen(this);
}

}  // namespace kastlog
