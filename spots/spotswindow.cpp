#include "spots/spotswindow.h"

#include "settings/settings.h"
#include "settings/stationcall.h"
#include "spots/nodetext.h"
#include "ui/centre.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace kastlog::spots {

namespace {

QLineEdit *field(QWidget *parent, const char *name) {
    auto *f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

QLabel *labelFor(QWidget *buddy, const QString &text) {
    auto *l = new QLabel(text, buddy->parentWidget());
    l->setBuddy(buddy);
    return l;
}

}  // namespace

SpotsWindow::SpotsWindow(Settings &settings, QString station, std::function<QStringList()> logLines,
                         ui::MessageBox &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_station(std::move(station)),
      m_login(QString(m_station).replace(u'_', u'/')), m_logLines(std::move(logLines)), m_messages(messages),
      m_model(new SpotsModel(m_book, this)), m_client(new NodeClient(this)) {
    setObjectName(QStringLiteral("Spots"));
    setWindowTitle(tr("Spots DX"));
    resize(860, 520);
    m_attention = [this](bool beep) {
        QApplication::alert(this);
        if (beep) QApplication::beep();
    };
    buildControls();
    ui::centreOnScreen(this);

    connect(m_client, &NodeClient::statusChanged, Etat, &QLabel::setText);
    connect(m_client, &NodeClient::lineReceived, this, &SpotsWindow::addLine);
    connect(m_client, &NodeClient::commandSent, this, [this](const QString &c) { Texte_Noeud->appendPlainText(QStringLiteral("> ") + c); });
    connect(m_client, &NodeClient::connectedChanged, this, &SpotsWindow::updateSpotter);
    m_expiry = new QTimer(this);
    m_expiry->setInterval(30000);
    connect(m_expiry, &QTimer::timeout, this, &SpotsWindow::expire);
    m_expiry->start();
}

void SpotsWindow::buildControls() {
    Noeud = field(this, "Noeud");
    //: Hint in the empty node field: host name, colon, port.
    Noeud->setPlaceholderText(tr("hote:port"));
    Noeud->setText(m_settings.clusterTelnet());
    auto *reconnecter = new QPushButton(tr("&Reconnecter"), this);
    reconnecter->setObjectName(QStringLiteral("Reconnecter"));
    auto *deconnecter = new QPushButton(tr("&Déconnecter"), this);
    deconnecter->setObjectName(QStringLiteral("Deconnecter"));
    Nouveaux = new QCheckBox(tr("Seulement les nou&veaux"), this);
    Nouveaux->setObjectName(QStringLiteral("Nouveaux"));
    Nouveaux->setChecked(m_settings.spotsNouveaux());
    m_model->setOnlyNew(Nouveaux->isChecked());
    Indicatif = field(this, "Indicatif");
    Indicatif->setText(m_settings.clusterIndicatif(m_login));
    Mot_De_Passe = field(this, "Mot_De_Passe");
    Mot_De_Passe->setEchoMode(QLineEdit::Password);
    Mot_De_Passe->setText(m_settings.clusterMotDePasse());
    Signal_Sonore = new QCheckBox(tr("Signal s&onore"), this);
    Signal_Sonore->setObjectName(QStringLiteral("Signal_Sonore"));
    Signal_Sonore->setChecked(m_settings.signalSonore(m_station));
    //: Button: send the chosen spot back to the node.
    Spotter = new QPushButton(tr("S&potter"), this);
    Spotter->setObjectName(QStringLiteral("Spotter"));
    Spotter->setEnabled(false);
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
    auto *pane = new QWidget(this);
    Texte_Noeud = new QPlainTextEdit(pane);
    Texte_Noeud->setObjectName(QStringLiteral("Texte_Noeud"));
    Texte_Noeud->setReadOnly(true);
    Texte_Noeud->setMaximumBlockCount(PaneLines);
    Texte_Noeud->setFont(QFont(QStringLiteral("Courier New"), 9));
    Texte_Noeud->setLineWrapMode(QPlainTextEdit::NoWrap);
    Commande = field(pane, "Commande");
    auto *commandRow = new QHBoxLayout;
    commandRow->addWidget(labelFor(Commande, tr("&Commande")));
    commandRow->addWidget(Commande, 1);
    auto *paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(Texte_Noeud, 1);
    paneLayout->addLayout(commandRow);
    Onglets = new QTabWidget(this);
    Onglets->setObjectName(QStringLiteral("Onglets"));
    //: Tab of the spot table.
    Onglets->addTab(Table_Spots, tr("&Spots"));
    //: Tab showing the node's own text (the DX cluster node).
    Onglets->addTab(pane, tr("No&eud"));

    auto *top = new QGridLayout;
    top->addWidget(labelFor(Noeud, tr("&Noeud")), 0, 0);
    top->addWidget(Noeud, 0, 1);
    top->addWidget(reconnecter, 0, 2);
    top->addWidget(deconnecter, 0, 3);
    top->addWidget(Nouveaux, 0, 4);
    top->addWidget(labelFor(Indicatif, tr("&Indicatif")), 1, 0);
    auto *login = new QHBoxLayout;
    login->addWidget(Indicatif, 1);
    login->addWidget(labelFor(Mot_De_Passe, tr("&Mot de passe")));
    login->addWidget(Mot_De_Passe, 1);
    top->addLayout(login, 1, 1);
    top->addWidget(Spotter, 1, 2);
    top->addWidget(Signal_Sonore, 1, 4);
    top->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Onglets, 1);
    layout->addWidget(Etat);

    connect(Noeud, &QLineEdit::returnPressed, this, [this] { connectToNode(true); });
    connect(reconnecter, &QPushButton::clicked, this, [this] { connectToNode(false); });
    connect(deconnecter, &QPushButton::clicked, m_client, &NodeClient::disconnectFromNode);
    for (QLineEdit *f : {Indicatif, Mot_De_Passe}) {
        connect(f, &QLineEdit::editingFinished, this, &SpotsWindow::saveLogin);
        connect(f, &QLineEdit::returnPressed, this, [this] { connectToNode(true); });
    }
    connect(Commande, &QLineEdit::returnPressed, this, &SpotsWindow::sendCommand);
    connect(Spotter, &QPushButton::clicked, this, &SpotsWindow::spotBack);
    connect(Nouveaux, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.setSpotsNouveaux(on);
        refreshLog();
    });
    connect(Signal_Sonore, &QCheckBox::toggled, this, [this](bool on) { m_settings.setSignalSonore(m_station, on); });
    connect(Onglets, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1) Commande->setFocus();
        else Table_Spots->setFocus();
    });
    connect(Table_Spots, &QTableView::doubleClicked, this, &SpotsWindow::choose);
    connect(Table_Spots->selectionModel(), &QItemSelectionModel::currentChanged, this, &SpotsWindow::updateSpotter);
    // The first row of an empty table becomes the current one, so that Enter takes it.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!Table_Spots->currentIndex().isValid()) Table_Spots->setCurrentIndex(m_model->index(0, 0));
    });
}

