// The log's history in the main window: undo of the last change (Ctrl+Z), restore of a daily
// backup, and the one message about a backup that could not be written.
#include "logstore/logstore.h"
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"
#include "mainwindow/restoredialog.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace kastlog {

namespace {
bool isUndoKey(const QKeyEvent *k) {
    return k->key() == Qt::Key_Z && (k->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// A focused text box takes Ctrl+Z for its own undo before any shortcut sees it: on the
// window's fields, the key goes to the log's undo instead.
class UndoKeyFilter : public QObject {
public:
    UndoKeyFilter(QAction *undo, QObject *parent) : QObject(parent), m_undo(undo) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *k = static_cast<QKeyEvent *>(event);
        if (!isUndoKey(k)) return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // the key comes as a key press, handled below
            return true;
        }
        if (m_undo->isEnabled()) m_undo->trigger();
        return true;
    }

private:
    QAction *m_undo;
};
}  // namespace

LogStore MainWindow::logStore() const { return LogStore(m_s.dataDir, m_call, m_s.faults, {true, m_s.clock}); }

void MainWindow::buildHistoryItems(QMenu *fichier) {
    Mnu_Annuler = fichier->addAction(QStringLiteral("&Annuler la dernière modification du log"));
    Mnu_Annuler->setObjectName(QStringLiteral("Mnu_Annuler"));
    Mnu_Annuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(Mnu_Annuler, &QAction::triggered, this, [this] { Mnu_Annuler_Click(); });
    QAction *restore = fichier->addAction(QStringLiteral("&Restaurer une sauvegarde..."));
    restore->setObjectName(QStringLiteral("Mnu_Restaurer"));
    connect(restore, &QAction::triggered, this, [this] { Mnu_Restaurer_Click(); });

    // The list is reloaded after every change and every change of station.
    auto refresh = [this] { Mnu_Annuler->setEnabled(logStore().canUndo()); };
    connect(m_lines, &QAbstractItemModel::modelReset, this, refresh);
    connect(fichier, &QMenu::aboutToShow, this, refresh);
    refresh();

    auto *filter = new UndoKeyFilter(Mnu_Annuler, this);
    for (QLineEdit *f : findChildren<QLineEdit *>()) f->installEventFilter(filter);
}

void MainWindow::noteHistory(const WriteResult &history) {
    if (history.ok || m_toldHistoryFailed) return;
    m_toldHistoryFailed = true;  // once a session: the change itself is safe
    reportWriteFailure(QStringLiteral("La modification est enregistrée dans le log, mais sa sauvegarde n'a pas pu être faite."),
                       history.fileName, history.reason);
}

bool MainWindow::refuseWhileEditing() {
    if (!Valide_A->isEnabled()) return false;
    m_s.messages->info(QStringLiteral("Un QSO est en cours de saisie ou de modification : validez-le ou annulez la saisie "
                                      "en cours avant de changer le log."));
    return true;
}

void MainWindow::afterHistoryChange(const ChangeResult &r, const QString &failure) {
    if (!r) return reportWriteFailure(failure, r.fileName, r.reason);
    noteHistory(r.history);
    if (lectureLog() == Load::Ended) return;
    selectListItem(m_lines->rowCount() - 1);
    Initialise_Saisie();
}

void MainWindow::Mnu_Annuler_Click() {
    const LogStore store = logStore();
    if (!store.canUndo()) return;
    if (refuseWhileEditing()) return;
    const ReadResult before = readTextFile(history::precedentPath(m_s.dataDir, m_call));
    const ReadResult now = readTextFile(store.logPath());
    if (!before.ok() || !now.ok()) {
        const bool precedentFails = !before.ok();
        return reportWriteFailure(QStringLiteral("La dernière modification ne peut pas être annulée."),
                                  precedentFails ? history::precedentPath(m_s.dataDir, m_call) : store.logPath(),
                                  precedentFails ? before.reason : now.reason);
    }
    if (!m_s.messages->askYesNo(QStringLiteral("Annuler la dernière modification ?\r\n\r\n") +
                                history::describeChange(before.lines, now.lines)))
        return;
    afterHistoryChange(store.undo(), QStringLiteral("La dernière modification n'a pas été annulée."));
}

void MainWindow::Mnu_Restaurer_Click() {
    if (refuseWhileEditing()) return;
    const LogStore store = logStore();
    const QList<history::Backup> backups = history::dailyBackups(m_s.dataDir, m_call);
    if (backups.isEmpty())
        return m_s.messages->info(QStringLiteral("Aucune sauvegarde du log de ") + m_call + QStringLiteral(" pour l'instant."));
    const ReadResult now = readTextFile(store.logPath());
    RestoreDialog dialog(backups, now.lines, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    const history::Backup chosen = *dialog.chosen();
    if (!m_s.messages->askYesNo(QStringLiteral("Remplacer le log par la sauvegarde du ") +
                                chosen.day.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" ?")))
        return;
    afterHistoryChange(store.restore(chosen.path), QStringLiteral("La sauvegarde n'a pas été restaurée."));
}

}  // namespace kastlog
