#include "reports/map/cartewindow.h"

#include "logstore/logstore.h"
#include "logstore/textfile.h"
#include "ui/openers.h"
#include "reports/map/marking.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/messagebox.h"
#include "ui/services.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

// The picture lives in this static library's resources, which the linker keeps only when
// something refers to them.
static void initProvinceMapResource() { Q_INIT_RESOURCE(provincemap); }

namespace kastlog {

namespace {

const QString PictureResource = QStringLiteral(":/carte/provinces.svg");

QLabel *label(const QString &name, const QString &text, int pointSize, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    if (pointSize > 0) f.setPointSize(pointSize);
    l->setFont(f);
    return l;
}

// A small read-only box: a province marker on the map, or a legend sample.
QLineEdit *smallBox(const QString &name, const QString &text, QWidget *parent) {
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignCenter);
    e->setTextMargins(0, 0, 0, 0);
    QFont f(QStringLiteral("Arial"), 8);
    f.setBold(true);
    e->setFont(f);
    return e;
}

// The map picture at its own size, sharp on screens with more than one device pixel a pixel.
// Qt's SVG image-format plugin draws it, loaded with the first map: linked into the program,
// Qt SVG would load at every start.
QPixmap mapPicture(qreal ratio) {
    const QSize size(carte::MapWidth, carte::MapHeight);
    QImageReader reader(PictureResource, "svg");
    reader.setAutoDetectImageFormat(false);  // the SVG plugin alone, without asking the others
    reader.setScaledSize(size * ratio);
    reader.setBackgroundColor(Qt::white);
    QImage picture = reader.read();
    if (picture.isNull()) {
        qWarning("KASTLOG: the map picture cannot be drawn (%s)", qPrintable(reader.errorString()));
        picture = QImage(size * ratio, QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    picture.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(picture);
}

}  // namespace

CarteActiDnj::CarteActiDnj(Services &services, StationInfo &station, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_station(station) {
    initProvinceMapResource();
    setObjectName(QStringLiteral("Carte_Acti_DNJ"));
    setWindowTitle(tr("Carte des provinces contactées"));

    auto *outer = new QVBoxLayout(this);

    // The count and the group last displayed: "2 Provinces contactées bande HF".
    auto *heading = new QHBoxLayout;
    m_nbDep = label(QStringLiteral("NB_Dep"), QStringLiteral("0"), 12, this);
    m_nbDep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_nbDep->setMinimumWidth(m_nbDep->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
    heading->addWidget(m_nbDep);
    //: Between the count and the band group: "2 Provinces contactées bande HF".
    heading->addWidget(label(QStringLiteral("Label5"), tr("Provinces contactées bande"), 12, this));
    m_bandeCarte = label(QStringLiteral("Bande_Carte"), QStringLiteral("HF"), 12, this);
    heading->addWidget(m_bandeCarte);
    heading->addStretch();
    outer->addLayout(heading);

    auto *choice = new QHBoxLayout;
    //: Band group (HF, VHF, UHF) to show.
    choice->addWidget(label(QStringLiteral("Label1"), tr("Bande"), 0, this));
    m_bandeA = new QComboBox(this);
    m_bandeA->setObjectName(QStringLiteral("Bande_A"));
    m_bandeA->setEditable(true);
    // The operator's text is displayed as typed: no completion, and Enter adds no item.
    m_bandeA->setCompleter(nullptr);
    m_bandeA->setInsertPolicy(QComboBox::NoInsert);
    m_bandeA->setMinimumWidth(80);
    ui::setBackground(m_bandeA, ui::Jaune);
    choice->addWidget(m_bandeA);
    auto *afficher = new QPushButton(tr("Afficher"), this);
    afficher->setObjectName(QStringLiteral("Afficher"));
    connect(afficher, &QPushButton::clicked, this, &CarteActiDnj::Afficher_Click);
    choice->addWidget(afficher);
    choice->addStretch();
    outer->addLayout(choice);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Carte_Provinces"));
    picture->setFixedSize(carte::MapWidth, carte::MapHeight);
    const QScreen *screen = QGuiApplication::primaryScreen();
    picture->setPixmap(mapPicture(screen ? screen->devicePixelRatio() : 1.0));
    for (int i = 0; i < carte::ProvinceCount; ++i) {
        const carte::Province &p = carte::Provinces[i];
        QLineEdit *box = smallBox(QStringLiteral("Dep_%1").arg(p.number), QLatin1String(p.code), picture);
        box->setGeometry(p.x, p.y, p.width, p.height);
        ui::setBackground(box, ui::Blanc);
        m_dep[i] = box;
    }
    outer->addWidget(picture);

    auto *legend = new QHBoxLayout;
    auto legendEntry = [&](const QString &boxName, const QColor &colour, const QString &labelName,
                           const QString &text) {
        QLineEdit *sample = smallBox(boxName, QString(), this);
        sample->setFixedSize(25, 20);
        ui::setBackground(sample, colour);
        legend->addWidget(sample);
        auto *l = new QLabel(text, this);
        l->setObjectName(labelName);
        legend->addWidget(l);
        legend->addSpacing(16);
    };
    //: Map legend: the colour of the provinces contacted.
    legendEntry(QStringLiteral("Text1"), ui::Vert, QStringLiteral("Label6"), tr("Provinces contactés"));
    //: Map legend: the colour of the provinces not contacted.
    legendEntry(QStringLiteral("Text2"), ui::Blanc, QStringLiteral("Label8"), tr("Provinces non contactés"));
    legend->addStretch();
    outer->addLayout(legend);

    Form_Load();
}

void CarteActiDnj::Form_Load() {
    setFixedSize(sizeHint());
    ui::centreOnScreen(this);
    m_bandeA->clear();
    // Band group names, compared with the log's groups: never translated.
    m_bandeA->addItems({QStringLiteral("HF"), QStringLiteral("VHF"), QStringLiteral("UHF")});
    m_bandeA->setCurrentIndex(0);
    Afficher_Click();
}

void CarteActiDnj::Afficher_Click() {
    const int nb1 = Lecture_Fichier_Departement_Activations();
    m_nbDep->setText(QString::number(nb1));
    m_bandeCarte->setText(m_bandeA->currentText());
}

int CarteActiDnj::Lecture_Fichier_Departement_Activations() {
    for (QLineEdit *box : m_dep) ui::setBackground(box, ui::Blanc);

    const QString path = LogStore(m_services.dataDir, m_station.stationCall()).logPath();
    const ReadResult log = readTextFile(path);
    if (!log.ok()) {
        m_services.messages->info(tr("Le log %1 n'a pas pu être lu : %2").arg(path, log.reason));
        return 0;
    }
    const carte::Marks marks = carte::provincesContactees(log.lines, m_bandeA->currentText());
    for (int i = 0; i < carte::ProvinceCount; ++i)
        if (marks[i]) ui::setBackground(m_dep[i], ui::Marque);

    // The count is read back from the boxes, as the operator sees them.
    int marked = 0;
    for (const QLineEdit *box : m_dep)
        if (ui::background(box) == ui::Marque) ++marked;
    return marked;
}

QWidget *createCarteWindow(Services &s, StationInfo &station, QWidget *parent) {
    auto *w = new CarteActiDnj(s, station, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}

}  // namespace kastlog
