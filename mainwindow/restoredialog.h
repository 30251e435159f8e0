#pragma once
// The list of a station's daily backups, newest first (those dated in the future last), with
// their number of QSOs, of other lines, and what restoring one would change; "Restaurer"
// picks one.
#include "logstore/history.h"

#include <QDialog>

class QTreeWidget;

namespace kastlog {

class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    // `current`: the lines of the log as it is now.
    RestoreDialog(const QList<history::Backup> &backups, const QStringList &current, QWidget *parent = nullptr);
    // The backup chosen with "Restaurer"; none when the dialog was closed otherwise.
    const history::Backup *chosen() const { return m_chosen; }

private:
    QList<history::Backup> m_backups;
    const history::Backup *m_chosen = nullptr;
    QTreeWidget *m_list = nullptr;
};

}  // namespace kastlog
