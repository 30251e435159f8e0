// Closing `Main` by its close box: the program ends with its last open window, so the
// report and web windows still open become windows of their own and stay.
#include "mainwindow/mainwindow.h"

#include <QCloseEvent>
#include <QDialog>

namespace kastlog {

void MainWindow::closeEvent(QCloseEvent *event) {
    if (m_ended) return QMainWindow::closeEvent(event);  // "Quitter": every window goes
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        // Dialogs act on `Main` and go with it.
        if (!w->isWindow() || !w->isVisible() || qobject_cast<QDialog *>(w)) continue;
        const QRect where = w->geometry();
        w->setParent(nullptr, w->windowFlags());
        w->setGeometry(where);
        w->show();
    }
    QMainWindow::closeEvent(event);
}

}  // namespace kastlog