void SpotsWindow::start() {
    refreshLog();
    if (Noeud->text().trimmed().isEmpty()) {
        Etat->setText(tr("Déconnecté : entrez le noeud (hote:port) puis Entrée"));
        Noeud->setFocus();
        return;
    }
    connectToNode(true);
}

void SpotsWindow::saveLogin() {
    // The station's own call is kept as no login of its own, so that it follows the station.
    const QString typed = station::capitals(Indicatif->text().trimmed());
    if (typed != m_settings.clusterIndicatif(m_login)) m_settings.setClusterIndicatif(typed == m_login ? QString() : typed);
    Indicatif->setText(m_settings.clusterIndicatif(m_login));
    if (Mot_De_Passe->text() != m_settings.clusterMotDePasse()) m_settings.setClusterMotDePasse(Mot_De_Passe->text());
}

void SpotsWindow::connectToNode(bool focusTable) {
    QString host;
    quint16 port = 0;
    // Only a usable node is remembered, once given.
    const bool usable = splitHostPort(Noeud->text(), host, port);
    if (usable) m_settings.setClusterTelnet(Noeud->text().trimmed());
    saveLogin();
    m_client->connectTo(Noeud->text(), m_settings.clusterIndicatif(m_login), m_settings.clusterMotDePasse(),
                        splitCommands(m_settings.clusterCommandes()));
    if (usable && focusTable) {
        Onglets->setCurrentIndex(0);
        Table_Spots->setFocus();
    }
}

