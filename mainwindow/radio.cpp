// The radio seen from the main window: its reading beside the clocks, the band and mode of a
// new entry following it, the question at the save when it has left the QSO's band, and a
// spot chosen tuning it. Without a radio set none of it is made and the network is not loaded.
#include "mainwindow/mainwindow.h"

#include "logstore/bands.h"
#include "mainwindow/radiodialog.h"
#include "rig/bandplan.h"
#include "rig/radiomodes.h"
#include "rig/rigclient.h"
#include "settings/settings.h"
#include "spots/spotline.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace kastlog {

namespace {

const QColor Gris(128, 128, 128);  // no reading

// Shows `text` in a band or mode list, its entry selected when the list has one.
void showInList(QComboBox *combo, const QString &text) {
    combo->setCurrentIndex(combo->findText(text));
    combo->setEditText(text);
}

QString bandOf(qint64 hz) { return bandLabelOfFrequency(double(hz) / 1e6); }

}  // namespace

void MainWindow::buildRadioItems(QMenu *station) {
    QAction *a = station->addAction(tr("&Radio..."));
    a->setObjectName(QStringLiteral("Mnu_Radio"));
    connect(a, &QAction::triggered, this, &MainWindow::Mnu_Radio_Click);
}

void MainWindow::Mnu_Radio_Click() {
    auto *dialog = new RadioDialog(*m_s.settings, *m_s.messages, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &MainWindow::startRadio);
    dialog->open();
}

// Reads the radio at the address of the settings, from now on; an empty one is no radio.
void MainWindow::startRadio() {
    const QString address = m_s.settings->radioRigctld().trimmed();
    if (address.isEmpty()) {
        if (m_rig) {
            m_rig->stop();
            Radio_Aff->hide();
        }
        return;
    }
    if (!m_rig) {
        // Beside the clocks, along the top of the station's frame.
        const QWidget *frame = centralWidget()->findChild<QWidget *>(QStringLiteral("Cadre_Station"));
        Radio_Aff = new QLabel(centralWidget());
        Radio_Aff->setObjectName(QStringLiteral("Radio_Aff"));
        QFont small = Radio_Aff->font();
        small.setPointSizeF(7.5);
        Radio_Aff->setFont(small);
        Radio_Aff->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Radio_Aff->setGeometry(frame->x() + ui::px(120), frame->y() + ui::px(15), frame->width() - ui::px(240),
                               ui::px(240));
        m_rig = new rig::RigClient(this);
        connect(m_rig, &rig::RigClient::updated, this, &MainWindow::radioUpdated);
    }
    Radio_Aff->show();
    m_radioBand.clear();  // the entry takes the first reading
    m_radioMode.clear();
    m_rig->start(address, m_s.settings->radioIntervalle());
}

void MainWindow::radioUpdated() {
    followRadio();
    const rig::Reading &r = m_rig->reading();
    Radio_Aff->setText(rig::describe(r));
    Radio_Aff->setToolTip(Radio_Aff->text());  // a long reason may not fit beside the clocks
    // Red once the call has passed its check and the radio is no longer on the QSO's band.
    const QColor colour = !r.usable()                                  ? Gris
                          : Prenom_A->isEnabled() && radioLeftTheBand() ? QColor(Qt::red)
                                                                        : palette().color(QPalette::WindowText);
    if (Radio_Aff->palette().color(QPalette::WindowText) != colour) ui::setTextColour(Radio_Aff, colour);
}

// In "Saisie QSO" mode, while the entry waits for its call sign, the band and the mode follow
// the radio's changes, remembered as a key in their lists would remember them. A frequency
// outside the log's bands, or a mode the log has no name for, leaves the field as it is.
void MainWindow::followRadio() {
    const rig::Reading &r = m_rig->reading();
    if (!r.usable() || !entryAtStart()) return;
    const QString band = bandOf(r.hz);
    if (!band.isEmpty() && band != m_radioBand) {
        showInList(Bande_A, band);
        remember(Bande_A, QStringLiteral("bande Utilisee"));
    }
    m_radioBand = band;
    const QString mode = rig::logModeOf(r.mode);
    if (!mode.isEmpty() && mode != m_radioMode) {
        showInList(Mode_A, mode);
        remember(Mode_A, QStringLiteral("Mode Utilise"));
    }
    m_radioMode = mode;
}

// A new QSO waiting for its call sign, the focus in the band or the call sign (also while
// another window is active).
bool MainWindow::entryAtStart() const {
    if (m_modification || m_insertion || m_editLock) return false;
    if (!Ind_A->isEnabled() || !Ind_A->text().isEmpty()) return false;
    const QWidget *f = focusWidget();
    return f == Ind_A || f == Bande_A || f == Bande_A->lineEdit();
}

// A new QSO in "Saisie QSO" mode whose band is not the radio's; `radioBand` receives the
// radio's band label (empty outside the log's bands). Editing and insertion ignore the radio.
bool MainWindow::radioLeftTheBand(QString *radioBand) const {
    if (!m_rig || m_modification || m_insertion || m_editLock) return false;
    const rig::Reading &r = m_rig->reading();
    if (!r.usable()) return false;
    const QString band = bandOf(r.hz);
    if (band == Bande_A->currentText()) return false;
    if (radioBand) *radioBand = band;
    return true;
}

// At "Valider le QSO": true to go on with the save.
bool MainWindow::radioAgreesWithTheBand() {
    QString band;
    if (!radioLeftTheBand(&band)) return true;
    const QString question =
        band.isEmpty()
            //: %1: the radio's frequency in kHz, %2: the QSO's band
            ? tr("La radio est hors des bandes du log (%1) et le QSO sur %2 : enregistrer quand même ?")
                  .arg(rig::formatKhz(m_rig->reading().hz), Bande_A->currentText())
            //: %1: the radio's band, %2: the QSO's band
            : tr("La radio est sur %1 et le QSO sur %2 : enregistrer quand même ?").arg(band, Bande_A->currentText());
    return m_s.messages->askYesNo(question);
}

// A spot taken into the entry tunes the radio to it. The entry, which holds the spot's call
// and so no longer follows the radio, shows and remembers the band and mode it is tuned to.
void MainWindow::tuneRadioTo(const spots::Spot &spot) {
    if (!m_rig) return;
    const QString mode = rig::modeForSpot(spot.khz, spot.comment);
    if (!m_rig->tune(qRound64(spot.khz * 1000), mode)) return;
    remember(Bande_A, QStringLiteral("bande Utilisee"));
    m_radioBand = spot.band;
    m_radioMode = rig::logModeOf(mode);
    showInList(Mode_A, m_radioMode);
    remember(Mode_A, QStringLiteral("Mode Utilise"));
}

}  // namespace kastlog
