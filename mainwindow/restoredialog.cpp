#include "mainwindow/restoredialog.h"

#include "logstore/record.h"
#include "logstore/textfile.h"
#include "ui/centre.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kastlog {

RestoreDialog::RestoreDialog(const QList<history::Backup> &backups, const QStringList &current, QWidget *parent)
    : QDialog(parent), m_backups(backups) {
    setObjectName(QStringLiteral("Restaurer_Sauvegarde"));
    setWindowTitle(tr("Restaurer une sauvegarde"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("Liste_Sauvegardes"));
    //: column headers: the backup's day, its number of QSOs, what restoring it changes, its lines that are not QSOs
    m_list->setHeaderLabels({tr("Date"), tr("QSO"), tr("Différence avec le log"), tr("Autres lignes")});
    m_list->setRootIsDecorated(false);
    for (const history::Backup &b : m_backups) {
        const ReadResult read = readTextFile(b.path);
        const qsizetype records = std::count_if(read.lines.begin(), read.lines.end(), isRecord);
        auto *item = new QTreeWidgetItem(m_list);
        // A backup dated after today is listed last, as such: the clock was set back.
        const QString day = b.day.toString(QStringLiteral("dd/MM/yyyy"));
        //: %1: a backup's day, later than today
        item->setText(0, b.future ? tr("%1 (date future)").arg(day) : day);
        //: the backup file cannot be read
        item->setText(1, read.ok() ? QString::number(records) : tr("illisible"));
        item->setText(2, read.ok() ? history::countChange(current, read.lines) : read.reason);
        item->setText(3, read.ok() && read.lines.size() > records ? QString::number(read.lines.size() - records) : QString());
        item->setDisabled(!read.ok());
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *restore = buttons->addButton(tr("&Restaurer"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("Restaurer"));
    restore->setEnabled(!m_backups.isEmpty());
    buttons->addButton(tr("&Fermer"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("Fermer"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
        if (row < 0 || m_list->currentItem()->isDisabled()) return;
        m_chosen = &m_backups.at(row);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 320);
    ui::centreOnScreen(this);
}

}  // namespace kastlog
