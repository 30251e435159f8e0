#include "rig/rigclient.h"

#include "logstore/bands.h"

#include <QCoreApplication>
#include <QTimer>

namespace kastlog::rig {

namespace {
// Qt's socket errors begin with a capital; the label reads on after "déconnectée (".
QString lowerFirst(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toLower();
    return s;
}
}  // namespace

QString describe(const Reading &r) {
    if (!r.problem.isEmpty()) {
        QString why = r.problem;
        if (r.retryInS > 0)
            //: %1 is why the radio is disconnected, %2 a number of seconds.
            why = QCoreApplication::translate("Radio", "%1, nouvel essai dans %2 s")
                      .arg(why, QString::number(r.retryInS));
        return QCoreApplication::translate("Radio", "Radio : déconnectée (%1)").arg(why);
    }
    if (r.hz <= 0) return QCoreApplication::translate("Radio", "Radio : connexion...");
    QString text = formatKhz(r.hz);
    if (!r.mode.isEmpty()) text += u' ' + r.mode;
    if (bandLabelOfFrequency(double(r.hz) / 1e6).isEmpty())
        text += QCoreApplication::translate("Radio", " - hors des bandes du log");
    if (!r.refusal.isEmpty())
        text += QCoreApplication::translate("Radio", " - réglage refusé (%1)").arg(r.refusal);
    return text;
}

RigClient::RigClient(QObject *parent)
    : QObject(parent), m_poll(new QTimer(this)), m_answer(new QTimer(this)), m_retry(new QTimer(this)) {
    connect(m_poll, &QTimer::timeout, this, &RigClient::poll);
    m_answer->setSingleShot(true);
    connect(m_answer, &QTimer::timeout, this, [this] {
        lose(isConnected() ? tr("pas de réponse de rigctld en %1 s").arg(AnswerTimeoutMs / 1000)
                           : tr("pas de connexion en %1 s").arg(AnswerTimeoutMs / 1000));
    });
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &RigClient::connectNow);
}

RigClient::~RigClient() = default;

spots::Connection &RigClient::socket() {
    if (!m_socket) {
        spots::Connection::Events events;
        events.connected = [this] { onConnected(); };
        events.readyRead = [this] { onReadyRead(); };
        events.failed = [this](const QString &reason) { lose(lowerFirst(reason)); };
        events.closed = [this] { lose(tr("connexion fermée par rigctld")); };
        m_socket = spots::makeConnection(std::move(events));
    }
    return *m_socket;
}

bool RigClient::isConnected() const { return m_wanted && m_socket && m_socket->isConnected(); }

void RigClient::start(const QString &hostPort, int intervalMs) {
    m_hostPort = hostPort.trimmed();
    m_intervalMs = qMax(1, intervalMs);
    m_attempt = 0;
    m_reading = {};
    connectNow();
}

void RigClient::stop() {
    drop();
    m_reading = {};
}

// Ends the connection and forgets every request; the events of the old socket are ignored.
void RigClient::drop() {
    m_wanted = false;
    ++m_generation;
    m_poll->stop();
    m_answer->stop();
    m_retry->stop();
    if (m_socket) m_socket->abort();
    m_queue.clear();
    m_inFlight.reset();
    m_lines.clear();
    m_reader.reset();
}

void RigClient::connectNow() {
    drop();
    QString host;
    quint16 port = 0;
    if (!spots::splitHostPort(m_hostPort, host, port)) {
        m_reading = {};
        m_reading.problem = tr("adresse « %1 » invalide, entrez hote:port").arg(m_hostPort);
        emit updated();
        return;
    }
    m_wanted = true;
    m_reading.retryInS = 0;
    socket().connectToHost(host, port);
    m_answer->start(AnswerTimeoutMs);  // a host that never answers the connection
    emit updated();
}

void RigClient::onConnected() {
    m_answer->stop();
    m_poll->start(m_intervalMs);
    poll();
}

void RigClient::poll() {
    if (m_inFlight || !m_queue.isEmpty()) return;
    m_queue << getFrequency() << getMode();
    sendNext();
}

void RigClient::sendNext() {
    if (m_inFlight || m_queue.isEmpty() || !isConnected()) return;
    m_inFlight = m_queue.takeFirst();
    m_lines.clear();
    m_socket->write(m_inFlight->line);
    m_answer->start(AnswerTimeoutMs);
}

bool RigClient::tune(qint64 hz, const QString &hamlibMode) {
    if (!isConnected()) return false;
    // Before the next reading; a newer tuning replaces one not yet sent.
    m_queue.removeIf([](const Request &r) { return r.command == Command::SetFrequency || r.command == Command::SetMode; });
    m_queue.prepend(setMode(hamlibMode));
    m_queue.prepend(setFrequency(hz));
    sendNext();
    return true;
}

void RigClient::onReadyRead() {
    const int generation = m_generation;
    const QStringList lines = m_reader.feed(m_socket->readAll());
    for (const QString &line : lines) {
        if (!m_inFlight) return lose(tr("réponse inattendue de rigctld : « %1 »").arg(line.left(40)));
        m_lines << line;
        const std::optional<Answer> answer = readAnswer(m_inFlight->command, m_lines);
        if (!answer) continue;
        m_answer->stop();
        const Request done = *m_inFlight;
        m_inFlight.reset();
        m_lines.clear();
        handle(done, *answer);
        if (generation != m_generation) return;  // lost, stopped or started again meanwhile
    }
    sendNext();
}

void RigClient::handle(const Request &done, const Answer &a) {
    if (a.kind == Answer::Garbled)
        return lose(tr("réponse illisible de rigctld : « %1 »").arg(a.garbage.left(40)));
    m_attempt = 0;  // rigctld answers: the delays start again from 5 s at the next loss
    const bool refused = a.kind == Answer::Refused;
    switch (done.command) {
    case Command::GetFrequency:
        if (refused) {  // the radio is off or unreachable behind rigctld: no mode either this time
            m_queue.removeIf([](const Request &r) { return r.command == Command::GetMode; });
            m_reading.hz = 0;
            m_reading.mode.clear();
            m_reading.problem = errorText(a.code);
            emit updated();
            return;
        }
        m_reading.hz = a.hz;
        m_reading.problem.clear();
        m_reading.retryInS = 0;
        return;
    case Command::GetMode:
        m_reading.mode = refused ? QString() : a.mode;  // some radios do not tell their mode
        emit updated();
        return;
    case Command::SetFrequency:
        m_reading.refusal = refused ? errorText(a.code) : QString();
        return;
    case Command::SetMode:
        if (refused) m_reading.refusal = errorText(a.code);
        emit updated();
        return;
    }
}

void RigClient::lose(const QString &reason) {
    if (!m_wanted) return;  // our own abort, or already handled
    drop();
    const int delay = spots::reconnectDelay(m_attempt++);
    m_reading.hz = 0;
    m_reading.mode.clear();
    m_reading.problem = reason;
    m_reading.retryInS = delay;
    m_retry->start(delay * m_secondMs);
    emit updated();
}

}  // namespace kastlog::rig
