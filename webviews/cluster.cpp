#include "webviews/cluster.h"

#include "ui/openers.h"
#include "settings/settings.h"
#include "ui/browser.h"
#include "ui/centre.h"
#include "ui/services.h"
#include "webviews/clusterurl.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace kastlog {

namespace {
void place(QWidget *w, int left, int top, int width, int height) {
    w->setGeometry(ui::px(left), ui::px(top), ui::px(width), ui::px(height));
}
}  // namespace

Cluster::Cluster(Services &services, StationInfo &station, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_station(station) {
    setObjectName(QStringLiteral("Cluster"));
    //: Window title: the DX cluster page.
    setWindowTitle(tr("Cluster"));
    setFixedSize(ui::px(11520), ui::px(9240));

    Label2 = new QLabel(tr("Cluster (DxCluster)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont title = Label2->font();
    title.setPointSizeF(13.5);
    title.setBold(true);
    Label2->setFont(title);
    place(Label2, 120, 60, 4335, 375);

    //: Label of the radio band choice.
    Label3 = new QLabel(tr("Bande"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    place(Label3, 5160, 120, 615, 255);

    Bande_CL = new QComboBox(this);
    Bande_CL->setObjectName(QStringLiteral("Bande_CL"));
    Bande_CL->setEditable(true);
    Bande_CL->setInsertPolicy(QComboBox::NoInsert);  // a typed text never becomes an entry
    Bande_CL->setCompleter(nullptr);                 // nor is it completed to an entry
    place(Bande_CL, 5880, 60, 1815, 315);

    Afficher = new QPushButton(tr("Afficher"), this);
    Afficher->setObjectName(QStringLiteral("Afficher"));
    place(Afficher, 7920, 30, 1215, 375);
    connect(Afficher, &QPushButton::clicked, this, &Cluster::Afficher_Click);

    m_browser = m_services.browser->create(this);
    QWidget *view = m_browser->widget();
    view->setObjectName(QStringLiteral("WebBrowser1"));
    place(view, 120, 480, 11295, 8295);

    Label1 = new QLabel(tr("Cluster remis a jour toutes les minutes"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 120, 8835, 6000, 255);

    Form_Load();
}

Cluster::~Cluster() = default;

void Cluster::Form_Load() {
    ui::centreOnScreen(this);
    Bande_CL->addItems(cluster::bandChoices());
    // The settings give -1..13 only (anything else reads as "All HF"); -1 leaves the list
    // with no entry selected and its text part empty.
    Bande_CL->setCurrentIndex(m_services.settings->bandeCluster(m_station.stationCall()));
    Affiche_Cluster();
}

void Cluster::Afficher_Click() { Affiche_Cluster(); }

void Cluster::Affiche_Cluster() {
    // A typed text that is no entry counts as no selection, whatever entry was chosen before.
    const int position = cluster::positionOfText(Bande_CL->currentText());
    m_services.settings->setBandeCluster(m_station.stationCall(), position);
    m_browser->navigate(cluster::pageUrl(m_services.settings->serveurCluster(), position));
}

}  // namespace kastlog
