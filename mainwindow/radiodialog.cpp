#include "mainwindow/radiodialog.h"

#include "rig/rigclient.h"
#include "settings/settings.h"
#include "spots/connection.h"
#include "ui/messagebox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kastlog {

namespace {
// Translated where shown: the translator is installed after static initialisation.
const char *const BadAddress =
    QT_TRANSLATE_NOOP("kastlog::RadioDialog", "Adresse invalide : entrez hote:port, par exemple localhost:4532");

bool validAddress(const QString &text) {
    QString host;
    quint16 port = 0;
    return text.isEmpty() || spots::splitHostPort(text, host, port);
}
}  // namespace

RadioDialog::RadioDialog(Settings &settings, ui::MessageBox &messages, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_messages(messages) {
    setObjectName(QStringLiteral("Radio"));
    setWindowTitle(tr("Radio"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(tr("Adresse de rigctld (hote:port, vide : pas de radio) :"), this);
    layout->addWidget(caption);
    Adresse = new QLineEdit(settings.radioRigctld(), this);
    Adresse->setObjectName(QStringLiteral("Adresse"));
    Adresse->setPlaceholderText(QStringLiteral("localhost:4532"));
    caption->setBuddy(Adresse);
    layout->addWidget(Adresse);
    //: button: read the radio once at this address
    Tester = new QPushButton(tr("Tester"), this);
    Tester->setObjectName(QStringLiteral("Tester"));
    Tester->setAutoDefault(false);
    layout->addWidget(Tester, 0, Qt::AlignLeft);
    Resultat = new QLabel(this);
    Resultat->setObjectName(QStringLiteral("Resultat"));
    Resultat->setWordWrap(true);
    Resultat->setMinimumWidth(360);
    layout->addWidget(Resultat);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    layout->addWidget(buttons);
    connect(Tester, &QPushButton::clicked, this, &RadioDialog::Tester_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &RadioDialog::OK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// Reads the radio once, without waiting: the answer, or what went wrong, comes in the label.
void RadioDialog::Tester_Click() {
    const QString address = Adresse->text().trimmed();
    if (address.isEmpty() || !validAddress(address)) return Resultat->setText(tr(BadAddress));
    if (m_probe) m_probe->deleteLater();
    m_probe = new rig::RigClient(this);
    Resultat->setText(tr("Test en cours..."));
    rig::RigClient *probe = m_probe;
    connect(probe, &rig::RigClient::updated, this, [this, probe] {
        const rig::Reading &r = probe->reading();
        if (!r.usable() && r.problem.isEmpty()) return;  // still connecting
        //: %1: the radio's reading (frequency, mode) or what went wrong
        Resultat->setText(r.usable() ? tr("Radio : %1").arg(rig::describe(r)) : tr("Erreur : %1").arg(r.problem));
        probe->stop();
        probe->deleteLater();
        if (m_probe == probe) m_probe = nullptr;
    });
    probe->start(address);
}

void RadioDialog::OK_Click() {
    const QString address = Adresse->text().trimmed();
    if (!validAddress(address)) return m_messages.info(tr(BadAddress));
    m_settings.setRadioRigctld(address);
    accept();
}

}  // namespace kastlog
