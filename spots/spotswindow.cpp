#include "spots/spotswindow.h"

#include "settings/settings.h"
#include "ui/centre.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace kastlog::spots {

void SpotsModel::setOnlyNew(bool only) {
    m_onlyNew = only;
    rebuild();
}

void SpotsModel::rebuild() {
    beginResetModel();
    m_visible.clear();
    const QList<SpotRow> &rows = m_book.rows();
    for (int i = 0; i < rows.size(); ++i)
        if (!m_onlyNew || !rows[i].contacted) m_visible.append(i);
    endResetModel();
}

void SpotsModel::spotAdded(bool lastDropped) {
    // Rows are inserted and removed rather than the model reset: the row the operator has
    // chosen stays chosen while spots come in.
    if (lastDropped && !m_visible.isEmpty() && m_visible.last() == MaxSpots - 1) {
        beginRemoveRows({}, m_visible.size() - 1, m_visible.size() - 1);
        m_visible.removeLast();
        endRemoveRows();
    }
    for (int &i : m_visible) ++i;
    if (m_onlyNew && m_book.rows().first().contacted) return;
    beginInsertRows({}, 0, 0);
    m_visible.prepend(0);
    endInsertRows();
}

QVariant SpotsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_visible.size()) return {};
    const SpotRow &r = m_book.rows()[m_visible[index.row()]];
    if (role == Qt::BackgroundRole) return r.contacted ? Contacte : Nouveau;
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0: return r.spot.time;
    case 1: return r.spot.band;
    case 2: return r.spot.call;
    case 3: return r.spot.reference;
    case 4: return r.spot.spotter;
    case 5: return r.spot.comment;
    default: return r.contacted ? QStringLiteral("déjà contacté") : QString();
    }
}

QVariant SpotsModel::headerData(int section, Qt::Orientation o, int role) const {
    static const QStringList names = {QStringLiteral("Heure"),   QStringLiteral("Bande"),       QStringLiteral("Indicatif"),
                                      QStringLiteral("Ref"),     QStringLiteral("Spotter"),     QStringLiteral("Commentaire"),
                                      QString()};
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < names.size()) return names[section];
    return QAbstractTableModel::headerData(section, o, role);
}

SpotsWindow::SpotsWindow(Settings &settings, QString login, std::function<QStringList()> logLines, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_login(std::move(login)), m_logLines(std::move(logLines)),
      m_model(new SpotsModel(m_book, this)), m_client(new NodeClient(this)) {
    setObjectName(QStringLiteral("Spots"));
    setWindowTitle(QStringLiteral("Spots DX"));
    resize(760, 480);

    Noeud = new QLineEdit(this);
    Noeud->setObjectName(QStringLiteral("Noeud"));
    Noeud->setPlaceholderText(QStringLiteral("hote:port"));
    Noeud->setText(m_settings.clusterTelnet());
    auto *reconnecter = new QPushButton(QStringLiteral("Reconnecter"), this);
    reconnecter->setObjectName(QStringLiteral("Reconnecter"));
    auto *deconnecter = new QPushButton(QStringLiteral("Déconnecter"), this);
    deconnecter->setObjectName(QStringLiteral("Deconnecter"));
    Nouveaux = new QCheckBox(QStringLiteral("Seulement les nouveaux"), this);
    Nouveaux->setObjectName(QStringLiteral("Nouveaux"));
    Nouveaux->setChecked(m_settings.spotsNouveaux());
    m_model->setOnlyNew(Nouveaux->isChecked());
    Etat = new QLabel(this);
    Etat->setObjectName(QStringLiteral("Etat"));
    Table_Spots = new QTableView(this);
    Table_Spots->setObjectName(QStringLiteral("Table_Spots"));
    Table_Spots->setModel(m_model);
    Table_Spots->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_Spots->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_Spots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_Spots->verticalHeader()->hide();
    Table_Spots->horizontalHeader()->setStretchLastSection(true);
    Table_Spots->installEventFilter(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Noeud"), this));
    top->addWidget(Noeud, 1);
    top->addWidget(reconnecter);
    top->addWidget(deconnecter);
    top->addWidget(Nouveaux);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Table_Spots, 1);
    layout->addWidget(Etat);
    ui::centreOnScreen(this);

    connect(m_client, &NodeClient::statusChanged, Etat, &QLabel::setText);
    connect(m_client, &NodeClient::lineReceived, this, &SpotsWindow::addLine);
    connect(Noeud, &QLineEdit::returnPressed, this, &SpotsWindow::connectToNode);
    connect(reconnecter, &QPushButton::clicked, this, &SpotsWindow::connectToNode);
    connect(deconnecter, &QPushButton::clicked, m_client, &NodeClient::disconnectFromNode);
    connect(Nouveaux, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.setSpotsNouveaux(on);
        m_model->setOnlyNew(on);
    });
    connect(Table_Spots, &QTableView::doubleClicked, this, &SpotsWindow::choose);
    m_expiry = new QTimer(this);
    m_expiry->setInterval(30000);
    connect(m_expiry, &QTimer::timeout, this, &SpotsWindow::expire);
    m_expiry->start();
}

void SpotsWindow::start() {
    refreshLog();
    if (Noeud->text().trimmed().isEmpty()) {
        Etat->setText(QStringLiteral("Déconnecté : entrez le noeud (hote:port) puis Entrée"));
        Noeud->setFocus();
        return;
    }
    connectToNode();
}

void SpotsWindow::connectToNode() {
    QString host;
    quint16 port = 0;
    // Only a usable node is remembered, once given.
    if (splitHostPort(Noeud->text(), host, port)) m_settings.setClusterTelnet(Noeud->text().trimmed());
    m_client->connectTo(Noeud->text(), m_settings.clusterIndicatif(m_login));
}

void SpotsWindow::logChanged() {
    if (m_refreshPending) return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refreshLog();
    });
}

void SpotsWindow::refreshLog() {
    m_book.setLog(m_logLines ? m_logLines() : QStringList());
    m_model->rebuild();
}

void SpotsWindow::addLine(const QString &line) {
    const auto spot = parseCastleSpot(line);
    if (!spot) return;
    expire();
    const bool full = m_book.rows().size() == MaxSpots;
    if (m_book.add(*spot, m_now())) m_model->spotAdded(full);
}

void SpotsWindow::expire() {
    const int before = m_book.rows().size();
    m_book.expire(m_now());
    if (m_book.rows().size() != before) m_model->rebuild();
}

void SpotsWindow::choose(const QModelIndex &index) {
    if (index.isValid()) emit spotChosen(m_model->spotAt(index.row()));
}

bool SpotsWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Table_Spots && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(Table_Spots->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kastlog::spots
