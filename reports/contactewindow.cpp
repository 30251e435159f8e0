#include "reports/contactewindow.h"

#include "logstore/clock.h"
#include "ui/openers.h"
#include "reports/castlelist.h"
#include "reports/listfont.h"
#include "reports/reportfiles.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/messagebox.h"
#include "ui/printer.h"
#include "ui/services.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kastlog {

namespace {
QString shownHeader() { return QCoreApplication::translate("CastleList", castlelist::ListHeader); }
}  // namespace

AffContacte::AffContacte(Services &services, StationInfo &station, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_station(station) {
    setObjectName(QStringLiteral("Aff_Contacte"));
    setWindowTitle(tr("Liste des chateaux contactés"));

    m_bande = new QComboBox(this);
    m_bande->setObjectName(QStringLiteral("Bande_D"));
    m_bande->setEditable(true);
    m_bande->setInsertPolicy(QComboBox::NoInsert);
    m_bande->setCompleter(nullptr);  // "hf" stays "hf", not the entry "HF"
    // Band group names: compared with the log's groups and part of the file name, never translated.
    m_bande->addItems({QStringLiteral("HF"), QStringLiteral("VHF"), QStringLiteral("UHF")});
    m_bande->setCurrentIndex(0);
    auto *afficher = new QPushButton(tr("Afficher"), this);
    afficher->setObjectName(QStringLiteral("Afficher"));

    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("Label2"));
    m_header->setFont(reports::listFont());
    m_liste = new QListWidget(this);
    m_liste->setObjectName(QStringLiteral("Liste_DNJ_Contacte"));
    m_liste->setFont(reports::listFont());
    ui::setBackground(m_liste, ui::Jaune);
    const int rowWidth = QFontMetrics(reports::listFont()).horizontalAdvance(shownHeader());
    m_liste->setMinimumSize(rowWidth + 40, 420);

    //: Beside it, the count for the band group chosen above (HF, VHF or UHF).
    auto *label3 = new QLabel(tr("Chateaux contactés bande"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    m_comptC = new QLabel(this);
    m_comptC->setObjectName(QStringLiteral("Compt_C"));
    //: Beside it, the count for the band group chosen above (HF, VHF or UHF).
    auto *label4 = new QLabel(tr("Chateaux confirmés bande"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    m_comptV = new QLabel(this);
    m_comptV->setObjectName(QStringLiteral("Compt_V"));

    m_enregistrer = new QPushButton(tr("Enregistrer"), this);
    m_enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    m_enregistrer->setEnabled(false);
    m_imprimer = new QPushButton(tr("Imprimer"), this);
    m_imprimer->setObjectName(QStringLiteral("Imprimer"));
    m_imprimer->setEnabled(false);
    auto *quitter = new QPushButton(tr("Quitter"), this);
    quitter->setObjectName(QStringLiteral("Command1"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_bande);
    top->addWidget(afficher);
    top->addStretch();
    auto *counts = new QGridLayout;
    counts->addWidget(label3, 0, 0);
    counts->addWidget(m_comptC, 0, 1);
    counts->addWidget(label4, 1, 0);
    counts->addWidget(m_comptV, 1, 1);
    counts->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_enregistrer);
    buttons->addWidget(m_imprimer);
    buttons->addStretch();
    buttons->addWidget(quitter);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(m_header);
    outer->addWidget(m_liste, 1);
    outer->addLayout(counts);
    outer->addLayout(buttons);

    connect(afficher, &QPushButton::clicked, this, &AffContacte::Afficher_Click);
    connect(m_enregistrer, &QPushButton::clicked, this, &AffContacte::Enregistrer_Click);
    connect(m_imprimer, &QPushButton::clicked, this, &AffContacte::Imprimer_Click);
    connect(quitter, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    ui::centreOnScreen(this);
}

void AffContacte::Afficher_Click() {
    m_header->setText(shownHeader());
    m_liste->clear();
    m_rows.clear();
    const QString call = m_station.stationCall();
    const ReadResult log = reports::readLog(m_services.dataDir, call);
    if (!log.ok()) {
        m_comptC->clear();
        m_comptV->clear();
        m_services.messages->info(reports::readFailureMessage(m_services.dataDir, call, log));
        return;
    }
    const castlelist::List list = castlelist::build(log.lines, m_bande->currentText());
    m_rows = list.rows;
    m_liste->addItems(m_rows);
    m_enregistrer->setEnabled(true);
    m_imprimer->setEnabled(true);
    m_comptC->setText(QString::number(list.contactes));
    m_comptV->setText(QString::number(list.confirmes));
}

void AffContacte::Enregistrer_Click() {
    // The group text as it stands now names the file, even when the rows are of another group.
    const QString group = m_bande->currentText();
    if (!castlelist::fitsFileName(group)) {
        m_services.messages->info(tr("La bande « %1 » ne peut pas faire partie d'un nom de "
                                     "fichier : la liste n'a pas été enregistrée")
                                      .arg(group));
        return;
    }
    const QString call = m_station.stationCall();
    const QString name = castlelist::fileName(call, group, m_services.clock->local());
    const QStringList lines =
        castlelist::fileLines(call, group, dateLocale(*m_services.clock), m_rows);
    const WriteResult w = reports::writeLines(m_services.dataDir, name, lines, m_services.faults);
    if (!w) {
        m_services.messages->info(reports::writeFailureMessage(m_services.dataDir, name, w));
        return;
    }
    m_services.messages->info(tr("Fichier enregistré sous le nom : %1").arg(name));
}

void AffContacte::Imprimer_Click() {
    ui::Printer &printer = *m_services.printer;
    // Cancelling the printer choice abandons the printout.
    if (!printer.selectPrinter(this)) return;
    printer.setFont(QStringLiteral("Courier New"), 9, true);
    const QStringList lines = castlelist::printLines(m_station.stationCall(), m_bande->currentText(),
                                                     dateLocale(*m_services.clock), m_rows);
    for (const QString &line : lines) printer.printLine(line);
    QString error;
    if (!printer.endDocument(&error))
        m_services.messages->info(tr("L'impression a échoué : %1").arg(error));
}

}  // namespace kastlog
