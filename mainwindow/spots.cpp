// The window "Spots DX" seen from the main window: opening it, keeping its "already
// contacted" marks in step with the log, and a chosen spot put into the entry.
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"

#include "logstore/textfile.h"
#include "settings/stationcall.h"
#include "spots/spotswindow.h"
#include "ui/messagebox.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace kastlog {

namespace {

// The reference of the spot taken, offered in `Ref_A` when the chain reaches it for that call.
class ReferenceOffer : public QObject {
public:
    ReferenceOffer(QLineEdit *ind, QLineEdit *ref, QObject *parent) : QObject(parent), m_ind(ind), m_ref(ref) {
        setObjectName(QStringLiteral("ReferenceOffer"));
        ref->installEventFilter(this);
    }
    void offer(const QString &call, const QString &ref) {
        m_call = call;
        m_offered = ref;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_ref && event->type() == QEvent::FocusIn && !m_offered.isEmpty()) {
            // Only for the call that came with the spot, and never over a typed reference.
            if (m_ind->text() == m_call && m_ref->text().isEmpty() && m_ref->isEnabled()) {
                m_ref->setText(m_offered);
                m_ref->selectAll();
            }
            m_offered.clear();
        }
        return false;
    }

private:
    QLineEdit *m_ind, *m_ref;
    QString m_call, m_offered;
};

}  // namespace

void MainWindow::Mnu_Spots_Click() {
    auto *w = qobject_cast<spots::SpotsWindow *>(m_spots.data());
    if (!w) {
        auto logLines = [this] { return readTextFile(logFileName()).lines; };
        w = new spots::SpotsWindow(*m_s.settings, m_call, logLines, *m_s.messages, this);
        w->setAttribute(Qt::WA_DeleteOnClose);
        new ReferenceOffer(Ind_A, Ref_A, w);
        connect(w, &spots::SpotsWindow::spotChosen, this, &MainWindow::takeSpot);
        // The list is rebuilt from the file after every change of the log.
        connect(m_lines, &QAbstractItemModel::modelReset, w, &spots::SpotsWindow::logChanged);
        m_spots = w;
        w->start();
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void MainWindow::takeSpot(const spots::Spot &spot) {
    // Only into an entry waiting for its call sign.
    if (entryInProgress() || !Ind_A->isEnabled() || !Ind_A->text().isEmpty())
        return m_s.messages->info(tr("Une saisie est en cours : terminez ou annulez le QSO avant de prendre un spot"));
    Bande_A->setCurrentIndex(Bande_A->findText(spot.band));
    Ind_A->setText(station::capitals(spot.call));  // as typed: a to z become capitals
    tuneRadioTo(spot);
    if (m_spots)
        if (QObject *o = m_spots->findChild<QObject *>(QStringLiteral("ReferenceOffer"), Qt::FindDirectChildrenOnly))
            static_cast<ReferenceOffer *>(o)->offer(Ind_A->text(), spot.reference);
    activateWindow();
    raise();
    Ind_A->setFocus();
}

}  // namespace kastlog
