#include "settings/stationdialog.h"

#include "logstore/logstore.h"
#include "settings/settings.h"
#include "settings/stationcall.h"
#include "settings/stationhost.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/keyhook.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kastlog {

QString stationDuringEntry() {
    return QCoreApplication::translate("StationHost",
                                       "Terminez ou annulez la saisie en cours avant de changer d'indicatif");
}

namespace {
const QColor Rouge(255, 0, 0);
const QColor VertClair(0xC0, 0xFF, 0xC0);

QLabel *centredLabel(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignCenter);
    return l;
}
}  // namespace

StationDialog::StationDialog(Services &services, StationHost &host, QWidget *parent)
    : QDialog(parent), m_s(services), m_host(host) {
    setObjectName(QStringLiteral("Station"));
    Label2 = centredLabel(this, "Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = centredLabel(this, "Label3");
    New_Indicatif = new QLineEdit(this);
    New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
    New_Indicatif->setFont(bold);
    New_Indicatif->setAlignment(Qt::AlignCenter);
    ui::setBackground(New_Indicatif, VertClair);
    Label5 = centredLabel(this, "Label5");
    ui::setTextColour(Label5, Rouge);
    Validation = new QPushButton(this);
    Validation->setObjectName(QStringLiteral("Validation"));
    // Enter on the focused button clicks it. Enter in the box never validates: its handler
    // swallows the key before the dialog could press a button with it.
    Validation->setAutoDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addSpacing(8);
    layout->addWidget(Label3);
    layout->addWidget(New_Indicatif);
    layout->addSpacing(8);
    layout->addWidget(Label5);
    layout->addSpacing(8);
    layout->addWidget(Validation, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::KeyPressHook::install(New_Indicatif, [this](int &code) { New_Indicatif_KeyPress(code); });
    connect(Validation, &QPushButton::clicked, this, &StationDialog::Validation_Click);
    Form_Load();
}

void StationDialog::Form_Load() {
    Label2->setText(tr("Indicatif de la Station"));
    Label3->setText(tr("Indicatif"));
    Label5->setText(tr("!!! Pour la saisie la '/' est remplacée par le '_'"));
    Validation->setText(tr("Validez"));
    setWindowTitle(tr("Selection Indicaif"));
    New_Indicatif->setMinimumWidth(New_Indicatif->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    ui::centreOnScreen(this);
    m_host.setStationCall(m_s.settings->indicatifStation());
    New_Indicatif->clear();
    New_Indicatif->setFocus();
}

void StationDialog::New_Indicatif_KeyPress(int &code) {
    if (code >= 'a' && code <= 'z') code -= 32;
    if (code == 13) {
        code = 0;
        ui::setBackground(New_Indicatif, ui::Blanc);
        Validation->setFocus();
    } else if (code == '/') {
        code = '_';
    }
}

void StationDialog::Validation_Click() {
    // Checked again here: the dialog leaves the main window usable while it is open.
    if (m_host.entryInProgress()) return m_s.messages->info(stationDuringEntry());
    const QString call = station::capitals(New_Indicatif->text());
    const station::Check verdict = station::check(call);
    if (verdict != station::Check::Ok) {
        m_s.messages->info(station::message(verdict));
        if (verdict == station::Check::BadCharacter) New_Indicatif->clear();
        return;
    }

    m_host.setStationCall(call);
    Settings &st = *m_s.settings;
    // Missing means "cannot be opened for reading", an unreadable file included.
    QFile log(QDir(m_s.dataDir).filePath(files::logName(call)));
    const bool exists = log.open(QIODevice::ReadOnly);
    log.close();
    if (!exists) {
        // A failed copy (no template) leaves the log missing: the reload below reports it.
        creationFichierLog(m_s.dataDir, call);
        st.setIndicatifStation(call);
        st.setBandeUtilisee(call, 0);
        st.setModeUtilise(call, 0);
    } else {
        st.setIndicatifStation(call);
    }
    m_host.setStationLabel(station::displayed(st.indicatifStation()));
    m_host.selectBandAndMode(st.bandeUtilisee(call), st.modeUtilise(call));

    // The reload may show the recovery dialog, whose "Quitter" ends the program and may
    // take this window with it.
    QPointer<StationDialog> self(this);
    m_host.reloadLog();
    if (self) accept();
}

}  // namespace kastlog
