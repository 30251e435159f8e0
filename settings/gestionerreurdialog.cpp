#include "settings/gestionerreurdialog.h"

#include "settings/settings.h"
#include "settings/stationcall.h"
#include "ui/centre.h"
#include "ui/services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kastlog {

namespace {
QLabel *label(QWidget *parent, const char *name, const QString &text, Qt::Alignment align) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(align | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}
}  // namespace

GestionErreurDialog::GestionErreurDialog(Services &services, QWidget *parent)
    : QDialog(parent), m_s(services) {
    setObjectName(QStringLiteral("Gestion_erreur"));
    setWindowTitle(tr("Gestion erreur 53"));

    //: The heading: the error number the program has always shown for a missing log file.
    Label2 = label(this, "Label2", tr("ERREUR 53"), Qt::AlignHCenter);
    QFont big = Label2->font();
    big.setPointSizeF(13.5);
    big.setBold(true);
    Label2->setFont(big);
    Label3 = label(this, "Label3",
                   tr("KASTLOG a trouvé dans la base de registre l'indicatif  : "),
                   Qt::AlignRight);
    Ind_Station = label(this, "Ind_Station", QString(), Qt::AlignLeft);
    Label6 = label(this, "Label6",
                   tr("Il n'a par contre pas trouvé dans son répértoire le fichier :"),
                   Qt::AlignHCenter);
    Ind_Station1 = label(this, "Ind_Station1", QString(), Qt::AlignRight);
    Err_Departement = label(this, "Err_Departement", QString(), Qt::AlignLeft);
    Label7 = label(this, "Label7",
                   tr("Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\""),
                   Qt::AlignHCenter);
    Label1 = label(this, "Label1", tr("Relancez KASTLOG "), Qt::AlignHCenter);
    Label9 = label(this, "Label9",
                   tr("une boite de dialogue vous demandera alors de spécifier votre indicatif"),
                   Qt::AlignHCenter);
    Initialisation = new QPushButton(tr("Initialiser"), this);
    Initialisation->setObjectName(QStringLiteral("Initialisation"));
    Quitter = new QPushButton(tr("Quitter"), this);
    Quitter->setObjectName(QStringLiteral("Quitter"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addSpacing(12);
    auto *row1 = new QHBoxLayout;
    row1->setSpacing(0);
    row1->addWidget(Label3, 1);
    row1->addWidget(Ind_Station, 1);
    layout->addLayout(row1);
    layout->addWidget(Label6);
    // The two halves read as one file name: call sign flush right, "_DNJ.log" flush left.
    auto *row2 = new QHBoxLayout;
    row2->setSpacing(0);
    row2->addWidget(Ind_Station1, 1);
    row2->addWidget(Err_Departement, 1);
    layout->addLayout(row2);
    layout->addSpacing(12);
    layout->addWidget(Label7);
    layout->addWidget(Label1);
    layout->addWidget(Label9);
    layout->addSpacing(12);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Initialisation);
    buttons->addStretch(1);
    buttons->addWidget(Quitter);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Initialisation, &QPushButton::clicked, this, &GestionErreurDialog::Initialisation_Click);
    connect(Quitter, &QPushButton::clicked, this, &GestionErreurDialog::Quitter_Click);
    Form_Load();
}

void GestionErreurDialog::Form_Load() {
    const QString call = m_s.settings->indicatifStation();
    Ind_Station->setText(call);
    Ind_Station1->setText(call);
    ui::centreOnScreen(this);
}

void GestionErreurDialog::setErrDepartement(const QString &text) {
    Err_Departement->setText(text);
    ui::centreOnScreen(this);  // the row may have grown
}

// Only the stored call sign goes back to the placeholder; per-station settings, log files
// and the call sign in memory stay. May be clicked any number of times.
void GestionErreurDialog::Initialisation_Click() {
    m_s.settings->setIndicatifStation(station::Placeholder);
}

// The caller ends the program when the dialog returns with this set.
void GestionErreurDialog::Quitter_Click() {
    m_quit = true;
    accept();
}

}  // namespace kastlog
