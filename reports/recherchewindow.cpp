#include "reports/recherchewindow.h"

#include "ui/mainlist.h"
#include "reports/listfont.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/keyhook.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kastlog {

RechercheIndicatif::RechercheIndicatif(Services &services, MainListAccess &mainList, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_mainList(mainList) {
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(tr("Rechercher un QSO"));

    auto *label3 = new QLabel(tr("Rechercher un QSO par ..."), this);
    label3->setObjectName(QStringLiteral("Label3"));

    m_options = new QButtonGroup(this);
    auto *criteria = new QGridLayout;
    //: Search by call sign.
    const QString captions[] = {tr("Indicatif"),
                                //: Search by castle reference ("NM047").
                                tr("N° DNJ"),
                                //: Search by province code; short, a narrow column.
                                tr("Prov")};
    const QString boxNames[] = {QStringLiteral("Indica"), QStringLiteral("Data"), QStringLiteral("Depa")};
    QLineEdit *boxes[3];
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i + 1));
        option->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus to the option's box
        m_options->addButton(option, i + 1);
        boxes[i] = new QLineEdit(this);
        boxes[i]->setObjectName(boxNames[i]);
        ui::setBackground(boxes[i], ui::Jaune);
        boxes[i]->installEventFilter(this);
        QLineEdit *box = boxes[i];
        ui::KeyPressHook::install(box, [this, box](int &code) { boxKeyPress(box, code); });
        criteria->addWidget(option, 0, i);
        criteria->addWidget(box, 1, i);
    }
    m_indica = boxes[0];
    m_data = boxes[1];
    m_depa = boxes[2];
    m_options->button(1)->setChecked(true);

    const QString header = QCoreApplication::translate("Search", search::Header);
    auto *label13 = new QLabel(header, this);
    label13->setObjectName(QStringLiteral("Label13"));
    label13->setFont(reports::listFont());
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("QSO_Effectues"));
    m_results->setFont(reports::listFont());
    m_results->setToolTip(tr("Double clique sur le QSO pour retour au log"));
    ui::setBackground(m_results, ui::Jaune);
    const int rowWidth = QFontMetrics(reports::listFont()).horizontalAdvance(header);
    m_results->setMinimumSize(rowWidth + 40, 300);

    auto *quitter = new QPushButton(tr("Quitter"), this);
    quitter->setObjectName(QStringLiteral("Command1"));

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(label3);
    outer->addLayout(criteria);
    outer->addWidget(label13);
    outer->addWidget(m_results, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(quitter);
    outer->addLayout(bottom);

    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) Option1_Click(id);
    });
    connect(m_results, &QListWidget::itemDoubleClicked, this, &RechercheIndicatif::QSO_Effectues_DblClick);
    connect(quitter, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    ui::centreOnScreen(this);
    m_indica->setFocus();
}

search::Critere RechercheIndicatif::critere() const {
    return static_cast<search::Critere>(m_options->checkedId());
}

bool RechercheIndicatif::eventFilter(QObject *watched, QEvent *event) {
    // A click into a box selects its criterion.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_indica) m_options->button(1)->setChecked(true);
        else if (watched == m_data) m_options->button(2)->setChecked(true);
        else if (watched == m_depa) m_options->button(3)->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void RechercheIndicatif::Option1_Click(int index) {
    QLineEdit *box = index == 1 ? m_indica : index == 2 ? m_data : m_depa;
    box->setFocus();
}

void RechercheIndicatif::boxKeyPress(QLineEdit *box, int &code) {
    if (code >= 'a' && code <= 'z') {
        code -= 32;
        return;
    }
    if (code != 13) return;
    code = 0;  // Enter puts nothing into the box
    const search::EnterCheck c = box == m_indica ? search::enterIndica(box->text())
                                 : box == m_data ? search::enterData(box->text())
                                                 : search::enterDepa(box->text());
    for (const QString &m : c.messages) m_services.messages->info(m);
    if (c.clearBox) box->clear();
    if (c.search) Recherche_QSO();
}

void RechercheIndicatif::Recherche_QSO() {
    m_results->clear();
    const search::Outcome o = search::rechercheQso(
        critere(), search::Boxes{m_indica->text(), m_data->text(), m_depa->text()}, m_mainList.mainListLines());
    m_results->addItems(o.rows);
    if (!o.message.isEmpty()) m_services.messages->info(o.message);
    m_indica->setText(o.boxes.indica);
    m_data->setText(o.boxes.data);
    m_depa->setText(o.boxes.depa);
}

void RechercheIndicatif::QSO_Effectues_DblClick(QListWidgetItem *item) {
    if (!item) return;
    for (int index : search::linesOfRow(m_mainList.mainListLines(), item->text()))
        m_mainList.selectMainListItem(index);
    close();
}

}  // namespace kastlog
