// The log's history in the main window: undo of the last change (Ctrl+Z), restore of a daily
// backup, and the messages about a history that could not be written.
#include "logstore/logstore.h"
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"
#include "mainwindow/restoredialog.h"
#include "logstore/record.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

namespace kastlog {

namespace {
bool isUndoKey(const QKeyEvent *k) {
    return k->key() == Qt::Key_Z && (k->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// A focused text box takes Ctrl+Z for its own undo before any shortcut sees it, and so does an
// editable combo box (Mode, Bande), which hands the key to its text box directly: on the
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
    Mnu_Annuler = fichier->addAction(tr("&Annuler la dernière modification du log"));
    Mnu_Annuler->setObjectName(QStringLiteral("Mnu_Annuler"));
    Mnu_Annuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(Mnu_Annuler, &QAction::triggered, this, [this] { Mnu_Annuler_Click(); });
    QAction *restore = fichier->addAction(tr("&Restaurer une sauvegarde..."));
    restore->setObjectName(QStringLiteral("Mnu_Restaurer"));
    connect(restore, &QAction::triggered, this, [this] { Mnu_Restaurer_Click(); });

    // The list is reloaded after every change and every change of station.
    auto refresh = [this] { Mnu_Annuler->setEnabled(logStore().canUndo()); };
    connect(m_lines, &QAbstractItemModel::modelReset, this, refresh);
    connect(fichier, &QMenu::aboutToShow, this, refresh);
    refresh();

    auto *filter = new UndoKeyFilter(Mnu_Annuler, this);
    for (QLineEdit *f : findChildren<QLineEdit *>()) f->installEventFilter(filter);
    for (QComboBox *f : findChildren<QComboBox *>()) f->installEventFilter(filter);
}

void MainWindow::noteHistory(const history::Kept &kept) {
    // Told every time: each change that cannot be undone or backed up is one the operator
    // must know about.
    const QList<history::KeptProblem> problems = history::problems(kept);
    if (problems.isEmpty()) return;
    QStringList parts;
    for (const history::KeptProblem &p : problems)
        //: %1: what could not be kept (from the history), %2: the file, %3: the system's reason
        parts << tr("La modification est enregistrée dans le log, mais %1.\r\n\r\nFichier : %2\r\nRaison : %3")
                     .arg(p.what, QDir::toNativeSeparators(p.fileName), p.reason);
    m_s.messages->info(parts.join(QStringLiteral("\r\n\r\n")));
}

bool MainWindow::refuseWhileEditing() {
    if (!entryInProgress()) return false;
    m_s.messages->info(tr("Un QSO est en cours de saisie ou de modification : validez-le ou annulez la saisie "
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

namespace {
// The records among lines.
qsizetype recordCount(const QStringList &lines) { return std::count_if(lines.begin(), lines.end(), isRecord); }
}  // namespace

void MainWindow::Mnu_Annuler_Click() {
    const LogStore store = logStore();
    if (!store.canUndo()) return;
    if (refuseWhileEditing()) return;
    const history::UndoState state = store.undoState();
    if (state.kind == history::UndoState::Nothing) return;
    if (state.kind == history::UndoState::Refused)
        return reportWriteFailure(tr("La dernière modification ne peut pas être annulée."), state.file,
                                  state.reason + QStringLiteral("\r\n\r\n") +
                                      tr("Les sauvegardes des jours passés restent disponibles : Fichier, Restaurer "
                                         "une sauvegarde."));
    const QStringList before = splitLines(state.precedent);
    QString question;
    if (state.logMissing)
        question = tr("Le log est introuvable :\r\n%1\r\n\r\nLe remettre tel qu'il était avant la dernière "
                      "modification (%n QSO) ?", nullptr, int(recordCount(before)))
                       .arg(QDir::toNativeSeparators(store.logPath()));
    else
        question = tr("Annuler la dernière modification ?") + QStringLiteral("\r\n\r\n") +
                   history::describeChange(before, splitLines(state.current));
    if (!m_s.messages->askYesNo(question)) return;
    afterHistoryChange(store.undo(state), tr("La dernière modification n'a pas été annulée."));
}

void MainWindow::Mnu_Restaurer_Click() {
    if (refuseWhileEditing()) return;
    const LogStore store = logStore();
    if (const QString problem = history::folderProblem(m_s.dataDir); !problem.isEmpty())
        return reportWriteFailure(tr("Les sauvegardes ne peuvent pas être lues."), history::folderPath(m_s.dataDir),
                                  problem);
    const QList<history::Backup> backups = history::dailyBackups(m_s.dataDir, m_call, history::localDay(m_s.clock));
    if (backups.isEmpty())
        return m_s.messages->info(tr("Aucune sauvegarde du log de %1 pour l'instant.").arg(m_call));
    const ReadResult now = readTextFile(store.logPath());  // a deleted log is restored into nothing
    RestoreDialog dialog(backups, now.lines, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
    const history::Backup chosen = *dialog.chosen();
    const ReadResult backup = readTextFile(chosen.path);
    if (!backup.ok())
        return reportWriteFailure(tr("La sauvegarde n'a pas été restaurée."), chosen.path, backup.reason);
    //: %1: the backup's day, dd/mm/yyyy
    QString question =
        tr("Remplacer le log par la sauvegarde du %1 ?").arg(chosen.day.toString(QStringLiteral("dd/MM/yyyy")));
    if (const QString others = history::describeOtherLines(backup.lines); !others.isEmpty()) question += QStringLiteral("\r\n\r\n") + others;
    if (!m_s.messages->askYesNo(question)) return;
    afterHistoryChange(store.restore(chosen.path), tr("La sauvegarde n'a pas été restaurée."));
}

}  // namespace kastlog
