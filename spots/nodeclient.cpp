#include "spots/nodeclient.h"

#include "spots/nodetext.h"

#include <QTimer>

namespace kastlog::spots {

namespace {
QTimer *singleShot(QObject *parent) {
    auto *t = new QTimer(parent);
    t->setSingleShot(true);
    return t;
}
}  // namespace

NodeClient::NodeClient(QObject *parent)
    : QObject(parent), m_retry(singleShot(this)), m_promptWait(singleShot(this)), m_readyWait(singleShot(this)) {
    connect(m_retry, &QTimer::timeout, this, &NodeClient::reconnect);
    connect(m_promptWait, &QTimer::timeout, this, [this] {
        //: « Noeud » is the name of the tab showing the node's own text.
        setStatus(tr("Connecté à %1, mais le noeud n'a demandé aucun indicatif en %2 s : voir son texte "
                     "dans « Noeud »")
                      .arg(m_hostPort)
                      .arg(PromptSeconds));
    });
    connect(m_readyWait, &QTimer::timeout, this, &NodeClient::sendCommands);
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

void NodeClient::connectTo(const QString &hostPort, const QString &login, const QString &password,
                           const QStringList &commands) {
    m_hostPort = hostPort.trimmed();
    m_login = login;
    m_password = password;
    m_commands = commands;
    m_attempt = 0;
    reconnect();
}

void NodeClient::stop() {
    const bool was = m_stage >= Stage::Prompt;
    m_wanted = false;
    m_stage = Stage::Idle;
    m_retry->stop();
    m_promptWait->stop();
    m_readyWait->stop();
    if (m_socket) m_socket->abort();
    if (was) emit connectedChanged(false);
}

void NodeClient::reconnect() {
    stop();
    if (!splitHostPort(m_hostPort, m_host, m_port)) {
        setStatus(tr("Déconnecté : noeud invalide, entrez hote:port"));
        return;
    }
    m_wanted = true;
    m_stage = Stage::Connecting;
    m_refusal.clear();
    m_reader.reset();
    setStatus(tr("Connexion..."));
    socket().connectToHost(m_host, m_port);
}

void NodeClient::disconnectFromNode() {
    stop();
    m_attempt = 0;
    setStatus(tr("Déconnecté : arrêt demandé"));
}

bool NodeClient::send(const QString &line) {
    if (!isConnected()) return false;
    write(line);
    emit commandSent(line);
    return true;
}

void NodeClient::write(const QString &line) { m_socket->write(line.toUtf8() + "\r\n"); }

void NodeClient::onConnected() {
    m_stage = Stage::Prompt;
    m_connectedSince.start();
    m_promptWait->start(PromptSeconds * m_secondMs);
    setStatus(tr("Connecté à %1").arg(m_hostPort));
    emit connectedChanged(true);
}

void NodeClient::sendCommands() {
    if (m_stage != Stage::Login) return;
    m_stage = Stage::Ready;
    m_readyWait->stop();
    for (const QString &c : m_commands) {
        write(c);
        emit commandSent(c);
    }
}

bool NodeClient::answer(const QString &text, bool wholeLine) {
    if (m_stage == Stage::Prompt && isLoginPrompt(text)) {
        m_stage = Stage::Login;
        m_promptWait->stop();
        m_readyWait->start(ReadySeconds * m_secondMs);
        write(m_login);
        return true;
    }
    if (m_stage != Stage::Login) return false;
    if (isPasswordPrompt(text)) {
        if (m_password.isEmpty()) {
            // Calling again would only be refused again.
            stop();
            m_attempt = 0;
            //: « Mot de passe » is the label of the password field.
            setStatus(tr("Déconnecté : le noeud demande un mot de passe, donnez-le dans « Mot de passe »"));
            return true;
        }
        m_readyWait->start(ReadySeconds * m_secondMs);
        write(m_password);
        return true;
    }
    if (wholeLine && isRefusal(text)) {
        m_refusal = text.trimmed();
        //: %1 is the node's own refusal line, as received.
        setStatus(tr("Refusé par le noeud : %1").arg(m_refusal));
    }
    return false;
}

void NodeClient::onReadyRead() {
    const QStringList lines = m_reader.feed(m_socket->readAll());
    for (const QString &line : lines) {
        if (answer(line, true)) {
            if (m_stage == Stage::Idle) return;  // given up
            continue;
        }
        emit lineReceived(line);
        if (isCommandPrompt(line)) sendCommands();
    }
    // A prompt usually comes without a line end; nothing of it may join the next line.
    const QString pending = m_reader.pending();
    if (pending.trimmed().isEmpty()) return;
    if (answer(pending, false)) {
        if (m_stage != Stage::Idle) m_reader.clearPending();
    } else if (isCommandPrompt(pending)) {
        m_reader.clearPending();
        emit lineReceived(pending.trimmed());
        sendCommands();
    }
}

void NodeClient::onLost(const QString &reason) {
    if (!m_wanted) return;  // our own abort, or already handled
    // A connection that held was a success: the delays start again.
    const bool held = m_stage >= Stage::Prompt && m_connectedSince.elapsed() >= qint64(SteadySeconds) * m_secondMs;
    stop();
    if (held) m_attempt = 0;
    const int delay = reconnectDelay(m_attempt++);
    const QString why = m_refusal.isEmpty() ? reason : tr("refusé par le noeud : %1").arg(m_refusal);
    //: %1 is the reason, %2 the seconds before the next attempt.
    setStatus(tr("Déconnecté : %1 (nouvel essai dans %2 s)").arg(why, QString::number(delay)));
    m_retry->start(delay * m_secondMs);
}

}  // namespace kastlog::spots
