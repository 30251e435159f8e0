#include "spots/nodeclient.h"

#include <QTimer>

namespace kastlog::spots {

int NodeClient::reconnectDelay(int n) { return spots::reconnectDelay(n); }

NodeClient::NodeClient(QObject *parent) : QObject(parent), m_retry(new QTimer(this)) {
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &NodeClient::reconnect);
}

NodeClient::~NodeClient() = default;

Connection &NodeClient::socket() {
    if (!m_socket) {
        Connection::Events events;
        events.connected = [this] { onConnected(); };
        events.readyRead = [this] { onReadyRead(); };
        events.failed = [this](const QString &reason) { onLost(reason); };
        events.closed = [this] { onLost(tr("connexion fermée par le noeud")); };
        m_socket = makeConnection(std::move(events));
    }
    return *m_socket;
}

bool NodeClient::isConnected() const { return m_socket && m_socket->isConnected(); }
bool NodeClient::retryPending() const { return m_retry->isActive(); }

void NodeClient::setStatus(const QString &s) {
    if (s == m_status) return;
    m_status = s;
    emit statusChanged(s);
}

void NodeClient::connectTo(const QString &hostPort, const QString &login) {
    m_hostPort = hostPort.trimmed();
    m_login = login;
    m_attempt = 0;
    reconnect();
}

void NodeClient::stop() {
    m_wanted = false;
    m_retry->stop();
    if (m_socket) m_socket->abort();
}

void NodeClient::reconnect() {
    stop();
    if (!splitHostPort(m_hostPort, m_host, m_port)) {
        setStatus(QStringLiteral("Déconnecté : noeud invalide, entrez hote:port"));
        return;
    }
    m_wanted = true;
    m_loggedIn = false;
    m_reader.reset();
    setStatus(QStringLiteral("Connexion..."));
    socket().connectToHost(m_host, m_port);
}

void NodeClient::disconnectFromNode() {
    stop();
    m_attempt = 0;
    setStatus(QStringLiteral("Déconnecté : arrêt demandé"));
}

void NodeClient::onConnected() {
    m_attempt = 0;
    setStatus(QStringLiteral("Connecté à ") + m_hostPort);
}

bool NodeClient::isPrompt(const QString &text) const {
    const QString t = text.trimmed();
    return t.endsWith(QStringLiteral("login:"), Qt::CaseInsensitive) ||
           t.endsWith(QStringLiteral("call:"), Qt::CaseInsensitive);
}

void NodeClient::onReadyRead() {
    const QStringList lines = m_reader.feed(m_socket->readAll());
    for (const QString &line : lines) {
        if (!m_loggedIn && isPrompt(line)) {
            m_loggedIn = true;
            m_socket->write(m_login.toUtf8() + "\r\n");
            continue;
        }
        emit lineReceived(line);
    }
    // The prompt usually comes without a line end.
    if (!m_loggedIn && isPrompt(m_reader.pending())) {
        m_loggedIn = true;
        m_reader.clearPending();
        m_socket->write(m_login.toUtf8() + "\r\n");
    }
}

void NodeClient::onLost(const QString &reason) {
    if (!m_wanted) return;  // our own abort, or already handled
    m_wanted = false;
    m_socket->abort();
    const int delay = reconnectDelay(m_attempt++);  // the count starts again on a success
    setStatus(QStringLiteral("Déconnecté : %1 (nouvel essai dans %2 s)").arg(reason).arg(delay));
    m_retry->start(delay * m_secondMs);
}

}  // namespace kastlog::spots
