#include "mainwindow/importdialog.h"

#include "ui/centre.h"
#include "ui/colours.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kastlog {

std::unique_ptr<QFileDialog> makeAdifChooser(QWidget *parent, const QString &dir) {
    auto chooser = std::make_unique<QFileDialog>(
        parent, QCoreApplication::translate("kastlog::ImportDialog", "Importer un fichier ADIF"), dir,
        QCoreApplication::translate("kastlog::ImportDialog", "Fichiers ADIF (*.adi *.adif *.adx)"));
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
    QString text = l.outcome == adifimport::Outcome::Taken ? tr("à importer") : l.reason;
    for (const QString &w : l.qso.warnings) text += QStringLiteral(" ; ") + w;
    return text;
}

namespace {
// The rows of the preview, made from the plan as the view asks for them.
class PlanModel : public QAbstractTableModel {
public:
    PlanModel(const adifimport::ImportPlan &plan, QObject *parent) : QAbstractTableModel(parent), m_plan(plan) {}
    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(m_plan.lines.size()); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 7; }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return text(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        //: column headers of the import preview; "Suite": what becomes of the QSO
        static const char *const names[] = {QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Indicatif"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Référence"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Date"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Heure"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Bande"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Mode"),
                                            QT_TRANSLATE_NOOP("kastlog::ImportDialog", "Suite")};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 7) return {};
        return ImportDialog::tr(names[section]);
    }
    QString text(int row, int column) const {
        const adifimport::ImportLine &l = m_plan.lines[row];
        if (column == 6) return ImportDialog::fate(l);
        return l.value(adifimport::MappedQso::Shown(column));
    }

private:
    const adifimport::ImportPlan &m_plan;
};
}  // namespace

QString ImportDialog::cell(int row, int column) const {
    return m_table->model()->index(row, column).data().toString();
}

ImportDialog::ImportDialog(const adifimport::ImportPlan &plan, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Importation_ADIF"));
    setWindowTitle(tr("Importation ADIF"));
    auto *layout = new QVBoxLayout(this);
    auto *counts = new QLabel(plan.countsLine(), this);
    counts->setObjectName(QStringLiteral("Comptes"));
    layout->addWidget(counts);
    // A damaged file: its whole records may still be imported, the operator knows the rest is lost.
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Probleme_Fichier"));
    m_problem->setWordWrap(true);
    ui::setTextColour(m_problem, QColor(200, 0, 0));
    if (!plan.fileProblem.isEmpty())
        //: %1: what is wrong with the file
        m_problem->setText(tr("%1 : seuls les QSO entiers avant la coupure sont lus.").arg(plan.fileProblem));
    m_problem->setVisible(!plan.fileProblem.isEmpty());
    layout->addWidget(m_problem);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("QSOs"));
    m_table->setModel(new PlanModel(plan, m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();  // from the first rows only: the header's precision
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(tr("Importer"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("Importer"));
    QPushButton *cancel = buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Annuler"));
    const bool writes = plan.writesAnything();
    m_import->setEnabled(writes);
    m_import->setDefault(writes);
    m_import->setAutoDefault(writes);
    if (!writes) cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(860, 480);
    ui::centreOnScreen(this);
}

}  // namespace kastlog