void SpotsWindow::logChanged() {
    if (m_refreshPending) return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refreshLog();
    });
}

void SpotsWindow::keepCurrent(quint64 id) {
    const int row = m_model->rowOf(id);
    if (row >= 0) Table_Spots->setCurrentIndex(m_model->index(row, 0));
    else if (m_model->rowCount() > 0) Table_Spots->setCurrentIndex(m_model->index(0, 0));
    updateSpotter();
}

void SpotsWindow::refreshLog() {
    // The marks change and the rows shown with them; the row chosen stays chosen.
    const QModelIndex current = Table_Spots->currentIndex();
    const quint64 id = current.isValid() ? m_model->rowAt(current.row()).id : 0;
    m_book.setLog(m_logLines ? m_logLines() : QStringList());
    m_model->setOnlyNew(Nouveaux->isChecked());
    keepCurrent(id);
}

void SpotsWindow::addLine(const QString &line) {
    Spot spot;
    switch (readNodeLine(line, spot)) {
    case LineKind::Text:
        Texte_Noeud->appendPlainText(line);
        return;
    case LineKind::Spot:
        return;
    case LineKind::CastleSpot:
        break;
    }
    const QDateTime now = m_now();
    if (m_book.expire(now) > 0) m_model->expired();
    // A spot of the answer to "sh/dx" is placed at its own time; a spot as it happens is of now.
    const QDateTime when = spot.date.isValid()
                               ? QDateTime(spot.date, QTime(spot.time.left(2).toInt(), spot.time.mid(2, 2).toInt()), Qt::UTC)
                               : now;
    const BookChange change = m_book.add(spot, when);
    m_model->apply(change);
    if (change.kind == BookChange::Inserted && !m_book.rows()[change.to].contacted) askAttention();
}

void SpotsWindow::askAttention() {
    // Once for a burst of new castles, such as the answer to "sh/dx".
    if (isActiveWindow() || m_attentionPending) return;
    m_attentionPending = true;
    QTimer::singleShot(0, this, [this] {
        m_attentionPending = false;
        if (m_attention) m_attention(Signal_Sonore->isChecked());
    });
}

void SpotsWindow::expire() {
    if (m_book.expire(m_now()) > 0) m_model->expired();
}

void SpotsWindow::choose(const QModelIndex &index) {
    if (index.isValid()) emit spotChosen(m_model->rowAt(index.row()).spot);
}

void SpotsWindow::updateSpotter() { Spotter->setEnabled(m_client->isConnected() && Table_Spots->currentIndex().isValid()); }

void SpotsWindow::spotBack() {
    const QModelIndex current = Table_Spots->currentIndex();
    if (!current.isValid() || !m_client->isConnected()) return;
    const QString command = spotBackCommand(m_model->rowAt(current.row()).spot);
    if (m_messages.askYesNo(tr("Envoyer ce spot au noeud ?\n\n%1").arg(command))) m_client->send(command);
    Table_Spots->setFocus();
}

void SpotsWindow::sendCommand() {
    const QString command = Commande->text();
    if (command.trimmed().isEmpty()) return;
    if (!m_client->send(command)) {
        Etat->setText(tr("Commande non envoyée : pas de connexion au noeud"));
        return;
    }
    Commande->clear();
}

bool SpotsWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Table_Spots && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(Table_Spots->currentIndex());
            return true;
        }
        // Rows are chosen whole: Home and End go to the newest and the oldest spot.
        if ((key == Qt::Key_Home || key == Qt::Key_End) && m_model->rowCount() > 0) {
            Table_Spots->setCurrentIndex(m_model->index(key == Qt::Key_Home ? 0 : m_model->rowCount() - 1, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kastlog::spots
