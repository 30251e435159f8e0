#include "reports/scoreswindow.h"

#include "ui/openers.h"
#include "reports/reportfiles.h"
#include "reports/scores.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kastlog {

namespace {
QLabel *heading(const QString &name, const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QFrame *frame(const QString &name, QWidget *parent) {
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}
}  // namespace

ScoreChateaux::ScoreChateaux(Services &services, StationInfo &station, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_station(station) {
    setObjectName(QStringLiteral("Score_Chateaux"));
    setWindowTitle(tr("Scores"));
    auto *outer = new QVBoxLayout(this);

    QFrame *f1 = frame(QStringLiteral("Frame1"), this);
    auto *l1 = new QVBoxLayout(f1);
    QLabel *title = heading(QStringLiteral("Label2"), tr("Scores DNJ"), f1);
    title->setAlignment(Qt::AlignCenter);
    l1->addWidget(title);
    outer->addWidget(f1);

    // One frame per group: heading, then the contacted and confirmed rows with their boxes.
    auto group = [&](const char *frameName, const char *headName, const QString &headText,
                     const char *ctLabel, const char *ctBox, const char *cfLabel, const char *cfBox,
                     QLineEdit *&ct, QLineEdit *&cf) {
        QFrame *f = frame(QLatin1String(frameName), this);
        auto *form = new QFormLayout(f);
        form->addRow(heading(QLatin1String(headName), headText, f));
        auto row = [&](const char *labelName, const char *boxName, const QString &text) {
            auto *label = new QLabel(text, f);
            label->setObjectName(QLatin1String(labelName));
            auto *box = new QLineEdit(f);
            box->setObjectName(QLatin1String(boxName));
            box->setReadOnly(true);
            box->setFixedWidth(80);
            ui::setBackground(box, ui::Jaune);
            form->addRow(label, box);
            return box;
        };
        ct = row(ctLabel, ctBox, tr("Nombre de Chateaux contactés"));
        cf = row(cfLabel, cfBox, tr("Nombre de Chateaux confirmés"));
        outer->addWidget(f);
    };
    // The award's name and the band group: the same in every language.
    group("Frame2", "Label1", QStringLiteral("DNJ HF"), "Label3", "HF_CT", "Label4", "HF_CF", m_hfCt, m_hfCf);
    group("Frame3", "Label5", QStringLiteral("DNJ VHF"), "Label7", "VHF_CT", "Label9", "VHF_CF", m_vhfCt, m_vhfCf);
    group("Frame4", "Label6", QStringLiteral("DNJ UHF"), "Label8", "UHF_CT", "Label10", "UHF_CF", m_uhfCt, m_uhfCf);

    Form_Load();
}

void ScoreChateaux::Form_Load() {
    adjustSize();
    ui::centreOnScreen(this);
    const ReadResult log = reports::readLog(m_services.dataDir, m_station.stationCall());
    if (!log.ok()) {
        // The boxes stay empty rather than show counts the log does not give.
        m_services.messages->info(reports::readFailureMessage(m_services.dataDir, m_station.stationCall(), log));
        return;
    }
    const Scores s = computeScores(log.lines);
    m_hfCt->setText(QString::number(s.hf.contactes));
    m_hfCf->setText(QString::number(s.hf.confirmes));
    m_vhfCt->setText(QString::number(s.vhf.contactes));
    m_vhfCf->setText(QString::number(s.vhf.confirmes));
    m_uhfCt->setText(QString::number(s.uhf.contactes));
    m_uhfCf->setText(QString::number(s.uhf.confirmes));
}

}  // namespace kastlog
